// Which style keys a control receives, in which order, and how the values reach its published properties.

#include <gtest/gtest.h>

#include "ClassInfo.h"
#include "ReadError.h"
#include "StreamConvert.h"
#include "StyleStore.h"
#include "Types.h"

namespace {

class TStyledFont : public TPersistent {
  OVANTA_CLASS(TStyledFont)

 public:
  TColor GetColor() const { return FColor; }
  void SetColor(TColor color) { FColor = color; }

 private:
  TColor FColor = clBlack;
};

class TStyledControl : public TComponent {
  OVANTA_CLASS(TStyledControl)

 public:
  explicit TStyledControl(TComponent* owner) : TComponent(owner) {}
  int GetWidth() const { return FWidth; }
  void SetWidth(int width) { FWidth = width; }
  const std::u16string& GetCaption() const { return FCaption; }
  void SetCaption(const std::u16string& caption) { FCaption = caption; }
  TStyledFont* GetFont() { return &FFont; }
  TComponent* GetBuddy() const { return FBuddy; }
  void SetBuddy(TComponent* buddy) { FBuddy = buddy; }

 private:
  int FWidth = 0;
  std::u16string FCaption;
  TStyledFont FFont;
  TComponent* FBuddy = nullptr;
};

const TClassInfo& TStyledFont::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStyledFont>("TStyledFont", &TPersistent::StaticClass())
          .Property<TColor>("Color", &TStyledFont::GetColor, &TStyledFont::SetColor)
          .Build();
  return info;
}

const TClassInfo& TStyledControl::StaticClass() {
  using C = TStyledControl;
  static const TClassInfo info = TClassBuilder<C>("TStyledControl", &TComponent::StaticClass())
                                     .Property<int>("Width", &C::GetWidth, &C::SetWidth)
                                     .Property<std::u16string>("Caption", &C::GetCaption, &C::SetCaption)
                                     .Object("Font", &C::GetFont)
                                     .Reference<TComponent>("Buddy", &C::GetBuddy, &C::SetBuddy)
                                     .Build();
  return info;
}

TStreamValue Int(int value) {
  return TStreamConvert<int>::To(value);
}

TStreamValue Text(const std::u16string& text) {
  return TStreamConvert<std::u16string>::To(text);
}

// The merged values as "name=integer" for compact comparisons.
std::vector<std::string> Names(const std::vector<TStreamProperty>& values) {
  std::vector<std::string> names;
  for (const TStreamProperty& value : values)
    names.push_back(value.Name + "=" + std::to_string(value.Value.Integer));
  return names;
}

using Strings = std::vector<std::string>;

TEST(StyleStore, StartsWithAnEmptyDefaultKeyOnly) {
  const TStyleStore store;
  EXPECT_TRUE(store.HasKey(u"(Default)"));
  EXPECT_TRUE(store.Values(u"(Default)").empty());
  EXPECT_FALSE(store.HasKey(u"TStyledControl"));
  EXPECT_TRUE(MergedStyle(store, u"TStyledControl", u"").empty());
  EXPECT_TRUE(MergedStyle(store, u"TStyledControl", u".Blue").empty());
}

TEST(StyleStore, SettingAValueAgainReplacesItInPlace) {
  TStyleStore store;
  store.SetValue(u"K", "Width", Int(1));
  store.SetValue(u"K", "Caption", Int(2));
  store.SetValue(u"k", "width", Int(3));
  EXPECT_EQ(Names(store.Values(u"K")), (Strings{"Width=3", "Caption=2"}));
}

struct TKeyChoiceCase {
  const char* What;
  std::u16string StyleName;
  bool WithClassKey;
  Strings Expected;
};

class StyleKeyChoiceTest : public testing::TestWithParam<TKeyChoiceCase> {};

TEST_P(StyleKeyChoiceTest, MergesTheKeysThatApply) {
  const TKeyChoiceCase& c = GetParam();
  TStyleStore store;
  store.SetValue(u"(Default)", "Width", Int(1));
  store.SetValue(u"(Default)", "Tag", Int(1));
  if (c.WithClassKey) {
    store.SetValue(u"TStyledControl", "InheritsFrom", Text(u"Base"));
    store.SetValue(u"TStyledControl", "Width", Int(2));
    store.SetValue(u"Base", "Height", Int(5));
  }
  store.SetValue(u".Wide", "Width", Int(3));
  store.SetValue(u"Wide", "Width", Int(4));
  EXPECT_EQ(Names(MergedStyle(store, u"TStyledControl", c.StyleName)), c.Expected) << c.What;
}

INSTANTIATE_TEST_SUITE_P(
    Table, StyleKeyChoiceTest,
    testing::Values(
        TKeyChoiceCase{"no class key: the default", u"", false, {"Width=1", "Tag=1"}},
        // The class key inherits from Base, which inherits from the default.
        TKeyChoiceCase{"class key with its parents first", u"", true, {"Width=2", "Tag=1", "Height=5"}},
        // A name without the leading dot selects nothing more.
        TKeyChoiceCase{"plain name ignored", u"Wide", true, {"Width=2", "Tag=1", "Height=5"}},
        // The named key inherits from the default, already merged: it adds only its own value.
        TKeyChoiceCase{"dotted name after the class key", u".Wide", true, {"Width=3", "Tag=1", "Height=5"}},
        TKeyChoiceCase{"dotted name after the default", u".Wide", false, {"Width=3", "Tag=1"}},
        TKeyChoiceCase{"missing dotted key", u".Narrow", false, {"Width=1", "Tag=1"}}));

TEST(StyleStore, InheritanceCyclesMergeEachKeyOnce) {
  TStyleStore store;
  store.SetValue(u"TStyledControl", "InheritsFrom", Text(u"A"));
  store.SetValue(u"TStyledControl", "Width", Int(1));
  store.SetValue(u"A", "InheritsFrom", Text(u"B"));
  store.SetValue(u"A", "Width", Int(2));
  store.SetValue(u"A", "Height", Int(2));
  store.SetValue(u"B", "InheritsFrom", Text(u"TStyledControl"));
  store.SetValue(u"B", "Height", Int(3));
  store.SetValue(u"B", "Left", Int(3));
  // B is merged first (the deepest parent), then A over it, then the class key over both.
  EXPECT_EQ(Names(MergedStyle(store, u"TStyledControl", u"")), (Strings{"Height=2", "Left=3", "Width=1"}));
}

TEST(StyleStore, WritesValuesToPublishedPropertiesByName) {
  TStyleStore store;
  store.SetValue(u"TStyledControl", "Width", Int(120));
  store.SetValue(u"TStyledControl", "Caption", Text(u"Styled"));
  store.SetValue(u"TStyledControl", "Font.Color", Int(0x00FF0000));
  // Names the control does not have, and references, are skipped.
  store.SetValue(u"TStyledControl", "Height", Int(7));
  store.SetValue(u"TStyledControl", "Pen.Color", Int(7));
  store.SetValue(u"TStyledControl", "Buddy", Int(7));

  TStyledControl control(nullptr);
  ApplyStoredStyle(store, control, u"");
  EXPECT_EQ(control.GetWidth(), 120);
  EXPECT_EQ(control.GetCaption(), u"Styled");
  EXPECT_EQ(control.GetFont()->GetColor(), TColor{0x00FF0000});
  EXPECT_EQ(control.GetBuddy(), nullptr);
}

TEST(StyleStore, AValueOfTheWrongKindIsAReadError) {
  TStyleStore store;
  store.SetValue(u"(Default)", "Width", Text(u"wide"));
  TStyledControl control(nullptr);
  EXPECT_THROW(ApplyStoredStyle(store, control, u""), EReadError);
}

}  // namespace
