// Owners free what they own; a control leaves its parent's lists when it is destroyed or moved; a destroyed
// parent leaves its remaining children without a parent; references to destroyed components are cleared.

#include <gtest/gtest.h>

#include "StdCtrls.h"
#include "TestControls.h"

namespace {

int liveLabels = 0;

class TCountedLabel : public TLabel {
 public:
  explicit TCountedLabel(TComponent* owner) : TLabel(owner) { ++liveLabels; }
  ~TCountedLabel() override { --liveLabels; }
};

TEST(OwnershipTest, FormFreesEveryOwnedControlWithItsWindows) {
  liveLabels = 0;
  auto* form = new TForm(nullptr);
  auto* panel = new TTestPanel(form);
  panel->SetParent(form);
  (new TCountedLabel(form))->SetParent(form);
  (new TCountedLabel(form))->SetParent(panel);
  auto* unparented = new TCountedLabel(form);
  (void)unparented;
  form->HandleNeeded();
  HWND panelWindow = panel->Handle();
  EXPECT_EQ(liveLabels, 3);
  delete form;
  EXPECT_EQ(liveLabels, 0);
  EXPECT_FALSE(IsWindow(panelWindow));
}

TEST(OwnershipTest, DestroyedParentOrphansTheChildrenItDoesNotOwn) {
  TForm form(nullptr);
  auto* panel = new TTestPanel(&form);
  panel->SetParent(&form);
  auto* label = new TLabel(&form);
  label->SetParent(panel);
  auto* button = new TButton(&form);
  button->SetParent(panel);
  form.HandleNeeded();
  ASSERT_TRUE(button->HandleAllocated());
  delete panel;
  EXPECT_EQ(label->GetParent(), nullptr);
  EXPECT_EQ(button->GetParent(), nullptr);
  EXPECT_FALSE(button->HandleAllocated());
  EXPECT_EQ(label->Owner(), &form);
  EXPECT_EQ(form.ControlCount(), 0);
  button->SetParent(&form);
  EXPECT_TRUE(button->HandleAllocated()) << "a window again with the new parent's";
  EXPECT_EQ(GetParent(button->Handle()), form.Handle());
}

TEST(OwnershipTest, MovedControlLeavesTheOldParentsListsAndWindow) {
  TForm form(nullptr);
  auto* a = new TTestPanel(&form);
  a->SetParent(&form);
  auto* b = new TTestPanel(&form);
  b->SetParent(&form);
  auto* button = new TButton(&form);
  button->SetParent(a);
  form.HandleNeeded();
  button->SetParent(b);
  EXPECT_EQ(a->ControlCount(), 0);
  std::vector<TWinControl*> order;
  a->GetTabOrderList(order);
  EXPECT_TRUE(order.empty());
  EXPECT_EQ(b->Controls(0), button);
  EXPECT_EQ(button->GetTabOrder(), 0);
  EXPECT_EQ(GetParent(button->Handle()), b->Handle());
}

TEST(OwnershipTest, ReferencesToDestroyedComponentsAreCleared) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  label->SetFocusControl(button);
  form.SetActiveControl(button);
  EXPECT_EQ(form.ActiveControl(), button);
  delete button;
  EXPECT_EQ(label->GetFocusControl(), nullptr);
  EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST(OwnershipTest, ChildWindowsAreStackedInCreationOrder) {
  TForm form(nullptr);
  std::vector<TTestPanel*> panels;
  for (int i = 0; i < 3; ++i) {
    panels.push_back(new TTestPanel(&form));
    panels.back()->SetParent(&form);
  }
  form.HandleNeeded();
  panels.front()->RecreateWnd();
  // Top first: the last created lies above the others, also after a window was made anew.
  HWND top = GetWindow(form.Handle(), GW_CHILD);
  EXPECT_EQ(top, panels[2]->Handle());
  EXPECT_EQ(GetWindow(top, GW_HWNDNEXT), panels[1]->Handle());
  EXPECT_EQ(GetWindow(panels[1]->Handle(), GW_HWNDNEXT), panels[0]->Handle());
}

TEST(OwnershipTest, HiddenControlsGetHiddenWindows) {
  TStage stage(200, 100);
  auto* shown = new TTestPanel(&stage.Owner);
  shown->SetParent(&stage.Form);
  auto* hidden = new TTestPanel(&stage.Owner);
  hidden->SetVisible(false);
  hidden->SetParent(&stage.Form);
  EXPECT_TRUE(IsWindowVisible(shown->Handle()));
  EXPECT_FALSE(IsWindowVisible(hidden->Handle()));
  hidden->Show();
  EXPECT_TRUE(IsWindowVisible(hidden->Handle()));
}

}  // namespace
