// The labels under the mouse on a shown form: the cursor over links and elsewhere, clicks on links and on
// text, container links, and the link popup menu.

#include <gtest/gtest.h>

#include "ExHTMLLbl.h"
#include "ShownForm.h"
#include "WinText.h"

namespace {

// A link at the start of the first line, then plain text.
const char16_t* const kLinkFirst = u"<a href=\"target\">Linktext</a> und danach noch etwas Text";

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

TEST_F(LabelMouse, LabelLetsGoOfADestroyedLinkMenu) {
  TExHTMLLabel* label = AddLabel(kLinkFirst);
  auto* menu = new TPopupMenu(FForm.get());
  label->SetLinkPopupMenu(menu);
  delete menu;
  EXPECT_EQ(label->GetLinkPopupMenu(), nullptr);
}

}  // namespace
