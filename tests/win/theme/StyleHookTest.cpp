// The style manager hook of the family's controls: which manager they attach to, when they take their style,
// and how it reaches their properties.

#include <gtest/gtest.h>

#include <memory>

#include "DescriptionRoot.h"
#include "ExCLabel.h"
#include "ExPanel.h"
#include "ExStyleMan.h"
#include "ShownForm.h"
#include "StoredValues.h"
#include "ThemeProbe.h"

namespace {

constexpr TColor kStyleColor = ColorValue(0x00336699);
constexpr TColor kStyleFontColor = ColorValue(0x00996633);

using StyleHook = ShownFormTest;

TEST_F(StyleHook, EveryExControlStartsWithTheDefaultManager) {
  ASSERT_NE(DefaultStyleManager(), nullptr);
  EXPECT_EQ(AddControl<TThemeProbe>()->GetStyleManager(), DefaultStyleManager());
  EXPECT_EQ(AddControl<TExPanel>()->GetStyleManager(), DefaultStyleManager());
  EXPECT_EQ(AddControl<TCustomExLabel>()->GetStyleManager(), DefaultStyleManager());
}

TEST_F(StyleHook, TheEmptyDefaultStoreChangesNothing) {
  auto* panel = AddControl<TExPanel>();
  panel->SetColor(clWhite);
  panel->SetStyleName(u".Anything");
  DefaultStyleManager()->Changed();
  EXPECT_EQ(panel->GetColor(), clWhite);
}

TEST_F(StyleHook, AttachingAManagerAppliesTheClassStyleByPropertyName) {
  TExStyleManager manager(nullptr);
  manager.Store().SetValue(u"TExPanel", "Color", Stored(kStyleColor));
  manager.Store().SetValue(u"TExPanel", "Font.Color", Stored(kStyleFontColor));
  auto* panel = AddControl<TExPanel>();

  panel->SetStyleManager(&manager);

  EXPECT_EQ(panel->GetColor(), kStyleColor);
  EXPECT_EQ(panel->GetFont()->GetColor(), kStyleFontColor);
}

TEST_F(StyleHook, ANewStyleNameAndAManagerChangeApplyAgain) {
  TExStyleManager manager(nullptr);
  manager.Store().SetValue(u".Warning", "Color", Stored(clRed));
  auto* label = AddControl<TCustomExLabel>();
  label->SetStyleManager(&manager);
  EXPECT_NE(label->GetColor(), clRed);

  label->SetStyleName(u".Warning");
  EXPECT_EQ(label->GetColor(), clRed);

  manager.Store().SetValue(u".Warning", "Color", Stored(clYellow));
  manager.Changed();
  EXPECT_EQ(label->GetColor(), clYellow);
}

TEST_F(StyleHook, AVisibleWindowedControlDoesNotRedrawWhileTheStyleIsApplied) {
  TExStyleManager manager(nullptr);
  auto* shown = AddControl<TThemeProbe>();
  auto* hidden = AddControl<TThemeProbe>();
  hidden->Hide();
  Show();
  for (TThemeProbe* probe : {shown, hidden}) {
    probe->Invalidations = 0;
    probe->SetStyleManager(&manager);
  }
  EXPECT_EQ(shown->RedrawSwitches, (std::vector<bool>{false, true}));
  EXPECT_EQ(shown->Invalidations, 1);
  EXPECT_TRUE(hidden->RedrawSwitches.empty());
  EXPECT_TRUE(IsWindowVisible(shown->Handle()));
  EXPECT_FALSE(IsWindowVisible(hidden->Handle()));
}

TEST_F(StyleHook, ADestroyedManagerIsLetGo) {
  auto manager = std::make_unique<TExStyleManager>(nullptr);
  auto* probe = AddControl<TThemeProbe>();
  auto* panel = AddControl<TExPanel>();
  auto* label = AddControl<TCustomExLabel>();
  probe->SetStyleManager(manager.get());
  panel->SetStyleManager(manager.get());
  label->SetStyleManager(manager.get());

  manager.reset();

  EXPECT_EQ(probe->GetStyleManager(), nullptr);
  EXPECT_EQ(panel->GetStyleManager(), nullptr);
  EXPECT_EQ(label->GetStyleManager(), nullptr);
}

TEST(StyleHookLoading, TheStyleIsAppliedAfterTheDescriptionIsRead) {
  RegisterPanelClasses();
  struct TEmptyDefaultStoreAgain {
    ~TEmptyDefaultStoreAgain() { DefaultStyleManager()->Store() = TStyleStore(); }
  } emptyAgain;
  DefaultStyleManager()->Store().SetValue(u".Loaded", "Caption", StoredText(u"from the style"));
  TDescriptionRoot root(nullptr);
  // The stored caption comes after the style name: only a style applied once loading is over wins over it.
  const auto& panel = root.ReadChild<TExPanel>(
      {TStreamObject{"TExPanel",
                     "Panel",
                     {{"StyleName", StoredText(u".Loaded")}, {"Caption", StoredText(u"stored")}},
                     {}}},
      "Panel");
  EXPECT_EQ(panel.GetCaption(), u"from the style");
}

}  // namespace
