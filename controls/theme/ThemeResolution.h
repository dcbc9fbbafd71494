#pragma once
// The rules that turn a control's theme settings into the mode it draws with. They depend only on their
// arguments; the platform's answers (is a renderer active, are visual styles in use) are passed in.

#include <cstdint>
#include <optional>

#include "ThemeMode.h"

// What the platform reports about visual styles for this process.
struct TVisualStyleState {
  bool LibraryAvailable = false;  // the visual-style library could be loaded
  bool ThemeActive = false;       // IsThemeActive
  bool AppThemed = false;         // IsAppThemed
};

// The application's UseXPThemes check: allowed by the application, and visual styles in use for the process.
bool XPThemesInUse(bool applicationAllowsXPThemes, const TVisualStyleState& platform);

// The mode a theme request for `mode` resolves to. `rendererEnabled`: a custom theme renderer is current and
// enabled; `xpThemesInUse`: the application's UseXPThemes check passes.
TThemeMode UseTheme(TThemeMode mode, bool rendererEnabled, bool xpThemesInUse);

// The mode a control asks for: the application's global mode when the control follows it, else its own.
TThemeMode RequestedThemeMode(bool followGlobalMode, TThemeMode controlMode,
                              TThemeMode applicationGlobalMode);

// The UseXPThemes property of a control reads True exactly for ttmPlatform.
constexpr bool UseXPThemesOf(TThemeMode mode) {
  return mode == TThemeMode::ttmPlatform;
}

// The ThemeMode that writing UseXPThemes = `value` gives: ttmPlatform for True, ttmNone for False; none when
// the control already has that mode.
std::optional<TThemeMode> ThemeModeForUseXPThemes(TThemeMode current, bool value);

// Whether the application takes a new UseXPThemes value: not the value it holds, and not True while the
// platform does not support visual styles.
bool AcceptsUseXPThemes(bool current, bool value, bool xpThemesSupported);

// The flags for the platform's theme-application properties when the application switches visual styles on
// (3: non-client areas and controls) or off (0); none when switching off for the family only, which leaves
// the rest of the process themed.
std::optional<std::uint32_t> ThemeAppPropertiesFor(bool useXPThemes, bool familyOnly);
