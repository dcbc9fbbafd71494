#include "HtmlHook.h"

THookComponent::THookComponent(THookMessageEvent OnMessage)
    : TComponent(nullptr), FOnMessage(std::move(OnMessage)) {}

THookComponent::~THookComponent() {
  SetControl(nullptr);
}

void THookComponent::SetControl(TControl* Control) {
  if (FControl) {
    FControl->RemoveMessageWatcher(this);
    RemoveFreeNotification(FControl);
    FControl = nullptr;
  }
  if (!Control)
    return;
  FControl = Control;
  FreeNotification(FControl);
  FControl->AddMessageWatcher(this, [this](const TMessage& message) {
    if (FOnMessage)
      FOnMessage(message);
  });
}

void THookComponent::Notification(TComponent* Component, TOperation Operation) {
  TComponent::Notification(Component, Operation);
  if (Operation == TOperation::opRemove && Component == FControl)
    FControl = nullptr;
}
