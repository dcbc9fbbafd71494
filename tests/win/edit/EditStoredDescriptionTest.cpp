// The edit box built from stored descriptions with the dialog's values: every value arrives in its property,
// the older UseXPThemes is understood and events bind to the root's handlers.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BadStoredValue.h"
#include "ExEdits.h"
#include "StoredDescriptionTest.h"
#include "StoredThemeMode.h"
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

class EditDescription : public StoredDescriptionTest<RegisterEditClasses> {
 protected:
  EditDescription() { FRoot.SetClientSize(445, 417); }
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
  ExpectUseXPThemesSetsThemeMode<TExEdit>(
      "TExEdit", [&](const TStreamObject& child) -> TExEdit& { return Read<TExEdit>(child); });
}

class BadStoredValue : public EditDescription, public testing::WithParamInterface<TBadValue> {};

TEST_P(BadStoredValue, NamesTheProperty) {
  ExpectReadErrorNamingTheProperty(FRoot, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, BadStoredValue,
                         testing::Values(TBadValue{"TExEdit", {"Flat", Stored(3)}, "Flat"},
                                         TBadValue{
                                             "TExEdit",
                                             {"ActiveBorderType", stream_convert::IdentValue("fbtWavy")},
                                             "ActiveBorderType"}));

}  // namespace
