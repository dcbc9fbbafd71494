#include <algorithm>

#include "Controls.h"
#include "FlagScope.h"
#include "Menus.h"
#include "ReadError.h"
#include "WinText.h"

namespace {

bool KeyDown(int virtualKey) {
  return GetKeyState(virtualKey) < 0;
}

}  // namespace

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState state;
  if (keys & MK_SHIFT)
    state.Include(TShiftStateFlag::ssShift);
  if (keys & MK_CONTROL)
    state.Include(TShiftStateFlag::ssCtrl);
  if (keys & MK_LBUTTON)
    state.Include(TShiftStateFlag::ssLeft);
  if (keys & MK_RBUTTON)
    state.Include(TShiftStateFlag::ssRight);
  if (keys & MK_MBUTTON)
    state.Include(TShiftStateFlag::ssMiddle);
  if (KeyDown(VK_MENU))
    state.Include(TShiftStateFlag::ssAlt);
  return state;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
  constexpr LPARAM altDown = 0x20000000;
  TShiftState state;
  if (KeyDown(VK_SHIFT))
    state.Include(TShiftStateFlag::ssShift);
  if (KeyDown(VK_CONTROL))
    state.Include(TShiftStateFlag::ssCtrl);
  if (keyData & altDown)
    state.Include(TShiftStateFlag::ssAlt);
  return state;
}

TShiftState KeyboardShiftState() {
  TShiftState state;
  if (KeyDown(VK_SHIFT))
    state.Include(TShiftStateFlag::ssShift);
  if (KeyDown(VK_CONTROL))
    state.Include(TShiftStateFlag::ssCtrl);
  if (KeyDown(VK_MENU))
    state.Include(TShiftStateFlag::ssAlt);
  if (KeyDown(VK_LBUTTON))
    state.Include(TShiftStateFlag::ssLeft);
  if (KeyDown(VK_RBUTTON))
    state.Include(TShiftStateFlag::ssRight);
  if (KeyDown(VK_MBUTTON))
    state.Include(TShiftStateFlag::ssMiddle);
  return state;
}

HCURSOR CursorHandle(TCursor cursor) {
  struct TSystemCursor {
    TCursor Cursor;
    const wchar_t* Id;
  };
  static const TSystemCursor kCursors[] = {
      {crArrow, IDC_ARROW},          {crCross, IDC_CROSS},
      {crIBeam, IDC_IBEAM},          {crSizeNESW, IDC_SIZENESW},
      {crSizeNS, IDC_SIZENS},        {crSizeNWSE, IDC_SIZENWSE},
      {crSizeWE, IDC_SIZEWE},        {crUpArrow, IDC_UPARROW},
      {crHourGlass, IDC_WAIT},       {crNo, IDC_NO},
      {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
      {crHandPoint, IDC_HAND},       {crSizeAll, IDC_SIZEALL},
  };
  if (cursor == crNone)
    return nullptr;
  for (const auto& entry : kCursors)
    if (entry.Cursor == cursor)
      return LoadCursorW(nullptr, entry.Id);
  return LoadCursorW(nullptr, IDC_ARROW);
}

// --- TSizeConstraints ---

const TClassInfo& TSizeConstraints::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSizeConstraints>("TSizeConstraints", &TPersistent::StaticClass())
          .Property<int>("MinWidth", &TSizeConstraints::GetMinWidth, &TSizeConstraints::SetMinWidth)
          .Property<int>("MinHeight", &TSizeConstraints::GetMinHeight, &TSizeConstraints::SetMinHeight)
          .Property<int>("MaxWidth", &TSizeConstraints::GetMaxWidth, &TSizeConstraints::SetMaxWidth)
          .Property<int>("MaxHeight", &TSizeConstraints::GetMaxHeight, &TSizeConstraints::SetMaxHeight)
          .Build();
  return info;
}

void TSizeConstraints::Apply(int& width, int& height) const {
  if (FMaxWidth > 0)
    width = std::min(width, FMaxWidth);
  if (FMaxHeight > 0)
    height = std::min(height, FMaxHeight);
  if (FMinWidth > 0)
    width = std::max(width, FMinWidth);
  if (FMinHeight > 0)
    height = std::max(height, FMinHeight);
}

// --- TControl ---

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TControl>("TControl", &TComponent::StaticClass())
          .Property<int>("Left", &TControl::GetLeft, &TControl::SetLeft)
          .Property<int>("Top", &TControl::GetTop, &TControl::SetTop)
          .Property<int>("Width", &TControl::GetWidth, &TControl::SetWidth)
          .Property<int>("Height", &TControl::GetHeight, &TControl::SetHeight)
          .Property<TAlign>("Align", &TControl::GetAlign, &TControl::SetAlign)
          .Property<TAnchors>("Anchors", &TControl::GetAnchors, &TControl::SetAnchors)
          .Property<bool>("Visible", &TControl::GetVisible, &TControl::SetVisible)
          .Property<bool>("Enabled", &TControl::GetEnabled, &TControl::SetEnabled)
          .Property<TColor>("Color", &TControl::GetColor, &TControl::SetColor)
          .Property<bool>("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor)
          .Object("Font", [](TControl& control) { return control.GetFont(); })
          .Property<bool>("ParentFont", &TControl::GetParentFont, &TControl::SetParentFont)
          .Property<TCursor>("Cursor", &TControl::GetCursor, &TControl::SetCursor)
          .Property<std::u16string>("Hint", &TControl::GetHint, &TControl::SetHint)
          .Property<bool>("ShowHint", &TControl::GetShowHint, &TControl::SetShowHint)
          .Property<bool>("ParentShowHint", &TControl::GetParentShowHint, &TControl::SetParentShowHint)
          .Property<TBiDiMode>("BiDiMode", &TControl::GetBiDiMode, &TControl::SetBiDiMode)
          .Property<bool>("ParentBiDiMode", &TControl::GetParentBiDiMode, &TControl::SetParentBiDiMode)
          .Object("Constraints", &TControl::GetConstraints)
          .Property<TDockOrientation>("DockOrientation", &TControl::GetDockOrientation,
                                      &TControl::SetDockOrientation)
          .Event("OnClick", &TControl::OnClick)
          .Event("OnDblClick", &TControl::OnDblClick)
          .Event("OnMouseDown", &TControl::OnMouseDown)
          .Event("OnMouseUp", &TControl::OnMouseUp)
          .Event("OnMouseMove", &TControl::OnMouseMove)
          .Event("OnContextPopup", &TControl::OnContextPopup)
          .Event("OnMouseEnter", &TControl::OnMouseEnter)
          .Event("OnMouseLeave", &TControl::OnMouseLeave)
          .Event("OnResize", &TControl::OnResize)
          .Build();
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  FFont.OnChange = [this](TObject*) { FontChangedFromUser(); };
}

TControl::~TControl() {
  TControl::SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent)
    return;
  for (const TControl* p = parent; p; p = p->FParent)
    if (p == this)
      throw EComponentError("A control cannot be placed inside itself");
  if (FParent)
    FParent->RemoveControl(this);
  if (parent)
    parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  auto* windowed = dynamic_cast<TWinControl*>(parent);
  if (!windowed)
    throw EReadError("Control " + GetName() + " cannot be placed in " +
                     (parent ? parent->ClassName() : "nothing") + ": its parent must be a windowed control");
  SetParent(windowed);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  FConstraints.Apply(width, height);
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
    return;
  const bool sized = width != FWidth || height != FHeight;
  auto* windowed = dynamic_cast<TWinControl*>(this);
  if (!windowed)
    Invalidate();
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  if (!windowed)
    Invalidate();
  if (FParent && !FParent->FAligning) {
    AnchorsToParent();
    if (FAlign != TAlign::alNone)
      FParent->Realign();
  }
  if (sized) {
    if (windowed)
      windowed->Realign();
    Resize();
  }
}

RECT TControl::ClientRect() const {
  return RECT{0, 0, FWidth, FHeight};
}

int TControl::ClientWidth() const {
  const RECT r = ClientRect();
  return r.right - r.left;
}

int TControl::ClientHeight() const {
  const RECT r = ClientRect();
  return r.bottom - r.top;
}

void TControl::SetClientSize(int width, int height) {
  SetBounds(FLeft, FTop, FWidth - ClientWidth() + width, FHeight - ClientHeight() + height);
}

POINT TControl::ClientToScreen(POINT p) const {
  if (const auto* windowed = dynamic_cast<const TWinControl*>(this); windowed && windowed->FHandle.Get()) {
    ::ClientToScreen(windowed->FHandle.Get(), &p);
    return p;
  }
  const POINT inParent{p.x + FLeft, p.y + FTop};
  return FParent ? FParent->ClientToScreen(inParent) : inParent;
}

POINT TControl::ScreenToClient(POINT p) const {
  if (const auto* windowed = dynamic_cast<const TWinControl*>(this); windowed && windowed->FHandle.Get()) {
    ::ScreenToClient(windowed->FHandle.Get(), &p);
    return p;
  }
  const POINT inParent = FParent ? FParent->ScreenToClient(p) : p;
  return POINT{inParent.x - FLeft, inParent.y - FTop};
}

POINT TControl::ClientOrigin() const {
  return POINT{FLeft, FTop};
}

void TControl::SetAlign(TAlign align) {
  if (align == FAlign)
    return;
  FAlign = align;
  if (FParent)
    FParent->Realign();
}

void TControl::SetAnchors(TAnchors anchors) {
  FAnchors = anchors;
  AnchorsToParent();
}

void TControl::AnchorsToParent() {
  if (!FParent)
    return;
  FAnchorRight = FParent->ClientWidth() - (FLeft + FWidth);
  FAnchorBottom = FParent->ClientHeight() - (FTop + FHeight);
}

void TControl::SetVisible(bool visible) {
  if (visible == FVisible)
    return;
  FVisible = visible;
  VisibleChanged();
  if (FParent && FAlign != TAlign::alNone)
    FParent->Realign();
}

bool TControl::Showing() const {
  if (!FVisible)
    return false;
  if (FParent)
    return FParent->Showing();
  const auto* windowed = dynamic_cast<const TWinControl*>(this);
  return windowed && windowed->FHandle.Get() && IsWindowVisible(windowed->FHandle.Get());
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == FEnabled)
    return;
  FEnabled = enabled;
  EnabledChanged();
}

void TControl::SetColor(TColor color) {
  FParentColor = false;
  if (color == FColor)
    return;
  FColor = color;
  ColorSettingChanged();
}

void TControl::SetParentColor(bool value) {
  FParentColor = value;
  if (value)
    ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!FParentColor || !FParent || FParent->FColor == FColor)
    return;
  FColor = FParent->FColor;
  ColorSettingChanged();
}

void TControl::ColorSettingChanged() {
  ColorChanged();
  if (auto* windowed = dynamic_cast<TWinControl*>(this)) {
    const std::vector<TControl*> children = windowed->FControls;
    for (TControl* child : children)
      child->ParentColorChanged();
  }
}

void TControl::SetParentFont(bool value) {
  FParentFont = value;
  if (value)
    ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent)
    return;
  TFlagScope inherit(FSettingParentFont);
  FFont.Assign(FParent->FFont);
}

void TControl::FontChangedFromUser() {
  if (!FSettingParentFont)
    FParentFont = false;
  FontChanged();
  if (auto* windowed = dynamic_cast<TWinControl*>(this)) {
    const std::vector<TControl*> children = windowed->FControls;
    for (TControl* child : children)
      child->ParentFontChanged();
  }
}

void TControl::SetCursor(TCursor cursor) {
  FCursor = cursor;
}

void TControl::SetText(const std::u16string& text) {
  if (text == FText)
    return;
  FText = text;
  TextChanged();
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (menu == FPopupMenu)
    return;
  if (FPopupMenu)
    RemoveFreeNotification(FPopupMenu);
  FPopupMenu = menu;
  if (menu)
    FreeNotification(menu);
}

void TControl::Invalidate() {
  if (!FParent || !FParent->FHandle.Get())
    return;
  const RECT bounds = BoundsRect();
  InvalidateRect(FParent->FHandle.Get(), &bounds, TRUE);
}

void TControl::Update() {
  if (auto* windowed = dynamic_cast<TWinControl*>(this)) {
    if (windowed->FHandle.Get())
      UpdateWindow(windowed->FHandle.Get());
  } else if (FParent) {
    FParent->Update();
  }
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::DeliverMessage(TMessage& message) {
  if (!FMessageWatchers.empty()) {
    // A watcher may add or remove watchers while it runs.
    const auto watchers = FMessageWatchers;
    for (const auto& watcher : watchers)
      watcher.second(message);
  }
  WndProc(message);
}

void TControl::AddMessageWatcher(const void* key, TMessageWatcher watcher) {
  for (auto& entry : FMessageWatchers) {
    if (entry.first == key) {
      entry.second = std::move(watcher);
      return;
    }
  }
  FMessageWatchers.emplace_back(key, std::move(watcher));
}

void TControl::RemoveMessageWatcher(const void* key) {
  std::erase_if(FMessageWatchers, [key](const auto& entry) { return entry.first == key; });
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
      FMouseInControl = true;
      MouseEnter();
      return;
    case CM_MOUSELEAVE:
      FMouseInControl = false;
      MouseLeave();
      return;
    case WM_CONTEXTMENU:
      ContextMenuMessage(message);
      // Unhandled, the request goes on as the window system would take it: to the parent window.
      if (message.Result == 0)
        DefaultHandler(message);
      return;
    default:
      break;
  }
  DefaultHandler(message);
  if (IsMouseMessage(message.Msg))
    MouseMessage(message);
}

void TControl::MouseMessage(TMessage& message) {
  const POINT p = PointFromLParam(message.LParam);
  const TShiftState shift = KeysToShiftState(message.WParam);
  TShiftState doubleShift = shift;
  doubleShift.Include(TShiftStateFlag::ssDouble);
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, p.x, p.y);
      break;
    case WM_LBUTTONDOWN:
      if (FMouseUpClicks)
        FClicking = true;
      MouseDown(TMouseButton::mbLeft, shift, p.x, p.y);
      break;
    case WM_RBUTTONDOWN:
      MouseDown(TMouseButton::mbRight, shift, p.x, p.y);
      break;
    case WM_MBUTTONDOWN:
      MouseDown(TMouseButton::mbMiddle, shift, p.x, p.y);
      break;
    case WM_LBUTTONDBLCLK:
      DblClick();
      MouseDown(TMouseButton::mbLeft, doubleShift, p.x, p.y);
      break;
    case WM_RBUTTONDBLCLK:
      MouseDown(TMouseButton::mbRight, doubleShift, p.x, p.y);
      break;
    case WM_MBUTTONDBLCLK:
      MouseDown(TMouseButton::mbMiddle, doubleShift, p.x, p.y);
      break;
    case WM_LBUTTONUP: {
      const RECT client = ClientRect();
      const bool click = FClicking && PtInRect(&client, p);
      FClicking = false;
      if (click)
        Click();
      MouseUp(TMouseButton::mbLeft, shift, p.x, p.y);
      break;
    }
    case WM_RBUTTONUP:
      MouseUp(TMouseButton::mbRight, shift, p.x, p.y);
      break;
    case WM_MBUTTONUP:
      MouseUp(TMouseButton::mbMiddle, shift, p.x, p.y);
      break;
    default:
      break;
  }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::Click() {
  Raise(OnClick, this);
}
void TControl::DblClick() {
  Raise(OnDblClick, this);
}
void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  Raise(OnMouseDown, this, button, shift, x, y);
}
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  Raise(OnMouseUp, this, button, shift, x, y);
}
void TControl::MouseMove(TShiftState shift, int x, int y) {
  Raise(OnMouseMove, this, shift, x, y);
}
void TControl::MouseEnter() {
  Raise(OnMouseEnter, this);
}
void TControl::MouseLeave() {
  Raise(OnMouseLeave, this);
}
void TControl::Resize() {
  Raise(OnResize, this);
}

void TControl::FontChanged() {
  Invalidate();
}
void TControl::ColorChanged() {
  Invalidate();
}
void TControl::EnabledChanged() {
  Invalidate();
}
void TControl::VisibleChanged() {
  Invalidate();
}
void TControl::TextChanged() {
  Invalidate();
}

void TControl::Loaded() {
  TComponent::Loaded();
}

void TControl::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == FPopupMenu)
    FPopupMenu = nullptr;
  TComponent::Notification(component, operation);
}
