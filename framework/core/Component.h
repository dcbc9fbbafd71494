#pragma once
// Components: named objects owned by another component, which frees them with itself, and told through
// Notification when a component they refer to goes away.

#include <string>
#include <vector>

#include "Enumerations.h"
#include "Persistent.h"

enum class TComponentStateFlag : std::uint8_t { csLoading, csReading, csWriting, csDestroying, csDesigning };
template <>
struct TEnumNames<TComponentStateFlag> {
  static constexpr std::array<std::string_view, 5> Names{"csLoading", "csReading", "csWriting",
                                                         "csDestroying", "csDesigning"};
  static_assert(NamesEveryValue(Names, TComponentStateFlag::csDesigning));
};
using TComponentState = TSet<TComponentStateFlag>;

enum class TOperation : std::uint8_t { opInsert, opRemove };

class TComponent : public TPersistent {
  OVANTA_CLASS(TComponent)

 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  const std::string& GetName() const { return FName; }
  // Raises EComponentError for an invalid identifier or a name already used among the owner's components.
  virtual void SetName(const std::string& name);
  int GetTag() const { return FTag; }
  void SetTag(int tag) { FTag = tag; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(static_cast<std::size_t>(index)); }
  TComponent* FindComponent(std::string_view name) const;

  TComponentState ComponentState() const { return FComponentState; }
  bool IsLoading() const { return FComponentState.Contains(TComponentStateFlag::csLoading); }
  bool IsReading() const { return FComponentState.Contains(TComponentStateFlag::csReading); }
  bool IsDestroying() const { return FComponentState.Contains(TComponentStateFlag::csDestroying); }
  bool IsDesigning() const { return FComponentState.Contains(TComponentStateFlag::csDesigning); }

  // Asks to be told (Notification with opRemove) when `other` is destroyed; the link works both ways.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  // The component a stored description nests this one in; controls take it as their parent.
  virtual void SetParentComponent(TComponent*) {}

  // Reading a stored description: BeginLoading before the first property, Loaded after the whole description.
  void BeginLoading();
  virtual void Loaded();
  void EndReading();

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

 protected:
  // Called for components inserted into or removed from the owner, and for free notifications. The default
  // passes the news on to every owned component, so siblings can drop references.
  virtual void Notification(TComponent* component, TOperation operation);

  // Marks the component as being destroyed, tells those who asked for free notification and frees the owned
  // components. Destructors of classes whose teardown needs the owned components gone call it first; calling
  // it again does nothing.
  void Destroying();

 private:
  void DestroyComponents();

  TComponent* FOwner = nullptr;
  std::string FName;
  int FTag = 0;
  TComponentState FComponentState;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
};

class EComponentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
