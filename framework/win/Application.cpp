#include <windows.h>

#include <commctrl.h>

#include "ExceptionHandling.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "Thread.h"
#include "WinText.h"

namespace {

constexpr wchar_t kApplicationClass[] = L"OvantaApplication";

// The framework's control that owns `wnd` or the nearest of its parent windows.
TWinControl* ControlOfWindow(HWND wnd) {
  for (; wnd; wnd = GetParent(wnd))
    if (TWinControl* control = TWinControl::FromHandle(wnd))
      return control;
  return nullptr;
}

}  // namespace

TApplication* Application() {
  static TApplication application(nullptr);
  return &application;
}

const TClassInfo& TApplication::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TApplication>("TApplication", &TComponent::StaticClass()).Build();
  return info;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
  CreateHandle();
}

TApplication::~TApplication() {
  Destroying();
  if (FHandle)
    SetSynchronizeWindow(nullptr);
  FHandle.Reset();
}

void TApplication::CreateHandle() {
  if (FHandle)
    return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &TApplication::WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kApplicationClass;
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    return;
  // A top-level window that is never shown: it carries the title and receives the calls other threads hand
  // over.
  FHandle.Reset(CreateWindowExW(0, kApplicationClass, WideText(FTitle), WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr));
  if (FHandle)
    SetSynchronizeWindow(FHandle.Get());
}

LRESULT CALLBACK TApplication::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NULL) {
    try {
      CheckSynchronize();
    } catch (...) {
      Application()->HandleException(Application(), std::current_exception());
    }
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  CreateHandle();
}

void TApplication::SetTitle(const std::u16string& title) {
  FTitle = title;
  if (FHandle)
    SetWindowTextW(FHandle.Get(), WideText(title));
}

HWND TApplication::ActiveWindow() const {
  if (HWND active = GetActiveWindow())
    return active;
  if (FMainForm && FMainForm->HandleAllocated())
    return FMainForm->Handle();
  return nullptr;
}

void TApplication::AdoptForm(TForm* form) {
  if (!FMainForm) {
    FMainForm = form;
    if (form->Owner() != this)
      FreeNotification(form);
  }
  // TForm itself has no stored description; every form class derived from it has.
  if (&form->Class() != &TForm::StaticClass())
    form->ReadDescription();
}

void TApplication::Run() {
  if (!FMainForm || FTerminated)
    return;
  FMainForm->Show();
  HWND wnd = FMainForm->Handle();
  SetForegroundWindow(wnd);
  SetActiveWindow(wnd);
  TWinControl* active = FMainForm->ActiveControl();
  if (active && active->CanFocus())
    active->SetFocus();
  else
    FMainForm->SelectFirst();
  while (!FTerminated) {
    MSG msg;
    const BOOL received = GetMessageW(&msg, nullptr, 0, 0);
    if (received == 0) {
      FTerminated = true;
      break;
    }
    if (received == -1)
      break;
    HandleMessage(msg);
  }
}

void TApplication::Terminate() {
  FTerminated = true;
  PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    return false;
  if (msg.message == WM_QUIT)
    FTerminated = true;
  else
    HandleMessage(msg);
  return true;
}

void TApplication::HandleMessage(MSG& msg) {
  try {
    if (HandleSynchronizeWakeUp(msg) || IsDialogKey(msg))
      return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  } catch (...) {
    HandleException(this, std::current_exception());
  }
}

bool TApplication::IsDialogKey(MSG& msg) {
  if (msg.message != WM_KEYDOWN)
    return false;
  if (msg.wParam != VK_TAB && msg.wParam != VK_RETURN)
    return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
    return false;
  TWinControl* control = ControlOfWindow(msg.hwnd);
  if (!control)
    return false;
  const LRESULT wanted = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  if (wanted & DLGC_WANTALLKEYS)
    return false;
  if (msg.wParam == VK_RETURN) {
    auto* button = dynamic_cast<TButton*>(control);
    if (!button || TWinControl::FromHandle(msg.hwnd) != button)
      return false;
    button->ClickButton();
    return true;
  }
  if (wanted & DLGC_WANTTAB)
    return false;
  TForm* form = GetParentForm(control);
  if (!form)
    return false;
  const bool backwards = GetKeyState(VK_SHIFT) < 0;
  form->SelectNext(control == form ? nullptr : control, !backwards, true);
  return true;
}

void TApplication::HandleException(TObject* sender, std::exception_ptr error) {
  try {
    ExceptionHandler().HandleException(sender, error, TExceptionDisplay{ActiveWindow(), FTitle});
  } catch (...) {
    // A handler that fails itself has nobody left to tell; the message loop must go on.
  }
}

int TApplication::MessageBox(const std::u16string& text, const std::u16string& caption, UINT flags) {
  return ::MessageBoxW(ActiveWindow(), WideText(text), WideText(caption.empty() ? FTitle : caption), flags);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == FMainForm)
    FMainForm = nullptr;
  TComponent::Notification(component, operation);
}
