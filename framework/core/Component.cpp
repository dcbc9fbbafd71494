#include "Component.h"

#include <algorithm>

namespace {

bool IsIdentifier(const std::string& name) {
  if (name.empty())
    return false;
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (!letter(name[0]))
    return false;
  return std::all_of(name.begin(), name.end(), [&](char c) { return letter(c) || digit(c); });
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

void Erase(std::vector<TComponent*>& list, TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComponent>("TComponent", &TPersistent::StaticClass())
          .Property<std::string>("Name", &TComponent::GetName, &TComponent::SetName)
          .Property<int>("Tag", &TComponent::GetTag, &TComponent::SetTag)
          .Build();
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner)
    owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  if (FOwner)
    FOwner->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) {
  if (name == FName)
    return;
  if (!name.empty() && !IsIdentifier(name))
    throw EComponentError("\"" + name + "\" is not a valid component name");
  if (!name.empty() && FOwner) {
    TComponent* other = FOwner->FindComponent(name);
    if (other && other != this)
      throw EComponentError("A component named " + name + " already exists");
  }
  FName = name;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty())
    return nullptr;
  for (TComponent* c : FComponents)
    if (SameText(c->FName, name))
      return c;
  return nullptr;
}

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this)
    return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), other) == FFreeNotifies.end())
    FFreeNotifies.push_back(other);
  if (std::find(other->FFreeNotifies.begin(), other->FFreeNotifies.end(), this) == other->FFreeNotifies.end())
    other->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  if (!other)
    return;
  Erase(FFreeNotifies, other);
  Erase(other->FFreeNotifies, this);
}

void TComponent::BeginLoading() {
  FComponentState.Include(TComponentStateFlag::csLoading);
  FComponentState.Include(TComponentStateFlag::csReading);
}

void TComponent::EndReading() {
  FComponentState.Exclude(TComponentStateFlag::csReading);
}

void TComponent::Loaded() {
  FComponentState.Exclude(TComponentStateFlag::csLoading);
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->FOwner)
    component->FOwner->RemoveComponent(component);
  FComponents.push_back(component);
  component->FOwner = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component->FOwner != this)
    return;
  Notification(component, TOperation::opRemove);
  Erase(FComponents, component);
  component->FOwner = nullptr;
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove)
    RemoveFreeNotification(component);
  // A copy: a notified component may free others.
  const std::vector<TComponent*> owned = FComponents;
  for (TComponent* c : owned)
    if (std::find(FComponents.begin(), FComponents.end(), c) != FComponents.end())
      c->Notification(component, operation);
}

void TComponent::Destroying() {
  if (IsDestroying())
    return;
  FComponentState.Include(TComponentStateFlag::csDestroying);
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    Erase(other->FFreeNotifies, this);
    other->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    RemoveComponent(last);
    delete last;
  }
}
