// Components built from stored descriptions as the dialog's would store them: every stored value arrives in
// its property, events bind to the root's handlers, and the older UseXPThemes is understood.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Controls.h"
#include "ExHTMLLbl.h"
#include "ExPanel.h"
#include "HTTPGet.h"
#include "StoredValues.h"

namespace {

class TDescriptionRoot : public TWinControl {
  OVANTA_CLASS(TDescriptionRoot)

 public:
  explicit TDescriptionRoot(TComponent* owner) : TWinControl(owner) {}

  std::vector<std::string> Calls;

  void Clicked(TObject* sender) { Calls.push_back("click " + Name(sender)); }
  void LinkClicked(TObject* sender, const std::u16string& href) {
    Calls.push_back("link " + Name(sender) + " " + std::string(href.begin(), href.end()));
  }
  void Painted(TObject* sender) { Calls.push_back("paint " + Name(sender)); }
  void Moved(TObject* sender) { Calls.push_back("move " + Name(sender)); }
  void Progress(TObject*, std::int32_t total, std::int32_t received) {
    Calls.push_back("progress " + std::to_string(received) + "/" + std::to_string(total));
  }
  void DoneFile(TObject* sender, const std::string& file, std::int32_t size) {
    Calls.push_back("file " + Name(sender) + " " + file + " " + std::to_string(size));
  }
  void DoneString(TObject* sender, const std::string& text) {
    Calls.push_back("string " + Name(sender) + " " + text);
  }
  void Failed(TObject* sender) { Calls.push_back("error " + Name(sender)); }

 private:
  static std::string Name(TObject* sender) { return static_cast<TComponent*>(sender)->GetName(); }
};

const TClassInfo& TDescriptionRoot::StaticClass() {
  using C = TDescriptionRoot;
  static const TClassInfo info = TClassBuilder<C>("TDescriptionRoot", &TWinControl::StaticClass())
                                     .Method("Clicked", &C::Clicked)
                                     .Method("LinkClicked", &C::LinkClicked)
                                     .Method("Painted", &C::Painted)
                                     .Method("Moved", &C::Moved)
                                     .Method("Progress", &C::Progress)
                                     .Method("DoneFile", &C::DoneFile)
                                     .Method("DoneString", &C::DoneString)
                                     .Method("Failed", &C::Failed)
                                     .Build();
  return info;
}

TStreamObject Object(const char* className, const char* name, const std::vector<TPropertyCase>& values,
                     const std::vector<TPropertyCase>& events = {}) {
  TStreamObject object{className, name, {}, {}};
  for (const auto& c : values)
    object.Properties.push_back({c.Path, c.Value});
  for (const auto& c : events)
    object.Properties.push_back({c.Path, c.Value});
  return object;
}

class StoredDescription : public testing::Test {
 protected:
  StoredDescription() {
    RegisterHtmlLabelClasses();
    RegisterPanelClasses();
    RegisterHTTPGetClasses();
  }

  // Reads `child` into the root; the first description read also holds the container "Snippets".
  template <class T>
  T& Read(const TStreamObject& child) {
    TStreamObject description{"TDescriptionRoot", "Root", {}, {}};
    if (!FRoot.FindComponent("Snippets"))
      description.Children.push_back(Object("TExHTMLContainer", "Snippets", {}));
    description.Children.push_back(child);
    ReadComponentTree(FRoot, description, RegisteredClasses());
    auto* component = dynamic_cast<T*>(FRoot.FindComponent(child.Name));
    if (!component)
      throw std::runtime_error(child.Name + " was not created as the expected class");
    return *component;
  }

  static void ExpectHeld(TPersistent& instance, const std::vector<TPropertyCase>& values) {
    for (const auto& c : values)
      EXPECT_TRUE(HoldsValue(instance, c));
  }

  TDescriptionRoot FRoot{nullptr};
};

TEST_F(StoredDescription, HTMLLabelTakesEveryStoredValue) {
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
      Object("TExHTMLLabel", "Link", values,
             {{"OnClick", StoredIdent("Clicked")}, {"OnLinkClick", StoredIdent("LinkClicked")}}));
  ExpectHeld(label, values);

  Raise(label.OnClick, &label);
  Raise(label.OnLinkClick, &label, std::u16string(u"ExHTMLSnip1"));
  EXPECT_EQ(FRoot.Calls, (std::vector<std::string>{"click Link", "link Link ExHTMLSnip1"}));
}

TEST_F(StoredDescription, PanelTakesEveryStoredValue) {
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
  auto& panel = Read<TExPanel>(Object(
      "TExPanel", "Busy", values, {{"OnPaint", StoredIdent("Painted")}, {"OnMove", StoredIdent("Moved")}}));
  ExpectHeld(panel, values);

  Raise(panel.OnPaint, &panel);
  Raise(panel.OnMove, &panel);
  EXPECT_EQ(FRoot.Calls, (std::vector<std::string>{"paint Busy", "move Busy"}));
}

TEST_F(StoredDescription, HTTPGetTakesEveryStoredValue) {
  const std::vector<TPropertyCase> values = {
      {"AcceptTypes", StoredAnsi("application/octet-stream")},
      {"Agent", StoredAnsi("Ovanta")},
      {"BinaryData", Stored(true)},
      {"URL", StoredAnsi("http://127.0.0.1:8080/download/quillon10.exe")},
      {"UseCache", Stored(true)},
      {"FileName", StoredAnsi("C:\\temp\\quillon10.exe")},
      {"UserName", StoredAnsi("1234567890")},
      {"Password", StoredAnsi("secret")},
      {"PostQuery", StoredAnsi("a=1&b=2")},
      {"Referer", StoredAnsi("VELTRA - Ovanta")},
      {"WaitThread", Stored(true)},
  };
  auto& get = Read<THTTPGet>(Object("THTTPGet", "HTTPGetUpdate", values,
                                    {{"OnProgress", StoredIdent("Progress")},
                                     {"OnDoneFile", StoredIdent("DoneFile")},
                                     {"OnDoneString", StoredIdent("DoneString")},
                                     {"OnError", StoredIdent("Failed")}}));
  ExpectHeld(get, values);

  Raise(get.OnProgress, &get, std::int32_t{5000}, std::int32_t{1024});
  Raise(get.OnDoneFile, &get, std::string("setup.exe"), std::int32_t{5000});
  Raise(get.OnDoneString, &get, std::string("body"));
  Raise(get.OnError, &get);
  EXPECT_EQ(FRoot.Calls, (std::vector<std::string>{"progress 1024/5000", "file HTTPGetUpdate setup.exe 5000",
                                                   "string HTTPGetUpdate body", "error HTTPGetUpdate"}));
}

// The older descriptions store UseXPThemes instead of ThemeMode; it is never read back.
struct TUseXPThemesCase {
  TThemeMode StoredMode;
  bool UseXPThemes;
  TThemeMode Expected;
};
const TUseXPThemesCase kUseXPThemesCases[] = {
    {TThemeMode::ttmPlatform, false, TThemeMode::ttmNone},
    {TThemeMode::ttmNone, true, TThemeMode::ttmPlatform},
    {TThemeMode::ttmNative, true, TThemeMode::ttmPlatform},
    {TThemeMode::ttmPlatform, true, TThemeMode::ttmPlatform},
};

TEST_F(StoredDescription, UseXPThemesSetsThemeMode) {
  int n = 0;
  for (const auto& c : kUseXPThemesCases) {
    const std::vector<TPropertyCase> values = {{"ThemeMode", Stored(c.StoredMode)},
                                               {"UseXPThemes", Stored(c.UseXPThemes)}};
    const std::string suffix = std::to_string(n++);
    auto& label = Read<TExHTMLLabel>(Object("TExHTMLLabel", ("Label" + suffix).c_str(), values));
    auto& panel = Read<TExPanel>(Object("TExPanel", ("Panel" + suffix).c_str(), values));
    EXPECT_EQ(label.GetThemeMode(), c.Expected) << "case " << suffix;
    EXPECT_EQ(panel.GetThemeMode(), c.Expected) << "case " << suffix;
    EXPECT_FALSE(ReadPropertyValue(label, "UseXPThemes").has_value());
    EXPECT_FALSE(ReadPropertyValue(panel, "UseXPThemes").has_value());
  }
}

TEST_F(StoredDescription, FontHeightAloneSwitchesParentFontOff) {
  auto& label = Read<TExHTMLLabel>(Object("TExHTMLLabel", "Headline", {{"Font.Height", Stored(-15)}}));
  EXPECT_FALSE(label.GetParentFont());
  EXPECT_EQ(label.GetFont()->GetHeight(), -15);
}

TEST_F(StoredDescription, UnknownEnumerationValueIsAnError) {
  EXPECT_THROW(Read<TExPanel>(Object("TExPanel", "Bad", {{"BevelOuter", StoredIdent("bvDeep")}})),
               EReadError);
}

}  // namespace
