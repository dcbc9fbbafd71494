#include "ExCLabel.h"

#include <algorithm>

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
  AdjustBounds();
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

void TCustomExLabel::Paint() {
  PaintBackground();
  PaintPlainText(GetCaption(), PrefixFlags());
}

void TCustomExLabel::AdjustBounds() {
  FitBoundsToText(GetCaption(), PrefixFlags());
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

void TCustomExLabel::PaintPlainText(const std::u16string& text, UINT flags) {
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(*GetFont());
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  flags |= DT_EXPANDTABS | AlignmentTextFlags(GetAlignment());
  if (GetWordWrap())
    flags |= DT_WORDBREAK;

  RECT area = ClientRect();
  InflateRect(&area, -FBorderWidth, -FBorderWidth);
  if (GetLayout() != TTextLayout::tlTop) {
    // Measured at the width it is drawn at, so that wrapped text is placed by its real height.
    RECT extent{0, 0, std::max<LONG>(area.right - area.left, 0), 0};
    canvas.DrawText(text, extent, flags | DT_CALCRECT);
    const LONG height = extent.bottom - extent.top;
    if (GetLayout() == TTextLayout::tlBottom) {
      area.top = area.bottom - height;
    } else {
      area.top += (area.bottom - area.top - height) / 2;
      area.bottom = area.top + height;
    }
  }
  canvas.DrawText(text, area, flags);
}

void TCustomExLabel::FitBoundsToText(const std::u16string& text, UINT flags) {
  if (IsLoading() || IsReading() || !GetAutoSize())
    return;
  flags |= DT_EXPANDTABS | DT_CALCRECT;
  if (GetWordWrap())
    flags |= DT_WORDBREAK;
  // An empty caption (or a lone accelerator mark) still measures one line.
  std::u16string measured = text;
  if (measured.empty() || (measured == u"&" && !(flags & DT_NOPREFIX)))
    measured += u' ';

  RECT extent{0, 0, std::max(GetWidth() - 2 * FBorderWidth, 0), 0};
  {
    const TWindowDC screen;
    TCanvas canvas;
    canvas.SetHandle(screen.Get());
    canvas.Font().Assign(*GetFont());
    canvas.DrawText(measured, extent, flags);
    canvas.SetHandle(nullptr);
  }
  const int width = extent.right - extent.left + 2 * FBorderWidth;
  const int height = extent.bottom - extent.top + 2 * FBorderWidth;
  int left = GetLeft();
  if (GetAlignment() == TAlignment::taRightJustify)
    left += GetWidth() - width;
  SetBounds(left, GetTop(), width, height);
}
