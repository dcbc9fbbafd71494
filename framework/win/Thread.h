#pragma once
// Threads with a stop request, an end notification on the main thread, and Synchronize: a call handed to the
// main thread while the worker waits. Handed-over calls are queued and WM_NULL is posted to the application
// window, or to the main thread itself while there is none; any message loop of the main thread that
// dispatches the one and passes the other to HandleSynchronizeWakeUp runs the queue (CheckSynchronize).

#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>

#include "Handles.h"
#include "Object.h"

class TThread : public TObject {
 public:
  // A suspended thread starts with Start. Started at once, Execute may run before the constructors of derived
  // classes have finished: a class with state of its own creates the thread suspended and starts it when
  // ready.
  explicit TThread(bool createSuspended);
  // Waits for a running thread to end (a FreeOnTerminate thread frees itself and is never destroyed by
  // others).
  ~TThread() override;

  void Start();
  // Sets the stop request; Execute looks at Terminated and ends by itself.
  void Terminate() { FTerminated = true; }
  bool Terminated() const { return FTerminated; }
  bool Finished() const { return FFinished; }
  // Waits for the end of the thread (dispatching handed-over calls when called on the main thread).
  void WaitFor();
  DWORD ThreadID() const { return FThreadID; }

  bool GetFreeOnTerminate() const { return FFreeOnTerminate; }
  void SetFreeOnTerminate(bool value) { FFreeOnTerminate = value; }
  // The exception that escaped Execute, if any.
  std::exception_ptr FatalException() const { return FFatalException; }

  // Raised on the main thread after Execute has ended, before a FreeOnTerminate thread frees itself.
  TNotifyEvent OnTerminate;

  // Runs `method` on the main thread and waits for it; an exception it raises is raised here again. Called on
  // the main thread it runs at once.
  void Synchronize(const std::function<void()>& method);
  static void Synchronize(TThread* thread, const std::function<void()>& method);

 protected:
  virtual void Execute() = 0;
  virtual void DoTerminate();

 private:
  static DWORD WINAPI ThreadProc(LPVOID parameter);
  TKernelHandle FHandle;
  DWORD FThreadID = 0;
  std::atomic<bool> FTerminated{false};
  std::atomic<bool> FFinished{false};
  bool FStarted = false;
  bool FFreeOnTerminate = false;
  std::exception_ptr FFatalException;
};

// Runs the calls handed to the main thread; true when it ran any. The application window calls it on WM_NULL.
bool CheckSynchronize();
// The window that WM_NULL is posted to when a call is queued (the application window). Without one the
// wake-up goes to the main thread's own queue.
void SetSynchronizeWindow(HWND window);
// True when `message` is the wake-up posted to the main thread itself, having run the handed-over calls: a
// message loop of the main thread passes each message here before it translates and dispatches it (which
// would drop a message for no window).
bool HandleSynchronizeWakeUp(const MSG& message);
// The main thread, the one that runs handed-over calls (the thread that started the program).
bool IsMainThread();
