// Change links between a followed object and its followers: notification, moving between senders, and
// either side going first.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ChangeLinks.h"

namespace {

class TFollowed : public TObject {
 public:
  void RegisterChanges(TChangeLink<TFollowed>& link) { FLinks.Register(link); }
  void UnRegisterChanges(TChangeLink<TFollowed>& link) { FLinks.Unregister(link); }
  void Changed() { FLinks.Notify(); }

 private:
  TChangeLinks<TFollowed> FLinks{*this};
};

TEST(ChangeLinks, NotifyRaisesEachRegisteredLinkWithTheSender) {
  TFollowed followed;
  TChangeLink<TFollowed> first, second, never;
  std::vector<std::pair<const TChangeLink<TFollowed>*, TObject*>> calls;
  for (auto* link : {&first, &second, &never})
    link->OnChange = [&calls, link](TObject* sender) { calls.emplace_back(link, sender); };
  followed.RegisterChanges(first);
  followed.RegisterChanges(second);
  followed.RegisterChanges(second);  // a second registration changes nothing
  followed.Changed();
  const std::vector<std::pair<const TChangeLink<TFollowed>*, TObject*>> expected{{&first, &followed},
                                                                                 {&second, &followed}};
  EXPECT_EQ(calls, expected);
  EXPECT_EQ(first.Sender(), &followed);
  EXPECT_EQ(never.Sender(), nullptr);
}

TEST(ChangeLinks, ALinkMovesBetweenSendersAndLeavesTheFirst) {
  TFollowed a, b;
  TChangeLink<TFollowed> link;
  int calls = 0;
  link.OnChange = [&calls](TObject*) { ++calls; };
  a.RegisterChanges(link);
  b.RegisterChanges(link);
  a.Changed();
  EXPECT_EQ(calls, 0);
  b.Changed();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(link.Sender(), &b);
  a.UnRegisterChanges(link);  // not registered there: nothing happens
  EXPECT_EQ(link.Sender(), &b);
}

TEST(ChangeLinks, EitherSideMayGoFirst) {
  auto followed = std::make_unique<TFollowed>();
  TChangeLink<TFollowed> survivor;
  {
    TChangeLink<TFollowed> shortLived;
    followed->RegisterChanges(shortLived);
    followed->RegisterChanges(survivor);
  }
  int calls = 0;
  survivor.OnChange = [&calls](TObject*) { ++calls; };
  followed->Changed();  // the freed link is no longer raised (ASan would catch it)
  EXPECT_EQ(calls, 1);
  followed.reset();
  EXPECT_EQ(survivor.Sender(), nullptr);
}

TEST(ChangeLinks, AHandlerThatUnregistersALaterLinkKeepsItFromBeingRaised) {
  TFollowed followed;
  TChangeLink<TFollowed> first, second;
  int secondCalls = 0;
  first.OnChange = [&](TObject*) { followed.UnRegisterChanges(second); };
  second.OnChange = [&secondCalls](TObject*) { ++secondCalls; };
  followed.RegisterChanges(first);
  followed.RegisterChanges(second);
  followed.Changed();
  EXPECT_EQ(secondCalls, 0);
  EXPECT_EQ(second.Sender(), nullptr);
}

}  // namespace
