// The label built from a stored description as the dialog's would store it: every stored value arrives in its
// property, events bind to the root's handlers, and the older UseXPThemes is understood.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExHTMLLbl.h"
#include "StoredDescriptionTest.h"
#include "StoredThemeMode.h"
#include "StoredValues.h"

namespace {

class LabelDescription : public StoredDescriptionTest<RegisterHtmlLabelClasses> {
 protected:
  // Reads `child` into the root; the first description read also holds the container "Snippets".
  template <class T>
  T& Read(const TStreamObject& child) {
    std::vector<TStreamObject> children;
    if (!FRoot.FindComponent("Snippets"))
      children.push_back(StoredObject("TExHTMLContainer", "Snippets", {}));
    children.push_back(child);
    return FRoot.ReadChild<T>(std::move(children), child.Name);
  }
};

TEST_F(LabelDescription, HTMLLabelTakesEveryStoredValue) {
  const std::vector<TPropertyCase> values = {
      {"Left", Stored(16)},
      {"Top", Stored(152)},
      {"Width", Stored(411)},
      {"Height", Stored(27)},
      {"Cursor", Stored(crHandPoint)},
      {"ThemeMode", Stored(TThemeMode::ttmNone)},
      {"ThemeGlobalMode", Stored(true)},
      {"StyleName", StoredText(u"Heading")},
      {"Hint", StoredText(u"Sign up")},
      {"Color", Stored(ColorValue(13892094))},
      {"Transparent", Stored(false)},
      {"ParentColor", Stored(false)},
      {"BorderWidth", Stored(16)},
      {"Container", StoredIdent("Snippets")},
      {"ContainerIndex", Stored(2)},
      {"CheckContainerLinks", Stored(false)},
      {"IsHTML", Stored(false)},
      {"WordWrap", Stored(true)},
      {"LinkColor", Stored(ColorValue(13531904))},
      {"LinkStyle", Stored(TFontStyles{TFontStyle::fsBold, TFontStyle::fsUnderline})},
      {"EndEllipsis", Stored(true)},
      {"Alignment", Stored(TAlignment::taCenter)},
      {"AutoSize", Stored(false)},
      {"Anchors", Stored(TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akRight})},
      {"BiDiMode", Stored(TBiDiMode::bdRightToLeft)},
      {"ParentBiDiMode", Stored(false)},
      {"Constraints.MinWidth", Stored(10)},
      {"Enabled", Stored(false)},
      {"Font.Charset", Stored(DefaultCharset)},
      {"Font.Color", Stored(ColorValue(13531904))},
      {"Font.Height", Stored(-19)},
      {"Font.Name", StoredText(u"Verdana")},
      {"Font.Style", Stored(TFontStyles{TFontStyle::fsUnderline})},
      {"ParentFont", Stored(false)},
      {"ShowHint", Stored(true)},
      {"ParentShowHint", Stored(false)},
      {"Layout", Stored(TTextLayout::tlCenter)},
      {"Visible", Stored(false)},
      {"ShowAccelChar", Stored(false)},
      {"Caption", StoredText(u"Jetzt registrieren")},
  };
  auto& label = Read<TExHTMLLabel>(
      StoredObject("TExHTMLLabel", "Link", values,
                   {{"OnClick", StoredIdent("Clicked")}, {"OnLinkClick", StoredIdent("LinkClicked")}}));
  ExpectHoldsAll(label, values);

  Raise(label.OnClick, &label);
  Raise(label.OnLinkClick, &label, std::u16string(u"ExHTMLSnip1"));
  EXPECT_EQ(FRoot.Calls, (std::vector<std::string>{"click Link", "link Link ExHTMLSnip1"}));
}

TEST_F(LabelDescription, UseXPThemesSetsThemeMode) {
  ExpectUseXPThemesSetsThemeMode<TExHTMLLabel>(
      "TExHTMLLabel", [&](const TStreamObject& child) -> TExHTMLLabel& { return Read<TExHTMLLabel>(child); });
}

TEST_F(LabelDescription, FontHeightAloneSwitchesParentFontOff) {
  auto& label = Read<TExHTMLLabel>(StoredObject("TExHTMLLabel", "Headline", {{"Font.Height", Stored(-15)}}));
  EXPECT_FALSE(label.GetParentFont());
  EXPECT_EQ(label.GetFont()->GetHeight(), -15);
}

}  // namespace
