// The labels under the mouse on a shown form: the cursor over links and elsewhere, clicks on links and on
// text, container links, the link popup menu and the label's own context menu.

#include <gtest/gtest.h>

#include <vector>

#include "ExHTMLLbl.h"
#include "PostedMouse.h"
#include "ShownForm.h"
#include "WinText.h"

namespace {

// A link at the start of the first line, then plain text.
const char16_t* const kLinkFirst = u"<a href=\"target\">Linktext</a> und danach noch etwas Text";

// A menu without commands (so that showing it never waits for the user) that counts how often it opened.
struct TCountedMenu {
  explicit TCountedMenu(TComponent* owner) : Menu(new TPopupMenu(owner)) {
    Menu->OnPopup = [this](TObject*) { ++Popups; };
  }
  TPopupMenu* Menu;
  int Popups = 0;
};

class LabelMouse : public ShownFormTest {
 protected:
  TExHTMLLabel* AddLabel(const char16_t* caption, bool isHTML = true) {
    auto* label = AddControl<TExHTMLLabel>();
    label->SetAutoSize(false);
    label->SetThemeMode(TThemeMode::ttmNone);
    label->GetFont()->SetName(u"Verdana");
    label->GetFont()->SetHeight(-13);
    label->SetBounds(20, 20, 400, 40);
    label->SetIsHTML(isHTML);
    label->SetCaption(caption);
    return label;
  }

  // A point on the link (left part of the first line) and one on the plain text after it.
  static POINT OnLink() { return POINT{6, 8}; }
  static POINT OnText(TExHTMLLabel& label) { return POINT{label.TextRect().right - 4, 8}; }

  // The mouse moves to `p` (label coordinates) as the user would move it, and the label hears of it.
  void MoveTo(TExHTMLLabel& label, POINT p) {
    const POINT screen = label.ClientToScreen(p);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(FForm->Handle(), WM_MOUSEMOVE, 0,
                 PointToLParam(label.GetLeft() + p.x, label.GetTop() + p.y));
  }

  void ClickAt(TExHTMLLabel& label, POINT p) {
    MoveTo(label, p);
    const LPARAM at = PointToLParam(label.GetLeft() + p.x, label.GetTop() + p.y);
    SendMessageW(FForm->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(FForm->Handle(), WM_LBUTTONUP, 0, at);
  }

  // A label over a link and plain text with a link menu and a menu of its own, on a form with a menu too;
  // OnContextPopup records where it was asked and answers `FHandles`.
  TExHTMLLabel* AddLabelWithMenus() {
    TExHTMLLabel* label = AddLabel(kLinkFirst);
    label->SetLinkPopupMenu(FLinkMenu.Menu);
    label->SetPopupMenu(FOwnMenu.Menu);
    FForm->SetPopupMenu(FFormMenu.Menu);
    label->OnContextPopup = [this](TObject*, POINT mousePos, bool& handled) {
      FRequests.push_back(mousePos);
      handled = FHandles;
    };
    return label;
  }

  void ResetCounts() {
    FLinkMenu.Popups = FOwnMenu.Popups = FFormMenu.Popups = 0;
    FRequests.clear();
  }

  TCountedMenu FLinkMenu{FForm.get()};
  TCountedMenu FOwnMenu{FForm.get()};
  TCountedMenu FFormMenu{FForm.get()};
  std::vector<POINT> FRequests;
  bool FHandles = false;
};

TEST_F(LabelMouse, HandOnlyOverALink) {
  TExHTMLLabel* label = AddLabel(kLinkFirst);
  label->SetCursor(crIBeam);
  Show();
  const struct {
    POINT At;
    TCursor Shown;
    const char* What;
  } cases[] = {{OnLink(), crHandPoint, "on the link"},
               {OnText(*label), crIBeam, "on plain text"},
               {POINT{6, 32}, crIBeam, "below the text"},
               {OnLink(), crHandPoint, "back on the link"}};
  for (const auto& c : cases) {
    MoveTo(*label, c.At);
    EXPECT_EQ(label->DisplayedCursor(), c.Shown) << c.What;
  }
  // Leaving the label shows the user's cursor again.
  SendMessageW(FForm->Handle(), WM_MOUSEMOVE, 0, PointToLParam(450, 300));
  EXPECT_EQ(label->DisplayedCursor(), crIBeam);
}

TEST_F(LabelMouse, SetCursorShowsAtOnceUnlessOverALink) {
  TExHTMLLabel* label = AddLabel(kLinkFirst);
  Show();
  MoveTo(*label, OnText(*label));
  label->SetCursor(crCross);
  EXPECT_EQ(label->DisplayedCursor(), crCross);
  EXPECT_EQ(GetCursor(), CursorHandle(crCross)) << "shown without waiting for the mouse to move";
  MoveTo(*label, OnLink());
  label->SetCursor(crSizeAll);
  EXPECT_EQ(label->GetCursor(), crSizeAll);
  EXPECT_EQ(label->DisplayedCursor(), crHandPoint);
}

TEST_F(LabelMouse, PlainLabelShowsItsCursorEverywhere) {
  TExHTMLLabel* label = AddLabel(u"<a href=\"x\">Jetzt registrieren</a>", false);
  label->SetCursor(crHandPoint);
  Show();
  for (POINT p : {POINT{2, 2}, POINT{200, 20}, POINT{398, 38}}) {
    MoveTo(*label, p);
    EXPECT_EQ(label->DisplayedCursor(), crHandPoint) << p.x << ", " << p.y;
  }
  label->SetCursor(crIBeam);
  EXPECT_EQ(label->DisplayedCursor(), crIBeam);
}

TEST_F(LabelMouse, LinkClickRaisesOnLinkClickAndNoOnClick) {
  TExHTMLLabel* label = AddLabel(kLinkFirst);
  std::u16string clicked;
  int linkClicks = 0;
  int clicks = 0;
  label->OnLinkClick = [&](TObject* sender, const std::u16string& href) {
    EXPECT_EQ(sender, label);
    clicked = href;
    ++linkClicks;
  };
  label->OnClick = [&](TObject*) { ++clicks; };
  Show();
  ClickAt(*label, OnText(*label));
  EXPECT_EQ(linkClicks, 0) << "plain text is no link";
  ClickAt(*label, OnLink());
  EXPECT_EQ(linkClicks, 1);
  EXPECT_EQ(clicked, u"target");
  EXPECT_EQ(clicks, 0) << "an HTML label raises no OnClick";
}

TEST_F(LabelMouse, LinkToAContainerItemSwitchesTheLabel) {
  auto* container = new TExHTMLContainer(FForm.get());
  container->Items().Add().SetCaption(kLinkFirst);
  TExHTMLListItem& second = container->Items().Add();
  second.SetName(u"target");
  second.SetCaption(u"Zweiter Text");
  for (bool check : {true, false}) {
    TExHTMLLabel* label = AddLabel(u"own");
    label->SetContainer(container);
    label->SetCheckContainerLinks(check);
    int linkClicks = 0;
    label->OnLinkClick = [&](TObject*, const std::u16string&) { ++linkClicks; };
    Show();
    EXPECT_EQ(label->PlainText(), u"Linktext und danach noch etwas Text");
    ClickAt(*label, OnLink());
    EXPECT_EQ(label->GetContainerIndex(), check ? 1 : 0);
    EXPECT_EQ(linkClicks, check ? 0 : 1);
    EXPECT_EQ(label->PlainText(), check ? u"Zweiter Text" : u"Linktext und danach noch etwas Text");
    delete label;
  }
}

TEST_F(LabelMouse, RightClickOnALinkShowsTheLinkMenuAtTheMouse) {
  TExHTMLLabel* label = AddLabel(kLinkFirst);
  auto* menu = new TPopupMenu(FForm.get());
  label->SetLinkPopupMenu(menu);
  int popups = 0;
  menu->OnPopup = [&](TObject*) {
    ++popups;
    EXPECT_EQ(menu->GetPopupComponent(), label);
  };
  Show();
  auto rightClick = [&](POINT p) {
    MoveTo(*label, p);
    const LPARAM at = PointToLParam(label->GetLeft() + p.x, label->GetTop() + p.y);
    SendMessageW(FForm->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageW(FForm->Handle(), WM_RBUTTONUP, 0, at);
  };
  rightClick(OnText(*label));
  EXPECT_EQ(popups, 0) << "not on plain text";
  rightClick(OnLink());
  EXPECT_EQ(popups, 1);
  const POINT expected = label->ClientToScreen(OnLink());
  EXPECT_EQ(menu->GetPopupPoint().x, expected.x);
  EXPECT_EQ(menu->GetPopupPoint().y, expected.y);

  menu->SetAutoPopup(false);
  rightClick(OnLink());
  EXPECT_EQ(popups, 1) << "a menu without AutoPopup stays closed";

  delete label;
  EXPECT_EQ(menu->GetPopupComponent(), nullptr) << "the menu lets go of a destroyed label";
}

TEST_F(LabelMouse, RealRightClickShowsExactlyOneMenu) {
  TExHTMLLabel* label = AddLabelWithMenus();
  Show();
  const struct {
    POINT At;
    int Link, Own, Requests;
    const char* What;
  } cases[] = {
      {OnLink(), 1, 0, 0, "on the link: the link menu, and no context-menu request after it"},
      {OnText(*label), 0, 1, 1, "off the link: the label's own menu"},
  };
  for (const auto& c : cases) {
    ResetCounts();
    PostRightClick(*FForm, POINT{label->GetLeft() + c.At.x, label->GetTop() + c.At.y});
    EXPECT_EQ(FLinkMenu.Popups, c.Link) << c.What;
    EXPECT_EQ(FOwnMenu.Popups, c.Own) << c.What;
    EXPECT_EQ(FFormMenu.Popups, 0) << c.What;
    EXPECT_EQ(FRequests.size(), static_cast<std::size_t>(c.Requests)) << c.What;
  }
  EXPECT_EQ(FOwnMenu.Menu->GetPopupComponent(), label);
  const POINT expected = label->ClientToScreen(OnText(*label));
  EXPECT_EQ(FOwnMenu.Menu->GetPopupPoint().x, expected.x);
  EXPECT_EQ(FOwnMenu.Menu->GetPopupPoint().y, expected.y);
}

TEST_F(LabelMouse, ContextRequestOverALinkShowsTheLinkMenuUnlessHandled) {
  TExHTMLLabel* label = AddLabelWithMenus();
  Show();
  const struct {
    POINT At;
    bool Handles;
    int Link, Own;
    const char* What;
  } cases[] = {
      {OnLink(), false, 1, 0, "on the link"},
      {OnLink(), true, 0, 0, "on the link, handled by OnContextPopup"},
      {OnText(*label), false, 0, 1, "off the link"},
      {OnText(*label), true, 0, 0, "off the link, handled by OnContextPopup"},
  };
  for (const auto& c : cases) {
    ResetCounts();
    FHandles = c.Handles;
    const POINT screen = label->ClientToScreen(c.At);
    PostContextRequest(*FForm, screen);
    ASSERT_EQ(FRequests.size(), 1u) << c.What;
    EXPECT_EQ(FRequests[0].x, c.At.x) << c.What;
    EXPECT_EQ(FRequests[0].y, c.At.y) << c.What;
    EXPECT_EQ(FLinkMenu.Popups, c.Link) << c.What;
    EXPECT_EQ(FOwnMenu.Popups, c.Own) << c.What;
    EXPECT_EQ(FFormMenu.Popups, 0) << c.What << ": a handled request goes no further";
    const TPopupMenu* shown = c.Link ? FLinkMenu.Menu : c.Own ? FOwnMenu.Menu : nullptr;
    if (shown) {
      EXPECT_EQ(shown->GetPopupPoint().x, screen.x) << c.What;
      EXPECT_EQ(shown->GetPopupPoint().y, screen.y) << c.What;
    }
  }
}

TEST_F(LabelMouse, KeyboardRequestShowsTheOwnMenuAtTheLabelsCorner) {
  TExHTMLLabel* label = AddLabelWithMenus();
  Show();
  label->Perform(WM_CONTEXTMENU, 0, PointToLParam(-1, -1));
  EXPECT_EQ(FLinkMenu.Popups, 0);
  EXPECT_EQ(FOwnMenu.Popups, 1);
  const POINT corner = label->ClientToScreen(POINT{0, 0});
  EXPECT_EQ(FOwnMenu.Menu->GetPopupPoint().x, corner.x);
  EXPECT_EQ(FOwnMenu.Menu->GetPopupPoint().y, corner.y);
}

TEST_F(LabelMouse, PlainLabelLetsTheFormsMenuShow) {
  TExHTMLLabel* label = AddLabel(kLinkFirst);
  FForm->SetPopupMenu(FFormMenu.Menu);
  Show();
  PostRightClick(*FForm, POINT{label->GetLeft() + OnLink().x, label->GetTop() + OnLink().y});
  EXPECT_EQ(FFormMenu.Popups, 1) << "a label without menus leaves the request to its window";
  EXPECT_EQ(FFormMenu.Menu->GetPopupComponent(), FForm.get());
}

TEST_F(LabelMouse, LabelLetsGoOfADestroyedLinkMenu) {
  TExHTMLLabel* label = AddLabel(kLinkFirst);
  auto* menu = new TPopupMenu(FForm.get());
  label->SetLinkPopupMenu(menu);
  delete menu;
  EXPECT_EQ(label->GetLinkPopupMenu(), nullptr);
}

}  // namespace
