#include "ExXPThemedControl.h"

#include <utility>

#include "ThemeResolution.h"
#include "Themes.h"

const TClassInfo& TExXPThemedControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TExXPThemedControl>("TExXPThemedControl", &TCustomControl::StaticClass())
          .Property<std::u16string>("About", &TExXPThemedControl::GetAbout, &TExXPThemedControl::SetAbout)
          .Property<std::u16string>("StyleName", &TExXPThemedControl::GetStyleName,
                                    &TExXPThemedControl::SetStyleName)
          // Older descriptions carry the Boolean UseXPThemes; it is read, never written back.
          .Property<bool>("UseXPThemes", nullptr, &TExXPThemedControl::SetUseXPThemes)
          .Build();
  return info;
}

TExXPThemedControl::TExXPThemedControl(TComponent* owner) : TCustomControl(owner) {}

void TExXPThemedControl::SetStyleName(const std::u16string& name) {
  FStyleName = name;
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
  return UseTheme(RequestedThemeMode(FThemeGlobalMode, FThemeMode, ApplicationThemeGlobalMode()));
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

void TExXPThemedControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_THEMECHANGED:
      ThemeModeChanged();
      message.Result = 1;
      return;
    case WM_STYLECHANGING:
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
    default:
      break;
  }
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
