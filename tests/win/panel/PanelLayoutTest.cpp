// The panel's children share the client area less BorderWidth, the bevels and the strips of its grab handles.

#include <gtest/gtest.h>

#include "ExHTMLLbl.h"
#include "ExPanel.h"

namespace {

struct TChildAreaCase {
  const char* Name;
  int BorderWidth;
  TPanelBevelStyle Outer, Inner;
  int BevelWidth;
  int LeftHandle, BottomHandle;  // size of a visible, enabled grab handle; 0 for none
  RECT Expected;                 // bounds of a child aligned to the client, in a 200 x 100 panel
};

const TChildAreaCase kChildAreaCases[] = {
    {"no border, no bevel", 0, TPanelBevelStyle::bvNone, TPanelBevelStyle::bvNone, 1, 0, 0, {0, 0, 200, 100}},
    {"default raised bevel",
     0,
     TPanelBevelStyle::bvRaised,
     TPanelBevelStyle::bvNone,
     1,
     0,
     0,
     {1, 1, 199, 99}},
    {"border and both bevels",
     2,
     TPanelBevelStyle::bvRaised,
     TPanelBevelStyle::bvFlat,
     3,
     0,
     0,
     {8, 8, 192, 92}},
    {"grab handles", 0, TPanelBevelStyle::bvNone, TPanelBevelStyle::bvNone, 1, 5, 7, {5, 0, 200, 93}},
};

TEST(PanelChildArea, ShrinksByBorderBevelsAndGrabHandles) {
  for (const auto& c : kChildAreaCases) {
    TExPanel panel(nullptr);
    panel.SetBounds(0, 0, 200, 100);
    auto* child = new TExHTMLLabel(&panel);
    child->SetAutoSize(false);
    child->SetParent(&panel);
    child->SetAlign(TAlign::alClient);
    panel.SetBorderWidth(c.BorderWidth);
    panel.SetBevelOuter(c.Outer);
    panel.SetBevelInner(c.Inner);
    panel.SetBevelWidth(c.BevelWidth);
    for (auto [handle, size] : {std::pair{panel.GetLeftGrabHandle(), c.LeftHandle},
                                std::pair{panel.GetBottomGrabHandle(), c.BottomHandle}}) {
      handle->SetSize(size);
      handle->SetVisible(size > 0);
      handle->SetEnabled(size > 0);
    }
    const RECT bounds = child->BoundsRect();
    EXPECT_TRUE(EqualRect(&bounds, &c.Expected)) << c.Name << ": " << bounds.left << ", " << bounds.top
                                                 << ", " << bounds.right << ", " << bounds.bottom;
  }
}

TEST(PanelChildArea, HandleThatIsOnlyVisibleTakesNoSpace) {
  TExPanel panel(nullptr);
  panel.SetBounds(0, 0, 200, 100);
  panel.SetBevelOuter(TPanelBevelStyle::bvNone);
  auto* child = new TExHTMLLabel(&panel);
  child->SetAutoSize(false);
  child->SetParent(&panel);
  child->SetAlign(TAlign::alClient);
  panel.GetTopGrabHandle()->SetSize(9);
  panel.GetTopGrabHandle()->SetVisible(true);
  EXPECT_EQ(child->GetTop(), 0);
  panel.GetTopGrabHandle()->SetEnabled(true);
  EXPECT_EQ(child->GetTop(), 9);
}

}  // namespace
