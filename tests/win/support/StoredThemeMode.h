#pragma once
// The older descriptions store UseXPThemes instead of ThemeMode: one table of cases and one check for every
// themed control class. Header only: the programs that include it link the themed controls.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "StoredValues.h"
#include "ThemeMode.h"

struct TUseXPThemesCase {
  std::optional<TThemeMode> StoredMode;  // none: the description stores UseXPThemes alone
  bool UseXPThemes;
  TThemeMode Expected;
};

inline const TUseXPThemesCase kUseXPThemesCases[] = {
    {std::nullopt, false, TThemeMode::ttmNone},
    {TThemeMode::ttmPlatform, false, TThemeMode::ttmNone},
    {TThemeMode::ttmNone, true, TThemeMode::ttmPlatform},
    {TThemeMode::ttmNative, true, TThemeMode::ttmPlatform},
    {TThemeMode::ttmPlatform, true, TThemeMode::ttmPlatform},
};

// Reads every case through `read` as a component of `className` and checks the theme mode it ends with;
// UseXPThemes is never read back, so no description ever stores it again.
template <class T>
void ExpectUseXPThemesSetsThemeMode(const char* className,
                                    const std::function<T&(const TStreamObject&)>& read) {
  int n = 0;
  for (const TUseXPThemesCase& c : kUseXPThemesCases) {
    std::vector<TPropertyCase> values;
    if (c.StoredMode)
      values.push_back({"ThemeMode", Stored(*c.StoredMode)});
    values.push_back({"UseXPThemes", Stored(c.UseXPThemes)});
    const std::string name = "Themed" + std::to_string(n++);
    T& control = read(StoredObject(className, name, values));
    EXPECT_EQ(control.GetThemeMode(), c.Expected) << className << " " << name;
    EXPECT_FALSE(ReadPropertyValue(control, "UseXPThemes").has_value()) << className << " " << name;
  }
}
