#include "StdCtrls.h"

// --- TCustomLabel ---

const TClassInfo& TCustomLabel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomLabel>("TCustomLabel", &TGraphicControl::StaticClass())
          .Property<std::u16string>("Caption", &TCustomLabel::GetCaption, &TCustomLabel::SetCaption)
          .Property<TAlignment>("Alignment", &TCustomLabel::GetAlignment, &TCustomLabel::SetAlignment)
          .Property<bool>("AutoSize", &TCustomLabel::GetAutoSize, &TCustomLabel::SetAutoSize)
          .Property<TTextLayout>("Layout", &TCustomLabel::GetLayout, &TCustomLabel::SetLayout)
          .Property<bool>("WordWrap", &TCustomLabel::GetWordWrap, &TCustomLabel::SetWordWrap)
          .Property<bool>("Transparent", &TCustomLabel::GetTransparent, &TCustomLabel::SetTransparent)
          .Property<bool>("ShowAccelChar", &TCustomLabel::GetShowAccelChar, &TCustomLabel::SetShowAccelChar)
          .Build();
  return info;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment alignment) {
  if (alignment == FAlignment)
    return;
  FAlignment = alignment;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
  if (value == FAutoSize)
    return;
  FAutoSize = value;
  AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout layout) {
  if (layout == FLayout)
    return;
  FLayout = layout;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
  if (value == FWordWrap)
    return;
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  if (value == FTransparent)
    return;
  FTransparent = value;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (value == FShowAccelChar)
    return;
  FShowAccelChar = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
  if (control == FFocusControl)
    return;
  if (FFocusControl)
    RemoveFreeNotification(FFocusControl);
  FFocusControl = control;
  if (control)
    FreeNotification(control);
}

void TCustomLabel::DoDrawText(RECT& rect, UINT flags) {
  std::u16string text = GetCaption();
  const bool measuring = (flags & DT_CALCRECT) != 0;
  // An empty caption still takes one line.
  if (measuring && (text.empty() || (FShowAccelChar && text == u"&")))
    text += u' ';
  if (!FShowAccelChar)
    flags |= DT_NOPREFIX;
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(*GetFont());
  if (!GetEnabled())
    canvas.Font().SetColor(clGrayText);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.DrawText(text, rect, flags);
}

void TCustomLabel::Paint() {
  const RECT client = ClientRect();
  if (!FTransparent && GetColor() != clNone) {
    Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
    Canvas().Brush().SetColor(GetColor());
    Canvas().FillRect(client);
  }
  const UINT flags = DT_EXPANDTABS | AlignmentTextFlags(FAlignment) | (FWordWrap ? DT_WORDBREAK : 0);
  RECT textRect = client;
  if (FLayout != TTextLayout::tlTop) {
    RECT measured = client;
    DoDrawText(measured, flags | DT_CALCRECT);
    const int textHeight = measured.bottom - measured.top;
    const int room = (client.bottom - client.top) - textHeight;
    textRect.top += FLayout == TTextLayout::tlCenter ? room / 2 : room;
    textRect.bottom = textRect.top + textHeight;
  }
  DoDrawText(textRect, flags);
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || IsLoading())
    return;
  RECT rect = ClientRect();
  {
    const TWindowDC screen;
    Canvas().SetHandle(screen.Get());
    try {
      DoDrawText(rect, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0));
    } catch (...) {
      Canvas().SetHandle(nullptr);
      throw;
    }
    Canvas().SetHandle(nullptr);
  }
  int left = GetLeft();
  if (FAlignment == TAlignment::taRightJustify)
    left += GetWidth() - rect.right;
  SetBounds(left, GetTop(), rect.right, rect.bottom);
}

void TCustomLabel::TextChanged() {
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::FontChanged() {
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == FFocusControl)
    FFocusControl = nullptr;
  TGraphicControl::Notification(component, operation);
}

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TLabel>("TLabel", &TCustomLabel::StaticClass()).Creatable().Build();
  return info;
}

// --- TButton ---

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TButton>("TButton", &TWinControl::StaticClass())
          .Creatable()
          .Property<std::u16string>("Caption", &TButton::GetCaption, &TButton::SetCaption)
          .Property<bool>("Default", &TButton::GetDefault, &TButton::SetDefault)
          .Property<bool>("Cancel", &TButton::GetCancel, &TButton::SetCancel)
          .Property<int>("ModalResult", &TButton::GetModalResult, &TButton::SetModalResult)
          .Build();
  return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  // The button's window reports its clicks (BN_CLICKED); a mouse release is no click of its own.
  FMouseUpClicks = false;
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::SetDefault(bool value) {
  if (value == FDefault)
    return;
  FDefault = value;
  if (HandleAllocated())
    SendMessageW(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::ClickButton() {
  SendMessageW(Handle(), BM_CLICK, 0, 0);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WindowClass = u"BUTTON";
  params.Style |= WS_TABSTOP | (FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
    Click();
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}
