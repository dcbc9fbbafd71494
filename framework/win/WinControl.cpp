// Windowed controls: their windows, the window procedure and the list of children.

#include <algorithm>

#include "Controls.h"
#include "Forms.h"
#include "WinText.h"

namespace {

constexpr wchar_t kWindowClass[] = L"OvantaWindow";
// The property that ties a window to its control.
constexpr wchar_t kControlProperty[] = L"OvantaControl";

// The class of the framework's own windows, registered once.
bool RegisterFrameworkClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

}  // namespace

const TClassInfo& TWinControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWinControl>("TWinControl", &TControl::StaticClass())
          .Property<int>("TabOrder", &TWinControl::GetTabOrder, &TWinControl::SetTabOrder)
          .Property<bool>("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop)
          .Property<bool>("DoubleBuffered", &TWinControl::GetDoubleBuffered, &TWinControl::SetDoubleBuffered)
          .Property<int>("BorderWidth", &TWinControl::GetBorderWidth, &TWinControl::SetBorderWidth)
          .Event("OnEnter", &TWinControl::OnEnter)
          .Event("OnExit", &TWinControl::OnExit)
          .Event("OnKeyDown", &TWinControl::OnKeyDown)
          .Event("OnKeyUp", &TWinControl::OnKeyUp)
          .Event("OnKeyPress", &TWinControl::OnKeyPress)
          .Build();
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  Destroying();
  // Children that belong to other owners stay alive, without a parent.
  const std::vector<TControl*> children = FControls;
  for (TControl* child : children)
    RemoveControl(child);
  SetParent(nullptr);
  DestroyHandle();
}

// --- Window handle ---

HWND TWinControl::Handle() {
  CreateHandle();
  return FHandle.Get();
}

TWinControl* TWinControl::FromHandle(HWND wnd) {
  if (!wnd)
    return nullptr;
  return static_cast<TWinControl*>(GetPropW(wnd, kControlProperty));
}

void TWinControl::CreateHandle() {
  if (FHandle)
    return;
  // A parent creates the windows of all its windowed children with its own.
  if (FParent) {
    FParent->CreateHandle();
    if (FHandle)
      return;
  }
  CreateWnd();
  PlaceInZOrder();
  for (std::size_t i = 0; i < FControls.size(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(FControls[i]))
      child->CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.WindowClass.clear();
  params.Caption = GetText();
  params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (GetVisible())
    params.Style |= WS_VISIBLE;
  if (!GetEnabled())
    params.Style |= WS_DISABLED;
  if (FTabStop)
    params.Style |= WS_TABSTOP;
  params.ExStyle = 0;
  params.X = GetLeft();
  params.Y = GetTop();
  params.Width = GetWidth();
  params.Height = GetHeight();
  params.WndParent = FParent ? FParent->FHandle.Get() : nullptr;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EInvalidOperation("Control '" + GetName() + "' has no parent window");
  if (!RegisterFrameworkClass(&TWinControl::WindowProc))
    throw EOutOfResources("The framework's window class could not be registered");

  const bool ownClass = params.WindowClass.empty();
  HWND wnd =
      CreateWindowExW(params.ExStyle, ownClass ? kWindowClass : WideText(params.WindowClass),
                      WideText(params.Caption), params.Style, params.X, params.Y, params.Width, params.Height,
                      params.WndParent, nullptr, GetModuleHandleW(nullptr), ownClass ? this : nullptr);
  if (!wnd) {
    const DWORD error = GetLastError();
    // A window that got as far as WM_NCCREATE was destroyed again and let go in WM_NCDESTROY.
    FHandle.Release();
    throw EOutOfResources("Error creating window for '" + GetName() + "' (system error " +
                          std::to_string(error) + ")");
  }
  if (!ownClass) {
    // A system control: its procedure stays the default handler of every message the control passes on.
    FHandle.Reset(wnd);
    SetPropW(wnd, kControlProperty, this);
    FSubclassed = true;
    FDefWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::WindowProc)));
    SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()->Handle()), FALSE);
  }
  SyncBoundsFromWindow();
}

void TWinControl::PlaceInZOrder() {
  if (!FParent || !FHandle)
    return;
  const auto& siblings = FParent->FControls;
  auto self = std::find(siblings.begin(), siblings.end(), this);
  // Later siblings lie above earlier ones: go just below the next later sibling that has a window.
  HWND above = HWND_TOP;
  for (auto it = self == siblings.end() ? self : self + 1; it != siblings.end(); ++it) {
    auto* sibling = dynamic_cast<TWinControl*>(*it);
    if (sibling && sibling->FHandle.Get()) {
      above = sibling->FHandle.Get();
      break;
    }
  }
  SetWindowPos(FHandle.Get(), above, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void TWinControl::DestroyHandle() {
  if (FHandle)
    DestroyWnd();
}

void TWinControl::DestroyWnd() {
  HWND wnd = FHandle.Get();
  if (!wnd)
    return;
  if (GetCapture() == wnd)
    ReleaseCapture();
  DestroyHeldWindow(FHandle);
  // The window tells its end in WM_NCDESTROY; a window that could not be destroyed is let go all the same.
  if (FHandle.Get() == wnd)
    HandleDestroyed();
}

void TWinControl::HandleDestroyed() {
  if (FHandle)
    RemovePropW(FHandle.Get(), kControlProperty);
  // The window is gone (or given up): nothing is left to destroy.
  FHandle.Release();
  FDefWndProc = nullptr;
  FSubclassed = false;
  FMouseControl = nullptr;
  FCaptureControl = nullptr;
  FMouseInControl = false;
}

void TWinControl::RecreateWnd() {
  if (!FHandle)
    return;
  DestroyHandle();
  CreateHandle();
}

void TWinControl::SyncBoundsFromWindow() {
  if (!FHandle || IsIconic(FHandle.Get()))
    return;
  RECT r{};
  GetWindowRect(FHandle.Get(), &r);
  POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
  if (GetWindowLongPtrW(FHandle.Get(), GWL_STYLE) & WS_CHILD)
    MapWindowPoints(HWND_DESKTOP, ::GetParent(FHandle.Get()), corners, 2);
  TControl::SetBounds(corners[0].x, corners[0].y, corners[1].x - corners[0].x, corners[1].y - corners[0].y);
}

// --- Window procedure ---

LRESULT CALLBACK TWinControl::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = nullptr;
  TMessage message{msg, wParam, lParam, 0};
  try {
    if (msg == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      if (auto* created = static_cast<TWinControl*>(create->lpCreateParams)) {
        created->FHandle.Reset(wnd);
        created->FDefWndProc = DefWindowProcW;
        SetPropW(wnd, kControlProperty, created);
      }
    }
    control = FromHandle(wnd);
    if (!control)
      return DefWindowProcW(wnd, msg, wParam, lParam);
    control->DeliverMessage(message);
  } catch (...) {
    // No exception may cross the window system's frames.
    Application()->HandleException(control, std::current_exception());
  }
  return message.Result;
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (FHandle && FDefWndProc)
    message.Result = CallWindowProcW(FDefWndProc, FHandle.Get(), message.Msg, message.WParam, message.LParam);
}

void TWinControl::WndProc(TMessage& message) {
  if (IsMouseMessage(message.Msg)) {
    if (DispatchMouse(message))
      return;
    OwnMouseCapture(message);
  }
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (!FSubclassed) {
        PaintMessage(message);
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (!FSubclassed) {
        // Buffered controls paint their background into the buffer.
        if (!PaintsBuffered())
          EraseBackground(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return;
      }
      break;
    case WM_MOUSELEAVE:
      MouseLeftWindow();
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(message.LParam) != FHandle.Get()) {
        if (FCaptureControl)
          FCaptureControl->FClicking = false;
        FCaptureControl = nullptr;
        FClicking = false;
      }
      break;
    case WM_SETCURSOR:
      if (SetCursorFromControls(message))
        return;
      break;
    case WM_CONTEXTMENU:
      if (DispatchContextMenu(message))
        return;
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      if (ReflectNotification(message))
        return;
      break;
    case CN_COMMAND:
    case CN_NOTIFY:
    case CN_DRAWITEM:
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC:
      DefaultNotification(message);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      FocusMessage(message);
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
      if (KeyMessage(message))
        return;
      break;
    case WM_WINDOWPOSCHANGED:
      SyncBoundsFromWindow();
      break;
    case WM_NCDESTROY:
      TControl::WndProc(message);
      HandleDestroyed();
      return;
    default:
      break;
  }
  TControl::WndProc(message);
}

bool TWinControl::ReflectNotification(TMessage& message) {
  HWND child = nullptr;
  switch (message.Msg) {
    case WM_COMMAND:
      child = reinterpret_cast<HWND>(message.LParam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<const NMHDR*>(message.LParam)->hwndFrom;
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      if (item->CtlType != ODT_MENU)
        child = item->hwndItem;
      break;
    }
    default:  // WM_CTLCOLOR*
      child = reinterpret_cast<HWND>(message.LParam);
      break;
  }
  TWinControl* control = FromHandle(child);
  if (!control || control == this)
    return false;
  message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

void TWinControl::DefaultNotification(TMessage& message) {
  message.Result = 0;
  if (message.Msg >= CN_CTLCOLORMSGBOX && message.Msg <= CN_CTLCOLORSTATIC) {
    // A system control draws its background and text in the control's colours.
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    SetTextColor(dc, ColorToRGB(GetFont()->GetColor()));
    SetBkColor(dc, ColorToRGB(GetColor()));
    message.Result = reinterpret_cast<LRESULT>(BackgroundBrush());
  }
}

// --- Children ---

void TWinControl::InsertControl(TControl* control) {
  if (!control || control->FParent == this)
    return;
  for (const TControl* p = this; p; p = p->FParent)
    if (p == control)
      throw EComponentError("A control cannot be placed inside itself");
  if (control->FParent)
    control->FParent->RemoveControl(control);
  control->FParent = this;
  FControls.push_back(control);
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed)
    FTabList.push_back(windowed);
  control->ParentColorChanged();
  control->ParentFontChanged();
  control->AnchorsToParent();
  if (control->FAlign != TAlign::alNone)
    Realign();
  if (!windowed)
    control->Invalidate();
  else if (FHandle)
    windowed->CreateHandle();
}

void TWinControl::RemoveControl(TControl* control) {
  if (!control || control->FParent != this)
    return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed)
    control->Invalidate();
  if (FMouseControl == control)
    FMouseControl = nullptr;
  if (FCaptureControl == control) {
    FCaptureControl = nullptr;
    if (FHandle && GetCapture() == FHandle.Get())
      ReleaseCapture();
  }
  std::erase(FControls, control);
  std::erase_if(FTabList, [control](TWinControl* item) { return static_cast<TControl*>(item) == control; });
  control->FParent = nullptr;
  if (windowed)
    windowed->DestroyHandle();
  if (control->FAlign != TAlign::alNone)
    Realign();
}

// --- Bounds and settings ---

RECT TWinControl::ClientRect() const {
  if (!FHandle)
    return TControl::ClientRect();
  RECT r{};
  GetClientRect(FHandle.Get(), &r);
  return r;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (!FHandle) {
    TControl::SetBounds(left, top, width, height);
    return;
  }
  GetConstraints()->Apply(width, height);
  SetWindowPos(FHandle.Get(), nullptr, left, top, std::max(width, 0), std::max(height, 0),
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  // The window is the truth: it may have refused or limited the change.
  SyncBoundsFromWindow();
}

void TWinControl::Invalidate() {
  if (FHandle)
    InvalidateRect(FHandle.Get(), nullptr, TRUE);
}

void TWinControl::VisibleChanged() {
  if (FHandle)
    ShowWindow(FHandle.Get(), GetVisible() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TWinControl::EnabledChanged() {
  if (FHandle)
    EnableWindow(FHandle.Get(), GetEnabled());
  Invalidate();
}

void TWinControl::TextChanged() {
  if (!FHandle)
    return;
  SetWindowTextW(FHandle.Get(), WideText(GetText()));
  if (!FSubclassed)
    Invalidate();
}

void TWinControl::FontChanged() {
  if (FHandle && FSubclassed)
    SendMessageW(FHandle.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()->Handle()), TRUE);
  Invalidate();
}

void TWinControl::ColorChanged() {
  FBackgroundBrush.Reset();
  Invalidate();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}
