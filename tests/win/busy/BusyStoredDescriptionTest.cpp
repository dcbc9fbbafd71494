// The busy indicator built from stored descriptions with the dialog's values: every value arrives in its
// property and the stored-only KSVStyle is understood.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BadStoredValue.h"
#include "BusyMarquee.h"
#include "StoredDescriptionTest.h"
#include "StoredValues.h"

namespace {

// BusyMarqueeUserSynchronization as the dialog stores it, without its extra KSVStyle.
std::vector<TPropertyCase> DialogMarqueeValues() {
  return {
      {"Left", Stored(0)},
      {"Top", Stored(0)},
      {"Width", Stored(445)},
      {"Height", Stored(417)},
      {"AnimationStretchFactor", Stored(1.7f)},
      {"AnimationFactor", Stored(3.0f)},
      {"AnimationStep", Stored(10.0f)},
      {"Fill.Color", Stored(clWhite)},
      {"Fill.ColorMirror", Stored(clNone)},
      {"Fill.ColorMirrorTo", Stored(clNone)},
      {"Fill.GradientType", Stored(TGradientType::gtSolid)},
      {"Fill.GradientMirrorType", Stored(TGradientType::gtSolid)},
      {"Fill.BorderColor", Stored(clWhite)},
      {"Fill.Rounding", Stored(0)},
      {"Fill.ShadowOffset", Stored(0)},
      {"Fill.Glow", Stored(TGlowMode::gmNone)},
      {"Bullets.Color", Stored(clBlack)},
      {"Align", Stored(TAlign::alClient)},
  };
}

class MarqueeDescription : public StoredDescriptionTest<RegisterBusyClasses> {
 protected:
  // The size of the panel the dialog's indicator fills.
  MarqueeDescription() { FRoot.SetClientSize(445, 417); }
};

TEST_F(MarqueeDescription, DialogMarqueeValuesArrive) {
  std::vector<TPropertyCase> stored = DialogMarqueeValues();
  stored.push_back({"KSVStyle", Stored(0)});
  auto& marquee =
      FRoot.ReadChild<TBusyMarquee>({StoredObject("TBusyMarquee", "BusyMarqueeUserSynchronization", stored)},
                                    "BusyMarqueeUserSynchronization");
  ExpectHoldsAll(marquee, DialogMarqueeValues());
  EXPECT_EQ(marquee.GetComponentStyle(), TKSVStyle::tsOffice2003Blue);
  EXPECT_EQ(marquee.GetPosition(), 0.0f);
  // The values the dialog does not store keep their defaults.
  EXPECT_TRUE(HoldsValue(marquee, {"Fill.ColorTo", Stored(ColorValue(0x808080))}));
  EXPECT_TRUE(HoldsValue(marquee, {"Bullets.Count", Stored(6)}));
}

TEST_F(MarqueeDescription, KSVStyleIsStoredWithoutApplyingColours) {
  auto& marquee = FRoot.ReadChild<TBusyMarquee>(
      {StoredObject("TBusyMarquee", "Styled", {{"KSVStyle", Stored(5)}})}, "Styled");
  EXPECT_EQ(marquee.GetComponentStyle(), TKSVStyle::tsOffice2007Obsidian);
  EXPECT_TRUE(HoldsValue(marquee, {"Fill.Color", Stored(ColorValue(0xC0C0C0))}));
  EXPECT_TRUE(HoldsValue(marquee, {"Bullets.Color", Stored(ColorValue(0x00E16941))}));
  EXPECT_FALSE(ReadPropertyValue(marquee, "KSVStyle").has_value());
}

class BadStoredValue : public MarqueeDescription, public testing::WithParamInterface<TBadValue> {};

TEST_P(BadStoredValue, NamesTheProperty) {
  ExpectReadErrorNamingTheProperty(FRoot, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadStoredValue,
    testing::Values(TBadValue{"TBusyMarquee", {"Bullets.Colour", Stored(clBlack)}, "Colour"},
                    TBadValue{"TBusyMarquee", {"Fill.GradientType", Stored(true)}, "GradientType"},
                    TBadValue{"TBusyMarquee", {"KSVStyle", StoredText(u"tsWindows7")}, "KSVStyle"}));

}  // namespace
