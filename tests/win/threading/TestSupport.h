#pragma once
// A synchronize window and a thread running a lambda for the threading and timer tests; the message pumps and
// the recording exception handler come from the shared test support.

#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>
#include <string>

#include "Handles.h"
#include "MessagePump.h"
#include "RecordingHandler.h"
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
  TWindowHandle FWindow;
  int FWakeUps = 0;
};

// The message of an exception ("no exception" for none, "unknown exception" for one of no std::exception
// type).
std::string MessageOf(std::exception_ptr error);

// A thread whose Execute runs `body`.
class TLambdaThread : public TThread {
 public:
  explicit TLambdaThread(std::function<void(TLambdaThread&)> body) : TThread(true), FBody(std::move(body)) {}

 protected:
  void Execute() override { FBody(*this); }

 private:
  std::function<void(TLambdaThread&)> FBody;
};
