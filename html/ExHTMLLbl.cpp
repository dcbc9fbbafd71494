#include "ExHTMLLbl.h"

#include "AnsiText.h"
#include "FlagScope.h"
#include "LabelTextRect.h"
#include "WinText.h"

const TClassInfo& TExHTMLLabel::StaticClass() {
  using C = TExHTMLLabel;
  static const TClassInfo info =
      TClassBuilder<C>("TExHTMLLabel", &TCustomExLabel::StaticClass())
          .Creatable()
          .Reference<TExHTMLContainer>("Container", &C::GetContainer, &C::SetContainer)
          .Property<int>("ContainerIndex", &C::GetContainerIndex, &C::SetContainerIndex)
          .Property<bool>("CheckContainerLinks", &C::GetCheckContainerLinks, &C::SetCheckContainerLinks)
          .Property<bool>("IsHTML", &C::GetIsHTML, &C::SetIsHTML)
          .Property<TColor>("LinkColor", &C::GetLinkColor, &C::SetLinkColor)
          .Reference<TPopupMenu>("LinkPopupMenu", &C::GetLinkPopupMenu, &C::SetLinkPopupMenu)
          .Reference<TPopupMenu>("PopupMenu", &C::GetPopupMenu, &C::SetPopupMenu)
          .Property<TFontStyles>("LinkStyle", &C::GetLinkStyle, &C::SetLinkStyle)
          .Property<bool>("EndEllipsis", &C::GetEndEllipsis, &C::SetEndEllipsis)
          .Reference<TWinControl>("FocusControl", &C::GetFocusControl, &C::SetFocusControl)
          .Event("OnLinkClick", &C::OnLinkClick)
          .Event("OnVariableNeeded", &C::OnVariableNeeded)
          .Build();
  return info;
}

TExHTMLLabel::TExHTMLLabel(TComponent* owner) : TCustomExLabel(owner) {
  FRender.OnChange = [this](TObject*) { Invalidate(); };
  FRender.OnVariableNeeded = [this](TObject*, const std::u16string& name, std::u16string& value) {
    Raise(OnVariableNeeded, this, name, value);
  };
  FRender.SetControl(this);
  FChangeLink.OnChange = [this](TObject*) { RebuildHTML(); };
}

TExHTMLLabel::~TExHTMLLabel() {
  FRender.SetControl(nullptr);
}

void TExHTMLLabel::SetContainer(TExHTMLContainer* container) {
  if (container == FContainer)
    return;
  if (FContainer) {
    FContainer->UnRegisterChanges(FChangeLink);
    RemoveFreeNotification(FContainer);
  }
  FContainer = container;
  if (FContainer) {
    FContainer->RegisterChanges(FChangeLink);
    FreeNotification(FContainer);
  }
  RebuildHTML();
}

void TExHTMLLabel::SetContainerIndex(int index) {
  if (index == FIndex)
    return;
  FIndex = index;
  if (FContainer)
    RebuildHTML();
}

void TExHTMLLabel::SetIsHTML(bool value) {
  if (value == FIsHTML)
    return;
  FIsHTML = value;
  RebuildHTML();
}

void TExHTMLLabel::SetLinkColor(TColor color) {
  if (color == FLinkColor)
    return;
  FLinkColor = color;
  if (FIsHTML)
    RebuildHTML();
}

void TExHTMLLabel::SetLinkStyle(TFontStyles style) {
  if (style == FLinkStyle)
    return;
  FLinkStyle = style;
  if (FIsHTML)
    RebuildHTML();
}

void TExHTMLLabel::SetLinkPopupMenu(TPopupMenu* menu) {
  if (menu == FLinkPopupMenu)
    return;
  if (FLinkPopupMenu)
    RemoveFreeNotification(FLinkPopupMenu);
  FLinkPopupMenu = menu;
  if (menu)
    FreeNotification(menu);
}

void TExHTMLLabel::SetAutoSize(bool value) {
  if (value == GetAutoSize())
    return;
  TCustomExLabel::SetAutoSize(value);
  RebuildHTML();
}

void TExHTMLLabel::SetWordWrap(bool value) {
  if (value == GetWordWrap())
    return;
  TCustomExLabel::SetWordWrap(value);
  RebuildHTML();
}

void TExHTMLLabel::SetBounds(int left, int top, int width, int height) {
  TCustomExLabel::SetBounds(left, top, width, height);
  if (GetWordWrap() && FIsHTML && !FAlreadyInSetBounds)
    RebuildHTML();
}

void TExHTMLLabel::SetCursor(TCursor cursor) {
  if (cursor != GetCursor())
    TCustomExLabel::SetCursor(cursor);
  POINT mouse{};
  GetCursorPos(&mouse);
  const POINT p = ScreenToClient(mouse);
  std::u16string href;
  SetDisplayedCursor(FIsHTML && LinkAt(p.x, p.y, href) ? crHandPoint : cursor);
}

void TExHTMLLabel::SetDisplayedCursor(TCursor cursor) {
  if (cursor == FDisplayedCursor)
    return;
  FDisplayedCursor = cursor;
  // The window system asks for the cursor only when the mouse moves; show the change now.
  if (MouseInControl())
    ::SetCursor(CursorHandle(cursor));
}

void TExHTMLLabel::SetName(const std::string& name) {
  const bool ownerLoading = Owner() && Owner()->IsLoading();
  const bool captionFollows = !IsLoading() && !ownerLoading && GetCaption() == Utf8ToUnicode(GetName());
  TCustomExLabel::SetName(name);
  if (captionFollows)
    SetCaption(Utf8ToUnicode(GetName()));
}

bool TExHTMLLabel::UsesOwnCaption() const {
  // A negative index counts as no item.
  return !FContainer || FIndex < 0 || FIndex >= FContainer->ItemCount();
}

const std::u16string& TExHTMLLabel::GetSourceText() const {
  return UsesOwnCaption() ? GetCaption() : FContainer->Items().Items(FIndex).GetCaption();
}

std::u16string TExHTMLLabel::PlainText() const {
  return FIsHTML ? FRender.AsText() : GetCaption();
}

RECT TExHTMLLabel::TextRect() {
  if (FIsHTML) {
    const THtmlSize size = FRender.Data()->GetTextSize();
    return RECT{0, 0, size.cx, size.cy};
  }
  RECT r{};
  const UINT flags = DT_CALCRECT | DT_EXPANDTABS | (GetWordWrap() ? DT_WORDBREAK : 0) | ReadingOrderFlags();
  WithScreenCanvas([&] {
    Canvas().Font().Assign(*GetFont());
    Canvas().DrawText(GetCaption(), r, flags);
  });
  return r;
}

RECT TExHTMLLabel::GetHTMLTextRect() const {
  TLabelTextPlacement placement;
  placement.ClientWidth = ClientWidth();
  placement.ClientHeight = ClientHeight();
  placement.BorderWidth = GetBorderWidth();
  placement.TextSize = FRender.Data()->GetTextSize();
  placement.Layout = GetLayout();
  placement.Alignment = GetAlignment();
  return ToRect(LabelTextRect(placement));
}

void TExHTMLLabel::RebuildHTML() {
  if (IsLoading() || IsReading())
    return;
  if (FIsHTML) {
    THtmlData& document = *FRender.Data();
    const TFont& font = *GetFont();
    document.SetDefaultStyle(font.GetStyle());
    document.SetDefaultFont(font.GetName());
    document.SetCharset(font.GetCharset());
    document.SetDefaultColor(font.GetColor());
    document.SetDefaultHeight(font.GetHeight());
    document.SetLinkColor(FLinkColor);
    document.SetLinkStyle(FLinkStyle);
    FRender.PrepareText(GetSourceText(), GetWidth() - 2 * GetBorderWidth(), GetWordWrap());
    const TFlagScope resizing(FAlreadyInSetBounds);
    if (GetAutoSize())
      FitSizeToText();
  } else if (GetAutoSize()) {
    TCustomExLabel::FitSizeToText();
  }
  Invalidate();
}

void TExHTMLLabel::FitSizeToText() {
  if (!FIsHTML) {
    TCustomExLabel::FitSizeToText();
    return;
  }
  if (IsLoading() || IsReading() || !GetAutoSize())
    return;
  if (FRender.Data()->GetTextSize().cx == 0 && !FAlreadyInSetBounds)
    RebuildHTML();
  const THtmlSize size = FRender.Data()->GetTextSize();
  const int border = 2 * GetBorderWidth();
  SetBounds(GetLeft(), GetTop(), size.cx + border, size.cy + border);
}

void TExHTMLLabel::Loaded() {
  TCustomExLabel::Loaded();
  // Switched off and on, so that the parent's colour of now is taken.
  if (GetParentColor()) {
    SetParentColor(false);
    SetParentColor(true);
  }
  RebuildHTML();
}

void TExHTMLLabel::TextChanged() {
  TCustomExLabel::TextChanged();
  if (FIsHTML)
    RebuildHTML();
}

void TExHTMLLabel::FontChanged() {
  TCustomExLabel::FontChanged();
  RebuildHTML();
}

void TExHTMLLabel::EnabledChanged() {
  TCustomExLabel::EnabledChanged();
  RebuildHTML();
}

void TExHTMLLabel::Paint() {
  if (FIsHTML)
    PaintHTML();
  else
    TCustomExLabel::Paint();
}

void TExHTMLLabel::PaintHTML() {
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(*GetFont());
  if (IsThemed() && GetParent()) {
    // The parent paints its background into the label's area, as it would under a transparent label.
    const HDC dc = canvas.Handle();
    const int mapMode = GetMapMode(dc);
    POINT origin{};
    OffsetViewportOrgEx(dc, -GetLeft(), -GetTop(), &origin);
    SendMessageW(GetParent()->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    SetMapMode(dc, mapMode);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
  } else {
    PaintBackground();
  }

  const RECT textRect = GetHTMLTextRect();
  const int width = textRect.right - textRect.left;
  const int height = textRect.bottom - textRect.top;
  if (width <= 0 || height <= 0)
    return;
  TBitmap buffer(canvas.Handle(), width, height);
  BitBlt(buffer.DC(), 0, 0, width, height, canvas.Handle(), textRect.left, textRect.top, SRCCOPY);
  const RECT area{0, 0, width, height};
  if (!RectVisible(buffer.DC(), &area))
    return;
  if (GetEnabled())
    FRender.DrawText(buffer.Canvas(), POINT{0, 0}, area, clNone);
  else
    FRender.DrawTextEx(buffer.Canvas(), POINT{0, 0}, area, true, clGrayText, clNone, clNone, clNone,
                       TColor(0));
  BitBlt(canvas.Handle(), textRect.left, textRect.top, width, height, buffer.DC(), 0, 0, SRCCOPY);
}

THtmlPoint TExHTMLLabel::TextPoint(int x, int y) const {
  const RECT textRect = GetHTMLTextRect();
  return THtmlPoint{x - textRect.left, y - textRect.top};
}

THtmlRect TExHTMLLabel::TextArea() const {
  const RECT textRect = GetHTMLTextRect();
  return THtmlRect{0, 0, textRect.right - textRect.left, textRect.bottom - textRect.top};
}

bool TExHTMLLabel::LinkAt(int x, int y, std::u16string& href) const {
  return FRender.IsCursorOverLink(TextPoint(x, y), THtmlPoint{}, TextArea(), href);
}

void TExHTMLLabel::MouseMove(TShiftState shift, int x, int y) {
  if (FIsHTML) {
    std::u16string href;
    if (LinkAt(x, y, href)) {
      SetDisplayedCursor(crHandPoint);
    } else {
      SetDisplayedCursor(GetCursor());
      const THtmlPoint p = TextPoint(x, y);
      FRender.MouseMoveTransfer(shift, p.X, p.Y, TextArea());
    }
  }
  TCustomExLabel::MouseMove(shift, x, y);
}

void TExHTMLLabel::MouseLeave() {
  SetDisplayedCursor(GetCursor());
  TCustomExLabel::MouseLeave();
}

void TExHTMLLabel::Click() {
  if (!FIsHTML) {
    TCustomExLabel::Click();
    return;
  }
  POINT mouse{};
  GetCursorPos(&mouse);
  const POINT p = ScreenToClient(mouse);
  std::u16string href;
  if (LinkAt(p.x, p.y, href)) {
    LinkClicked(href);
  } else {
    const THtmlPoint textPoint = TextPoint(p.x, p.y);
    FRender.ClickTransfer(textPoint.X, textPoint.Y, TextArea());
  }
}

void TExHTMLLabel::WndProc(TMessage& message) {
  TCustomExLabel::WndProc(message);
  if (message.Msg != WM_RBUTTONUP || message.Result != 0)
    return;
  const POINT p = PointFromLParam(message.LParam);
  if (LinkMenuAt(p) && ShowPopupMenu(*FLinkPopupMenu, ClientToScreen(p)))
    message.Result = 1;
}

void TExHTMLLabel::DoContextPopup(POINT mousePos, bool& handled) {
  TCustomExLabel::DoContextPopup(mousePos, handled);
  if (handled || !LinkMenuAt(mousePos))
    return;
  ShowPopupMenu(*FLinkPopupMenu, ClientToScreen(mousePos));
  handled = true;
}

bool TExHTMLLabel::LinkMenuAt(POINT p) const {
  std::u16string href;
  return FLinkPopupMenu && FIsHTML && LinkAt(p.x, p.y, href);
}

void TExHTMLLabel::LinkClicked(const std::u16string& href) {
  if (FCheck && !UsesOwnCaption()) {
    TExHTMLListItems& items = FContainer->Items();
    for (int i = 0; i < items.Count(); ++i) {
      if (items.Items(i).GetName() == href) {
        SetContainerIndex(i);
        return;
      }
    }
  }
  Raise(OnLinkClick, this, href);
}

void TExHTMLLabel::Notification(TComponent* component, TOperation operation) {
  TCustomExLabel::Notification(component, operation);
  if (operation != TOperation::opRemove)
    return;
  if (component == FLinkPopupMenu)
    FLinkPopupMenu = nullptr;
  if (component == FContainer)
    SetContainer(nullptr);
}

void RegisterHtmlLabelClasses() {
  RegisteredClasses().Register(TExHTMLLabel::StaticClass());
  RegisteredClasses().Register(TExHTMLContainer::StaticClass());
  RegisteredClasses().Register(TPopupMenu::StaticClass());
}
