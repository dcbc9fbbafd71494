#pragma once
// The one message pump of the Windows test programs, and a watchdog for waits that a deadlock could hang.
// Every pump runs the calls handed over to the main thread when a thread message WM_NULL arrives, as any
// message loop of the program does.

#include <windows.h>

#include <functional>

#include "Handles.h"

// Dispatches every message waiting now, so that painting and frame drawing are done.
void PumpMessages();
// Dispatches messages until `done` holds, at most for a generous while so that a fault cannot hang the test;
// false when `done` never held.
bool PumpMessagesUntil(const std::function<bool()>& done);
// Dispatches messages for `milliseconds`.
void PumpMessagesFor(DWORD milliseconds);
// How often a thread message WM_NULL made the pumps above run the handed-over calls.
int ThreadWakeUps();

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
