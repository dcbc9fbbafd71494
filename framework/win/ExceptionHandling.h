#pragma once
// Where exceptions that nobody handled end up: one seam for the three places the framework catches them. The
// framework's own handler shows the message in a message box and lets the program go on; an exception
// reporter installs its own.

#include <exception>
#include <functional>
#include <string>

#include "Object.h"

class TThread;

class IExceptionHandler {
 public:
  virtual ~IExceptionHandler() = default;
  // An exception escaped a message handler or event of the main thread. The message loop goes on afterwards.
  virtual void HandleException(TObject* sender, std::exception_ptr error) = 0;
  // Runs a thread's main routine. An exception escaping `execute` must not leave this function; the default
  // keeps it as the thread's FatalException.
  virtual void RunThread(TThread& thread, const std::function<void()>& execute) = 0;
  // A method run on the main thread for a worker (Synchronize) raised `error`; it is handed back to the
  // worker after this returns.
  virtual void SynchronizeFailed(TThread* thread, std::exception_ptr error) = 0;
};

// The handler in force; never null.
IExceptionHandler& ExceptionHandler();
// Installs `handler` (nullptr restores the framework's own) and returns the previous one.
IExceptionHandler* SetExceptionHandler(IExceptionHandler* handler);
// The message text of an exception, for display.
std::u16string ExceptionMessage(std::exception_ptr error);
