#pragma once
// An exception handler for tests: it records what reaches it instead of showing a message box that nobody
// closes.

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "ExceptionHandling.h"

// Installed while it lives (the handler before it is in force again at its end). A thread's escaping
// exception is returned and so becomes its FatalException, as with the framework's own handler.
class TRecordingHandler : public IExceptionHandler {
 public:
  struct THandled {
    TObject* Sender;
    std::u16string Message;
  };
  struct TSyncFailure {
    TObject* Thread;
    std::u16string Message;
    DWORD ThreadId;  // the thread the failure was reported on
  };
  // For tests of installing a handler: constructed without installing itself.
  struct TNotInstalled {};

  TRecordingHandler();
  explicit TRecordingHandler(TNotInstalled) noexcept;
  TRecordingHandler(const TRecordingHandler&) = delete;
  TRecordingHandler& operator=(const TRecordingHandler&) = delete;
  ~TRecordingHandler() override;

  void HandleException(TObject* sender, std::exception_ptr error, const TExceptionDisplay& display) override;
  std::exception_ptr RunThread(const std::function<void()>& execute) override;
  void SynchronizeFailed(TObject* thread, std::exception_ptr error) override;

  // The messages of the handled exceptions, in order.
  std::vector<std::u16string> Messages() const;

  std::vector<THandled> Handled;
  std::vector<TSyncFailure> SyncFailures;

 private:
  bool FInstalled;
  IExceptionHandler* FPrevious;
};
