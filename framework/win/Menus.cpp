#include "Menus.h"

#include "Controls.h"
#include "Handles.h"
#include "WinText.h"

const TClassInfo& TPopupMenu::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPopupMenu>("TPopupMenu", &TComponent::StaticClass())
          .Creatable()
          .Property<bool>("AutoPopup", &TPopupMenu::GetAutoPopup, &TPopupMenu::SetAutoPopup)
          .Event("OnPopup", &TPopupMenu::OnPopup)
          .Build();
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

void TPopupMenu::SetPopupComponent(TComponent* component) {
  if (component == FPopupComponent)
    return;
  if (FPopupComponent)
    RemoveFreeNotification(FPopupComponent);
  FPopupComponent = component;
  if (component)
    FreeNotification(component);
}

void TPopupMenu::AddItem(const std::u16string& caption, TNotifyEvent onClick) {
  FItems.push_back(TItem{caption, std::move(onClick)});
}

HWND TPopupMenu::OwnerWindow() const {
  for (auto* control = dynamic_cast<TControl*>(FPopupComponent); control; control = control->GetParent())
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->HandleAllocated())
      return windowed->Handle();
  return GetActiveWindow();
}

void TPopupMenu::Popup(int x, int y) {
  FPopupPoint = POINT{x, y};
  Raise(OnPopup, this);
  const HWND owner = OwnerWindow();
  if (FItems.empty() || !owner)
    return;
  const TMenuHandle menu(CreatePopupMenu());
  if (!menu)
    return;
  // Command 0 means "dismissed", so the commands count from 1.
  for (std::size_t i = 0; i < FItems.size(); ++i)
    AppendMenuW(menu.Get(), MF_STRING, static_cast<UINT_PTR>(i + 1), WideText(FItems[i].Caption));
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0, owner, nullptr));
  if (chosen > 0 && chosen <= FItems.size())
    Raise(FItems[chosen - 1].OnClick, this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == FPopupComponent)
    FPopupComponent = nullptr;
  TComponent::Notification(component, operation);
}
