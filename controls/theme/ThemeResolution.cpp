#include "ThemeResolution.h"

bool XPThemesInUse(bool applicationAllowsXPThemes, const TVisualStyleState& platform) {
  return applicationAllowsXPThemes && platform.LibraryAvailable && platform.ThemeActive && platform.AppThemed;
}

TThemeMode UseTheme(TThemeMode mode, bool rendererEnabled, bool xpThemesInUse) {
  if (mode >= TThemeMode::ttmNative && rendererEnabled)
    return mode;
  if (mode == TThemeMode::ttmNone)
    return TThemeMode::ttmNone;
  return xpThemesInUse ? TThemeMode::ttmPlatform : TThemeMode::ttmNone;
}

TThemeMode RequestedThemeMode(bool followGlobalMode, TThemeMode controlMode,
                              TThemeMode applicationGlobalMode) {
  return followGlobalMode ? applicationGlobalMode : controlMode;
}

// False on ttmNative reads False already, yet still switches theming off: ttmNone.
std::optional<TThemeMode> ThemeModeForUseXPThemes(TThemeMode current, bool value) {
  const TThemeMode mode = value ? TThemeMode::ttmPlatform : TThemeMode::ttmNone;
  if (mode == current)
    return std::nullopt;
  return mode;
}
