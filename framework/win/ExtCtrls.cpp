#include "ExtCtrls.h"

#include <stdexcept>

#include "Forms.h"

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr wchar_t kTimerWindowClass[] = L"OvantaTimerWindow";

void RegisterTimerWindowClass(WNDPROC windowProc) {
  static const bool registered = [windowProc] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kTimerWindowClass;
    if (!RegisterClassExW(&windowClass))
      throw std::runtime_error("Cannot register the timer window class");
    return true;
  }();
  (void)registered;
}

// Stored intervals are 32-bit integers; a negative one does not fit.
int StoredInterval(const TTimer& timer) {
  return static_cast<int>(timer.GetInterval());
}
void SetStoredInterval(TTimer& timer, int milliseconds) {
  if (milliseconds < 0)
    stream_convert::Mismatch("a non-negative interval");
  timer.SetInterval(static_cast<unsigned>(milliseconds));
}

}  // namespace

const TClassInfo& TTimer::StaticClass() {
  static const TClassInfo info = TClassBuilder<TTimer>("TTimer", &TComponent::StaticClass())
                                     .Creatable()
                                     .Property<bool>("Enabled", &TTimer::GetEnabled, &TTimer::SetEnabled)
                                     .Property<int>("Interval", &StoredInterval, &SetStoredInterval)
                                     .Event("OnTimer", &TTimer::OnTimer)
                                     .Build();
  return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  UpdateTimer();
}

void TTimer::SetEnabled(bool value) {
  if (value == FEnabled)
    return;
  FEnabled = value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned milliseconds) {
  if (milliseconds == FInterval)
    return;
  FInterval = milliseconds;
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::Timer() {
  Raise(OnTimer, this);
}

// OnTimer is a plain slot whose assignment the timer cannot see, so the window timer runs whenever the timer
// is enabled with an interval; a tick without a handler does nothing.
void TTimer::UpdateTimer() {
  if (FWindow)
    KillTimer(FWindow.Get(), kTimerId);
  if (!FEnabled || FInterval == 0 || IsLoading())
    return;
  if (!FWindow) {
    RegisterTimerWindowClass(&TTimer::WindowProc);
    FWindow.Reset(CreateWindowExW(0, kTimerWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (!FWindow)
      throw std::runtime_error("Cannot create the timer window");
    SetWindowLongPtrW(FWindow.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  if (!SetTimer(FWindow.Get(), kTimerId, FInterval, nullptr))
    throw std::runtime_error("Not enough timers available");
}

LRESULT CALLBACK TTimer::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TIMER || wParam != kTimerId)
    return DefWindowProcW(wnd, msg, wParam, lParam);
  auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (!timer)
    return 0;
  // No exception may leave a window procedure.
  try {
    timer->Timer();
  } catch (...) {
    try {
      Application()->HandleException(timer, std::current_exception());
    } catch (...) {
    }
  }
  return 0;
}
