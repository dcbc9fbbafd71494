// Children with ParentFont / ParentColor follow their parent; a font or colour of their own switches that
// off, also when it comes from a stored description.

#include <gtest/gtest.h>

#include "Reader.h"
#include "StdCtrls.h"
#include "TestControls.h"

namespace {

class PropagationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.GetFont()->SetName(u"Verdana");
    form.GetFont()->SetHeight(-13);
    panel = new TTestPanel(&form);
    panel->SetParent(&form);
    label = new TLabel(&form);
    label->SetParent(panel);
    own = new TLabel(&form);
    own->SetParent(panel);
    button = new TButton(&form);
    button->SetParent(panel);
  }

  TForm form{nullptr};
  TTestPanel* panel = nullptr;
  TLabel* label = nullptr;
  TLabel* own = nullptr;
  TButton* button = nullptr;
};

TEST_F(PropagationTest, ChildrenWithParentFontFollowEveryLevel) {
  EXPECT_EQ(label->GetFont()->GetName(), u"Verdana");
  EXPECT_EQ(label->GetFont()->GetHeight(), -13);
  own->GetFont()->SetHeight(-19);
  EXPECT_FALSE(own->GetParentFont());

  form.GetFont()->SetHeight(-15);
  form.GetFont()->SetStyle({TFontStyle::fsBold});
  EXPECT_EQ(panel->GetFont()->GetHeight(), -15);
  EXPECT_EQ(label->GetFont()->GetHeight(), -15);
  EXPECT_EQ(label->GetFont()->GetStyle(), TFontStyles{TFontStyle::fsBold});
  EXPECT_TRUE(label->GetParentFont());
  EXPECT_EQ(own->GetFont()->GetHeight(), -19);

  own->SetParentFont(true);
  EXPECT_EQ(own->GetFont()->GetHeight(), -15);
}

TEST_F(PropagationTest, SystemButtonGetsItsFontSent) {
  form.GetFont()->SetHeight(-17);
  HWND wnd = button->Handle();
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(wnd, WM_GETFONT, 0, 0)), button->GetFont()->Handle());
  form.GetFont()->SetHeight(-21);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(wnd, WM_GETFONT, 0, 0)), button->GetFont()->Handle());
  LOGFONTW described{};
  GetObjectW(button->GetFont()->Handle(), sizeof(described), &described);
  EXPECT_EQ(described.lfHeight, -21);
}

TEST_F(PropagationTest, ChildrenWithParentColorFollowAndOwnColourSwitchesItOff) {
  form.SetColor(clWhite);
  EXPECT_EQ(panel->GetColor(), clWhite);
  EXPECT_EQ(label->GetColor(), clWhite);
  own->SetColor(clRed);
  EXPECT_FALSE(own->GetParentColor());
  panel->SetColor(ColorValue(0x00CE7B00));
  EXPECT_FALSE(panel->GetParentColor());
  EXPECT_EQ(label->GetColor(), ColorValue(0x00CE7B00));
  EXPECT_EQ(own->GetColor(), clRed);
}

TEST_F(PropagationTest, ReparentedChildTakesTheNewParentsSettings) {
  auto* other = new TTestPanel(&form);
  other->SetParent(&form);
  other->GetFont()->SetName(u"Arial");
  other->SetColor(clYellow);
  label->SetParent(other);
  EXPECT_EQ(label->GetFont()->GetName(), u"Arial");
  EXPECT_EQ(label->GetColor(), clYellow);
}

TEST(StoredFontTest, StoredFontValueSwitchesParentFontOff) {
  TStreamValue height;
  height.Type = TValueType::vaInt8;
  height.Integer = -19;
  TStreamValue name;
  name.Type = TValueType::vaString;
  name.Bytes = "Verdana";
  TStreamValue parentColor;
  parentColor.Type = TValueType::vaFalse;
  const TStreamObject description{"TForm",
                                  "",
                                  {},
                                  {TStreamObject{"TLabel", "Styled", {{"Font.Height", height}}, {}},
                                   TStreamObject{"TLabel", "Named", {{"Font.Name", name}}, {}},
                                   TStreamObject{"TLabel", "Plain", {{"ParentColor", parentColor}}, {}}}};
  TForm form(nullptr);
  form.GetFont()->SetHeight(-13);
  RegisterStandardClasses();
  ReadComponentTree(form, description, RegisteredClasses());
  auto* styled = dynamic_cast<TLabel*>(form.FindComponent("Styled"));
  auto* named = dynamic_cast<TLabel*>(form.FindComponent("Named"));
  auto* plain = dynamic_cast<TLabel*>(form.FindComponent("Plain"));
  ASSERT_TRUE(styled && named && plain);
  EXPECT_FALSE(styled->GetParentFont());
  EXPECT_FALSE(named->GetParentFont());
  EXPECT_TRUE(plain->GetParentFont());
  form.GetFont()->SetHeight(-11);
  EXPECT_EQ(styled->GetFont()->GetHeight(), -19);
  EXPECT_EQ(named->GetFont()->GetHeight(), -13) << "the untouched height stays the parent's of the time";
  EXPECT_EQ(plain->GetFont()->GetHeight(), -11);
}

}  // namespace
