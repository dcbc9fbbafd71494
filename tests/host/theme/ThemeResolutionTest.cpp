// How a control's theme settings and the platform's answers resolve to the mode it draws with.

#include <gtest/gtest.h>

#include "ThemeResolution.h"

namespace {

using enum TThemeMode;

struct TUseThemeCase {
  TThemeMode Mode;
  bool RendererEnabled;
  bool XPThemesInUse;
  TThemeMode Expected;
};

class UseThemeTest : public testing::TestWithParam<TUseThemeCase> {};

TEST_P(UseThemeTest, Resolves) {
  const TUseThemeCase& c = GetParam();
  EXPECT_EQ(UseTheme(c.Mode, c.RendererEnabled, c.XPThemesInUse), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Table, UseThemeTest,
                         testing::Values(
                             // ttmNone is never themed, whatever the platform offers.
                             TUseThemeCase{ttmNone, false, true, ttmNone},
                             TUseThemeCase{ttmNone, true, true, ttmNone},
                             TUseThemeCase{ttmPlatform, false, true, ttmPlatform},
                             // Visual styles switched off: classic drawing.
                             TUseThemeCase{ttmPlatform, false, false, ttmNone},
                             // A renderer serves only ttmNative.
                             TUseThemeCase{ttmPlatform, true, false, ttmNone},
                             // ttmNative without a renderer behaves exactly like ttmPlatform.
                             TUseThemeCase{ttmNative, false, true, ttmPlatform},
                             TUseThemeCase{ttmNative, false, false, ttmNone},
                             TUseThemeCase{ttmNative, true, false, ttmNative}));

TEST(RequestedThemeMode, FollowsTheApplicationOnlyWhenAsked) {
  EXPECT_EQ(RequestedThemeMode(false, ttmPlatform, ttmNone), ttmPlatform);
  EXPECT_EQ(RequestedThemeMode(true, ttmPlatform, ttmNone), ttmNone);
  EXPECT_EQ(RequestedThemeMode(true, ttmNone, ttmPlatform), ttmPlatform);
}

TEST(RequestedThemeMode, GlobalNoneIsUnthemedEvenWithPlatformStylesInUse) {
  EXPECT_EQ(UseTheme(RequestedThemeMode(true, ttmPlatform, ttmNone), false, true), ttmNone);
}

struct TPlatformCase {
  bool Allowed;
  TVisualStyleState Platform;
  bool Expected;
};

class XPThemesInUseTest : public testing::TestWithParam<TPlatformCase> {};

TEST_P(XPThemesInUseTest, NeedsEveryCondition) {
  const TPlatformCase& c = GetParam();
  EXPECT_EQ(XPThemesInUse(c.Allowed, c.Platform), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Table, XPThemesInUseTest,
                         testing::Values(TPlatformCase{true, {true, true, true}, true},
                                         TPlatformCase{false, {true, true, true}, false},
                                         TPlatformCase{true, {false, true, true}, false},
                                         TPlatformCase{true, {true, false, true}, false},
                                         TPlatformCase{true, {true, true, false}, false}));

TEST(UseXPThemes, ReadsTrueForPlatformOnly) {
  EXPECT_FALSE(UseXPThemesOf(ttmNone));
  EXPECT_TRUE(UseXPThemesOf(ttmPlatform));
  EXPECT_FALSE(UseXPThemesOf(ttmNative));
}

struct TWriteCase {
  TThemeMode Current;
  bool Value;
  std::optional<TThemeMode> Expected;  // none: nothing changes
};

class UseXPThemesWriteTest : public testing::TestWithParam<TWriteCase> {};

TEST_P(UseXPThemesWriteTest, GivesThemeMode) {
  const TWriteCase& c = GetParam();
  EXPECT_EQ(ThemeModeForUseXPThemes(c.Current, c.Value), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UseXPThemesWriteTest,
    testing::Values(TWriteCase{ttmNative, false, ttmNone}, TWriteCase{ttmNative, true, ttmPlatform},
                    TWriteCase{ttmPlatform, true, std::nullopt}, TWriteCase{ttmPlatform, false, ttmNone},
                    TWriteCase{ttmNone, false, std::nullopt}, TWriteCase{ttmNone, true, ttmPlatform}));

struct TApplicationWriteCase {
  bool Current;
  bool Value;
  bool Supported;
  bool Accepted;
};

class ApplicationUseXPThemesWriteTest : public testing::TestWithParam<TApplicationWriteCase> {};

TEST_P(ApplicationUseXPThemesWriteTest, IsTakenOnlyWhenItChangesSomethingPossible) {
  const TApplicationWriteCase& c = GetParam();
  EXPECT_EQ(AcceptsUseXPThemes(c.Current, c.Value, c.Supported), c.Accepted);
}

INSTANTIATE_TEST_SUITE_P(Table, ApplicationUseXPThemesWriteTest,
                         testing::Values(TApplicationWriteCase{true, true, true, false},
                                         TApplicationWriteCase{false, false, true, false},
                                         TApplicationWriteCase{true, false, true, true},
                                         TApplicationWriteCase{true, false, false, true},
                                         TApplicationWriteCase{false, true, true, true},
                                         // Switching on is refused where visual styles are not supported.
                                         TApplicationWriteCase{false, true, false, false}));

TEST(ThemeAppProperties, OnThemesEverythingOffLeavesTheProcessAloneForTheFamilyOnly) {
  EXPECT_EQ(ThemeAppPropertiesFor(true, false), 3u);
  EXPECT_EQ(ThemeAppPropertiesFor(true, true), 3u);
  EXPECT_EQ(ThemeAppPropertiesFor(false, false), 0u);
  EXPECT_EQ(ThemeAppPropertiesFor(false, true), std::nullopt);
}

}  // namespace
