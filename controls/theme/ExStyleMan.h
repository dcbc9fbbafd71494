#pragma once
// TExStyleManager: a source of property values for the family's controls, kept in a style store and applied
// by class and style name. TExStyleHook is the part of each Ex control that attaches it to a manager and
// applies the style at the right moments.

#include <string>
#include <vector>

#include "ChangeLinks.h"
#include "Component.h"
#include "StyleStore.h"

class TControl;
class TExStyleManager;

// A registration with a manager: OnChange is raised when the manager's styles change.
using TExStyleChangeLink = TChangeLink<TExStyleManager>;

class TExStyleManager : public TComponent {
  OVANTA_CLASS(TExStyleManager)

 public:
  // Starts with an empty store (the default key only).
  explicit TExStyleManager(TComponent* owner);
  ~TExStyleManager() override;

  const TStyleStore& Store() const { return FStore; }
  // The store may be edited; Changed then lets the registered controls take the new values.
  TStyleStore& Store() { return FStore; }

  void RegisterChanges(TExStyleChangeLink& link);
  void UnRegisterChanges(TExStyleChangeLink& link);
  // Raises every registered link's OnChange.
  void Changed();

  // Writes the values of `styleName` for the control's class into its published properties.
  void ApplyStyle(TComponent& control, std::u16string_view styleName) const;

 private:
  TStyleStore FStore;
  TChangeLinks<TExStyleManager> FLinks{*this};
};

// The process's default manager, with an empty store, which every Ex control created outside a designer
// attaches to. It lives from program start to end.
TExStyleManager* DefaultStyleManager();

// The style settings of one Ex control: its manager, its style name and its change link. The control calls
// Notification from its own and Apply from its Loaded.
class TExStyleHook {
 public:
  explicit TExStyleHook(TControl& control);
  // Detaches from the manager.
  ~TExStyleHook();
  TExStyleHook(const TExStyleHook&) = delete;
  TExStyleHook& operator=(const TExStyleHook&) = delete;

  TExStyleManager* Manager() const { return FManager; }
  // Registers with the new manager (and asks it for free notification), leaves the old one, and applies the
  // style.
  void SetManager(TExStyleManager* manager);
  const std::u16string& StyleName() const { return FStyleName; }
  // A new name is applied at once.
  void SetStyleName(const std::u16string& name);

  // At the end of the control's construction, outside a designer: attaches to the default manager. The style
  // is applied later (Loaded, a new name or manager, a change of the manager): a control still under
  // construction does not yet have its final class.
  void AttachDefaultManager();

  // Applies the manager's style to the control; nothing without a manager or while the control is being
  // loaded or read. A visible windowed control does not redraw meanwhile and is invalidated afterwards.
  void Apply();

  // The manager was destroyed: the control lets go of it.
  void Notification(TComponent* component, TOperation operation);

 private:
  void Attach(TExStyleManager* manager);

  TControl& FControl;
  TExStyleChangeLink FStyleMgrLink;
  TExStyleManager* FManager = nullptr;
  std::u16string FStyleName;
};
