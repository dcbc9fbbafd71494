// The selection, the tab order of links and input items, and what clicks, keys and mouse moves do to them.
// Fixed metrics: 7 pixels a character (8 bold), one more per run; the check box is 17 x 17. The caption lays
// out as one line 17 high: an empty run 0-1, "one" 1-23, " x " 23-45, the check box 45-62, " " 62-70, "two"
// 70-92, " " 92-100, "th" 100-115, "ree" 115-140.

#include <gtest/gtest.h>

#include "HtmlTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

constexpr std::uint16_t Tab = 9;
constexpr std::uint16_t Space = 32;
const THtmlRect Area{0, 0, 300, 100};

class HtmlSelection : public testing::Test {
 protected:
  void SetUp() override {
    fixture.Parse(
        u"<a href=\"1\">one</a> x <input type=\"checkbox\"> <a href=\"2\">two</a> <a "
        u"href=\"3\">th<b>ree</b></a>");
    ASSERT_EQ(Describe(fixture.Document().FControlsArray), (Strings{"one", "input", "two", "th"}));
    ASSERT_EQ(DescribeLines(fixture.Document()), (Strings{"140x17 d=3"}));
    fixture.Render.OnChange = [this](TObject*) { ++changes; };
    fixture.Render.OnInputItemChecked = [this](TObject*, THtmlInputItem* item) { checked.push_back(item); };
  }

  static std::string Name(const THtmlItem* item) {
    if (!item)
      return "none";
    return item->FItemType == THtmlItemType::hitInput ? "input" : Utf8(item->Text());
  }
  static Strings Describe(const std::vector<THtmlItem*>& items) {
    Strings names;
    for (const THtmlItem* item : items)
      names.push_back(Name(item));
    return names;
  }
  std::string Selected() { return Name(fixture.Document().SelectedItem()); }
  THtmlItem* Find(const char16_t* text) {
    for (const auto& item : fixture.Document().FArray)
      if (item->FItemType == THtmlItemType::hitChar && item->Text() == text)
        return item.get();
    return nullptr;
  }
  THtmlInputItem& CheckBox() { return dynamic_cast<THtmlInputItem&>(fixture.Item(4)); }

  // Runs Step until the selection has taken Count steps; the selections in order.
  template <class F>
  Strings Steps(int Count, F Step) {
    Strings seen;
    for (int i = 0; i < Count; ++i) {
      Step();
      seen.push_back(Selected());
    }
    return seen;
  }

  THtmlRenderFixture fixture;
  int changes = 0;
  std::vector<THtmlInputItem*> checked;
};

TEST_F(HtmlSelection, LinkSearchGoesThroughEveryLinkRunAndStopsAtEitherEnd) {
  EXPECT_EQ(Steps(5, [&] { fixture.Render.SelectNextLink(); }), (Strings{"one", "two", "th", "ree", "ree"}));
  EXPECT_EQ(Steps(5, [&] { fixture.Render.SelectPrevLink(); }), (Strings{"th", "two", "one", "one", "one"}));
  fixture.Document().SetSelectedItem(nullptr);
  fixture.Render.SelectPrevLink();
  EXPECT_EQ(Selected(), "none") << "searching backwards needs a selection to start from";
  fixture.Document().SetSelectedItem(Find(u" x "));
  fixture.Render.SelectNextLink();
  EXPECT_EQ(Selected(), "two") << "the search starts after any selected item";
  EXPECT_EQ(changes, 0);
}

TEST_F(HtmlSelection, SuitableItemsWrapAround) {
  EXPECT_EQ(Steps(5, [&] { fixture.Render.SelectNextSuitableItem(); }),
            (Strings{"one", "input", "two", "th", "one"}));
  fixture.Document().SetSelectedItem(nullptr);
  EXPECT_EQ(Steps(5, [&] { fixture.Render.SelectPrevSuitableItem(); }),
            (Strings{"th", "two", "input", "one", "th"}));

  THtmlRenderFixture plain;
  plain.Parse(u"no links here");
  plain.Render.SelectNextSuitableItem();
  plain.Render.SelectPrevSuitableItem();
  EXPECT_EQ(plain.Document().SelectedItem(), nullptr);
}

TEST_F(HtmlSelection, TabAndShiftTabStepAndEveryTabRaisesChange) {
  const struct {
    TShiftState Shift;
    const char* Selected;
  } steps[] = {
      {{}, "one"},
      {{}, "input"},
      {{TShiftStateFlag::ssShift}, "one"},
      {{TShiftStateFlag::ssShift}, "th"},
      {{TShiftStateFlag::ssCtrl}, "th"},
      {{TShiftStateFlag::ssShift, TShiftStateFlag::ssCtrl}, "th"},
      {{TShiftStateFlag::ssAlt}, "th"},
  };
  int expectedChanges = 0;
  for (const auto& step : steps) {
    std::uint16_t key = Tab;
    fixture.Render.KeyDownTransfer(key, step.Shift);
    EXPECT_EQ(Selected(), step.Selected);
    EXPECT_EQ(changes, ++expectedChanges);
  }
}

TEST_F(HtmlSelection, OtherKeysGoToASelectedInputItemOnly) {
  std::uint16_t key = Space;
  fixture.Document().SetSelectedItem(Find(u"two"));
  fixture.Render.KeyDownTransfer(key, {});
  EXPECT_FALSE(CheckBox().FChecked);
  EXPECT_EQ(changes, 0);

  fixture.Document().SetSelectedItem(&CheckBox());
  fixture.Render.KeyDownTransfer(key, {});
  EXPECT_TRUE(CheckBox().FChecked);
  EXPECT_EQ(checked, std::vector<THtmlInputItem*>{&CheckBox()});
  EXPECT_EQ(changes, 1);
  fixture.Render.KeyDownTransfer(key, {});
  EXPECT_FALSE(CheckBox().FChecked) << "space toggles a check box";

  key = 'A';
  fixture.Render.KeyDownTransfer(key, {});
  EXPECT_FALSE(CheckBox().FChecked);
  EXPECT_EQ(changes, 2);
}

TEST_F(HtmlSelection, ClickOnAnInputItemSelectsAndClicksIt) {
  fixture.Document().SetSelectedItem(Find(u"two"));
  fixture.Render.ClickTransfer(50, 5, Area);
  EXPECT_EQ(Selected(), "input");
  EXPECT_TRUE(CheckBox().FChecked);
  EXPECT_EQ(checked, std::vector<THtmlInputItem*>{&CheckBox()});
  // The check state's change, the click and the transfer each announce a change.
  EXPECT_EQ(changes, 3);
  fixture.Render.ClickTransfer(60, 16, Area);
  EXPECT_FALSE(CheckBox().FChecked);
}

TEST_F(HtmlSelection, ClickOnALinkSelectsItOnlyWithLinkSelect) {
  const struct {
    bool LinkSelect;
    int X;
    const char* Selected;
    int Changes;
  } cases[] = {
      {false, 75, "none", 1},
      {true, 75, "two", 1},
      {true, 30, "none", 1},   // plain text: hit, but not selectable
      {true, 200, "none", 0},  // empty space: the selection goes, no change is announced
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.X);
    fixture.Document().SetSelectedItem(Find(u"one"));
    fixture.Render.SetLinkSelect(test.LinkSelect);
    changes = 0;
    fixture.Render.ClickTransfer(test.X, 5, Area);
    EXPECT_EQ(Selected(), test.Selected);
    EXPECT_EQ(changes, test.Changes);
  }
  EXPECT_FALSE(CheckBox().FChecked);
}

TEST_F(HtmlSelection, TheMouseMakesOnlyInputItemsActive) {
  fixture.Render.MouseMoveTransfer({}, 50, 5, Area);
  EXPECT_EQ(fixture.Document().ActiveItem(), &CheckBox());
  EXPECT_EQ(changes, 1);
  fixture.Render.MouseMoveTransfer({}, 45, 0, Area);
  EXPECT_EQ(changes, 1) << "still the same active item";
  fixture.Render.MouseMoveTransfer({}, 75, 5, Area);
  EXPECT_EQ(fixture.Document().ActiveItem(), nullptr);
  EXPECT_EQ(changes, 2);
}

TEST(HtmlRadioGroup, ClickingARadioButtonUnchecksItsGroup) {
  THtmlRenderFixture fixture;
  fixture.Parse(
      u"<input type=\"radio\" name=\"g\" checked=\"true\"><input type=\"radio\" name=\"g\">"
      u"<input type=\"radio\" name=\"h\" checked=\"true\">");
  std::vector<THtmlInputItem*> inputs;
  for (const auto& item : fixture.Document().FArray)
    if (auto* input = dynamic_cast<THtmlInputItem*>(item.get()))
      inputs.push_back(input);
  ASSERT_EQ(inputs.size(), 3u);
  THtmlInputItem& first = *inputs[0];
  THtmlInputItem& second = *inputs[1];
  THtmlInputItem& other = *inputs[2];
  ASSERT_TRUE(first.FChecked);
  ASSERT_TRUE(other.FChecked);
  second.Click();
  EXPECT_FALSE(first.FChecked);
  EXPECT_TRUE(second.FChecked);
  EXPECT_TRUE(other.FChecked) << "another group";
  second.Click();
  EXPECT_FALSE(second.FChecked) << "a checked radio button that is clicked becomes unchecked";
  std::uint16_t key = Space;
  second.KeyDownTransfer(key, {});
  second.KeyDownTransfer(key, {});
  EXPECT_TRUE(second.FChecked) << "space checks a radio button and leaves it checked";
}

}  // namespace
