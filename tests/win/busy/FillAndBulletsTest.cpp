// The fill and the bullet settings: change notification, batching, and copying every setting with Assign.

#include <gtest/gtest.h>

#include <vector>

#include "BusyMarquee.h"
#include "GDIPFill.h"
#include "StoredValues.h"

namespace {

// A value other than the default for every published setting of a fill.
std::vector<TPropertyCase> OtherFillValues() {
  return {
      {"Color", Stored(clRed)},
      {"ColorTo", Stored(clBlue)},
      {"ColorMirror", Stored(clGreen)},
      {"ColorMirrorTo", Stored(clYellow)},
      {"GradientType", Stored(TGradientType::gtAngle)},
      {"GradientMirrorType", Stored(TGradientType::gtRadial)},
      {"HatchStyle", Stored(HatchStyle::HatchStyleWave)},
      {"HatchStyleMirror", Stored(HatchStyle::HatchStyleSphere)},
      {"Opacity", Stored(std::uint8_t{10})},
      {"OpacityTo", Stored(std::uint8_t{20})},
      {"OpacityMirror", Stored(std::uint8_t{30})},
      {"OpacityMirrorTo", Stored(std::uint8_t{40})},
      {"BorderColor", Stored(clMaroon)},
      {"BorderOpacity", Stored(std::uint8_t{50})},
      {"BorderWidth", Stored(3)},
      {"Rounding", Stored(7)},
      {"RoundingType", Stored(TFillRoundingType::rtLeft)},
      {"ShadowColor", Stored(clTeal)},
      {"ShadowOffset", Stored(4)},
      {"ShadowType", Stored(TShadowType::stSurround)},
      {"Angle", Stored(45)},
      {"Glow", Stored(TGlowMode::gmRadial)},
      {"GlowGradientColor", Stored(clNavy)},
      {"GlowRadialColor", Stored(clPurple)},
      {"PicturePosition", Stored(TFillPicturePosition::ppCustom)},
      {"PictureLeft", Stored(5)},
      {"PictureTop", Stored(6)},
      {"PictureSize", Stored(TFillPictureSize::psCustom)},
      {"PictureWidth", Stored(70)},
      {"PictureHeight", Stored(80)},
      {"PictureAspectRatio", Stored(true)},
      {"PictureAspectMode", Stored(TPictureMode::pmNormal)},
      {"BackGroundPictureMode", Stored(TFillPictureMode::pmInsideFill)},
      {"BackGroundPicturePosition", Stored(TFillPicturePosition::ppTiled)},
      {"BackGroundPictureLeft", Stored(8)},
      {"BackGroundPictureTop", Stored(9)},
      {"BackGroundPictureAspectRatio", Stored(true)},
      {"BackGroundPictureAspectMode", Stored(TPictureMode::pmNormal)},
  };
}

std::vector<TPropertyCase> OtherBulletValues() {
  return {
      {"Color", Stored(clRed)},
      {"BorderColor", Stored(clBlue)},
      {"Opacity", Stored(std::uint8_t{100})},
      {"BorderOpacity", Stored(std::uint8_t{110})},
      {"Count", Stored(4)},
      {"Width", Stored(7)},
      {"Height", Stored(8)},
      {"Spacing", Stored(2)},
      {"Shape", Stored(TBusyMarqueeBulletShape::bsTriangle)},
  };
}

void Apply(TPersistent& instance, const std::vector<TPropertyCase>& values) {
  TComponent root(nullptr);
  for (const TPropertyCase& c : values) {
    const TPropertyInfo* property = instance.Class().FindProperty(c.Path);
    ASSERT_NE(property, nullptr) << c.Path;
    property->Read(instance, c.Value, root);
  }
}

class FillChanges : public testing::Test {
 protected:
  FillChanges() {
    FFill.OnChange = [this](TObject* sender) {
      EXPECT_EQ(sender, &FFill);
      ++FChanges;
    };
  }
  TGDIPFill FFill;
  int FChanges = 0;
};

TEST_F(FillChanges, OnlyADifferentValueNotifies) {
  FFill.SetColor(FFill.GetColor());
  FFill.SetRounding(0);
  EXPECT_EQ(FChanges, 0);
  FFill.SetColor(clWhite);
  FFill.SetGlow(TGlowMode::gmGradient);
  EXPECT_EQ(FChanges, 2);
}

TEST_F(FillChanges, NothingIsReportedWhileUpdating) {
  FFill.BeginUpdate();
  FFill.SetColor(clWhite);
  FFill.BeginUpdate();
  FFill.SetBorderWidth(5);
  FFill.EndUpdate();
  FFill.SetAngle(30);
  FFill.EndUpdate();
  EXPECT_EQ(FChanges, 0);
  // More EndUpdate than BeginUpdate does not hold back later notifications.
  FFill.EndUpdate();
  FFill.SetAngle(60);
  EXPECT_EQ(FChanges, 1);
}

TEST_F(FillChanges, PicturesReportThroughTheFill) {
  FFill.GetPicture()->SetData({0x89, 'P', 'N', 'G'});
  EXPECT_EQ(FChanges, 1);
  EXPECT_FALSE(FFill.GetPicture()->Empty());
  TGDIPPicture other;
  other.SetData({1, 2, 3});
  FFill.SetBackGroundPicture(other);
  EXPECT_GE(FChanges, 2);
  EXPECT_EQ(FFill.GetBackGroundPicture()->Data(), (std::vector<std::uint8_t>{1, 2, 3}));
  // The owned picture given back to its own setter is kept as it is.
  FFill.SetPicture(*FFill.GetPicture());
  EXPECT_EQ(FFill.GetPicture()->Data(), (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G'}));
}

TEST_F(FillChanges, AssignCopiesEverySettingButFocus) {
  TGDIPFill source;
  Apply(source, OtherFillValues());
  source.GetPicture()->SetData({1, 2});
  source.GetBackGroundPicture()->SetData({3});
  source.SetFocus(true);
  source.SetFocusColor(clRed);

  FFill.Assign(source);
  for (const TPropertyCase& c : OtherFillValues())
    EXPECT_TRUE(HoldsValue(FFill, c));
  EXPECT_EQ(FFill.GetPicture()->Data(), (std::vector<std::uint8_t>{1, 2}));
  EXPECT_EQ(FFill.GetBackGroundPicture()->Data(), (std::vector<std::uint8_t>{3}));
  EXPECT_FALSE(FFill.GetFocus());
  EXPECT_EQ(FFill.GetFocusColor(), clBlack);
  EXPECT_GE(FChanges, 1);
}

TEST_F(FillChanges, AssignFromAnotherKindChangesNothing) {
  TBusyMarquee marquee(nullptr);
  FFill.Assign(*marquee.GetBullets());
  EXPECT_EQ(FChanges, 0);
  EXPECT_EQ(FFill.GetColor(), ColorValue(0xC0C0C0));
}

TEST(Bullets, AssignCopiesEverySetting) {
  TBusyMarquee source(nullptr);
  TBusyMarquee target(nullptr);
  Apply(*source.GetBullets(), OtherBulletValues());
  target.SetBullets(*source.GetBullets());
  for (const TPropertyCase& c : OtherBulletValues())
    EXPECT_TRUE(HoldsValue(*target.GetBullets(), c));
  EXPECT_EQ(target.GetTrainLength(), 4.0f * 7.0f + (4.0f * 2.0f - 1.0f));
}

TEST(Bullets, AssignFromAnotherKindChangesNothing) {
  TBusyMarquee marquee(nullptr);
  TGDIPFill fill;
  marquee.GetBullets()->Assign(fill);
  EXPECT_EQ(marquee.GetBullets()->GetCount(), 6);
}

TEST(BusyMarquee, AssignCopiesBulletsAndFillOnly) {
  TBusyMarquee source(nullptr);
  TBusyMarquee target(nullptr);
  Apply(*source.GetBullets(), OtherBulletValues());
  Apply(*source.GetFill(), OtherFillValues());
  source.SetTransparent(true);
  source.SetAnimationStep(2.0f);
  source.SetAnimate(false);
  target.Assign(source);
  for (const TPropertyCase& c : OtherBulletValues())
    EXPECT_TRUE(HoldsValue(*target.GetBullets(), c));
  for (const TPropertyCase& c : OtherFillValues())
    EXPECT_TRUE(HoldsValue(*target.GetFill(), c));
  EXPECT_FALSE(target.GetTransparent());
  EXPECT_EQ(target.GetAnimationStep(), 10.0f);
  EXPECT_TRUE(target.GetAnimate());
}

}  // namespace
