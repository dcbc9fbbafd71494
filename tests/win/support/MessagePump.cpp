#include "MessagePump.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "Thread.h"

namespace {

// Far above anything the tests wait for; only a fault gets near it.
constexpr ULONGLONG kPumpCapMilliseconds = 20000;
constexpr DWORD kWatchdogMilliseconds = 60000;

int gThreadWakeUps = 0;

}  // namespace

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (HandleSynchronizeWakeUp(message)) {
      ++gThreadWakeUps;
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool PumpMessagesUntil(const std::function<bool()>& done) {
  const ULONGLONG deadline = GetTickCount64() + kPumpCapMilliseconds;
  while (!done()) {
    if (GetTickCount64() > deadline)
      return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    PumpMessages();
  }
  return true;
}

void PumpMessagesFor(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (GetTickCount64() < end) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    PumpMessages();
  }
}

int ThreadWakeUps() {
  return gThreadWakeUps;
}

TWatchdog::TWatchdog(const char* what)
    : FWhat(what),
      FDone(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      FThread(CreateThread(nullptr, 0, &TWatchdog::Watch, this, 0, nullptr)) {
  if (!FDone || !FThread)
    throw std::runtime_error("cannot start the watchdog");
}

TWatchdog::~TWatchdog() {
  SetEvent(FDone.Get());
  WaitForSingleObject(FThread.Get(), INFINITE);
}

DWORD WINAPI TWatchdog::Watch(LPVOID parameter) {
  auto* self = static_cast<TWatchdog*>(parameter);
  if (WaitForSingleObject(self->FDone.Get(), kWatchdogMilliseconds) == WAIT_TIMEOUT) {
    std::fprintf(stderr, "Hang: %s\n", self->FWhat);
    std::fflush(stderr);
    std::_Exit(3);
  }
  return 0;
}
