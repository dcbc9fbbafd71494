// The theme services: a request that draws classic gets neutral answers and draws nothing; a themed one goes
// to the platform's visual styles.

#include <gtest/gtest.h>

#include "Pixels.h"
#include "ThemeServices.h"
#include "Themes.h"

namespace {

constexpr TThemedElementDetails kEditBorder{TThemedElement::teEdit, 1, 1};

// A white 20 x 20 bitmap selected into a memory context, for drawing requests.
class ThemeServicesDrawing : public testing::Test {
 protected:
  ThemeServicesDrawing() { FillRect(FDC.Get(), &FArea, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))); }
  bool AllWhite() const {
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (FDC.Pixel(x, y) != RGB(255, 255, 255))
          return false;
    return true;
  }

  TMemorySurface FDC{20, 20};
  const RECT FArea{0, 0, 20, 20};
};

TEST_F(ThemeServicesDrawing, ClassicRequestsDrawNothingAndAnswerNeutrally) {
  TThemeServices& services = ThemeServices();
  constexpr TThemeMode none = TThemeMode::ttmNone;
  EXPECT_EQ(services.UseTheme(none), none);
  EXPECT_FALSE(services.DrawElement(none, FDC.Get(), kEditBorder, FArea));
  EXPECT_FALSE(services.DrawThemeEdge(none, FDC.Get(), kEditBorder, FArea, EDGE_SUNKEN, BF_RECT));
  EXPECT_FALSE(services.DrawThemeText(none, FDC.Get(), kEditBorder, u"text", DT_LEFT, FArea));
  EXPECT_TRUE(AllWhite());
  EXPECT_EQ(services.GetThemeColor(none, kEditBorder, 3803), clNone);
  EXPECT_EQ(services.GetThemeSysColor(none, TThemedElement::teEdit, COLOR_WINDOW), clNone);
  EXPECT_FALSE(services.GetThemeFont(none, FDC.Get(), kEditBorder, 210));
  EXPECT_FALSE(services.GetThemeTextExtent(none, FDC.Get(), kEditBorder, u"text", DT_LEFT, &FArea));
  EXPECT_FALSE(services.GetThemePartSize(none, FDC.Get(), kEditBorder, TS_TRUE));
  EXPECT_FALSE(services.GetThemeBackgroundExtent(none, FDC.Get(), kEditBorder, FArea));
  EXPECT_FALSE(services.ContentRect(none, FDC.Get(), kEditBorder, FArea));
}

TEST_F(ThemeServicesDrawing, PlatformRequestsDrawWithTheVisualStylesInUse) {
  TThemeServices& services = ThemeServices();
  const bool inUse = ThemeApplication().GetUseXPThemes();
  EXPECT_EQ(services.UseTheme(TThemeMode::ttmPlatform),
            inUse ? TThemeMode::ttmPlatform : TThemeMode::ttmNone);
  // Without a custom renderer the native mode is the platform's.
  EXPECT_EQ(services.UseTheme(TThemeMode::ttmNative), services.UseTheme(TThemeMode::ttmPlatform));
  if (!inUse)
    GTEST_SKIP() << "no visual styles in use here";
  EXPECT_TRUE(
      services.DrawThemeEdge(TThemeMode::ttmPlatform, FDC.Get(), kEditBorder, FArea, EDGE_SUNKEN, BF_RECT));
  EXPECT_FALSE(AllWhite());
}

}  // namespace
