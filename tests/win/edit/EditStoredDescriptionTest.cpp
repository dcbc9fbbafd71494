// The edit box built from stored descriptions with the dialog's values: every value arrives in its property,
// the older UseXPThemes is understood and events bind to the root's handlers.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DescriptionRoot.h"
#include "ExEdits.h"
#include "StoredValues.h"

namespace {

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

class EditDescription : public testing::Test {
 protected:
  EditDescription() { FRoot.SetClientSize(445, 417); }

  static void SetUpTestSuite() { RegisterEditClasses(); }

  TDescriptionRoot FRoot{nullptr};
};

TEST_F(EditDescription, DialogEditValuesArrive) {
  std::vector<TPropertyCase> values = DialogEditValues();
  std::vector<TPropertyCase> stored = values;
  stored.push_back({"OnChange", stream_convert::IdentValue("EditChanged")});
  auto& edit = FRoot.ReadChild<TExEdit>({StoredObject("TExEdit", "ExEdit1", stored)}, "ExEdit1");
  ExpectHoldsAll(edit, values);
  EXPECT_FALSE(edit.IsThemed());

  // The bound handler hears changes made by code once they are reported.
  edit.SetNotifyUserChangeOnly(false);
  edit.SetText(u"4711");
  EXPECT_EQ(FRoot.Calls, std::vector<std::string>{"change ExEdit1"});
}

TEST_F(EditDescription, OlderUseXPThemesSetsTheThemeMode) {
  auto& off = FRoot.ReadChild<TExEdit>(
      {StoredObject("TExEdit", "Off", {{"UseXPThemes", Stored(false)}}),
       StoredObject("TExEdit", "On",
                    {{"ThemeMode", Stored(TThemeMode::ttmNone)}, {"UseXPThemes", Stored(true)}})},
      "Off");
  EXPECT_EQ(off.GetThemeMode(), TThemeMode::ttmNone);
  auto* on = dynamic_cast<TExEdit*>(FRoot.FindComponent("On"));
  ASSERT_NE(on, nullptr);
  EXPECT_EQ(on->GetThemeMode(), TThemeMode::ttmPlatform);
  // Never written back: it has no stored value of its own.
  EXPECT_FALSE(ReadPropertyValue(*on, "UseXPThemes").has_value());
}

struct TBadValue {
  const char* ClassName;
  TPropertyCase Property;
  const char* Named;  // the error names this
};

void PrintTo(const TBadValue& c, std::ostream* out) {
  *out << c.ClassName << "." << c.Property.Path;
}

class BadStoredValue : public EditDescription, public testing::WithParamInterface<TBadValue> {};

TEST_P(BadStoredValue, NamesTheProperty) {
  const TBadValue& c = GetParam();
  try {
    FRoot.ReadChild<TComponent>({StoredObject(c.ClassName, "Child", {c.Property})}, "Child");
    FAIL() << "read without error";
  } catch (const EReadError& e) {
    EXPECT_NE(std::string(e.what()).find(c.Named), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Table, BadStoredValue,
                         testing::Values(TBadValue{"TExEdit", {"Flat", Stored(3)}, "Flat"},
                                         TBadValue{
                                             "TExEdit",
                                             {"ActiveBorderType", stream_convert::IdentValue("fbtWavy")},
                                             "ActiveBorderType"}));

}  // namespace
