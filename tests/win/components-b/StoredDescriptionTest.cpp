// The edit box and the busy indicator built from stored descriptions with the dialog's values: every value
// arrives in its property, the stored-only extras are understood and events bind to the root's handlers.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BusyMarquee.h"
#include "ExEdits.h"
#include "Forms.h"
#include "StoredValues.h"

namespace {

// Controls need a windowed parent: the root is a form.
class TDescriptionRoot : public TForm {
  OVANTA_CLASS(TDescriptionRoot)

 public:
  explicit TDescriptionRoot(TComponent* owner) : TForm(owner) {}
  void EditChanged(TObject* sender) { Changes.push_back(static_cast<TComponent*>(sender)->GetName()); }
  std::vector<std::string> Changes;
};

const TClassInfo& TDescriptionRoot::StaticClass() {
  static const TClassInfo info = TClassBuilder<TDescriptionRoot>("TDescriptionRoot", &TForm::StaticClass())
                                     .Method("EditChanged", &TDescriptionRoot::EditChanged)
                                     .Build();
  return info;
}

const TColor kDarkBlue = ColorValue(12283648);

// ExEdit1 as the dialog stores it.
std::vector<TPropertyCase> DialogEditValues() {
  return {
      {"Left", Stored(126)},
      {"Top", Stored(314)},
      {"Width", Stored(193)},
      {"Height", Stored(24)},
      {"Flat", Stored(true)},
      {"BorderColorDkShadow", Stored(clWhite)},
      {"BorderColorFace", Stored(clWhite)},
      {"BorderColorShadow", Stored(kDarkBlue)},
      {"BorderColorHighlight", Stored(kDarkBlue)},
      {"BorderColorWindow", Stored(kDarkBlue)},
      {"ThemeMode", Stored(TThemeMode::ttmNone)},
      {"UseCustomScrollBars", Stored(false)},
      {"Text", StoredText(u"")},
  };
}

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

TStreamObject Object(const char* className, const char* name, const std::vector<TPropertyCase>& values) {
  TStreamObject object{className, name, {}, {}};
  for (const TPropertyCase& c : values)
    object.Properties.push_back(TStreamProperty{c.Path, c.Value});
  return object;
}

class StoredDescription : public testing::Test {
 protected:
  // The size of the panel the dialog's indicator fills.
  StoredDescription() { FRoot.SetClientSize(445, 417); }

  static void SetUpTestSuite() {
    RegisterEditClasses();
    RegisterBusyClasses();
  }

  // Reads a description of the root with `children` and returns the child named `name`.
  template <class T>
  T& Read(std::vector<TStreamObject> children, const char* name) {
    TStreamObject description{"TDescriptionRoot", "Root", {}, std::move(children)};
    ReadComponentTree(FRoot, description, RegisteredClasses());
    auto* child = dynamic_cast<T*>(FRoot.FindComponent(name));
    if (!child)
      throw std::runtime_error(std::string("no component ") + name);
    return *child;
  }

  TDescriptionRoot FRoot{nullptr};
};

TEST_F(StoredDescription, DialogEditValuesArrive) {
  std::vector<TPropertyCase> values = DialogEditValues();
  std::vector<TPropertyCase> stored = values;
  stored.push_back({"OnChange", stream_convert::IdentValue("EditChanged")});
  auto& edit = Read<TExEdit>({Object("TExEdit", "ExEdit1", stored)}, "ExEdit1");
  for (const TPropertyCase& c : values)
    EXPECT_TRUE(HoldsValue(edit, c));
  EXPECT_FALSE(edit.IsThemed());

  // The bound handler hears changes made by code once they are reported.
  edit.SetNotifyUserChangeOnly(false);
  edit.SetText(u"4711");
  EXPECT_EQ(FRoot.Changes, std::vector<std::string>{"ExEdit1"});
}

TEST_F(StoredDescription, OlderUseXPThemesSetsTheThemeMode) {
  auto& off = Read<TExEdit>(
      {Object("TExEdit", "Off", {{"UseXPThemes", Stored(false)}}),
       Object("TExEdit", "On", {{"ThemeMode", Stored(TThemeMode::ttmNone)}, {"UseXPThemes", Stored(true)}})},
      "Off");
  EXPECT_EQ(off.GetThemeMode(), TThemeMode::ttmNone);
  auto* on = dynamic_cast<TExEdit*>(FRoot.FindComponent("On"));
  ASSERT_NE(on, nullptr);
  EXPECT_EQ(on->GetThemeMode(), TThemeMode::ttmPlatform);
  // Never written back: it has no stored value of its own.
  EXPECT_FALSE(ReadPropertyValue(*on, "UseXPThemes").has_value());
}

TEST_F(StoredDescription, DialogMarqueeValuesArrive) {
  std::vector<TPropertyCase> stored = DialogMarqueeValues();
  stored.push_back({"KSVStyle", Stored(0)});
  auto& marquee = Read<TBusyMarquee>({Object("TBusyMarquee", "BusyMarqueeUserSynchronization", stored)},
                                     "BusyMarqueeUserSynchronization");
  for (const TPropertyCase& c : DialogMarqueeValues())
    EXPECT_TRUE(HoldsValue(marquee, c));
  EXPECT_EQ(marquee.GetComponentStyle(), TKSVStyle::tsOffice2003Blue);
  EXPECT_EQ(marquee.GetPosition(), 0.0f);
  // The values the dialog does not store keep their defaults.
  EXPECT_TRUE(HoldsValue(marquee, {"Fill.ColorTo", Stored(ColorValue(0x808080))}));
  EXPECT_TRUE(HoldsValue(marquee, {"Bullets.Count", Stored(6)}));
}

TEST_F(StoredDescription, KSVStyleIsStoredWithoutApplyingColours) {
  auto& marquee = Read<TBusyMarquee>({Object("TBusyMarquee", "Styled", {{"KSVStyle", Stored(5)}})}, "Styled");
  EXPECT_EQ(marquee.GetComponentStyle(), TKSVStyle::tsOffice2007Obsidian);
  EXPECT_TRUE(HoldsValue(marquee, {"Fill.Color", Stored(ColorValue(0xC0C0C0))}));
  EXPECT_TRUE(HoldsValue(marquee, {"Bullets.Color", Stored(ColorValue(0x00E16941))}));
  EXPECT_FALSE(ReadPropertyValue(marquee, "KSVStyle").has_value());
}

struct TBadValue {
  const char* ClassName;
  TPropertyCase Property;
  const char* Named;  // the error names this
};

void PrintTo(const TBadValue& c, std::ostream* out) {
  *out << c.ClassName << "." << c.Property.Path;
}

class BadStoredValue : public StoredDescription, public testing::WithParamInterface<TBadValue> {};

TEST_P(BadStoredValue, NamesTheProperty) {
  const TBadValue& c = GetParam();
  try {
    Read<TComponent>({Object(c.ClassName, "Child", {c.Property})}, "Child");
    FAIL() << "read without error";
  } catch (const EReadError& e) {
    EXPECT_NE(std::string(e.what()).find(c.Named), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadStoredValue,
    testing::Values(
        TBadValue{"TExEdit", {"Flat", Stored(3)}, "Flat"},
        TBadValue{"TExEdit", {"ActiveBorderType", stream_convert::IdentValue("fbtWavy")}, "ActiveBorderType"},
        TBadValue{"TBusyMarquee", {"Bullets.Colour", Stored(clBlack)}, "Colour"},
        TBadValue{"TBusyMarquee", {"Fill.GradientType", Stored(true)}, "GradientType"},
        TBadValue{"TBusyMarquee", {"KSVStyle", StoredText(u"tsWindows7")}, "KSVStyle"}));

}  // namespace
