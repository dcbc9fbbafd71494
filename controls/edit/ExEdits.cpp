#include "ExEdits.h"

#include <cstdlib>
#include <utility>

#include "Handles.h"

namespace {

const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// The first `length` UTF-16 units of `text`, without a high surrogate left alone at the end.
std::u16string Truncated(const std::u16string& text, std::size_t length) {
  std::u16string result = text.substr(0, length);
  if (!result.empty() && result.size() < text.size() && IsHighSurrogate(result.back()))
    result.pop_back();
  return result;
}

int TextWidth(HDC dc, const std::u16string& text) {
  SIZE size{};
  if (!text.empty())
    GetTextExtentPoint32W(dc, Wide(text), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace

const TClassInfo& TCustomExEdit::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomExEdit>("TCustomExEdit", &TExXPThemedControl::StaticClass()).Build();
  return info;
}

const TClassInfo& TExEdit::StaticClass() {
  using E = TExEdit;
  static const TClassInfo info =
      TClassBuilder<E>("TExEdit", &TCustomExEdit::StaticClass())
          .Creatable()
          .Property<std::u16string>("Text", &E::GetText, &E::SetText)
          .Property<int>("MaxLength", &E::GetMaxLength, &E::SetMaxLength)
          .Property<bool>("ReadOnly", &E::GetReadOnly, &E::SetReadOnly)
          .Property<TExEditCharCase>("CharCase", &E::GetCharCase, &E::SetCharCase)
          .Property<std::u16string>("PasswordChar", &E::GetPasswordChar, &E::SetPasswordChar)
          .Property<bool>("Multiline", &E::GetMultiline, &E::SetMultiline)
          .Property<bool>("WordWrap", &E::GetWordWrap, &E::SetWordWrap)
          .Property<bool>("WantTabs", &E::GetWantTabs, &E::SetWantTabs)
          .Property<bool>("WantReturns", &E::GetWantReturns, &E::SetWantReturns)
          .Property<int>("TabSpaces", &E::GetTabSpaces, &E::SetTabSpaces)
          .Property<int>("MaxUndoLevel", &E::GetMaxUndoLevel, &E::SetMaxUndoLevel)
          .Property<bool>("NotifyUserChangeOnly", &E::GetNotifyUserChangeOnly, &E::SetNotifyUserChangeOnly)
          .Property<bool>("AutoSelect", &E::GetAutoSelect, &E::SetAutoSelect)
          .Property<bool>("HideSelection", &E::GetHideSelection, &E::SetHideSelection)
          .Property<TAlignment>("Alignment", &E::GetAlignment, &E::SetAlignment)
          .Property<int>("LeftMargin", &E::GetLeftMargin, &E::SetLeftMargin)
          .Property<int>("RightMargin", &E::GetRightMargin, &E::SetRightMargin)
          .Property<int>("TopMargin", &E::GetTopMargin, &E::SetTopMargin)
          .Property<bool>("AlignBottom", &E::GetAlignBottom, &E::SetAlignBottom)
          .Property<bool>("AutoSize", &E::GetAutoSize, &E::SetAutoSize)
          .Property<TBorderStyle>("BorderStyle", &E::GetBorderStyle, &E::SetBorderStyle)
          .Property<bool>("Flat", &E::GetFlat, &E::SetFlat)
          .Property<TExFlatBorderType>("ActiveBorderType", &E::GetActiveBorderType, &E::SetActiveBorderType)
          .Property<TExFlatBorderType>("InactiveBorderType", &E::GetInactiveBorderType,
                                       &E::SetInactiveBorderType)
          .Property<TExBorderSides>("BorderSides", &E::GetBorderSides, &E::SetBorderSides)
          .Property<TColor>("BorderColorDkShadow", &E::GetBorderColorDkShadow, &E::SetBorderColorDkShadow)
          .Property<TColor>("BorderColorFace", &E::GetBorderColorFace, &E::SetBorderColorFace)
          .Property<TColor>("BorderColorShadow", &E::GetBorderColorShadow, &E::SetBorderColorShadow)
          .Property<TColor>("BorderColorHighlight", &E::GetBorderColorHighlight, &E::SetBorderColorHighlight)
          .Property<TColor>("BorderColorWindow", &E::GetBorderColorWindow, &E::SetBorderColorWindow)
          .Property<TColor>("LineBorderActiveColor", &E::GetLineBorderActiveColor,
                            &E::SetLineBorderActiveColor)
          .Property<TColor>("LineBorderInactiveColor", &E::GetLineBorderInactiveColor,
                            &E::SetLineBorderInactiveColor)
          .Property<TColor>("FocusedSelectColor", &E::GetFocusedSelectColor, &E::SetFocusedSelectColor)
          .Property<TColor>("FocusedSelectTextColor", &E::GetFocusedSelectTextColor,
                            &E::SetFocusedSelectTextColor)
          .Property<TColor>("HideSelectColor", &E::GetHideSelectColor, &E::SetHideSelectColor)
          .Property<TColor>("HideSelectTextColor", &E::GetHideSelectTextColor, &E::SetHideSelectTextColor)
          .Property<int>("HighlightAlphaLevel", &E::GetHighlightAlphaLevel, &E::SetHighlightAlphaLevel)
          .Property<bool>("UseDisabledColors", &E::GetUseDisabledColors, &E::SetUseDisabledColors)
          .Property<TColor>("DisabledColor", &E::GetDisabledColor, &E::SetDisabledColor)
          .Property<TColor>("DisabledFontColor", &E::GetDisabledFontColor, &E::SetDisabledFontColor)
          .Property<std::u16string>("CueBanner", &E::GetCueBanner, &E::SetCueBanner)
          .Property<bool>("Transparent", &E::GetTransparent, &E::SetTransparent)
          .Property<bool>("UseSystemMenu", &E::GetUseSystemMenu, &E::SetUseSystemMenu)
          .Property<bool>("LocalizedSystemMenu", &E::GetLocalizedSystemMenu, &E::SetLocalizedSystemMenu)
          .Property<bool>("HandleDialogKeys", &E::GetHandleDialogKeys, &E::SetHandleDialogKeys)
          .Property<bool>("Ctl3D", &E::GetCtl3D, &E::SetCtl3D)
          .Property<bool>("UseCustomScrollBars", &E::GetUseCustomScrollBars, &E::SetUseCustomScrollBars)
          .Property<TScrollStyle>("ScrollBars", &E::GetScrollBars, &E::SetScrollBars)
          .Property<bool>("RightAlignedText", &E::GetRightAlignedText, &E::SetRightAlignedText)
          .Property<bool>("RightAlignedView", &E::GetRightAlignedView, &E::SetRightAlignedView)
          .Property<TThemeMode>("ThemeMode", &E::GetThemeMode, &E::SetThemeMode)
          .Property<bool>("ThemeGlobalMode", &E::GetThemeGlobalMode, &E::SetThemeGlobalMode)
          .Event<TNotifyEvent>("OnChange", &E::OnChange)
          .Event<TNotifyEvent>("OnSelectionChange", &E::OnSelectionChange)
          .Event<TExKeyPressExEvent>("OnKeyPressEx", &E::OnKeyPressEx)
          .Event<TExPasteClipboardEvent>("OnPasteClipboardText", &E::OnPasteClipboardText)
          .Event<TNotifyEvent>("OnAfterPasteClipboardText", &E::OnAfterPasteClipboardText)
          .Build();
  return info;
}

TCustomExEdit::TCustomExEdit(TComponent* owner) : TExXPThemedControl(owner) {
  SetBounds(GetLeft(), GetTop(), 200, 100);
  SetColor(clWindow);
  SetCursor(crIBeam);
  SetTabStop(true);
}

// Text

void TCustomExEdit::SetText(const std::u16string& text) {
  if (IsLoading()) {
    StoreText(text);
    return;
  }
  if (text == GetText())
    return;
  StoreText(ApplyCharCase(text));
  if (!FNotifyUserChangeOnly)
    DoChange();
  DoSelectionChange();
}

void TCustomExEdit::SetMaxLength(int value) {
  FMaxLength = value;
  const std::u16string& text = GetText();
  if (value > 0 && text.size() > static_cast<std::size_t>(value))
    SetText(Truncated(text, static_cast<std::size_t>(value)));
}

void TCustomExEdit::SetCharCase(TExEditCharCase value) {
  FCharCase = value;
  if (value != TExEditCharCase::eecNormal)
    SetText(ApplyCharCase(GetText()));
}

void TCustomExEdit::SetPasswordChar(const std::u16string& value) {
  const std::u16string passwordChar = value.substr(0, 1);
  if (passwordChar == FPasswordChar)
    return;
  FPasswordChar = passwordChar;
  PlaceCaret();
  Invalidate();
}

std::u16string TCustomExEdit::ApplyCharCase(std::u16string text) const {
  if (text.empty())
    return text;
  auto* buffer = reinterpret_cast<wchar_t*>(text.data());
  const auto length = static_cast<DWORD>(text.size());
  if (FCharCase == TExEditCharCase::eecUpperCase)
    CharUpperBuffW(buffer, length);
  if (FCharCase == TExEditCharCase::eecLowerCase)
    CharLowerBuffW(buffer, length);
  return text;
}

std::u16string TCustomExEdit::DisplayText() const {
  std::u16string shown = GetText();
  if (FPasswordChar.empty())
    return shown;
  for (char16_t& c : shown)
    if (c != u'\r' && c != u'\n')
      c = FPasswordChar.front();
  return shown;
}

void TCustomExEdit::StoreText(const std::u16string& text) {
  TControl::SetText(text);
  PlaceCaret();
  Invalidate();
}

// Typing and deleting, at the end of the text

void TCustomExEdit::KeyPress(char16_t& key) {
  TExXPThemedControl::KeyPress(key);
  const char16_t c = key;
  // Backspace, tab, return, escape and delete act through their keys, not as characters.
  if (c == 0 || c == 8 || c == 9 || c == 13 || c == 27 || c == 127)
    return;
  if (FReadOnly || c < 32)
    return;
  if (FMaxLength > 0 && GetText().size() >= static_cast<std::size_t>(FMaxLength))
    return;
  InsertTypedText(std::u16string(1, c));
}

void TCustomExEdit::KeyDown(WORD& key, TShiftState shift) {
  TExXPThemedControl::KeyDown(key, shift);
  if (key == VK_BACK)
    Backspace();
}

void TCustomExEdit::InsertTypedText(std::u16string text) {
  text = ApplyCharCase(std::move(text));
  DoKeyPressEx(text);
  if (text.empty())
    return;
  StoreText(GetText() + text);
  FModified = true;
  DoChange();
}

void TCustomExEdit::Backspace() {
  if (FReadOnly)
    return;
  const std::u16string& text = GetText();
  if (!text.empty()) {
    // The two halves of a surrogate pair are one character.
    const bool pair =
        text.size() >= 2 && IsLowSurrogate(text.back()) && IsHighSurrogate(text[text.size() - 2]);
    StoreText(text.substr(0, text.size() - (pair ? 2 : 1)));
  }
  FinishEdit();
}

void TCustomExEdit::FinishEdit() {
  Invalidate();
  if (FMaxLength > 0 && GetText().size() >= static_cast<std::size_t>(FMaxLength))
    return;
  FModified = true;
  DoChange();
  DoSelectionChange();
}

void TCustomExEdit::DoChange() {
  Raise(OnChange, this);
}

void TCustomExEdit::DoSelectionChange() {
  Raise(OnSelectionChange, this);
}

void TCustomExEdit::DoKeyPressEx(std::u16string& key) {
  Raise(OnKeyPressEx, this, key);
}

// Layout and painting

void TCustomExEdit::SetAlignment(TAlignment value) {
  SetAndRepaint(FAlignment, value);
  PlaceCaret();
}

void TCustomExEdit::SetLeftMargin(int value) {
  SetAndRepaint(FLeftMargin, value);
  PlaceCaret();
}

void TCustomExEdit::SetRightMargin(int value) {
  SetAndRepaint(FRightMargin, value);
  PlaceCaret();
}

void TCustomExEdit::SetTopMargin(int value) {
  SetAndRepaint(FTopMargin, FAlignBottom ? 0 : value);
  PlaceCaret();
}

void TCustomExEdit::SetAlignBottom(bool value) {
  FAlignBottom = value;
  if (value)
    SetTopMargin(0);
}

int TCustomExEdit::LineHeight() const {
  return std::abs(GetFont()->GetHeight()) + 2;
}

RECT TCustomExEdit::TextClipRect() const {
  RECT rect = ClientRect();
  rect.left += FLeftMargin;
  rect.right -= FRightMargin;
  return rect;
}

int TCustomExEdit::TextLeft(int textWidth) const {
  const RECT rect = ClientRect();
  switch (FAlignment) {
    case TAlignment::taRightJustify:
      return rect.right - FRightMargin - textWidth - 2;
    case TAlignment::taCenter:
      return (rect.right - FRightMargin) / 2 - textWidth / 2;
    case TAlignment::taLeftJustify:
      break;
  }
  return rect.left + FLeftMargin;
}

TColor TCustomExEdit::GetBackgroundColor() const {
  if (!GetEnabled() && FUseDisabledColors)
    return FDisabledColor;
  return GetColor();
}

TColor TCustomExEdit::GetTextColor() const {
  if (GetEnabled())
    return GetFont()->GetColor();
  return FUseDisabledColors ? FDisabledFontColor : clGrayText;
}

// Everything lands in the paint buffer and reaches the window in one copy.
void TCustomExEdit::Paint() {
  DrawFlatBorder();
  TCanvas& canvas = Canvas();
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(GetBackgroundColor());
  canvas.FillRect(ClientRect());
  PaintText(canvas);
  if (!Focused() && GetText().empty() && !FCueBanner.empty())
    PaintCueBanner(canvas);
}

void TCustomExEdit::PaintText(TCanvas& canvas) {
  const std::u16string shown = DisplayText();
  if (shown.empty())
    return;
  canvas.Font().Assign(*GetFont());
  canvas.RequireState();
  const HDC dc = canvas.Handle();
  const RECT clip = TextClipRect();
  const int baseline = ClientRect().top + FTopMargin + LineHeight();
  const UINT oldAlign = SetTextAlign(dc, TA_BASELINE | TA_LEFT);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(GetTextColor()));
  ExtTextOutW(dc, TextLeft(TextWidth(dc, shown)), baseline, ETO_CLIPPED, &clip, Wide(shown),
              static_cast<UINT>(shown.size()), nullptr);
  SetBkMode(dc, oldMode);
  SetTextAlign(dc, oldAlign);
}

void TCustomExEdit::PaintCueBanner(TCanvas& canvas) {
  canvas.Font().Assign(*GetFont());
  canvas.RequireState();
  const HDC dc = canvas.Handle();
  const RECT clip = TextClipRect();
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(FDisabledFontColor));
  ExtTextOutW(dc, 1, 1, ETO_CLIPPED, &clip, Wide(FCueBanner), static_cast<UINT>(FCueBanner.size()), nullptr);
  SetBkMode(dc, oldMode);
}

// Caret: a system caret at the end of the text while the control has the focus.

void TCustomExEdit::CreateEditCaret() {
  const HWND window = Handle();
  const TWindowDC dc(window);
  const TSelectedObject font(dc.Get(), GetFont()->Handle());
  TEXTMETRICW metrics{};
  if (!dc || !GetTextMetricsW(dc.Get(), &metrics))
    return;
  int width = GetSystemMetrics(SM_CXBORDER);
  if (GetFont()->GetStyle().Contains(TFontStyle::fsBold))
    width *= 2;
  if (!CreateCaret(window, nullptr, width, metrics.tmHeight))
    return;
  FCaretCreated = true;
  PlaceCaret();
  ShowCaret(window);
}

void TCustomExEdit::DestroyEditCaret() {
  if (!FCaretCreated)
    return;
  FCaretCreated = false;
  DestroyCaret();
}

void TCustomExEdit::PlaceCaret() {
  if (!FCaretCreated || !HandleAllocated())
    return;
  const TWindowDC dc(Handle());
  const TSelectedObject font(dc.Get(), GetFont()->Handle());
  TEXTMETRICW metrics{};
  if (!dc || !GetTextMetricsW(dc.Get(), &metrics))
    return;
  const int textWidth = TextWidth(dc.Get(), DisplayText());
  int x = TextLeft(textWidth) + textWidth;
  // A caret beyond the text rectangle is kept out of sight.
  if (x > TextClipRect().right)
    x = -2;
  const int y = std::abs(metrics.tmAscent - LineHeight()) + FTopMargin;
  SetCaretPos(x, y);
}

// Frame

void TCustomExEdit::SetBorderStyle(TBorderStyle value) {
  if (value == FBorderStyle)
    return;
  FBorderStyle = value;
  FrameStyleChanged();
}

void TCustomExEdit::SetFlat(bool value) {
  if (value == FFlat)
    return;
  FFlat = value;
  FrameStyleChanged();
}

void TCustomExEdit::SetCtl3D(bool value) {
  if (value == FCtl3D)
    return;
  FCtl3D = value;
  FrameStyleChanged();
}

void TCustomExEdit::SetBorderSides(TExBorderSides value) {
  if (value == FBorderSides)
    return;
  FBorderSides = value;
  FrameStyleChanged();
}

bool TCustomExEdit::HasOwnFlatFrame() const {
  return FFlat && FBorderStyle == TBorderStyle::bsSingle && !IsThemed();
}

int TCustomExEdit::FrameWidth() const {
  return GetSystemMetrics(FCtl3D ? SM_CXEDGE : SM_CXBORDER);
}

int TCustomExEdit::FrameHeight() const {
  return GetSystemMetrics(FCtl3D ? SM_CYEDGE : SM_CYBORDER);
}

void TCustomExEdit::ReserveFrame(RECT& rect) const {
  if (FBorderSides.Contains(TExBorderSide::ebsLeft))
    rect.left += FrameWidth();
  if (FBorderSides.Contains(TExBorderSide::ebsRight))
    rect.right -= FrameWidth();
  if (FBorderSides.Contains(TExBorderSide::ebsTop))
    rect.top += FrameHeight();
  if (FBorderSides.Contains(TExBorderSide::ebsBottom))
    rect.bottom -= FrameHeight();
  if (rect.right < rect.left)
    rect.right = rect.left;
  if (rect.bottom < rect.top)
    rect.bottom = rect.top;
}

void TCustomExEdit::ApplyFrameStyles(DWORD& style, DWORD& exStyle) const {
  style &= ~static_cast<DWORD>(WS_BORDER);
  exStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
  if (FBorderStyle != TBorderStyle::bsSingle || HasOwnFlatFrame())
    return;
  if (FCtl3D)
    exStyle |= WS_EX_CLIENTEDGE;
  else
    style |= WS_BORDER;
}

void TCustomExEdit::FrameStyleChanged() {
  if (!HandleAllocated() || IsDestroying())
    return;
  const HWND window = Handle();
  auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  ApplyFrameStyles(style, exStyle);
  SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(style));
  SetWindowLongW(window, GWL_EXSTYLE, static_cast<LONG>(exStyle));
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TCustomExEdit::ThemeModeChanged() {
  FrameStyleChanged();
  TExXPThemedControl::ThemeModeChanged();
}

void TCustomExEdit::CreateParams(TCreateParams& params) {
  TExXPThemedControl::CreateParams(params);
  ApplyFrameStyles(params.Style, params.ExStyle);
}

void TCustomExEdit::DrawFlatBorder() {
  if (!HandleAllocated() || !HasOwnFlatFrame())
    return;
  const HWND window = Handle();
  RECT windowRect{};
  RECT client{};
  POINT clientOrigin{0, 0};
  if (!GetWindowRect(window, &windowRect) || !GetClientRect(window, &client) ||
      !::ClientToScreen(window, &clientOrigin))
    return;
  OffsetRect(&client, clientOrigin.x - windowRect.left, clientOrigin.y - windowRect.top);
  const RECT frame{0, 0, windowRect.right - windowRect.left, windowRect.bottom - windowRect.top};
  const TWholeWindowDC dc(window);
  if (!dc)
    return;
  ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
  // The background first, so that pixels no ring covers show the control's colour.
  FillSolidRect(dc.Get(), frame, GetBackgroundColor());
  const bool active = Focused() || FMouseOver;
  DrawFlatFrame(dc.Get(), frame, active ? FActiveBorderType : FInactiveBorderType, FBorderSides,
                FBorderColors);
}

// Messages

LRESULT TCustomExEdit::DialogCode(LRESULT defaultCode) const {
  LRESULT code = (defaultCode & ~static_cast<LRESULT>(DLGC_WANTALLKEYS)) | DLGC_WANTARROWS | DLGC_WANTCHARS |
                 DLGC_HASSETSEL;
  if (FWantTabs)
    code |= DLGC_WANTTAB;
  if (FHandleDialogKeys || (FMultiline && FWantReturns))
    code |= DLGC_WANTALLKEYS;
  return code;
}

void TCustomExEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      TExXPThemedControl::WndProc(message);
      message.Result = DialogCode(message.Result);
      return;
    case WM_NCCALCSIZE:
      if (!HasOwnFlatFrame())
        break;
      // Both forms of the message start with the proposed window rectangle, which becomes the client area.
      ReserveFrame(*reinterpret_cast<RECT*>(message.LParam));
      message.Result = 0;
      return;
    case WM_NCPAINT:
      TExXPThemedControl::WndProc(message);
      DrawFlatBorder();
      return;
    case WM_SETFOCUS:
      TExXPThemedControl::WndProc(message);
      CreateEditCaret();
      DrawFlatBorder();
      Invalidate();
      return;
    case WM_KILLFOCUS:
      TExXPThemedControl::WndProc(message);
      DestroyEditCaret();
      DrawFlatBorder();
      Invalidate();
      return;
    default:
      break;
  }
  TExXPThemedControl::WndProc(message);
}

void TCustomExEdit::MouseEnter() {
  FMouseOver = true;
  TExXPThemedControl::MouseEnter();
  if (!Focused())
    DrawFlatBorder();
}

void TCustomExEdit::MouseLeave() {
  FMouseOver = false;
  if (!Focused())
    DrawFlatBorder();
  TExXPThemedControl::MouseLeave();
}

void RegisterEditClasses() {
  RegisteredClasses().Register(TExEdit::StaticClass());
}
