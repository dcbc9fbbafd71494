#pragma once
// A popup menu: a list of commands shown at a screen position on request.

#include <windows.h>

#include <string>
#include <vector>

#include "Component.h"

class TPopupMenu : public TComponent {
  OVANTA_CLASS(TPopupMenu)

 public:
  explicit TPopupMenu(TComponent* owner);

  // Whether controls may show the menu on their own (for a right click); Popup itself always shows it.
  bool GetAutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool value) { FAutoPopup = value; }
  // The component the menu was last shown for; cleared when that component goes away.
  TComponent* GetPopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* component);

  // Where the menu was last asked to show, in screen coordinates.
  POINT GetPopupPoint() const { return FPopupPoint; }

  // Appends a command; OnClick runs when the user chooses it.
  void AddItem(const std::u16string& caption, TNotifyEvent onClick);
  int ItemCount() const { return static_cast<int>(FItems.size()); }

  // Raises OnPopup, then shows the menu at (x, y) in screen coordinates until the user chooses a command or
  // dismisses it, and runs the chosen command. A menu without commands shows nothing.
  void Popup(int x, int y);

  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  struct TItem {
    std::u16string Caption;
    TNotifyEvent OnClick;
  };
  // The window that receives the menu's messages: the popup component's, else the active one.
  HWND OwnerWindow() const;

  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
  POINT FPopupPoint{};
  std::vector<TItem> FItems;
};
