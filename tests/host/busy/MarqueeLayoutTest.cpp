// The busy indicator's train: its length, the per-tick motion, the wrap at the right end and the bullet
// layout.

#include <gtest/gtest.h>

#include <array>

#include "MarqueeLayout.h"

namespace {

constexpr TMarqueeTrain kDefaultTrain{6, 10, 10, 3};
// The dialog's indicator fills its 445 x 417 panel.
constexpr int kDialogWidth = 445;
constexpr int kDialogHeight = 417;
constexpr float kDefaultStretch = 1.7f;

TEST(MarqueeTrainLength, CountsOneSpacingPerBulletLessOnePixel) {
  EXPECT_EQ(MarqueeTrainLength(kDefaultTrain), 77.0f);
  EXPECT_EQ(MarqueeTrainLength(TMarqueeTrain{1, 10, 10, 3}), 12.0f);
  EXPECT_EQ(MarqueeTrainLength(TMarqueeTrain{4, 8, 8, 0}), 31.0f);
}

struct TLayoutCase {
  float Position;
  std::array<float, 6> Lefts;  // bullet left edges, rounded to two decimals
};

class DialogLayoutTest : public testing::TestWithParam<TLayoutCase> {};

TEST_P(DialogLayoutTest, BulletLeftEdges) {
  const TLayoutCase& c = GetParam();
  const auto rects =
      MarqueeBulletRects(c.Position, kDialogWidth, kDialogHeight, kDefaultStretch, kDefaultTrain);
  ASSERT_EQ(rects.size(), 6u);
  for (std::size_t b = 0; b < rects.size(); ++b) {
    EXPECT_NEAR(rects[b].X, c.Lefts[b], 0.006) << "bullet " << b;
    EXPECT_EQ(rects[b].Y, 203.0f) << "bullet " << b;
    EXPECT_EQ(rects[b].Width, 10.0f);
    EXPECT_EQ(rects[b].Height, 10.0f);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, DialogLayoutTest,
    testing::Values(
        // In the band the bullets keep their pitch of 13 px.
        TLayoutCase{0.0f, {156.55f, 169.55f, 182.55f, 195.55f, 208.55f, 221.55f}},
        TLayoutCase{50.0f, {206.55f, 219.55f, 232.55f, 245.55f, 258.55f, 271.55f}},
        // Entering from the left: bullets left of the band are pushed further left, the rear ones most.
        TLayoutCase{-50.0f, {72.84f, 98.76f, 121.76f, 141.84f, 158.55f, 171.55f}},
        TLayoutCase{-150.0f, {-296.82f, -211.35f, -134.64f, -66.70f, -7.52f, 42.90f}},
        // Leaving on the right: bullets right of the band are pushed further right, the leading one most.
        TLayoutCase{150.0f, {312.99f, 341.19f, 378.16f, 423.89f, 478.38f, 541.64f}}));

TEST(MarqueeBulletRects, BulletOnTheBandEdgeStaysInPlace) {
  // With stretch 1 the band is [183.5, 260.5]; at position 12 the leading bullet sits exactly on its right
  // edge.
  const auto rects = MarqueeBulletRects(12.0f, kDialogWidth, kDialogHeight, 1.0f, kDefaultTrain);
  ASSERT_EQ(rects.size(), 6u);
  EXPECT_EQ(rects[5].X, 260.5f);
  EXPECT_EQ(rects[0].X, 195.5f);
}

TEST(MarqueeBulletRects, NarrowBandPushesBulletsAheadOnceMoving) {
  const float stretch = 0.5f;
  const auto still = MarqueeBulletRects(0.0f, kDialogWidth, kDialogHeight, stretch, kDefaultTrain);
  const auto moving = MarqueeBulletRects(1.0f, kDialogWidth, kDialogHeight, stretch, kDefaultTrain);
  ASSERT_EQ(still.size(), 6u);
  ASSERT_EQ(moving.size(), 6u);
  // At position 0 nothing is displaced: the pitch is the nominal 13 px although the train overhangs the band.
  EXPECT_FLOAT_EQ(still[5].X - still[0].X, 65.0f);
  // Moving right, the leading bullet beyond the band is pushed more than one pixel.
  EXPECT_GT(moving[5].X - still[5].X, 1.0f);
}

TEST(MarqueeBulletRects, NoBulletsWithoutCount) {
  EXPECT_TRUE(MarqueeBulletRects(0.0f, kDialogWidth, kDialogHeight, kDefaultStretch, {0, 10, 10, 3}).empty());
  EXPECT_TRUE(
      MarqueeBulletRects(0.0f, kDialogWidth, kDialogHeight, kDefaultStretch, {-2, 10, 10, 3}).empty());
}

TEST(MarqueeBulletRects, SingleBulletIsPulledWithFactorOne) {
  const TMarqueeTrain single{1, 10, 10, 3};
  // L = 12, band width 20.4, band left 211.8; position -50 puts the bullet 50 px left of the band.
  const auto rects = MarqueeBulletRects(-50.0f, kDialogWidth, kDialogHeight, kDefaultStretch, single);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_NEAR(rects[0].X, 161.8f + 50.0f * (-50.0f / 445.0f), 0.001);
}

TEST(WrapMarqueePosition, OnlyTheRightEndWraps) {
  // W / 2 + L / 2 = 222.5 + 38.5 = 261 for the dialog.
  EXPECT_EQ(WrapMarqueePosition(262.0f, kDialogWidth, 77.0f), -261.0f);
  EXPECT_EQ(WrapMarqueePosition(261.0f, kDialogWidth, 77.0f), 261.0f);
  EXPECT_EQ(WrapMarqueePosition(-1000.0f, kDialogWidth, 77.0f), -1000.0f);
  EXPECT_EQ(WrapMarqueePosition(0.0f, kDialogWidth, 77.0f), 0.0f);
}

TEST(NextMarqueePosition, MovesByStepOverFactor) {
  EXPECT_FLOAT_EQ(*NextMarqueePosition(0.0f, 10.0f, 3.0f), 10.0f / 3.0f);
  EXPECT_FLOAT_EQ(*NextMarqueePosition(100.0f, -10.0f, 3.0f), 100.0f - 10.0f / 3.0f);
}

TEST(NextMarqueePosition, NeverLessThanTheMinimumStep) {
  EXPECT_FLOAT_EQ(*NextMarqueePosition(5.0f, 0.02f, 3.0f), 5.0f + kMarqueeMinimumStep);
}

TEST(NextMarqueePosition, StepsBelowTheMinimumFreezeTheTrain) {
  EXPECT_FALSE(NextMarqueePosition(5.0f, 0.0f, 3.0f).has_value());
  EXPECT_FALSE(NextMarqueePosition(5.0f, 0.005f, 3.0f).has_value());
  EXPECT_FALSE(NextMarqueePosition(5.0f, -0.005f, 3.0f).has_value());
}

TEST(NextMarqueePosition, DialogSweepTakes157Ticks) {
  const float trainLength = MarqueeTrainLength(kDefaultTrain);
  float position = WrapMarqueePosition(1000.0f, kDialogWidth, trainLength);
  ASSERT_EQ(position, -261.0f);
  int ticks = 0;
  for (;;) {
    const auto next = NextMarqueePosition(position, 10.0f, 3.0f);
    ASSERT_TRUE(next.has_value());
    ++ticks;
    const float stored = WrapMarqueePosition(*next, kDialogWidth, trainLength);
    if (stored < position)
      break;  // wrapped back to the left
    position = stored;
    ASSERT_LT(ticks, 1000);
  }
  EXPECT_EQ(ticks, 157);
}

}  // namespace
