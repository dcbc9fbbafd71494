#include "Themes.h"

#include <windows.h>

#include "ThemeResolution.h"

namespace {

// The application's theme settings keep their start-up values: visual styles allowed, global mode
// ttmPlatform.
constexpr bool kApplicationAllowsXPThemes = true;
constexpr TThemeMode kApplicationThemeGlobalMode = TThemeMode::ttmPlatform;

using TThemeQuery = BOOL(WINAPI*)();

TThemeQuery ThemeQuery(HMODULE library, const char* name) {
  if (!library)
    return nullptr;
  // Through the generic function pointer type, which converts to any other without a cast warning.
  return reinterpret_cast<TThemeQuery>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

// The library is loaded once and kept for the life of the process; the answers are asked each time, as the
// user may switch visual styles while the program runs.
TVisualStyleState QueryVisualStyles() {
  static const HMODULE library = LoadLibraryW(L"uxtheme.dll");
  static const TThemeQuery isThemeActive = ThemeQuery(library, "IsThemeActive");
  static const TThemeQuery isAppThemed = ThemeQuery(library, "IsAppThemed");
  TVisualStyleState state;
  state.LibraryAvailable = isThemeActive && isAppThemed;
  state.ThemeActive = state.LibraryAvailable && isThemeActive();
  state.AppThemed = state.LibraryAvailable && isAppThemed();
  return state;
}

}  // namespace

bool ApplicationUsesXPThemes() {
  return XPThemesInUse(kApplicationAllowsXPThemes, QueryVisualStyles());
}

TThemeMode ApplicationThemeGlobalMode() {
  return kApplicationThemeGlobalMode;
}

TThemeMode UseTheme(TThemeMode mode) {
  // No custom theme renderer is registered in this program.
  constexpr bool rendererEnabled = false;
  return UseTheme(mode, rendererEnabled, ApplicationUsesXPThemes());
}
