// The panel built from a stored description as the dialog's would store it: every stored value arrives in its
// property, events bind to the root's handlers, and the older UseXPThemes is understood.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExPanel.h"
#include "StoredDescriptionTest.h"
#include "StoredThemeMode.h"
#include "StoredValues.h"

namespace {

using PanelDescription = StoredDescriptionTest<RegisterPanelClasses>;

TEST_F(PanelDescription, PanelTakesEveryStoredValue) {
  const std::vector<TPropertyCase> values = {
      {"Left", Stored(0)},
      {"Top", Stored(82)},
      {"Width", Stored(445)},
      {"Height", Stored(417)},
      {"Color", Stored(ColorValue(13531904))},
      {"BackgroundType", Stored(TPanelBackgroundType::bgtVertGradient)},
      {"GradientStartColor", Stored(clRed)},
      {"GradientEndColor", Stored(clYellow)},
      {"GradientSteps", Stored(64)},
      {"Transparent", Stored(true)},
      {"TransparentXPThemes", Stored(false)},
      {"AlphaLevel", Stored(std::uint8_t{200})},
      {"AlwaysPaintBackground", Stored(true)},
      {"OwnerDraw", Stored(true)},
      {"BorderStyle", Stored(TBorderStyle::bsSingle)},
      {"BorderType", Stored(TExFlatBorderType::fbtNone)},
      {"BorderSides", Stored(TExBorderSides{TExBorderSide::ebsLeft, TExBorderSide::ebsBottom})},
      {"BorderColorDkShadow", Stored(clWhite)},
      {"BorderColorFace", Stored(clWhite)},
      {"BorderColorShadow", Stored(ColorValue(12283648))},
      {"BorderColorHighlight", Stored(ColorValue(12283648))},
      {"BorderColorWindow", Stored(ColorValue(12283648))},
      {"BevelOuter", Stored(TPanelBevelStyle::bvNone)},
      {"BevelInner", Stored(TPanelBevelStyle::bvSpace)},
      {"BevelWidth", Stored(3)},
      {"BevelSpaceColor", Stored(clNavy)},
      {"BorderWidth", Stored(4)},
      {"Caption", StoredText(u"Bitte warten")},
      {"Alignment", Stored(TAlignment::taRightJustify)},
      {"Layout", Stored(TTextLayout::tlBottom)},
      {"WordWrap", Stored(true)},
      {"ShowFocus", Stored(true)},
      {"TopGrabHandle.Enabled", Stored(true)},
      {"TopGrabHandle.Visible", Stored(true)},
      {"TopGrabHandle.Size", Stored(6)},
      {"TopGrabHandle.Kind", Stored(TExPanelGrabHandleKind::ghkMoveParent)},
      {"TopGrabHandle.BevelKind", Stored(TPanelBevelStyle::bvRaised)},
      {"RightGrabHandle.Kind", Stored(TExPanelGrabHandleKind::ghkResize)},
      {"LeftGrabHandle.Size", Stored(2)},
      {"BottomGrabHandle.Enabled", Stored(true)},
      {"Resizable", Stored(true)},
      {"Movable", Stored(true)},
      {"SizeGrip", Stored(true)},
      {"Locked", Stored(true)},
      {"ThemeMode", Stored(TThemeMode::ttmNative)},
      {"ThemeGlobalMode", Stored(true)},
      {"StyleName", StoredText(u".Header")},
      {"Align", Stored(TAlign::alNone)},
      {"Anchors", Stored(TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akRight})},
      {"Visible", Stored(false)},
      {"DoubleBuffered", Stored(true)},
      {"DockOrientation", Stored(TDockOrientation::doHorizontal)},
  };
  auto& panel = Read<TExPanel>(StoredObject(
      "TExPanel", "Busy", values, {{"OnPaint", StoredIdent("Painted")}, {"OnMove", StoredIdent("Moved")}}));
  ExpectHoldsAll(panel, values);

  Raise(panel.OnPaint, &panel);
  Raise(panel.OnMove, &panel);
  EXPECT_EQ(FRoot.Calls, (std::vector<std::string>{"paint Busy", "move Busy"}));
}

TEST_F(PanelDescription, UseXPThemesSetsThemeMode) {
  ExpectUseXPThemesSetsThemeMode<TExPanel>(
      "TExPanel", [&](const TStreamObject& child) -> TExPanel& { return Read<TExPanel>(child); });
}

TEST_F(PanelDescription, UnknownEnumerationValueIsAnError) {
  EXPECT_THROW(Read<TExPanel>(StoredObject("TExPanel", "Bad", {{"BevelOuter", StoredIdent("bvDeep")}})),
               EReadError);
}

}  // namespace
