#pragma once
// Change links: a component that others follow (a style manager, a snippet container) keeps a list of links,
// and each follower owns one link whose OnChange the component raises. Whichever of the two goes first lets
// go of the other, so neither is left pointing at a freed object.

#include <algorithm>
#include <vector>

#include "Object.h"

template <class TSender>
class TChangeLinks;

template <class TSender>
class TChangeLink : public TObject {
 public:
  TChangeLink() = default;
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;
  ~TChangeLink() override {
    if (FSender)
      FSender->UnRegisterChanges(*this);
  }

  // The component this link is registered with, or none.
  TSender* Sender() const { return FSender; }
  TNotifyEvent OnChange;

 private:
  friend class TChangeLinks<TSender>;
  TSender* FSender = nullptr;
};

// The links registered with one sender.
template <class TSender>
class TChangeLinks {
 public:
  explicit TChangeLinks(TSender& sender) : FSender(sender) {}
  TChangeLinks(const TChangeLinks&) = delete;
  TChangeLinks& operator=(const TChangeLinks&) = delete;
  ~TChangeLinks() {
    for (TChangeLink<TSender>* link : FLinks)
      link->FSender = nullptr;
  }

  // A link registered elsewhere leaves that sender first.
  void Register(TChangeLink<TSender>& link) {
    if (link.FSender == &FSender)
      return;
    if (link.FSender)
      link.FSender->UnRegisterChanges(link);
    link.FSender = &FSender;
    FLinks.push_back(&link);
  }

  void Unregister(TChangeLink<TSender>& link) {
    if (link.FSender != &FSender)
      return;
    link.FSender = nullptr;
    std::erase(FLinks, &link);
  }

  // Raises OnChange of every link registered now and still registered when its turn comes: a handler may
  // register or unregister links.
  void Notify() {
    const std::vector<TChangeLink<TSender>*> links = FLinks;
    for (TChangeLink<TSender>* link : links)
      if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end())
        Raise(link->OnChange, &FSender);
  }

 private:
  TSender& FSender;
  std::vector<TChangeLink<TSender>*> FLinks;
};
