#include "ExCLabel.h"

#include <algorithm>

#include "ThemeServices.h"

const TClassInfo& TCustomExLabel::StaticClass() {
  using C = TCustomExLabel;
  static const TClassInfo info =
      TClassBuilder<C>("TCustomExLabel", &TCustomLabel::StaticClass())
          .Reference<TExStyleManager>("StyleManager", &C::GetStyleManager, &C::SetStyleManager)
          .Property<std::u16string>("StyleName", &C::GetStyleName, &C::SetStyleName)
          .Property<TThemeMode>("ThemeMode", &C::GetThemeMode, &C::SetThemeMode)
          .Property<bool>("ThemeGlobalMode", &C::GetThemeGlobalMode, &C::SetThemeGlobalMode)
          .Property<int>("BorderWidth", &C::GetBorderWidth, &C::SetBorderWidth)
          .Property<bool>("UseXPThemes", nullptr, &C::SetUseXPThemes)
          .Build();
  return info;
}

TCustomExLabel::TCustomExLabel(TComponent* owner) : TCustomLabel(owner) {
  SetTransparent(true);
  FStyle.AttachDefaultManager();
}

void TCustomExLabel::Loaded() {
  TCustomLabel::Loaded();
  FStyle.Apply();
}

void TCustomExLabel::Notification(TComponent* component, TOperation operation) {
  TCustomLabel::Notification(component, operation);
  FStyle.Notification(component, operation);
}

void TCustomExLabel::SetBorderWidth(int value) {
  value = std::max(value, 0);
  if (value == FBorderWidth)
    return;
  FBorderWidth = value;
  FitSizeToText();
  Invalidate();
}

void TCustomExLabel::SetThemeMode(TThemeMode value) {
  if (value == FThemeMode)
    return;
  FThemeMode = value;
  Invalidate();
}

void TCustomExLabel::SetThemeGlobalMode(bool value) {
  if (value == FThemeGlobalMode)
    return;
  FThemeGlobalMode = value;
  Invalidate();
}

void TCustomExLabel::SetUseXPThemes(bool value) {
  if (const auto mode = ThemeModeForUseXPThemes(FThemeMode, value))
    SetThemeMode(*mode);
}

bool TCustomExLabel::IsThemed() const {
  return ThemeServices().ControlThemeMode(FThemeGlobalMode, FThemeMode) != TThemeMode::ttmNone;
}

void TCustomExLabel::Paint() {
  PaintBackground();
  RECT area = ClientRect();
  InflateRect(&area, -FBorderWidth, -FBorderWidth);
  UINT flags = DT_EXPANDTABS | AlignmentTextFlags(GetAlignment()) | PrefixFlags();
  if (GetWordWrap())
    flags |= DT_WORDBREAK;
  if (GetLayout() != TTextLayout::tlTop) {
    RECT measured = ClientRect();
    PaintCaptionText(measured, flags | DT_CALCRECT);
    if (GetLayout() == TTextLayout::tlBottom) {
      area.top = area.bottom - measured.bottom;
    } else {
      area.top += (area.bottom - area.top - measured.bottom) / 2;
      area.bottom = area.top + measured.bottom;
    }
  }
  // Drawn the same whether enabled or not, and without the end ellipsis.
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(*GetFont());
  canvas.DrawText(GetCaption(), area, flags | ReadingOrderFlags());
}

void TCustomExLabel::AdjustBounds() {
  FitSizeToText();
}

void TCustomExLabel::TextChanged() {
  FitSizeToText();
  TCustomLabel::TextChanged();
}

void TCustomExLabel::PaintBackground() {
  TCanvas& canvas = Canvas();
  if (!GetTransparent()) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(ClientRect());
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
}

UINT TCustomExLabel::ReadingOrderFlags() const {
  return GetBiDiMode() == TBiDiMode::bdLeftToRight ? 0 : DT_RTLREADING;
}

void TCustomExLabel::PaintCaptionText(RECT& rect, UINT flags) {
  if (!GetVisible())
    return;
  std::u16string text = GetSourceText();
  // Measuring an empty caption (or a lone accelerator mark) still gives one line.
  if ((flags & DT_CALCRECT) && (text.empty() || (text == u"&" && GetShowAccelChar())))
    text += u' ';
  flags |= PrefixFlags() | ReadingOrderFlags();
  if (FEndEllipsis)
    flags |= DT_END_ELLIPSIS;
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(*GetFont());
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (GetEnabled()) {
    canvas.DrawText(text, rect, flags);
    return;
  }
  OffsetRect(&rect, 1, 1);
  canvas.Font().SetColor(clBtnHighlight);
  canvas.DrawText(text, rect, flags);
  OffsetRect(&rect, -1, -1);
  canvas.Font().SetColor(clBtnShadow);
  canvas.DrawText(text, rect, flags);
}

void TCustomExLabel::FitSizeToText() {
  if (IsLoading() || IsReading() || !GetAutoSize())
    return;
  RECT r = ClientRect();
  const UINT flags = DT_EXPANDTABS | DT_CALCRECT | (GetWordWrap() ? DT_WORDBREAK : 0);
  WithScreenCanvas([&] { PaintCaptionText(r, flags); });
  if (FBorderWidth != 0) {
    r.right += 2 * FBorderWidth;
    r.bottom += 2 * FBorderWidth;
  }
  int left = GetLeft();
  if (GetAlignment() == TAlignment::taRightJustify)
    left += GetWidth() - r.right;
  SetBounds(left, GetTop(), r.right, r.bottom);
}
