// Context menus: a right click or a keyboard request reaches the graphic child under the mouse, which raises
// OnContextPopup and shows its PopupMenu; what the child leaves unhandled goes to its window and from there
// to the parent window.

#include <gtest/gtest.h>

#include <vector>

#include "Menus.h"
#include "PostedMouse.h"
#include "TestControls.h"

namespace {

// A menu without commands (so that showing it never waits for the user) that counts how often it opened.
struct TCountedMenu {
  explicit TCountedMenu(TComponent* owner) : Menu(new TPopupMenu(owner)) {
    Menu->OnPopup = [this](TObject*) { ++Popups; };
  }
  TPopupMenu* Menu;
  int Popups = 0;
};

class ContextMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    panel = new TTestPanel(&stage.Owner);
    panel->SetParent(&stage.Form);
    panel->SetBounds(10, 10, 200, 150);
    panel->SetPopupMenu(panelMenu.Menu);
    box = new TTestBox(&stage.Owner);
    box->SetBounds(20, 20, 60, 40);
    box->SetParent(panel);
    box->OnContextPopup = [this](TObject* sender, POINT mousePos, bool& handled) {
      EXPECT_EQ(sender, box);
      requests.push_back(mousePos);
      handled = boxHandles;
    };
  }

  TStage stage{300, 200};
  TCountedMenu panelMenu{&stage.Owner};
  TCountedMenu boxMenu{&stage.Owner};
  TTestPanel* panel = nullptr;
  TTestBox* box = nullptr;
  std::vector<POINT> requests;  // the MousePos of every OnContextPopup of the box
  bool boxHandles = false;
};

void ExpectPoint(POINT actual, POINT expected, const char* what) {
  EXPECT_EQ(actual.x, expected.x) << what;
  EXPECT_EQ(actual.y, expected.y) << what;
}

TEST_F(ContextMenuTest, RightClickOnAChildWithoutMenuShowsTheWindowsMenuOnce) {
  PostRightClick(*panel, POINT{30, 35});
  ASSERT_EQ(requests.size(), 1u) << "the child hears of the request first";
  ExpectPoint(requests[0], POINT{10, 15}, "in the child's client coordinates");
  EXPECT_EQ(panelMenu.Popups, 1);
  EXPECT_EQ(panelMenu.Menu->GetPopupComponent(), panel);
  ExpectPoint(panelMenu.Menu->GetPopupPoint(), panel->ClientToScreen(POINT{30, 35}), "at the mouse");
}

TEST_F(ContextMenuTest, TheChildsOwnMenuComesBeforeTheWindows) {
  box->SetPopupMenu(boxMenu.Menu);
  PostRightClick(*panel, POINT{30, 35});
  EXPECT_EQ(boxMenu.Popups, 1);
  EXPECT_EQ(panelMenu.Popups, 0) << "a handled request goes no further";
  EXPECT_EQ(boxMenu.Menu->GetPopupComponent(), box);
  ExpectPoint(boxMenu.Menu->GetPopupPoint(), panel->ClientToScreen(POINT{30, 35}), "at the mouse");

  // Off the child the window's own menu shows.
  PostRightClick(*panel, POINT{150, 100});
  EXPECT_EQ(boxMenu.Popups, 1);
  EXPECT_EQ(panelMenu.Popups, 1);
  EXPECT_EQ(requests.size(), 1u);
}

TEST_F(ContextMenuTest, WhatTheChildDoesNotShowLeavesTheRequestToTheWindow) {
  const struct {
    bool Handles;
    bool AutoPopup;
    int BoxPopups, PanelPopups;
    const char* What;
  } cases[] = {
      {true, true, 0, 0, "OnContextPopup reports handled: no menu at all"},
      {false, false, 0, 1, "the child's menu does not pop up by itself: the window's shows"},
  };
  box->SetPopupMenu(boxMenu.Menu);
  for (const auto& c : cases) {
    boxHandles = c.Handles;
    boxMenu.Menu->SetAutoPopup(c.AutoPopup);
    boxMenu.Popups = panelMenu.Popups = 0;
    requests.clear();
    PostRightClick(*panel, POINT{30, 35});
    EXPECT_EQ(requests.size(), 1u) << c.What;
    EXPECT_EQ(boxMenu.Popups, c.BoxPopups) << c.What;
    EXPECT_EQ(panelMenu.Popups, c.PanelPopups) << c.What;
  }
}

TEST_F(ContextMenuTest, AKeyboardRequestShowsTheMenuAtTheControlsCorner) {
  box->SetPopupMenu(boxMenu.Menu);
  PostContextRequest(*panel, POINT{-1, -1});
  EXPECT_EQ(panelMenu.Popups, 1);
  EXPECT_EQ(boxMenu.Popups, 0) << "a keyboard request is the window's own";
  ExpectPoint(panelMenu.Menu->GetPopupPoint(), panel->ClientToScreen(POINT{0, 0}), "the window's corner");

  box->Perform(WM_CONTEXTMENU, 0, PointToLParam(-1, -1));
  ASSERT_EQ(requests.size(), 1u);
  ExpectPoint(requests[0], POINT{-1, -1}, "no mouse position");
  EXPECT_EQ(boxMenu.Popups, 1);
  ExpectPoint(boxMenu.Menu->GetPopupPoint(), box->ClientToScreen(POINT{0, 0}),
              "the graphic control's corner");
}

TEST_F(ContextMenuTest, AChildWindowWithoutMenuPassesTheRequestToItsParent) {
  auto* inner = new TTestPanel(&stage.Owner);
  inner->SetParent(panel);
  inner->SetBounds(100, 60, 80, 70);
  PostRightClick(*inner, POINT{5, 6});
  EXPECT_EQ(panelMenu.Popups, 1);
  EXPECT_EQ(panelMenu.Menu->GetPopupComponent(), panel);
  ExpectPoint(panelMenu.Menu->GetPopupPoint(), inner->ClientToScreen(POINT{5, 6}), "at the mouse");
  EXPECT_TRUE(requests.empty()) << "the box lies elsewhere";
}

TEST_F(ContextMenuTest, TheControlLetsGoOfADestroyedMenu) {
  box->SetPopupMenu(boxMenu.Menu);
  delete boxMenu.Menu;
  EXPECT_EQ(box->GetPopupMenu(), nullptr);
  PostRightClick(*panel, POINT{30, 35});
  EXPECT_EQ(panelMenu.Popups, 1);
}

}  // namespace
