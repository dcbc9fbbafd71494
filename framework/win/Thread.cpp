#include "Thread.h"

#include <mutex>
#include <utility>
#include <vector>

#include "ExceptionHandling.h"
#include "LastError.h"

namespace {

// The thread that initialised the module; the first call records it, and the initialiser below makes that
// call while the program starts, on the thread that starts it.
DWORD MainThreadId() {
  static const DWORD id = GetCurrentThreadId();
  return id;
}
[[maybe_unused]] const DWORD gMainThreadAtStart = MainThreadId();

// A call handed to the main thread. It lives on the stack of the waiting worker until Done is set.
struct TSyncRequest {
  TThread* Thread;
  const std::function<void()>* Method;
  HANDLE Done;
  std::exception_ptr Error;
};

std::mutex gQueueLock;
std::vector<TSyncRequest*> gQueue;
std::atomic<HWND> gSynchronizeWindow{nullptr};

// Set whenever a call is queued, so that WaitFor on the main thread wakes up for it. It lives as long as the
// process: workers still running while the program ends may set it.
HANDLE SyncQueuedEvent() {
  static const HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  return event;
}

void WakeMainThread() {
  SetEvent(SyncQueuedEvent());
  const HWND window = gSynchronizeWindow.load();
  if (window && PostMessageW(window, WM_NULL, 0, 0))
    return;
  PostThreadMessageW(MainThreadId(), WM_NULL, 0, 0);
}

void RunRequest(TSyncRequest& request) {
  try {
    (*request.Method)();
  } catch (...) {
    request.Error = std::current_exception();
    // The worker must be released whatever the handler does.
    try {
      ExceptionHandler().SynchronizeFailed(request.Thread, request.Error);
    } catch (...) {
    }
  }
  SetEvent(request.Done);
}

}  // namespace

TThread::TThread(bool createSuspended) {
  if (!createSuspended)
    Start();
}

TThread::~TThread() {
  // A FreeOnTerminate thread is deleted by itself, at the very end of its run.
  if (FHandle && GetCurrentThreadId() != FThreadID) {
    if (!FFinished)
      Terminate();
    // Also after Finished: the thread may still be raising OnTerminate.
    WaitFor();
  }
}

void TThread::Start() {
  if (FStarted)
    return;
  MainThreadId();
  if (IsMainThread()) {
    // A thread gets its message queue with its first window-system call; the wake-up for handed-over calls is
    // posted to the main thread's own queue when there is no synchronize window, and is lost without one.
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
  }
  // Suspended until the handle and id are stored: a FreeOnTerminate thread may end and free itself at once.
  DWORD id = 0;
  TKernelHandle handle(CreateThread(nullptr, 0, &TThread::ThreadProc, this, CREATE_SUSPENDED, &id));
  if (!handle)
    RaiseLastError("CreateThread");
  FHandle = std::move(handle);
  FThreadID = id;
  FStarted = true;
  ResumeThread(FHandle.Get());
}

DWORD WINAPI TThread::ThreadProc(LPVOID parameter) {
  auto* thread = static_cast<TThread*>(parameter);
  thread->FFatalException = ExceptionHandler().RunThread([thread] { thread->Execute(); });
  thread->FFinished = true;
  try {
    thread->DoTerminate();
  } catch (...) {
    // Already reported on the main thread (SynchronizeFailed); kept unless Execute failed first.
    if (!thread->FFatalException)
      thread->FFatalException = std::current_exception();
  }
  if (thread->FFreeOnTerminate)
    delete thread;
  return 0;
}

void TThread::DoTerminate() {
  if (OnTerminate)
    Synchronize([this] { OnTerminate(this); });
}

void TThread::WaitFor() {
  if (!FHandle)
    return;
  if (!IsMainThread()) {
    WaitForSingleObject(FHandle.Get(), INFINITE);
    return;
  }
  // The thread may be waiting for the main thread in Synchronize: run handed-over calls and messages sent by
  // other threads meanwhile.
  const HANDLE handles[] = {FHandle.Get(), SyncQueuedEvent()};
  for (;;) {
    const DWORD result = MsgWaitForMultipleObjects(2, handles, FALSE, INFINITE, QS_SENDMESSAGE);
    if (result == WAIT_OBJECT_0)
      return;
    if (result == WAIT_OBJECT_0 + 1) {
      CheckSynchronize();
    } else if (result == WAIT_OBJECT_0 + 2) {
      MSG message;
      PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    } else {
      RaiseLastError("MsgWaitForMultipleObjects");
    }
  }
}

void TThread::Synchronize(const std::function<void()>& method) {
  Synchronize(this, method);
}

void TThread::Synchronize(TThread* thread, const std::function<void()>& method) {
  if (IsMainThread()) {
    method();
    return;
  }
  const TKernelHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!done)
    RaiseLastError("CreateEvent");
  TSyncRequest request{thread, &method, done.Get(), nullptr};
  {
    std::lock_guard lock(gQueueLock);
    gQueue.push_back(&request);
  }
  WakeMainThread();
  WaitForSingleObject(done.Get(), INFINITE);
  if (request.Error)
    std::rethrow_exception(request.Error);
}

bool CheckSynchronize() {
  if (!IsMainThread())
    return false;
  std::vector<TSyncRequest*> calls;
  {
    std::lock_guard lock(gQueueLock);
    calls.swap(gQueue);
  }
  // Outside the lock: a call may pump messages and so run calls queued after it.
  for (TSyncRequest* request : calls)
    RunRequest(*request);
  return !calls.empty();
}

void SetSynchronizeWindow(HWND window) {
  gSynchronizeWindow = window;
}

bool HandleSynchronizeWakeUp(const MSG& message) {
  if (message.hwnd || message.message != WM_NULL)
    return false;
  CheckSynchronize();
  return true;
}

bool IsMainThread() {
  return GetCurrentThreadId() == MainThreadId();
}
