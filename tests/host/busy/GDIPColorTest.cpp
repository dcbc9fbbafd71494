// Colour values converted to GDI+'s 0xAARRGGBB.

#include <gtest/gtest.h>

#include "GDIPColor.h"

namespace {

int gAskedIndex = -1;

std::uint32_t FakeSystemColor(int index) {
  gAskedIndex = index;
  return 0x00332211;  // red 0x11, green 0x22, blue 0x33
}

std::uint32_t NoSystemColor(int) {
  ADD_FAILURE() << "a plain colour asked for a system colour";
  return 0;
}

struct TARGBCase {
  std::uint8_t Alpha;
  TColor Color;
  std::uint32_t Expected;
};

class MakeARGBTest : public testing::TestWithParam<TARGBCase> {};

TEST_P(MakeARGBTest, PlainColours) {
  const TARGBCase& c = GetParam();
  EXPECT_EQ(MakeARGB(c.Alpha, c.Color, &NoSystemColor), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Table, MakeARGBTest,
                         testing::Values(TARGBCase{255, clWhite, 0xFFFFFFFF},
                                         TARGBCase{128, clBlack, 0x80000000},
                                         TARGBCase{255, clRed, 0xFFFF0000}, TARGBCase{0, clBlue, 0x000000FF},
                                         TARGBCase{255, ColorValue(0x00BB6F00), 0xFF006FBB}));

TEST(MakeARGB, ResolvesSystemColoursByIndex) {
  gAskedIndex = -1;
  EXPECT_EQ(MakeARGB(200, clBtnFace, &FakeSystemColor), 0xC8112233u);
  EXPECT_EQ(gAskedIndex, 15);
}

}  // namespace
