// Focus and tab order: Tab and Shift+Tab, handled by the application before dispatch, cycle through the
// controls that are tab stops and can take the focus, depth first in tab order.

#include <gtest/gtest.h>

#include <memory>

#include "StdCtrls.h"
#include "TestControls.h"

namespace {

class FocusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    first = AddButton(&form, "First");
    panel = new TTestPanel(&stage.Owner);
    panel->SetBounds(10, 50, 300, 200);
    panel->SetParent(&form);
    inner = AddButton(panel, "Inner");
    hidden = AddButton(panel, "Hidden");
    hidden->Hide();
    notStop = AddButton(panel, "NotStop");
    notStop->SetTabStop(false);
    disabled = AddButton(panel, "Disabled");
    disabled->SetEnabled(false);
    innerLast = AddButton(panel, "InnerLast");
    last = AddButton(&form, "Last");
    PumpMessages();
  }

  void TearDown() override { SetShift(false); }

  TButton* AddButton(TWinControl* parent, const char* name) {
    auto* button = new TButton(&stage.Owner);
    button->SetName(name);
    button->SetBounds(10 + 60 * parent->ControlCount(), 10, 50, 25);
    button->SetParent(parent);
    return button;
  }

  static void SetShift(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
  }

  // Presses a key in the focused window, as the message loop sees it.
  void Press(WPARAM key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    Application()->ProcessMessages();
  }

  std::string FocusedName() {
    TWinControl* control = TWinControl::FromHandle(GetFocus());
    return control ? control->GetName() : "(none)";
  }

  TStage stage{400, 300};
  TForm& form = stage.Form;
  TButton *first = nullptr, *inner = nullptr, *hidden = nullptr, *notStop = nullptr, *disabled = nullptr,
          *innerLast = nullptr, *last = nullptr;
  TTestPanel* panel = nullptr;
};

TEST_F(FocusTest, TabCyclesForwardAndShiftTabBackwardSkippingWhatCannotTakeTheFocus) {
  form.SelectFirst();
  ASSERT_EQ(FocusedName(), "First");
  std::vector<std::string> forward;
  for (int i = 0; i < 4; ++i) {
    Press(VK_TAB);
    forward.push_back(FocusedName());
  }
  EXPECT_EQ(forward, (std::vector<std::string>{"Inner", "InnerLast", "Last", "First"}));

  SetShift(true);
  std::vector<std::string> backward;
  for (int i = 0; i < 4; ++i) {
    Press(VK_TAB);
    backward.push_back(FocusedName());
  }
  EXPECT_EQ(backward, (std::vector<std::string>{"Last", "InnerLast", "Inner", "First"}));
}

TEST_F(FocusTest, ActiveControlAndEnterExitFollowTheFocus) {
  std::vector<std::string> events;
  first->OnExit = [&](TObject*) { events.push_back("exit First"); };
  inner->OnEnter = [&](TObject*) { events.push_back("enter Inner"); };
  first->SetFocus();
  Press(VK_TAB);
  EXPECT_EQ(form.ActiveControl(), inner);
  EXPECT_TRUE(inner->Focused());
  EXPECT_EQ(events, (std::vector<std::string>{"exit First", "enter Inner"}));
}

TEST_F(FocusTest, ControlThatWantsTabKeepsIt) {
  panel->SetTabStop(true);
  panel->DialogCode = DLGC_WANTTAB;
  panel->SetFocus();
  Press(VK_TAB);
  EXPECT_TRUE(panel->Focused());
}

TEST_F(FocusTest, EnterClicksTheFocusedButton) {
  int clicks = 0;
  inner->OnClick = [&](TObject*) { ++clicks; };
  inner->SetFocus();
  Press(VK_RETURN);
  EXPECT_EQ(clicks, 1);
}

TEST_F(FocusTest, TabOrderIsThePositionInTheParentsTabList) {
  EXPECT_EQ(first->GetTabOrder(), 0);
  EXPECT_EQ(panel->GetTabOrder(), 1);
  EXPECT_EQ(last->GetTabOrder(), 2);
  EXPECT_EQ(innerLast->GetTabOrder(), 4);
  last->SetTabOrder(0);
  EXPECT_EQ(last->GetTabOrder(), 0);
  EXPECT_EQ(first->GetTabOrder(), 1);
  last->SetTabOrder(99);
  EXPECT_EQ(last->GetTabOrder(), 2);
  innerLast->SetTabOrder(0);
  std::vector<TWinControl*> order;
  form.GetTabOrderList(order);
  EXPECT_EQ(order,
            (std::vector<TWinControl*>{first, panel, innerLast, inner, hidden, notStop, disabled, last}));
  EXPECT_EQ(form.FindNextControl(last, true, true), first);
  EXPECT_EQ(form.FindNextControl(first, false, true), last);
}

TEST_F(FocusTest, FocusBeforeTheFormIsShownWaitsForIt) {
  auto* other = new TForm(nullptr);
  std::unique_ptr<TForm> owned(other);
  auto* button = new TButton(other);
  button->SetParent(other);
  button->SetFocus();
  EXPECT_EQ(other->ActiveControl(), button);
  EXPECT_FALSE(button->CanFocus());
  other->Show();
  SetForegroundWindow(other->Handle());
  PumpMessages();
  EXPECT_TRUE(button->Focused());
}

}  // namespace
