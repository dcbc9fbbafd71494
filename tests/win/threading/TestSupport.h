#pragma once
// A synchronize window, a recording exception handler and a thread running a lambda for the threading and
// timer tests; the message pumps come from the shared test support.

#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "ExceptionHandling.h"
#include "MessagePump.h"
#include "Thread.h"

// A window whose WM_NULL runs the handed-over calls, registered as the synchronize window while it lives.
class TSyncWindow {
 public:
  TSyncWindow();
  TSyncWindow(const TSyncWindow&) = delete;
  TSyncWindow& operator=(const TSyncWindow&) = delete;
  ~TSyncWindow();
  int WakeUps() const { return FWakeUps; }

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND FWindow = nullptr;
  int FWakeUps = 0;
};

// The message of an exception ("no exception" for none, "unknown exception" for one of no std::exception
// type).
std::string MessageOf(std::exception_ptr error);

// Installed while it lives: records what reaches the handler; a thread's escaping exception is returned and
// so becomes its FatalException, as with the framework's own handler.
class TRecordingHandler : public IExceptionHandler {
 public:
  struct TSyncFailure {
    TObject* Thread;
    std::string Message;
    DWORD ThreadId;
  };
  struct THandled {
    TObject* Sender;
    std::string Message;
  };

  TRecordingHandler();
  ~TRecordingHandler() override;

  void HandleException(TObject* sender, std::exception_ptr error, const TExceptionDisplay& display) override;
  std::exception_ptr RunThread(const std::function<void()>& execute) override;
  void SynchronizeFailed(TObject* thread, std::exception_ptr error) override;

  std::vector<TSyncFailure> SyncFailures;
  std::vector<THandled> Handled;

 private:
  IExceptionHandler* FPrevious;
};

// A thread whose Execute runs `body`.
class TLambdaThread : public TThread {
 public:
  explicit TLambdaThread(std::function<void(TLambdaThread&)> body) : TThread(true), FBody(std::move(body)) {}

 protected:
  void Execute() override { FBody(*this); }

 private:
  std::function<void(TLambdaThread&)> FBody;
};
