// The construction values of every published property are a contract with the stored descriptions, which
// store only what differs from them.

#include <gtest/gtest.h>

#include <bit>
#include <vector>

#include "BusyMarquee.h"
#include "StoredValues.h"

namespace {

std::vector<TPropertyCase> MarqueeDefaults() {
  return {
      {"AnimationStretchFactor", Stored(1.7f)},
      {"Transparent", Stored(false)},
      {"Animate", Stored(true)},
      {"AnimationFactor", Stored(3.0f)},
      {"AnimationStep", Stored(10.0f)},
      {"TabStop", Stored(true)},
      {"Width", Stored(400)},
      {"Height", Stored(20)},
      {"Bullets.Color", Stored(ColorValue(0x00E16941))},
      {"Bullets.BorderColor", Stored(clNone)},
      {"Bullets.Opacity", Stored(std::uint8_t{255})},
      {"Bullets.BorderOpacity", Stored(std::uint8_t{255})},
      {"Bullets.Count", Stored(6)},
      {"Bullets.Width", Stored(10)},
      {"Bullets.Height", Stored(10)},
      {"Bullets.Spacing", Stored(3)},
      {"Bullets.Shape", Stored(TBusyMarqueeBulletShape::bsEllipse)},
  };
}

std::vector<TPropertyCase> FillDefaults() {
  return {
      {"Color", Stored(ColorValue(0xC0C0C0))},
      {"ColorTo", Stored(ColorValue(0x808080))},
      {"ColorMirror", Stored(clNone)},
      {"ColorMirrorTo", Stored(clNone)},
      {"GradientType", Stored(TGradientType::gtVertical)},
      {"GradientMirrorType", Stored(TGradientType::gtSolid)},
      {"HatchStyle", Stored(HatchStyle::HatchStyleHorizontal)},
      {"HatchStyleMirror", Stored(HatchStyle::HatchStyleHorizontal)},
      {"Opacity", Stored(std::uint8_t{255})},
      {"OpacityTo", Stored(std::uint8_t{255})},
      {"OpacityMirror", Stored(std::uint8_t{255})},
      {"OpacityMirrorTo", Stored(std::uint8_t{255})},
      {"BorderColor", Stored(clNone)},
      {"BorderOpacity", Stored(std::uint8_t{255})},
      {"BorderWidth", Stored(1)},
      {"Rounding", Stored(0)},
      {"RoundingType", Stored(TFillRoundingType::rtBoth)},
      {"ShadowColor", Stored(ColorValue(0x808080))},
      {"ShadowOffset", Stored(0)},
      {"ShadowType", Stored(TShadowType::stRightBottom)},
      {"Angle", Stored(0)},
      {"Glow", Stored(TGlowMode::gmNone)},
      {"GlowGradientColor", Stored(ColorValue(0xFFFFFF))},
      {"GlowRadialColor", Stored(ColorValue(0xFFFFFF))},
      {"PicturePosition", Stored(TFillPicturePosition::ppTopLeft)},
      {"PictureLeft", Stored(0)},
      {"PictureTop", Stored(0)},
      {"PictureSize", Stored(TFillPictureSize::psOriginal)},
      {"PictureWidth", Stored(50)},
      {"PictureHeight", Stored(50)},
      {"PictureAspectRatio", Stored(false)},
      {"PictureAspectMode", Stored(TPictureMode::pmStretch)},
      {"BackGroundPictureMode", Stored(TFillPictureMode::pmOutsideFill)},
      {"BackGroundPicturePosition", Stored(TFillPicturePosition::ppTopLeft)},
      {"BackGroundPictureLeft", Stored(0)},
      {"BackGroundPictureTop", Stored(0)},
      {"BackGroundPictureAspectRatio", Stored(false)},
      {"BackGroundPictureAspectMode", Stored(TPictureMode::pmStretch)},
  };
}

TEST(Defaults, BusyMarqueeAndBullets) {
  TBusyMarquee marquee(nullptr);
  ExpectHoldsAll(marquee, MarqueeDefaults());
  EXPECT_EQ(std::bit_cast<std::uint32_t>(marquee.GetAnimationStretchFactor()), 0x3FD9999Au);
  EXPECT_EQ(marquee.GetPosition(), 0.0f);
  EXPECT_EQ(marquee.GetComponentStyle(), TKSVStyle::tsOffice2003Blue);
  EXPECT_EQ(marquee.GetTrainLength(), 77.0f);
}

TEST(Defaults, GDIPFillStandaloneAndInTheMarquee) {
  TGDIPFill fill;
  TBusyMarquee marquee(nullptr);
  for (const TPropertyCase& c : FillDefaults()) {
    EXPECT_TRUE(HoldsValue(fill, c));
    EXPECT_TRUE(HoldsValue(marquee, TPropertyCase{"Fill." + c.Path, c.Value}));
  }
  EXPECT_TRUE(fill.GetPicture()->Empty());
  EXPECT_TRUE(fill.GetBackGroundPicture()->Empty());
  EXPECT_FALSE(fill.GetFocus());
  EXPECT_EQ(fill.GetFocusColor(), clBlack);
}

}  // namespace
