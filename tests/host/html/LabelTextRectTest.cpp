// The rectangle an HTML label draws its text in, for every layout and alignment.

#include <gtest/gtest.h>

#include "LabelTextRect.h"

namespace {

struct TTextRectCase {
  const char* What;
  TLabelTextPlacement Placement;
  THtmlRect Expected;
};

constexpr auto kTop = TTextLayout::tlTop;
constexpr auto kCenter = TTextLayout::tlCenter;
constexpr auto kBottom = TTextLayout::tlBottom;
constexpr auto kLeft = TAlignment::taLeftJustify;
constexpr auto kRight = TAlignment::taRightJustify;
constexpr auto kMiddle = TAlignment::taCenter;

const TTextRectCase kCases[] = {
    {"top left fills the inner area", {445, 65, 16, {300, 20}, kTop, kLeft}, {16, 16, 429, 49}},
    {"top left without border", {100, 40, 0, {30, 10}, kTop, kLeft}, {0, 0, 100, 40}},
    {"bottom: one pixel above the inner bottom edge",
     {100, 40, 5, {30, 10}, kBottom, kLeft},
     {5, 24, 95, 35}},
    {"centre of the header band", {411, 59, 0, {250, 17}, kCenter, kLeft}, {0, 21, 411, 38}},
    {"centre with odd heights truncates", {100, 41, 3, {20, 9}, kCenter, kLeft}, {3, 16, 97, 25}},
    {"centre of a text taller than the area starts at the border",
     {100, 30, 4, {20, 50}, kCenter, kLeft},
     {4, 4, 96, 26}},
    {"right alignment keeps the right border", {200, 40, 10, {50, 12}, kTop, kRight}, {140, 10, 190, 30}},
    {"centred alignment ignores the border", {201, 40, 30, {50, 12}, kTop, kMiddle}, {75, 30, 125, 10}},
    {"centred both ways", {200, 100, 0, {60, 20}, kCenter, kMiddle}, {70, 40, 130, 60}},
    {"bottom right", {200, 100, 2, {60, 20}, kBottom, kRight}, {138, 77, 198, 98}},
    {"empty text in the centre is empty", {200, 100, 0, {0, 0}, kCenter, kMiddle}, {100, 50, 100, 50}},
    {"text wider than the label centres to the left of 0",
     {100, 20, 0, {121, 10}, kTop, kMiddle},
     {-10, 0, 111, 20}},
};

TEST(LabelTextRect, PlacesTheTextByLayoutAndAlignment) {
  for (const auto& c : kCases) {
    const THtmlRect r = LabelTextRect(c.Placement);
    EXPECT_EQ(r.Left, c.Expected.Left) << c.What;
    EXPECT_EQ(r.Top, c.Expected.Top) << c.What;
    EXPECT_EQ(r.Right, c.Expected.Right) << c.What;
    EXPECT_EQ(r.Bottom, c.Expected.Bottom) << c.What;
  }
}

}  // namespace
