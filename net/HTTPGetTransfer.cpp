// THTTPGet's transfers: starting the worker, waiting for it and reporting its outcome.
#include "HTTPGet.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <system_error>

#include "HTTPGetThread.h"

namespace {

// Takes and dispatches every message waiting in the thread's queue, without blocking; the wake-up for calls
// handed over by workers runs them also when it was posted to the thread for want of a window. A quit
// request is remembered in `quitCode` for the caller to post again.
void DispatchWaitingMessages(std::optional<WPARAM>& quitCode) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT)
      quitCode = message.wParam;
    if (HandleSynchronizeWakeUp(message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Runs an outcome handler, then `settle` on every path, unless the handler destroyed the component (`self`,
// a copy, outlives that).
template <class Handler, class Settle>
void RaiseOutcome(const std::shared_ptr<THTTPGet*> self, Handler handler, Settle settle) {
  try {
    handler();
  } catch (...) {
    if (*self)
      settle();
    throw;
  }
  if (*self)
    settle();
}

// A quit request taken from the queue while waiting is handed on to the application's own loop.
void RepostQuit(const std::optional<WPARAM>& quitCode) {
  if (quitCode)
    PostQuitMessage(static_cast<int>(*quitCode));
}

}  // namespace

THTTPGet::~THTTPGet() {
  Abort();
  *FSelf = nullptr;
}

void THTTPGet::GetFile() {
  if (Busy())
    return;
  if (!StartTransfer(true) || !FWaitThread)
    return;
  // The component may be destroyed by a handler run from this loop.
  const std::shared_ptr<THTTPGet*> self = FSelf;
  std::optional<WPARAM> quitCode;
  while (*self && (*self)->FThread)
    DispatchWaitingMessages(quitCode);
  RepostQuit(quitCode);
}

void THTTPGet::GetString() {
  if (Busy())
    return;
  if (!StartTransfer(false) || !FWaitThread)
    return;
  std::optional<WPARAM> quitCode;
  DispatchWaitingMessages(quitCode);
  RepostQuit(quitCode);
}

void THTTPGet::Abort() {
  if (FThread)
    FThread->Cancel();
}

bool THTTPGet::StartTransfer(bool toFile) {
  const THTTPGetSettings settings{FAcceptTypes, FAgent,     FURL,     FFileName,   FUserName,
                                  FPassword,    FPostQuery, FReferer, FBinaryData, FUseCache};
  auto thread = std::make_unique<THTTPGetThread>(settings, OnProgress, toFile);
  // Attached before the worker runs, and run on the main thread while the worker waits for it.
  thread->OnTerminate = [self = FSelf](TObject* sender) {
    if (THTTPGet* component = *self)
      component->ThreadDone(static_cast<THTTPGetThread&>(*sender));
  };
  try {
    thread->Start();
  } catch (const std::system_error&) {
    // No worker, so no transfer: it failed like any other, and the component stays idle.
    ReportFailedStart();
    return false;
  }
  // Running, it frees itself after its completion; it cannot complete before this returns to a message loop.
  FThread = thread.release();
  return true;
}

void THTTPGet::ReportFailedStart() {
  // Busy while the handler runs, as for every outcome, so that it cannot start a transfer from inside.
  FReportingFailedStart = true;
  RaiseOutcome(
      FSelf, [this] { Raise(OnError, this); }, [this] { FReportingFailedStart = false; });
}

void THTTPGet::ThreadDone(THTTPGetThread& thread) {
  // Cleared only after the handler, so that a new transfer cannot start from inside it; also when the handler
  // raises, since the worker frees itself all the same.
  RaiseOutcome(
      FSelf,
      [this, &thread] {
        if (!thread.Succeeded())
          Raise(OnError, this);
        else if (thread.ToFile())
          Raise(OnDoneFile, this, thread.FileName(), thread.FileSize());
        else
          Raise(OnDoneString, this, thread.StringResult());
      },
      [this] { FThread = nullptr; });
}
