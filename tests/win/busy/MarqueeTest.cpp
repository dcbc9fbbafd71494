// The busy indicator as a control: position, wrap and layout at its own size, and its simple painting.

#include <gtest/gtest.h>

#include <cmath>

#include "BusyMarquee.h"
#include "ShownForm.h"

namespace {

TEST(BusyMarqueePosition, WrapsAtTheControlsRightEnd) {
  TBusyMarquee marquee(nullptr);
  marquee.SetBounds(0, 0, 445, 417);
  marquee.SetPosition(262.0f);
  EXPECT_EQ(marquee.GetPosition(), -261.0f);
  marquee.SetPosition(250.0f);
  marquee.Step(5.0f);
  EXPECT_EQ(marquee.GetPosition(), 255.0f);
  marquee.Step(7.0f);
  EXPECT_EQ(marquee.GetPosition(), -261.0f);
}

TEST(BusyMarqueePosition, BulletsAtPositionZeroForTheDialogsSize) {
  TBusyMarquee marquee(nullptr);
  marquee.SetBounds(0, 0, 445, 417);
  const auto rects = marquee.GetBulletRects();
  ASSERT_EQ(rects.size(), 6u);
  for (std::size_t b = 0; b < rects.size(); ++b) {
    EXPECT_NEAR(rects[b].X, 156.55f + 13.0f * static_cast<float>(b), 0.001) << "bullet " << b;
    EXPECT_EQ(rects[b].Y, 203.0f);
  }
}

class MarqueePainting : public ShownFormTest {};

TEST_F(MarqueePainting, FillColourBehindBulletsInTheirColour) {
  auto* marquee = AddControl<TBusyMarquee>();
  marquee->SetBounds(0, 0, 445, 417);
  marquee->SetAnimate(false);  // the train stays at position 0
  marquee->GetFill()->SetColor(ColorValue(0x00336699));
  marquee->GetBullets()->SetColor(clBlack);
  Show();
  UpdateWindow(marquee->Handle());
  const TWindowDC owner(marquee->Handle());
  const HDC dc = owner.Get();
  // The centre of each bullet is black, the space between them and the corners show the fill.
  for (int b = 0; b < 6; ++b) {
    const int centreX = static_cast<int>(std::lround(156.55 + 13.0 * b + 5.0));
    EXPECT_EQ(GetPixel(dc, centreX, 208), 0x000000u) << "bullet " << b;
    EXPECT_EQ(GetPixel(dc, centreX + 7, 208), 0x00336699u) << "gap after bullet " << b;
  }
  EXPECT_EQ(GetPixel(dc, 0, 0), 0x00336699u);
  EXPECT_EQ(GetPixel(dc, 444, 416), 0x00336699u);
}

}  // namespace
