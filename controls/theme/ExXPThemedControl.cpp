#include "ExXPThemedControl.h"

#include <algorithm>
#include <utility>

#include "ThemeResolution.h"
#include "ThemedFrame.h"
#include "Themes.h"

const TClassInfo& TExXPThemedControl::StaticClass() {
  using C = TExXPThemedControl;
  static const TClassInfo info =
      TClassBuilder<C>("TExXPThemedControl", &TCustomControl::StaticClass())
          .Property<std::u16string>("About", &C::GetAbout, &C::SetAbout)
          .Reference<TExStyleManager>("StyleManager", &C::GetStyleManager, &C::SetStyleManager)
          .Property<std::u16string>("StyleName", &C::GetStyleName, &C::SetStyleName)
          // Older descriptions carry the Boolean UseXPThemes; it is read, never written back.
          .Property<bool>("UseXPThemes", nullptr, &C::SetUseXPThemes)
          .Property<TBevelKind>("BevelKind", &C::GetBevelKind, &C::SetBevelKind)
          .Property<TBevelCut>("BevelInner", &C::GetBevelInner, &C::SetBevelInner)
          .Property<TBevelCut>("BevelOuter", &C::GetBevelOuter, &C::SetBevelOuter)
          .Property<TBevelEdges>("BevelEdges", &C::GetBevelEdges, &C::SetBevelEdges)
          .Property<int>("BevelWidth", &C::GetBevelWidth, &C::SetBevelWidth)
          .Build();
  return info;
}

TExXPThemedControl::TExXPThemedControl(TComponent* owner) : TCustomControl(owner) {
  ++FCreating;
  FThemeMode = TThemeMode::ttmPlatform;
  if (--FCreating == 0)
    FStyle.AttachDefaultManager();
}

void TExXPThemedControl::SetStyleManager(TExStyleManager* manager) {
  FStyle.SetManager(manager);
}

void TExXPThemedControl::SetStyleName(const std::u16string& name) {
  FStyle.SetStyleName(name);
}

void TExXPThemedControl::SetThemeGlobalMode(bool value) {
  if (value == FThemeGlobalMode)
    return;
  FThemeGlobalMode = value;
  ThemeModeChanged();
}

void TExXPThemedControl::SetThemeMode(TThemeMode mode) {
  if (mode == FThemeMode)
    return;
  FThemeMode = mode;
  ThemeModeChanged();
}

bool TExXPThemedControl::GetUseXPThemes() const {
  return UseXPThemesOf(FThemeMode);
}

void TExXPThemedControl::SetUseXPThemes(bool value) {
  if (const auto mode = ThemeModeForUseXPThemes(FThemeMode, value))
    SetThemeMode(*mode);
}

TThemeMode TExXPThemedControl::UseThemeMode() const {
  return ThemeServices().ControlThemeMode(FThemeGlobalMode, FThemeMode);
}

void TExXPThemedControl::SetBevelKind(TBevelKind kind) {
  if (kind == FBevel.Kind)
    return;
  FBevel.Kind = kind;
  BevelChanged();
}

void TExXPThemedControl::SetBevelInner(TBevelCut cut) {
  if (cut == FBevel.Inner)
    return;
  FBevel.Inner = cut;
  BevelChanged();
}

void TExXPThemedControl::SetBevelOuter(TBevelCut cut) {
  if (cut == FBevel.Outer)
    return;
  FBevel.Outer = cut;
  BevelChanged();
}

void TExXPThemedControl::SetBevelEdges(TBevelEdges edges) {
  if (edges == FBevel.Edges)
    return;
  FBevel.Edges = edges;
  BevelChanged();
}

void TExXPThemedControl::SetBevelWidth(int width) {
  width = std::max(width, 1);
  if (width == FBevel.Width)
    return;
  FBevel.Width = width;
  BevelChanged();
}

void TExXPThemedControl::BevelChanged() {
  if (!HandleAllocated())
    return;
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TExXPThemedControl::ThemeModeChanged() {
  if (IsThemed() && HandleAllocated() && !IsDestroying()) {
    if (!Showing() || IsLoading() || IsReading())
      return;
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    return;
  }
  Invalidate();
}

void TExXPThemedControl::Loaded() {
  TCustomControl::Loaded();
  FStyle.Apply();
}

void TExXPThemedControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  FStyle.Notification(component, operation);
}

void TExXPThemedControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_THEMECHANGED:
      ThemeModeChanged();
      message.Result = 1;
      return;
    case WM_STYLECHANGING:
      if (FPreventStyleChange) {
        // The change is refused: the window keeps the styles it has.
        if (auto* styles = reinterpret_cast<STYLESTRUCT*>(message.LParam))
          styles->styleNew = styles->styleOld;
        message.Result = 0;
        return;
      }
      break;
    case WM_STYLECHANGED:
      if (FPreventStyleChange) {
        message.Result = 0;
        return;
      }
      break;
    case WM_SETREDRAW:
      TCustomControl::WndProc(message);
      if (message.WParam != 0 && GetVisible() && HandleAllocated())
        ReapplyScrollPositions();
      return;
    case WM_NCCALCSIZE:
      TCustomControl::WndProc(message);
      // Both forms of the message start with the proposed client rectangle.
      ReserveBevel(*reinterpret_cast<RECT*>(message.LParam), FBevel);
      return;
    case WM_NCPAINT:
      PaintNonClient(message);
      return;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

void TExXPThemedControl::PaintNonClient(TMessage& message) {
  const TThemeMode mode = UseThemeMode();
  if (mode == TThemeMode::ttmNone) {
    TCustomControl::WndProc(message);
    PaintClassicBevel(Handle(), FBevel, HasCtl3DLook(), ColorToRGB(GetColor()));
    return;
  }
  if (FBevel.Kind != TBevelKind::bkNone || GetBorderWidth() > 0)
    PaintThemedFrame(Handle(), FBevel, HasCtl3DLook(), GetBorderWidth(), mode, ThemeElement());
  // The rest of the non-client area, such as the scroll bars.
  TCustomControl::WndProc(message);
}

// Writing each bar's position back with redraw makes the bars repaint after drawing was switched on again.
void TExXPThemedControl::ReapplyScrollPositions() {
  const HWND window = Handle();
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  for (const auto& [styleBit, bar] : {std::pair{WS_HSCROLL, SB_HORZ}, std::pair{WS_VSCROLL, SB_VERT}}) {
    if ((static_cast<DWORD>(style) & styleBit) == 0)
      continue;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    if (GetScrollInfo(window, bar, &info))
      SetScrollInfo(window, bar, &info, TRUE);
  }
}
