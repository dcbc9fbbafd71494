#include "TestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

// Far above anything the tests wait for; only a fault gets near it.
constexpr ULONGLONG kPumpCapMilliseconds = 20000;
constexpr DWORD kWatchdogMilliseconds = 60000;

int gThreadWakeUps = 0;

void DispatchWaitingMessages() {
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

}  // namespace

bool PumpMessagesUntil(const std::function<bool()>& done) {
  const ULONGLONG deadline = GetTickCount64() + kPumpCapMilliseconds;
  while (!done()) {
    if (GetTickCount64() > deadline)
      return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    DispatchWaitingMessages();
  }
  return true;
}

void PumpMessagesFor(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (GetTickCount64() < end) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    DispatchWaitingMessages();
  }
}

int ThreadWakeUps() {
  return gThreadWakeUps;
}

TSyncWindow::TSyncWindow() {
  static const ATOM windowClass = [] {
    WNDCLASSEXW info{};
    info.cbSize = sizeof(info);
    info.lpfnWndProc = &TSyncWindow::WindowProc;
    info.hInstance = GetModuleHandleW(nullptr);
    info.lpszClassName = L"OvantaTestSyncWindow";
    return RegisterClassExW(&info);
  }();
  if (!windowClass)
    throw std::runtime_error("RegisterClassExW failed");
  FWindow = CreateWindowExW(0, L"OvantaTestSyncWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!FWindow)
    throw std::runtime_error("CreateWindowExW failed");
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetSynchronizeWindow(FWindow);
}

TSyncWindow::~TSyncWindow() {
  SetSynchronizeWindow(nullptr);
  DestroyWindow(FWindow);
}

LRESULT CALLBACK TSyncWindow::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NULL) {
    if (auto* self = reinterpret_cast<TSyncWindow*>(GetWindowLongPtrW(wnd, GWLP_USERDATA)))
      ++self->FWakeUps;
    CheckSynchronize();
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
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

std::string MessageOf(std::exception_ptr error) {
  if (!error)
    return "no exception";
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "unknown exception";
  }
}

TRecordingHandler::TRecordingHandler() : FPrevious(SetExceptionHandler(this)) {}

TRecordingHandler::~TRecordingHandler() {
  SetExceptionHandler(FPrevious);
}

void TRecordingHandler::HandleException(TObject* sender, std::exception_ptr error, const TExceptionDisplay&) {
  Handled.push_back({sender, MessageOf(error)});
}

std::exception_ptr TRecordingHandler::RunThread(const std::function<void()>& execute) {
  try {
    execute();
  } catch (...) {
    return std::current_exception();
  }
  return nullptr;
}

void TRecordingHandler::SynchronizeFailed(TObject* thread, std::exception_ptr error) {
  SyncFailures.push_back({thread, MessageOf(error), GetCurrentThreadId()});
}
