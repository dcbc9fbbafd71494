#include "TestSupport.h"

#include <stdexcept>

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
  FWindow.Reset(CreateWindowExW(0, L"OvantaTestSyncWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr));
  if (!FWindow)
    throw std::runtime_error("CreateWindowExW failed");
  SetWindowLongPtrW(FWindow.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetSynchronizeWindow(FWindow.Get());
}

TSyncWindow::~TSyncWindow() {
  SetSynchronizeWindow(nullptr);
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
