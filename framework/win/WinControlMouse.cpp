// Mouse input of windowed controls and of the graphic controls they hold: the window finds the graphic child
// under the mouse, hands it the message in its own coordinates, captures the mouse for it while a button is
// down, tells it when the mouse enters and leaves, and lets it choose the cursor.

#include "Controls.h"
#include "WinText.h"

namespace {

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
         msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT msg) {
  return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
}

constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

}  // namespace

TControl* TWinControl::ControlAtPos(POINT p) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* control = *it;
    if (dynamic_cast<TWinControl*>(control) || !control->FVisible || !control->FEnabled)
      continue;
    const RECT bounds = control->BoundsRect();
    if (PtInRect(&bounds, p))
      return control;
  }
  return nullptr;
}

bool TWinControl::DispatchMouse(TMessage& message) {
  const POINT p = PointFromLParam(message.LParam);
  if (message.Msg == WM_MOUSEMOVE) {
    if (!FMouseInControl) {
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FHandle.Get(), 0};
      TrackMouseEvent(&track);
      Perform(CM_MOUSEENTER);
    }
    UpdateMouseControl(ControlAtPos(p));
  }
  TControl* target = FCaptureControl ? FCaptureControl : ControlAtPos(p);
  if (!target)
    return false;
  if (IsButtonDown(message.Msg) && !FCaptureControl) {
    FCaptureControl = target;
    SetCapture(FHandle.Get());
  }
  if (IsButtonUp(message.Msg) && FCaptureControl && (message.WParam & kAnyButton) == 0) {
    // Let go before the child runs its handlers, which may open windows of their own.
    FCaptureControl = nullptr;
    if (GetCapture() == FHandle.Get())
      ReleaseCapture();
  }
  TMessage forwarded{message.Msg, message.WParam, PointToLParam(p.x - target->FLeft, p.y - target->FTop), 0};
  // The child's handlers may destroy the window and this control with it: keep what the default needs.
  const HWND wnd = FHandle.Get();
  const WNDPROC defaultProcedure = FDefWndProc;
  target->DeliverMessage(forwarded);
  message.Result = forwarded.Result;
  // A right-button release the child left unhandled still gets the window's default handling, which turns
  // it into a context-menu request; a child that showed a menu of its own marks the release handled.
  if (message.Msg == WM_RBUTTONUP && forwarded.Result == 0 && defaultProcedure && IsWindow(wnd))
    message.Result = CallWindowProcW(defaultProcedure, wnd, message.Msg, message.WParam, message.LParam);
  return true;
}

void TWinControl::OwnMouseCapture(const TMessage& message) {
  // The framework's own windows keep the mouse from press to release, so that a release outside is seen and
  // does not click. System controls capture by themselves.
  if (FSubclassed)
    return;
  if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
    SetCapture(FHandle.Get());
  } else if (message.Msg == WM_LBUTTONUP && GetCapture() == FHandle.Get()) {
    const bool clicking = FClicking;
    ReleaseCapture();  // WM_CAPTURECHANGED ends a click that someone else's capture broke off, not this one
    FClicking = clicking;
  }
}

void TWinControl::UpdateMouseControl(TControl* control) {
  if (control == FMouseControl)
    return;
  TControl* previous = FMouseControl;
  FMouseControl = control;
  if (previous)
    previous->Perform(CM_MOUSELEAVE);
  if (control)
    control->Perform(CM_MOUSEENTER);
}

void TWinControl::MouseLeftWindow() {
  UpdateMouseControl(nullptr);
  if (FMouseInControl)
    Perform(CM_MOUSELEAVE);
}

bool TWinControl::SetCursorFromControls(const TMessage& message) {
  if (reinterpret_cast<HWND>(message.WParam) != FHandle.Get() || LOWORD(message.LParam) != HTCLIENT)
    return false;
  POINT p{};
  GetCursorPos(&p);
  ::ScreenToClient(FHandle.Get(), &p);
  // The graphic child under the mouse decides; without one the window's own control does.
  const TControl* control = ControlAtPos(p);
  const TCursor cursor = control ? control->DisplayedCursor() : DisplayedCursor();
  if (cursor == crDefault)
    return false;
  ::SetCursor(CursorHandle(cursor));
  return true;
}
