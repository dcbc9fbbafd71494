// The construction values of every published property are a contract with the stored descriptions, which
// store only what differs from them.

#include <gtest/gtest.h>

#include <vector>

#include "ExEdits.h"
#include "FlatFrameDefaults.h"
#include "StoredValues.h"

namespace {

std::vector<TPropertyCase> EditDefaults() {
  std::vector<TPropertyCase> cases = {
      {"Text", StoredText(u"")},
      {"MaxLength", Stored(0)},
      {"ReadOnly", Stored(false)},
      {"CharCase", Stored(TExEditCharCase::eecNormal)},
      {"PasswordChar", StoredText(u"")},
      {"Multiline", Stored(false)},
      {"WordWrap", Stored(false)},
      {"WantTabs", Stored(false)},
      {"WantReturns", Stored(false)},
      {"TabSpaces", Stored(4)},
      {"MaxUndoLevel", Stored(0)},
      {"NotifyUserChangeOnly", Stored(true)},
      {"AutoSelect", Stored(false)},
      {"HideSelection", Stored(true)},
      {"Alignment", Stored(TAlignment::taLeftJustify)},
      {"LeftMargin", Stored(1)},
      {"RightMargin", Stored(1)},
      {"TopMargin", Stored(0)},
      {"AlignBottom", Stored(true)},
      {"AutoSize", Stored(true)},
      {"BorderStyle", Stored(TBorderStyle::bsSingle)},
      {"Flat", Stored(false)},
      {"ActiveBorderType", Stored(TExFlatBorderType::fbtSunken)},
      {"InactiveBorderType", Stored(TExFlatBorderType::fbtSunkenOuter)},
      {"LineBorderActiveColor", Stored(clBtnFace)},
      {"LineBorderInactiveColor", Stored(clBtnFace)},
      {"FocusedSelectColor", Stored(clHighlight)},
      {"FocusedSelectTextColor", Stored(clHighlightText)},
      {"HideSelectColor", Stored(clBtnFace)},
      {"HideSelectTextColor", Stored(clBtnShadow)},
      {"HighlightAlphaLevel", Stored(255)},
      {"Color", Stored(clWindow)},
      {"ParentColor", Stored(false)},
      {"UseDisabledColors", Stored(false)},
      {"DisabledColor", Stored(clBtnFace)},
      {"DisabledFontColor", Stored(clGrayText)},
      {"CueBanner", StoredText(u"")},
      {"Transparent", Stored(false)},
      {"UseSystemMenu", Stored(true)},
      {"LocalizedSystemMenu", Stored(false)},
      {"HandleDialogKeys", Stored(false)},
      {"Cursor", Stored(crIBeam)},
      {"TabStop", Stored(true)},
      {"Ctl3D", Stored(true)},
      {"UseCustomScrollBars", Stored(true)},
      {"ScrollBars", Stored(TScrollStyle::ssNone)},
      {"RightAlignedText", Stored(false)},
      {"RightAlignedView", Stored(false)},
      {"ThemeMode", Stored(TThemeMode::ttmPlatform)},
      {"ThemeGlobalMode", Stored(false)},
      {"StyleName", StoredText(u"")},
      {"Width", Stored(200)},
      {"Height", Stored(100)},
  };
  const std::vector<TPropertyCase> frame = FlatFrameDefaults();
  cases.insert(cases.end(), frame.begin(), frame.end());
  return cases;
}

TEST(Defaults, ExEdit) {
  TExEdit edit(nullptr);
  ExpectHoldsAll(edit, EditDefaults());
  EXPECT_TRUE(edit.GetUseXPThemes());
  EXPECT_FALSE(edit.GetModified());
}

}  // namespace
