#pragma once
// THookComponent: watches the messages of one control before the control handles them, without ever taking
// them away from it. It lets go of the control when either of the two goes.

#include "Controls.h"

class THookComponent : public TComponent {
 public:
  using THookMessageEvent = std::function<void(const TMessage&)>;

  explicit THookComponent(THookMessageEvent OnMessage);
  ~THookComponent() override;

  // Stops watching the current control, then watches Control (none: stays detached).
  void SetControl(TControl* Control);
  TControl* GetControl() const { return FControl; }

 protected:
  void Notification(TComponent* Component, TOperation Operation) override;

 private:
  THookMessageEvent FOnMessage;
  TControl* FControl = nullptr;
};
