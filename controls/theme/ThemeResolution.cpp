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

bool AcceptsUseXPThemes(bool current, bool value, bool xpThemesSupported) {
  return value != current && (!value || xpThemesSupported);
}

std::optional<std::uint32_t> ThemeAppPropertiesFor(bool useXPThemes, bool familyOnly) {
  constexpr std::uint32_t nonClientAndControls = 3;
  if (useXPThemes)
    return nonClientAndControls;
  if (familyOnly)
    return std::nullopt;
  return 0;
}
