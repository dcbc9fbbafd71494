#pragma once
// Message loops, a synchronize window and a recording exception handler for the threading and timer tests.

#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "ExceptionHandling.h"
#include "Handles.h"
#include "Thread.h"

// Dispatches messages until `done` holds, at most for a generous while so that a fault cannot hang the test;
// false when `done` never held. WM_NULL posted to the thread itself runs the handed-over calls, as any
// message loop of the program does.
bool PumpMessagesUntil(const std::function<bool()>& done);
// Dispatches messages for `milliseconds`.
void PumpMessagesFor(DWORD milliseconds);
// How often a thread message WM_NULL made the loops above run the handed-over calls.
int ThreadWakeUps();

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

// Ends the process with a message if the test is still running after a generous while: for waits that would
// otherwise hang on a deadlock.
class TWatchdog {
 public:
  explicit TWatchdog(const char* what);
  TWatchdog(const TWatchdog&) = delete;
  TWatchdog& operator=(const TWatchdog&) = delete;
  ~TWatchdog();

 private:
  static DWORD WINAPI Watch(LPVOID parameter);
  const char* FWhat;
  TKernelHandle FDone;
  TKernelHandle FThread;
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
