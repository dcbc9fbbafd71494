// The themed base's reactions to theme and style messages, and its non-client frame.

#include <gtest/gtest.h>

#include "ShownForm.h"
#include "ThemeProbe.h"
#include "Themes.h"

namespace {

using ThemedControl = ShownFormTest;

bool HasUpdateRegion(HWND window) {
  return GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

TEST_F(ThemedControl, ThemeChangeToAHiddenControlAnswersOneAndShowsNothing) {
  auto* probe = AddControl<TThemeProbe>();
  probe->SetBounds(10, 10, 100, 40);
  probe->Hide();
  Show();
  const HWND window = probe->Handle();
  RECT before{};
  GetWindowRect(window, &before);
  const LONG style = GetWindowLongW(window, GWL_STYLE);

  EXPECT_EQ(SendMessageW(window, WM_THEMECHANGED, 0, 0), 1);

  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(GetWindowLongW(window, GWL_STYLE), style);
  RECT after{};
  GetWindowRect(window, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_FALSE(HasUpdateRegion(FForm->Handle())) << "the form must not repaint for a hidden control";
}

TEST_F(ThemedControl, PreventStyleChangeKeepsTheWindowStyle) {
  auto* kept = AddControl<TThemeProbe>();
  auto* free = AddControl<TThemeProbe>();
  kept->PreventStyleChange(true);
  Show();
  for (TThemeProbe* probe : {kept, free}) {
    const HWND window = probe->Handle();
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(static_cast<DWORD>(style) | WS_VSCROLL));
    const bool changed = GetWindowLongW(window, GWL_STYLE) != style;
    EXPECT_EQ(changed, probe == free) << (probe == kept ? "prevented" : "free");
  }
}

TEST_F(ThemedControl, SettingTheCurrentThemeModeRedrawsNothing) {
  auto* probe = AddControl<TThemeProbe>();
  probe->SetBounds(0, 0, 60, 30);
  Show();
  UpdateWindow(probe->Handle());
  probe->Invalidations = 0;
  probe->SetThemeMode(TThemeMode::ttmNone);
  EXPECT_EQ(probe->Invalidations, 1) << "a new mode repaints";
  UpdateWindow(probe->Handle());

  probe->SetThemeMode(TThemeMode::ttmNone);
  probe->SetThemeGlobalMode(false);
  EXPECT_EQ(probe->Invalidations, 1);
  EXPECT_FALSE(HasUpdateRegion(probe->Handle()));
}

TEST_F(ThemedControl, UseXPThemesWritesSelectTheMode) {
  auto* probe = AddControl<TThemeProbe>();
  probe->SetThemeMode(TThemeMode::ttmNative);
  probe->SetUseXPThemes(false);
  EXPECT_EQ(probe->GetThemeMode(), TThemeMode::ttmNone);
  probe->SetUseXPThemes(true);
  EXPECT_EQ(probe->GetThemeMode(), TThemeMode::ttmPlatform);
  EXPECT_TRUE(probe->GetUseXPThemes());
}

TEST_F(ThemedControl, ThemeModeNoneIsNeverThemedAndGlobalModeFollowsTheApplication) {
  auto* probe = AddControl<TThemeProbe>();
  probe->SetThemeMode(TThemeMode::ttmNone);
  EXPECT_FALSE(probe->IsThemed());
  probe->SetThemeMode(TThemeMode::ttmPlatform);
  EXPECT_EQ(probe->IsThemed(), ThemeApplication().GetUseXPThemes());
  probe->SetThemeGlobalMode(true);
  ThemeApplication().SetThemeGlobalMode(TThemeMode::ttmNone);
  EXPECT_FALSE(probe->IsThemed());
  ThemeApplication().SetThemeGlobalMode(TThemeMode::ttmPlatform);
  EXPECT_EQ(probe->IsThemed(), ThemeApplication().GetUseXPThemes());
}

// A raised outer bevel of 2 pixels on every edge, no inner one.
void GiveRaisedBevel(TThemeProbe& probe) {
  probe.SetBevelInner(TBevelCut::bvNone);
  probe.SetBevelOuter(TBevelCut::bvRaised);
  probe.SetBevelWidth(2);
  probe.SetBevelKind(TBevelKind::bkTile);
}

TEST_F(ThemedControl, BevelTakesItsWidthFromTheClientArea) {
  auto* probe = AddControl<TThemeProbe>();
  probe->SetBounds(20, 20, 80, 40);
  GiveRaisedBevel(*probe);
  probe->SetBevelEdges(TBevelEdges{TBevelEdge::beLeft, TBevelEdge::beTop});
  Show();
  RECT client{};
  GetClientRect(probe->Handle(), &client);
  EXPECT_EQ(client.right, 78);
  EXPECT_EQ(client.bottom, 38);
}

TEST_F(ThemedControl, ClassicFrameDrawsTheBevelAroundTheClientArea) {
  auto* probe = AddControl<TThemeProbe>();
  probe->SetBounds(20, 20, 80, 40);
  probe->SetColor(clFuchsia);
  probe->SetThemeMode(TThemeMode::ttmNone);
  GiveRaisedBevel(*probe);
  Show();
  RedrawWindow(probe->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  // A raised outer edge: light at the top and left, dark at the bottom and right; inside it the rest of the
  // bevel's width in the control's colour.
  EXPECT_EQ(WindowPixel(*probe, 0, 0), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(WindowPixel(*probe, 79, 39), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(WindowPixel(*probe, 1, 20), ColorToRGB(clFuchsia));
  EXPECT_EQ(WindowPixel(*probe, 40, 20), ColorToRGB(clFuchsia));
}

}  // namespace
