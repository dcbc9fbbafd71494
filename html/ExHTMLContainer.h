#pragma once
// TExHTMLContainer: a non-visual store of named HTML snippets that several labels can show; labels register a
// TExHTMLChangeLink to hear of changes.

#include <memory>
#include <string>
#include <vector>

#include "ChangeLinks.h"
#include "Component.h"

class TExHTMLContainer;
class TExHTMLListItems;

// One snippet: a name (unique in its container) and the HTML caption.
class TExHTMLListItem : public TPersistent {
  OVANTA_CLASS(TExHTMLListItem)

 public:
  explicit TExHTMLListItem(TExHTMLListItems& collection) : FCollection(collection) {}

  const std::u16string& GetName() const { return FName; }
  // An empty name, or one another item has, becomes the first free "ExHTMLSnip" + N.
  void SetName(const std::u16string& name);
  const std::u16string& GetCaption() const { return FCaption; }
  // A changed caption tells the container.
  void SetCaption(const std::u16string& caption);

 private:
  TExHTMLListItems& FCollection;
  std::u16string FName;
  std::u16string FCaption;
};

class TExHTMLListItems : public TPersistent {
  OVANTA_CLASS(TExHTMLListItems)

 public:
  explicit TExHTMLListItems(TExHTMLContainer& container) : FContainer(container) {}

  // A new item, named "ExHTMLSnip" + N.
  TExHTMLListItem& Add();
  int Count() const { return static_cast<int>(FItems.size()); }
  TExHTMLListItem& Items(int index) const { return *FItems.at(static_cast<std::size_t>(index)); }
  // The item of exactly this name, or none.
  TExHTMLListItem* FindByName(const std::u16string& name) const;

 private:
  friend class TExHTMLListItem;
  std::u16string FirstFreeName() const;
  void Changed();

  TExHTMLContainer& FContainer;
  std::vector<std::unique_ptr<TExHTMLListItem>> FItems;
};

// A registration with a container: OnChange is raised with the container as sender when its snippets change.
using TExHTMLChangeLink = TChangeLink<TExHTMLContainer>;

class TExHTMLContainer : public TComponent {
  OVANTA_CLASS(TExHTMLContainer)

 public:
  explicit TExHTMLContainer(TComponent* owner);
  ~TExHTMLContainer() override;

  // Created on first use.
  TExHTMLListItems& Items();
  int ItemCount() const { return FItems ? FItems->Count() : 0; }

  void RegisterChanges(TExHTMLChangeLink& link);
  void UnRegisterChanges(TExHTMLChangeLink& link);

  // Raises OnChange and then every registered link's OnChange, unless the container is loading.
  void Change();

  TNotifyEvent OnChange;

 private:
  std::unique_ptr<TExHTMLListItems> FItems;
  TChangeLinks<TExHTMLContainer> FLinks{*this};
};
