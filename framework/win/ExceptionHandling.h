#pragma once
// Where exceptions that nobody handled end up: one seam for the three places the framework catches them. The
// framework's own handler shows the message in a message box and lets the program go on; an exception
// reporter installs its own. This is the lowest layer of the framework: it knows no forms, threads or
// registry, so every part of the framework can report through it.

#include <windows.h>

#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

#include "Object.h"

// An exception whose message is UTF-16 text; what() carries the same text in UTF-8.
class EUnicodeException : public std::runtime_error {
 public:
  explicit EUnicodeException(const std::u16string& message);
  const std::u16string& Message() const { return FMessage; }

 private:
  std::u16string FMessage;
};

// Where a handler that talks to the user shows an exception: the window that owns its message box (none for
// the desktop) and the box's title.
struct TExceptionDisplay {
  HWND Owner = nullptr;
  std::u16string Title;
};

class IExceptionHandler {
 public:
  virtual ~IExceptionHandler() = default;
  // An exception escaped a message handler or event of the main thread. The message loop goes on afterwards.
  virtual void HandleException(TObject* sender, std::exception_ptr error,
                               const TExceptionDisplay& display) = 0;
  // Runs a thread's main routine and returns the exception that escaped it (none when it returned). Nothing
  // may leave this function; the default returns what escaped, and the thread keeps it as its FatalException.
  virtual std::exception_ptr RunThread(const std::function<void()>& execute) = 0;
  // A method run on the main thread for the thread object `thread` (Synchronize) raised `error`; it is handed
  // back to the thread after this returns.
  virtual void SynchronizeFailed(TObject* thread, std::exception_ptr error) = 0;
};

// The handler in force; never null.
IExceptionHandler& ExceptionHandler();
// Installs `handler` (nullptr restores the framework's own) and returns the previous one.
IExceptionHandler* SetExceptionHandler(IExceptionHandler* handler);
// The message text of an exception, for display.
std::u16string ExceptionMessage(std::exception_ptr error);
