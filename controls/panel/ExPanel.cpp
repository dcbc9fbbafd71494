#include "ExPanel.h"

#include <algorithm>

#include "ThemeServices.h"
#include "Themes.h"

const TClassInfo& TExPanelGrabHandle::StaticClass() {
  using C = TExPanelGrabHandle;
  static const TClassInfo info =
      TClassBuilder<C>("TExPanelGrabHandle", &TPersistent::StaticClass())
          .Property<bool>("Enabled", &C::GetEnabled, &C::SetEnabled)
          .Property<int>("Size", &C::GetSize, &C::SetSize)
          .Property<TExPanelGrabHandleKind>("Kind", &C::GetKind, &C::SetKind)
          .Property<TPanelBevelStyle>("BevelKind", &C::GetBevelKind, &C::SetBevelKind)
          .Property<bool>("Visible", &C::GetVisible, &C::SetVisible)
          .Build();
  return info;
}

void TExPanelGrabHandle::SetEnabled(bool value) {
  if (value == FEnabled)
    return;
  FEnabled = value;
  FPanel.ChildAreaChanged();
}

void TExPanelGrabHandle::SetSize(int value) {
  value = std::max(value, 0);
  if (value == FSize)
    return;
  FSize = value;
  FPanel.ChildAreaChanged();
}

void TExPanelGrabHandle::SetBevelKind(TPanelBevelStyle value) {
  if (value == FBevelKind)
    return;
  FBevelKind = value;
  FPanel.Invalidate();
}

void TExPanelGrabHandle::SetVisible(bool value) {
  if (value == FVisible)
    return;
  FVisible = value;
  FPanel.ChildAreaChanged();
}

const TClassInfo& TCustomExPanel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomExPanel>("TCustomExPanel", &TCustomControl::StaticClass()).Build();
  return info;
}

TCustomExPanel::TCustomExPanel(TComponent* owner) : TCustomControl(owner) {
  ++FCreating;
  SetColor(clBtnFace);
  if (--FCreating == 0)
    FStyle.AttachDefaultManager();
}

void TCustomExPanel::SetBackgroundType(TPanelBackgroundType value) {
  ChangeLook(FBackgroundType, value);
}
void TCustomExPanel::SetGradientStartColor(TColor value) {
  ChangeLook(FGradientStartColor, value);
}
void TCustomExPanel::SetGradientEndColor(TColor value) {
  ChangeLook(FGradientEndColor, value);
}
void TCustomExPanel::SetGradientSteps(int value) {
  ChangeLook(FGradientSteps, value);
}
void TCustomExPanel::SetTransparent(bool value) {
  ChangeLook(FTransparent, value);
}
void TCustomExPanel::SetTransparentXPThemes(bool value) {
  ChangeLook(FTransparentXPThemes, value);
}
void TCustomExPanel::SetAlphaLevel(std::uint8_t value) {
  ChangeLook(FAlphaLevel, value);
}
void TCustomExPanel::SetAlwaysPaintBackground(bool value) {
  ChangeLook(FAlwaysPaintBackground, value);
}
void TCustomExPanel::SetOwnerDraw(bool value) {
  ChangeLook(FOwnerDraw, value);
}
void TCustomExPanel::SetBorderStyle(TBorderStyle value) {
  ChangeLook(FBorderStyle, value);
}
void TCustomExPanel::SetBorderType(TExFlatBorderType value) {
  ChangeLook(FBorderType, value);
}
void TCustomExPanel::SetBorderSides(TExBorderSides value) {
  ChangeLook(FBorderSides, value);
}
void TCustomExPanel::SetBorderColorDkShadow(TColor value) {
  ChangeLook(FBorderColorDkShadow, value);
}
void TCustomExPanel::SetBorderColorFace(TColor value) {
  ChangeLook(FBorderColorFace, value);
}
void TCustomExPanel::SetBorderColorShadow(TColor value) {
  ChangeLook(FBorderColorShadow, value);
}
void TCustomExPanel::SetBorderColorHighlight(TColor value) {
  ChangeLook(FBorderColorHighlight, value);
}
void TCustomExPanel::SetBorderColorWindow(TColor value) {
  ChangeLook(FBorderColorWindow, value);
}
void TCustomExPanel::SetBevelSpaceColor(TColor value) {
  ChangeLook(FBevelSpaceColor, value);
}
void TCustomExPanel::SetAlignment(TAlignment value) {
  ChangeLook(FAlignment, value);
}
void TCustomExPanel::SetLayout(TTextLayout value) {
  ChangeLook(FLayout, value);
}
void TCustomExPanel::SetWordWrap(bool value) {
  ChangeLook(FWordWrap, value);
}
void TCustomExPanel::SetShowFocus(bool value) {
  ChangeLook(FShowFocus, value);
}
void TCustomExPanel::SetSizeGrip(bool value) {
  ChangeLook(FSizeGrip, value);
}
void TCustomExPanel::SetThemeMode(TThemeMode value) {
  if (value == FThemeMode)
    return;
  FThemeMode = value;
  ThemeModeChanged();
}
void TCustomExPanel::SetThemeGlobalMode(bool value) {
  if (value == FThemeGlobalMode)
    return;
  FThemeGlobalMode = value;
  ThemeModeChanged();
}

TThemeMode TCustomExPanel::UseThemeMode() const {
  return ThemeServices().ControlThemeMode(FThemeGlobalMode, FThemeMode);
}

void TCustomExPanel::ThemeModeChanged() {
  if (IsThemed() && HandleAllocated() && !IsDestroying()) {
    if (!Showing() || IsLoading() || IsReading() || IsDesigning())
      return;
    RecreateWnd();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
    return;
  }
  Invalidate();
}

void TCustomExPanel::WndProc(TMessage& message) {
  if (message.Msg == WM_THEMECHANGED) {
    ThemeModeChanged();
    message.Result = 1;
    return;
  }
  TCustomControl::WndProc(message);
}

void TCustomExPanel::Loaded() {
  TCustomControl::Loaded();
  FStyle.Apply();
}

void TCustomExPanel::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  FStyle.Notification(component, operation);
}

void TCustomExPanel::SetUseXPThemes(bool value) {
  if (const auto mode = ThemeModeForUseXPThemes(FThemeMode, value))
    SetThemeMode(*mode);
}

void TCustomExPanel::SetBevelOuter(TPanelBevelStyle value) {
  FBevelOuter = value;
  ChildAreaChanged();
}

void TCustomExPanel::SetBevelInner(TPanelBevelStyle value) {
  FBevelInner = value;
  ChildAreaChanged();
}

void TCustomExPanel::SetBevelWidth(int value) {
  FBevelWidth = std::max(value, 1);
  ChildAreaChanged();
}

void TCustomExPanel::ChildAreaChanged() {
  Realign();
  Invalidate();
}

void TCustomExPanel::AdjustClientRect(RECT& rect) {
  TCustomControl::AdjustClientRect(rect);
  const int bevels = (FBevelOuter != TPanelBevelStyle::bvNone) + (FBevelInner != TPanelBevelStyle::bvNone);
  InflateRect(&rect, -bevels * FBevelWidth, -bevels * FBevelWidth);
  if (FLeftGrabHandle.TakesSpace())
    rect.left += FLeftGrabHandle.GetSize();
  if (FRightGrabHandle.TakesSpace())
    rect.right -= FRightGrabHandle.GetSize();
  if (FTopGrabHandle.TakesSpace())
    rect.top += FTopGrabHandle.GetSize();
  if (FBottomGrabHandle.TakesSpace())
    rect.bottom -= FBottomGrabHandle.GetSize();
}

void TCustomExPanel::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(GetColor());
  canvas.FillRect(ClientRect());
}

const TClassInfo& TExPanel::StaticClass() {
  using C = TExPanel;
  static const TClassInfo info =
      TClassBuilder<C>("TExPanel", &TCustomExPanel::StaticClass())
          .Creatable()
          .Property<std::u16string>("Caption", &C::GetCaption, &C::SetCaption)
          .Property<TPanelBackgroundType>("BackgroundType", &C::GetBackgroundType, &C::SetBackgroundType)
          .Property<TColor>("GradientStartColor", &C::GetGradientStartColor, &C::SetGradientStartColor)
          .Property<TColor>("GradientEndColor", &C::GetGradientEndColor, &C::SetGradientEndColor)
          .Property<int>("GradientSteps", &C::GetGradientSteps, &C::SetGradientSteps)
          .Property<bool>("Transparent", &C::GetTransparent, &C::SetTransparent)
          .Property<bool>("TransparentXPThemes", &C::GetTransparentXPThemes, &C::SetTransparentXPThemes)
          .Property<std::uint8_t>("AlphaLevel", &C::GetAlphaLevel, &C::SetAlphaLevel)
          .Property<bool>("AlwaysPaintBackground", &C::GetAlwaysPaintBackground, &C::SetAlwaysPaintBackground)
          .Property<bool>("OwnerDraw", &C::GetOwnerDraw, &C::SetOwnerDraw)
          .Property<TBorderStyle>("BorderStyle", &C::GetBorderStyle, &C::SetBorderStyle)
          .Property<TExFlatBorderType>("BorderType", &C::GetBorderType, &C::SetBorderType)
          .Property<TExBorderSides>("BorderSides", &C::GetBorderSides, &C::SetBorderSides)
          .Property<TColor>("BorderColorDkShadow", &C::GetBorderColorDkShadow, &C::SetBorderColorDkShadow)
          .Property<TColor>("BorderColorFace", &C::GetBorderColorFace, &C::SetBorderColorFace)
          .Property<TColor>("BorderColorShadow", &C::GetBorderColorShadow, &C::SetBorderColorShadow)
          .Property<TColor>("BorderColorHighlight", &C::GetBorderColorHighlight, &C::SetBorderColorHighlight)
          .Property<TColor>("BorderColorWindow", &C::GetBorderColorWindow, &C::SetBorderColorWindow)
          .Property<TPanelBevelStyle>("BevelOuter", &C::GetBevelOuter, &C::SetBevelOuter)
          .Property<TPanelBevelStyle>("BevelInner", &C::GetBevelInner, &C::SetBevelInner)
          .Property<int>("BevelWidth", &C::GetBevelWidth, &C::SetBevelWidth)
          .Property<TColor>("BevelSpaceColor", &C::GetBevelSpaceColor, &C::SetBevelSpaceColor)
          .Property<TAlignment>("Alignment", &C::GetAlignment, &C::SetAlignment)
          .Property<TTextLayout>("Layout", &C::GetLayout, &C::SetLayout)
          .Property<bool>("WordWrap", &C::GetWordWrap, &C::SetWordWrap)
          .Property<bool>("ShowFocus", &C::GetShowFocus, &C::SetShowFocus)
          .Object("TopGrabHandle", &C::GetTopGrabHandle)
          .Object("RightGrabHandle", &C::GetRightGrabHandle)
          .Object("LeftGrabHandle", &C::GetLeftGrabHandle)
          .Object("BottomGrabHandle", &C::GetBottomGrabHandle)
          .Property<bool>("Resizable", &C::GetResizable, &C::SetResizable)
          .Property<bool>("Movable", &C::GetMovable, &C::SetMovable)
          .Property<bool>("SizeGrip", &C::GetSizeGrip, &C::SetSizeGrip)
          .Property<bool>("Locked", &C::GetLocked, &C::SetLocked)
          .Property<TThemeMode>("ThemeMode", &C::GetThemeMode, &C::SetThemeMode)
          .Property<bool>("ThemeGlobalMode", &C::GetThemeGlobalMode, &C::SetThemeGlobalMode)
          .Property<bool>("UseXPThemes", nullptr, &C::SetUseXPThemes)
          .Reference<TExStyleManager>("StyleManager", &C::GetStyleManager, &C::SetStyleManager)
          .Property<std::u16string>("StyleName", &C::GetStyleName, &C::SetStyleName)
          .Event<TNotifyEvent>("OnPaint", &C::OnPaint)
          .Event<TNotifyEvent>("OnMove", &C::OnMove)
          .Build();
  return info;
}

void RegisterPanelClasses() {
  RegisteredClasses().Register(TExPanel::StaticClass());
}
