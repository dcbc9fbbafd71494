#include <gtest/gtest.h>

#include "Component.h"
#include "TestClasses.h"

namespace {

// Records the notifications it receives and how it was destroyed.
class TWatcher : public TComponent {
 public:
  TWatcher(TComponent* owner, std::vector<std::string>* log) : TComponent(owner), FLog(log) {}
  ~TWatcher() override {
    if (FLog)
      FLog->push_back("destroyed " + GetName());
  }
  TComponent* Watched = nullptr;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Watched) {
      Watched = nullptr;
      if (FLog)
        FLog->push_back(GetName() + " lost its reference");
    }
  }

 private:
  std::vector<std::string>* FLog;
};

TEST(Component, OwnerFreesOwnedComponentsLastFirst) {
  std::vector<std::string> log;
  auto* owner = new TWatcher(nullptr, nullptr);
  auto* a = new TWatcher(owner, &log);
  a->SetName("A");
  auto* b = new TWatcher(owner, &log);
  b->SetName("B");
  ASSERT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->Components(0), a);
  EXPECT_EQ(a->Owner(), owner);
  delete owner;
  EXPECT_EQ(log, (std::vector<std::string>{"destroyed B", "destroyed A"}));
}

TEST(Component, DeletingAnOwnedComponentRemovesItFromItsOwner) {
  TWatcher owner(nullptr, nullptr);
  auto* a = new TWatcher(&owner, nullptr);
  delete a;
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(Component, SiblingsHearOfARemovedComponent) {
  std::vector<std::string> log;
  TWatcher owner(nullptr, nullptr);
  auto* target = new TWatcher(&owner, nullptr);
  auto* sibling = new TWatcher(&owner, &log);
  sibling->SetName("Sibling");
  sibling->Watched = target;
  delete target;
  EXPECT_EQ(sibling->Watched, nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"Sibling lost its reference"}));
}

TEST(Component, FreeNotificationReachesComponentsOfOtherOwners) {
  std::vector<std::string> log;
  TWatcher ownerA(nullptr, nullptr), ownerB(nullptr, nullptr);
  auto* target = new TWatcher(&ownerA, nullptr);
  auto* watcher = new TWatcher(&ownerB, &log);
  watcher->SetName("W");
  watcher->Watched = target;
  target->FreeNotification(watcher);
  delete target;
  EXPECT_EQ(watcher->Watched, nullptr);
  // The link went both ways and is gone with the target: destroying the watcher later must not touch it.
  delete watcher;
  EXPECT_EQ(log, (std::vector<std::string>{"W lost its reference", "destroyed W"}));
}

TEST(Component, RemovedFreeNotificationIsNotSent) {
  TWatcher ownerA(nullptr, nullptr), ownerB(nullptr, nullptr);
  auto* target = new TWatcher(&ownerA, nullptr);
  auto* watcher = new TWatcher(&ownerB, nullptr);
  watcher->Watched = target;
  target->FreeNotification(watcher);
  target->RemoveFreeNotification(watcher);
  delete target;
  EXPECT_EQ(watcher->Watched, target);  // stale on purpose: nobody told it
}

TEST(Component, NamesAreIdentifiersUniqueAmongTheOwnersComponents) {
  TWatcher owner(nullptr, nullptr);
  auto* a = new TWatcher(&owner, nullptr);
  auto* b = new TWatcher(&owner, nullptr);
  a->SetName("Button1");
  EXPECT_THROW(b->SetName("button1"), EComponentError);  // names compare without regard to case
  EXPECT_THROW(b->SetName("1Button"), EComponentError);
  EXPECT_THROW(b->SetName("Has Space"), EComponentError);
  EXPECT_NO_THROW(b->SetName("_Button_2"));
  EXPECT_EQ(owner.FindComponent("BUTTON1"), a);
  EXPECT_EQ(owner.FindComponent("missing"), nullptr);
  EXPECT_NO_THROW(a->SetName(""));
  EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Persistent, AssignBetweenUnrelatedClassesRaises) {
  TPen2 pen;
  TWidget widget(nullptr);
  EXPECT_THROW(pen.Assign(widget), EConvertError);
}

}  // namespace
