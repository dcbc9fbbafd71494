// The construction values of every published property are a contract with the stored descriptions: a
// description stores only what differs from them.

#include <gtest/gtest.h>

#include <vector>

#include "ExHTMLLbl.h"
#include "StoredValues.h"

namespace {

const TAnchors kLeftTop{TAnchorKind::akLeft, TAnchorKind::akTop};

std::vector<TPropertyCase> LabelDefaults() {
  return {
      {"StyleName", StoredText(u"")},
      {"ThemeMode", Stored(TThemeMode::ttmPlatform)},
      {"ThemeGlobalMode", Stored(false)},
      {"Hint", StoredText(u"")},
      {"Caption", StoredText(u"")},
      {"Transparent", Stored(true)},
      {"BorderWidth", Stored(0)},
      {"Container", StoredNil()},
      {"ContainerIndex", Stored(0)},
      {"CheckContainerLinks", Stored(true)},
      {"Cursor", Stored(crDefault)},
      {"IsHTML", Stored(true)},
      {"WordWrap", Stored(false)},
      {"LinkColor", Stored(clBlue)},
      {"LinkStyle", Stored(TFontStyles{TFontStyle::fsUnderline})},
      {"LinkPopupMenu", StoredNil()},
      {"PopupMenu", StoredNil()},
      {"EndEllipsis", Stored(false)},
      {"Align", Stored(TAlign::alNone)},
      {"Alignment", Stored(TAlignment::taLeftJustify)},
      {"AutoSize", Stored(true)},
      {"Anchors", Stored(kLeftTop)},
      {"BiDiMode", Stored(TBiDiMode::bdLeftToRight)},
      {"Constraints.MinWidth", Stored(0)},
      {"Constraints.MaxHeight", Stored(0)},
      {"Enabled", Stored(true)},
      {"ParentBiDiMode", Stored(true)},
      {"ParentColor", Stored(true)},
      {"ParentFont", Stored(true)},
      {"ParentShowHint", Stored(true)},
      {"ShowHint", Stored(false)},
      {"Layout", Stored(TTextLayout::tlTop)},
      {"Visible", Stored(true)},
      {"ShowAccelChar", Stored(true)},
  };
}

TEST(Defaults, HTMLLabel) {
  TExHTMLLabel label(nullptr);
  ExpectHoldsAll(label, LabelDefaults());
}

}  // namespace
