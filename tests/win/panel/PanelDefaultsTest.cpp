// The construction values of every published property are a contract with the stored descriptions: a
// description stores only what differs from them.

#include <gtest/gtest.h>

#include <vector>

#include "ExPanel.h"
#include "FlatFrameDefaults.h"
#include "StoredValues.h"

namespace {

using TBevel = TPanelBevelStyle;

const TAnchors kLeftTop{TAnchorKind::akLeft, TAnchorKind::akTop};

std::vector<TPropertyCase> PanelDefaults() {
  std::vector<TPropertyCase> cases = {
      {"Color", Stored(clBtnFace)},
      {"BackgroundType", Stored(TPanelBackgroundType::bgtColorFill)},
      {"GradientStartColor", Stored(clBlack)},
      {"GradientEndColor", Stored(clBlack)},
      {"GradientSteps", Stored(16)},
      {"Transparent", Stored(false)},
      {"TransparentXPThemes", Stored(true)},
      {"AlphaLevel", Stored(std::uint8_t{0})},
      {"AlwaysPaintBackground", Stored(false)},
      {"OwnerDraw", Stored(false)},
      {"BorderStyle", Stored(TBorderStyle::bsNone)},
      {"BorderType", Stored(TExFlatBorderType::fbtSunken)},
      {"BevelOuter", Stored(TBevel::bvRaised)},
      {"BevelInner", Stored(TBevel::bvNone)},
      {"BevelWidth", Stored(1)},
      {"BevelSpaceColor", Stored(clBtnFace)},
      {"BorderWidth", Stored(0)},
      {"Caption", StoredText(u"")},
      {"Alignment", Stored(TAlignment::taCenter)},
      {"Layout", Stored(TTextLayout::tlCenter)},
      {"WordWrap", Stored(false)},
      {"ShowFocus", Stored(false)},
      {"Resizable", Stored(false)},
      {"Movable", Stored(false)},
      {"SizeGrip", Stored(false)},
      {"Locked", Stored(false)},
      {"ThemeMode", Stored(TThemeMode::ttmPlatform)},
      {"ThemeGlobalMode", Stored(false)},
      {"StyleName", StoredText(u"")},
      {"Align", Stored(TAlign::alNone)},
      {"Anchors", Stored(kLeftTop)},
      {"Enabled", Stored(true)},
      {"Visible", Stored(true)},
      {"TabStop", Stored(false)},
      {"DoubleBuffered", Stored(false)},
      {"ParentColor", Stored(false)},
      {"DockOrientation", Stored(TDockOrientation::doNoOrient)},
  };
  const std::vector<TPropertyCase> frame = FlatFrameDefaults();
  cases.insert(cases.end(), frame.begin(), frame.end());
  const std::vector<TPropertyCase> handleDefaults = {{"Enabled", Stored(false)},
                                                     {"Size", Stored(0)},
                                                     {"Kind", Stored(TExPanelGrabHandleKind::ghkNone)},
                                                     {"BevelKind", Stored(TBevel::bvNone)},
                                                     {"Visible", Stored(false)}};
  for (const char* handle : {"TopGrabHandle", "RightGrabHandle", "LeftGrabHandle", "BottomGrabHandle"})
    for (const TPropertyCase& c : handleDefaults)
      cases.push_back({std::string(handle) + "." + c.Path, c.Value});
  return cases;
}

TEST(Defaults, Panel) {
  TExPanel panel(nullptr);
  ExpectHoldsAll(panel, PanelDefaults());
}

}  // namespace
