#pragma once
// Root of the class hierarchy and the event slot type shared by every component.

#include <functional>

class TClassInfo;

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

// An event slot: a callable bound to an object, whose first argument is the sender. An unassigned slot is
// skipped silently by Raise.
template <class... Args>
using TEvent = std::function<void(TObject* Sender, Args...)>;
using TNotifyEvent = TEvent<>;

template <class Slot, class... Args>
void Raise(const Slot& slot, TObject* sender, Args&&... args) {
  if (slot)
    slot(sender, std::forward<Args>(args)...);
}
