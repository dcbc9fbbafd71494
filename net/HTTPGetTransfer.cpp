// THTTPGet's transfers: starting the worker, waiting for it and reporting its outcome.
#include "HTTPGet.h"

#include <windows.h>

#include <optional>

#include "HTTPGetThread.h"

namespace {

// Takes and dispatches every message waiting in the thread's queue, without blocking. A quit request is
// remembered in `quitCode` for the caller to post again.
void DispatchWaitingMessages(std::optional<WPARAM>& quitCode) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT)
      quitCode = message.wParam;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
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
  if (FThread)
    return;
  StartTransfer(true);
  if (!FWaitThread)
    return;
  // The component may be destroyed by a handler run from this loop.
  const std::shared_ptr<THTTPGet*> self = FSelf;
  std::optional<WPARAM> quitCode;
  while (*self && (*self)->FThread)
    DispatchWaitingMessages(quitCode);
  RepostQuit(quitCode);
}

void THTTPGet::GetString() {
  if (FThread)
    return;
  StartTransfer(false);
  if (!FWaitThread)
    return;
  std::optional<WPARAM> quitCode;
  DispatchWaitingMessages(quitCode);
  RepostQuit(quitCode);
}

void THTTPGet::Abort() {
  if (FThread)
    FThread->Cancel();
}

void THTTPGet::StartTransfer(bool toFile) {
  const THTTPGetSettings settings{FAcceptTypes, FAgent,     FURL,     FFileName,   FUserName,
                                  FPassword,    FPostQuery, FReferer, FBinaryData, FUseCache};
  auto* thread = new THTTPGetThread(settings, OnProgress, toFile);
  // Attached before the worker runs, and run on the main thread while the worker waits for it.
  thread->OnTerminate = [self = FSelf](TObject* sender) {
    if (THTTPGet* component = *self)
      component->ThreadDone(static_cast<THTTPGetThread&>(*sender));
  };
  FThread = thread;
  thread->Start();
}

void THTTPGet::ThreadDone(THTTPGetThread& thread) {
  const std::shared_ptr<THTTPGet*> self = FSelf;
  if (!thread.Succeeded())
    Raise(OnError, this);
  else if (thread.ToFile())
    Raise(OnDoneFile, this, thread.FileName(), thread.FileSize());
  else
    Raise(OnDoneString, this, thread.StringResult());
  // Cleared only now, so that a new transfer cannot start from inside the handler.
  if (*self)
    FThread = nullptr;
}
