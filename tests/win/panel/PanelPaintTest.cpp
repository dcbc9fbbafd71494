// The panel's simple painting on a shown form, read back from the window's pixels.

#include <gtest/gtest.h>

#include "ExPanel.h"
#include "ShownForm.h"

namespace {

constexpr TColor kBlue = ColorValue(0x00CE7B00);

using PanelPainting = HeaderBandFormTest;

TEST_F(PanelPainting, PanelShowsItsColourEverywhere) {
  auto* panel = AddControl<TExPanel>();
  panel->SetBounds(0, 0, 445, 65);
  panel->SetThemeMode(TThemeMode::ttmNone);
  panel->SetBevelOuter(TPanelBevelStyle::bvNone);
  panel->SetBorderType(TExFlatBorderType::fbtNone);
  panel->SetColor(kBlue);
  Show();
  UpdateWindow(panel->Handle());
  for (POINT p : {POINT{0, 0}, POINT{444, 0}, POINT{0, 64}, POINT{444, 64}, POINT{222, 32}})
    EXPECT_EQ(ClientPixel(*panel, p), ColorToRGB(kBlue)) << "at " << p.x << ", " << p.y;
}

}  // namespace
