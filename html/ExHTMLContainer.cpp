#include "ExHTMLContainer.h"

#include <algorithm>

const TClassInfo& TExHTMLListItem::StaticClass() {
  using C = TExHTMLListItem;
  static const TClassInfo info = TClassBuilder<C>("TExHTMLListItem", &TPersistent::StaticClass())
                                     .Property<std::u16string>("Name", &C::GetName, &C::SetName)
                                     .Property<std::u16string>("Caption", &C::GetCaption, &C::SetCaption)
                                     .Build();
  return info;
}

void TExHTMLListItem::SetName(const std::u16string& name) {
  const TExHTMLListItem* holder = name.empty() ? nullptr : FCollection.FindByName(name);
  if (!name.empty() && (!holder || holder == this)) {
    FName = name;
    return;
  }
  FName.clear();  // the item's own current name is free for it
  FName = FCollection.FirstFreeName();
}

void TExHTMLListItem::SetCaption(const std::u16string& caption) {
  if (caption == FCaption)
    return;
  FCaption = caption;
  FCollection.Changed();
}

const TClassInfo& TExHTMLListItems::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TExHTMLListItems>("TExHTMLListItems", &TPersistent::StaticClass()).Build();
  return info;
}

TExHTMLListItem& TExHTMLListItems::Add() {
  auto item = std::make_unique<TExHTMLListItem>(*this);
  item->SetName(u"");
  FItems.push_back(std::move(item));
  Changed();
  return *FItems.back();
}

TExHTMLListItem* TExHTMLListItems::FindByName(const std::u16string& name) const {
  for (const auto& item : FItems)
    if (item->GetName() == name)
      return item.get();
  return nullptr;
}

std::u16string TExHTMLListItems::FirstFreeName() const {
  for (unsigned n = 0;; ++n) {
    std::u16string name = u"ExHTMLSnip";
    for (char c : std::to_string(n))
      name += static_cast<char16_t>(c);
    if (!FindByName(name))
      return name;
  }
}

void TExHTMLListItems::Changed() {
  FContainer.Change();
}

const TClassInfo& TExHTMLContainer::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TExHTMLContainer>("TExHTMLContainer", &TComponent::StaticClass())
          .Creatable()
          .Event("OnChange", &TExHTMLContainer::OnChange)
          .Build();
  return info;
}

TExHTMLContainer::TExHTMLContainer(TComponent* owner) : TComponent(owner) {}

TExHTMLContainer::~TExHTMLContainer() {
  // The labels showing this container let go of it while it is still whole.
  Destroying();
}

TExHTMLListItems& TExHTMLContainer::Items() {
  if (!FItems)
    FItems = std::make_unique<TExHTMLListItems>(*this);
  return *FItems;
}

void TExHTMLContainer::RegisterChanges(TExHTMLChangeLink& link) {
  FLinks.Register(link);
}

void TExHTMLContainer::UnRegisterChanges(TExHTMLChangeLink& link) {
  FLinks.Unregister(link);
}

void TExHTMLContainer::Change() {
  if (IsLoading())
    return;
  Raise(OnChange, this);
  FLinks.Notify();
}
