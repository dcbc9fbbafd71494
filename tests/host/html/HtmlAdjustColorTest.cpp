// Making text readable against a reference colour, with every expected channel worked out by hand.

#include <gtest/gtest.h>

#include "HtmlAdjustColor.h"
#include "HtmlRecordingCanvas.h"

namespace {

TEST(HtmlAdjustColor, LightnessOnTheScaleUpTo252) {
  const struct {
    TColor Color;
    int Lightness;
  } cases[] = {
      {clBlack, 0},                 // 255 / 510 = 0.5, rounded to even
      {clWhite, 252},               // 128775 / 510 = 252.5, rounded to even
      {ColorValue(0x808080), 127},  // 64767 / 510 = 126.99
      {ColorValue(0xA1A1A1), 160},  // 81399 / 510 = 159.6
      {ColorValue(0xA2A2A2), 161},  // 81903 / 510 = 160.6
      {clRed, 126},                 // (255 + 0) * 252 + 255 = 64515; / 510 = 126.5, rounded to even
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(HexColor(test.Color));
    EXPECT_EQ(ColorLightness(test.Color), test.Lightness);
  }
}

TEST(HtmlAdjustColor, LightensAgainstDarkAndDarkensAgainstLightReferences) {
  const TFixedColors colors;
  const struct {
    TColor C;
    TColor Ref;
    TColor Expected;
  } cases[] = {
      // Against black each channel gains half its distance to 255, halves rounded up:
      // 0x30 + 207/2 -> 48 + 104 = 0x98, 0x20 + 223/2 -> 32 + 112 = 0x90, 0x10 + 239/2 -> 16 + 120 = 0x88.
      {ColorValue(0x102030), clBlack, ColorValue(0x889098)},
      // Mid grey (lightness 127) still lightens: black becomes 0 + 255/2 -> 128.
      {clBlack, ColorValue(0x808080), ColorValue(0x808080)},
      // Lightness 160 lightens, 161 darkens.
      {ColorValue(0xC8C8C8), ColorValue(0xA1A1A1), ColorValue(0xE4E4E4)},
      {ColorValue(0xC8C8C8), ColorValue(0xA2A2A2), ColorValue(0xACACAC)},
      // Against white each channel loses half its distance to 255, halves to even, never below 0:
      // 0x20: 32 - 112 -> 0; 0xC8: 200 - 27.5 -> 200 - 28 = 0xAC; 0xCA: 202 - 26.5 -> 202 - 26 = 0xB0.
      {ColorValue(0xCAC820), clWhite, ColorValue(0xB0AC00)},
      // System colours are converted first: clWindowText is black here, clWindow white.
      {clWindowText, clBlack, ColorValue(0x808080)},
      {clGrayText, clWindow, ColorValue(0x242424)},  // 0x6D: 109 - 73 = 36
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(HexColor(test.C) + " against " + HexColor(test.Ref));
    EXPECT_EQ(HexColor(AdjustColor(test.C, test.Ref, colors)), HexColor(test.Expected));
  }
}

TEST(HtmlAdjustColor, NoReferenceLeavesTheColourAsItIs) {
  const TFixedColors colors;
  for (const TColor color : {ColorValue(0x123456), clWindowText, clWhite})
    EXPECT_EQ(AdjustColor(color, clNone, colors), color);
}

}  // namespace
