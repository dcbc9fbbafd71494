#include "ExStyleMan.h"

#include <algorithm>
#include <memory>

#include "Controls.h"

namespace {

// Created with the unit at program start, freed at its end.
const std::unique_ptr<TExStyleManager> GDefaultStyleManager = std::make_unique<TExStyleManager>(nullptr);

// Drawing of a visible window is paused for the scope and resumed at its end, also when an error leaves it.
class TRedrawPause {
 public:
  explicit TRedrawPause(TControl& control) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (windowed && windowed->GetVisible() && windowed->HandleAllocated())
      FControl = windowed;
    if (FControl)
      SendMessageW(FControl->Handle(), WM_SETREDRAW, FALSE, 0);
  }
  ~TRedrawPause() {
    if (!FControl)
      return;
    SendMessageW(FControl->Handle(), WM_SETREDRAW, TRUE, 0);
    FControl->Invalidate();
  }
  TRedrawPause(const TRedrawPause&) = delete;
  TRedrawPause& operator=(const TRedrawPause&) = delete;

 private:
  TWinControl* FControl = nullptr;
};

}  // namespace

const TClassInfo& TExStyleManager::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TExStyleManager>("TExStyleManager", &TComponent::StaticClass()).Build();
  return info;
}

TExStyleManager::TExStyleManager(TComponent* owner) : TComponent(owner) {}

TExStyleManager::~TExStyleManager() {
  // The controls are told first (free notification); the links that remain are let go with the list.
  Destroying();
}

void TExStyleManager::RegisterChanges(TExStyleChangeLink& link) {
  FLinks.Register(link);
}

void TExStyleManager::UnRegisterChanges(TExStyleChangeLink& link) {
  FLinks.Unregister(link);
}

void TExStyleManager::Changed() {
  FLinks.Notify();
}

void TExStyleManager::ApplyStyle(TComponent& control, std::u16string_view styleName) const {
  ApplyStoredStyle(FStore, control, styleName);
}

TExStyleManager* DefaultStyleManager() {
  return GDefaultStyleManager.get();
}

TExStyleHook::TExStyleHook(TControl& control) : FControl(control) {
  FStyleMgrLink.OnChange = [this](TObject*) { Apply(); };
}

TExStyleHook::~TExStyleHook() {
  Attach(nullptr);
}

void TExStyleHook::Attach(TExStyleManager* manager) {
  if (manager == FManager)
    return;
  if (FManager) {
    FManager->UnRegisterChanges(FStyleMgrLink);
    FControl.RemoveFreeNotification(FManager);
  }
  FManager = manager;
  if (FManager) {
    FManager->RegisterChanges(FStyleMgrLink);
    FControl.FreeNotification(FManager);
  }
}

void TExStyleHook::SetManager(TExStyleManager* manager) {
  if (manager == FManager)
    return;
  Attach(manager);
  Apply();
}

void TExStyleHook::SetStyleName(const std::u16string& name) {
  if (name == FStyleName)
    return;
  FStyleName = name;
  Apply();
}

void TExStyleHook::AttachDefaultManager() {
  if (!FControl.IsDesigning())
    Attach(DefaultStyleManager());
}

void TExStyleHook::Apply() {
  if (!FManager || FControl.IsLoading() || FControl.IsReading())
    return;
  const TRedrawPause pause(FControl);
  FManager->ApplyStyle(FControl, FStyleName);
}

void TExStyleHook::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == FManager && FManager) {
    FManager->UnRegisterChanges(FStyleMgrLink);
    FManager = nullptr;
  }
}
