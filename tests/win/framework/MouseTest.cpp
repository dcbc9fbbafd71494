// A windowed control hands mouse messages to the graphic child under the mouse, in the child's coordinates,
// keeps the mouse for it from press to release, reports enter and leave, and lets it choose the cursor.

#include <gtest/gtest.h>

#include "TestControls.h"
#include "WinText.h"

namespace {

using TLog = std::vector<std::string>;

class MouseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    panel = new TTestPanel(&stage.Owner);
    panel->SetParent(&stage.Form);
    panel->SetBounds(10, 10, 200, 150);
    back = AddBox(RECT{20, 20, 80, 60});
    front = AddBox(RECT{50, 30, 110, 70});
    clicks = 0;
    front->OnClick = [this](TObject*) { ++clicks; };
  }

  TTestBox* AddBox(RECT bounds) {
    auto* box = new TTestBox(&stage.Owner);
    box->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    box->SetParent(panel);
    return box;
  }

  void Send(UINT msg, WPARAM keys, int x, int y) {
    SendMessageW(panel->Handle(), msg, keys, PointToLParam(x, y));
  }

  TStage stage{300, 200};
  TTestPanel* panel = nullptr;
  TTestBox* back = nullptr;
  TTestBox* front = nullptr;
  int clicks = 0;
};

TEST_F(MouseTest, PressAndReleaseInsideClickTheTopmostChildInItsCoordinates) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 40);
  EXPECT_EQ(GetCapture(), panel->Handle()) << "the press captures the mouse for the child";
  Send(WM_LBUTTONUP, 0, 62, 41);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(front->Log, (TLog{"down 10,10", "click", "up 12,11"}));
  EXPECT_TRUE(back->Log.empty());
  EXPECT_EQ(clicks, 1);
}

TEST_F(MouseTest, ReleaseOutsideAfterPressInsideDoesNotClick) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 40);
  Send(WM_MOUSEMOVE, MK_LBUTTON, 150, 140);
  Send(WM_LBUTTONUP, 0, 150, 140);
  EXPECT_EQ(front->Log, (TLog{"down 10,10", "move 100,110", "up 100,110"}));
  EXPECT_EQ(clicks, 0);
}

TEST_F(MouseTest, ReleaseInsideWithoutPressInsideDoesNotClick) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);  // on the panel itself
  Send(WM_LBUTTONUP, 0, 60, 40);
  EXPECT_EQ(front->Log, (TLog{"up 10,10"}));
  EXPECT_EQ(clicks, 0);
}

TEST_F(MouseTest, DisabledAndHiddenChildrenLetTheMouseThrough) {
  front->SetEnabled(false);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 40);
  Send(WM_LBUTTONUP, 0, 60, 40);
  EXPECT_TRUE(front->Log.empty());
  EXPECT_EQ(back->Log, (TLog{"down 40,20", "click", "up 40,20"}));
  back->Hide();
  back->Log.clear();
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 40);
  Send(WM_LBUTTONUP, 0, 60, 40);
  EXPECT_TRUE(back->Log.empty());
}

TEST_F(MouseTest, EnterAndLeaveFollowTheChildUnderTheMouse) {
  Send(WM_MOUSEMOVE, 0, 25, 25);
  Send(WM_MOUSEMOVE, 0, 60, 40);
  EXPECT_TRUE(front->MouseInControl());
  EXPECT_FALSE(back->MouseInControl());
  Send(WM_MOUSEMOVE, 0, 150, 140);
  Send(WM_MOUSEMOVE, 0, 100, 65);
  SendMessageW(panel->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(back->Log, (TLog{"enter", "move 5,5", "leave"}));
  EXPECT_EQ(front->Log, (TLog{"enter", "move 10,10", "leave", "enter", "move 50,35", "leave"}));
  EXPECT_FALSE(front->MouseInControl());
}

TEST_F(MouseTest, ChildDestroyedWhileHoldingTheMouseLetsItGo) {
  Send(WM_MOUSEMOVE, 0, 60, 40);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 40);
  delete front;
  EXPECT_EQ(GetCapture(), nullptr);
  Send(WM_MOUSEMOVE, 0, 25, 25);
  Send(WM_LBUTTONUP, 0, 25, 25);
  EXPECT_EQ(back->Log, (TLog{"enter", "move 5,5", "up 5,5"}));
}

TEST_F(MouseTest, CursorComesFromTheChildUnderTheMouseElseTheWindowedControl) {
  back->SetCursor(crHandPoint);
  panel->SetCursor(crCross);
  struct TCursorCase {
    int X, Y;
    const wchar_t* Expected;
    const char* What;
  };
  const TCursorCase cases[] = {
      {25, 25, IDC_HAND, "the graphic child's cursor"},
      {5, 5, IDC_CROSS, "no child: the panel's cursor"},
      {100, 65, IDC_ARROW, "a child with crDefault leaves the default"},
  };
  for (const auto& c : cases) {
    const POINT screen = panel->ClientToScreen(POINT{c.X, c.Y});
    SetCursorPos(screen.x, screen.y);
    SetCursor(nullptr);
    SendMessageW(panel->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(panel->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, c.Expected)) << c.What;
  }
}

}  // namespace
