// Focus, tab order and keyboard messages of windowed controls.

#include <algorithm>

#include "Controls.h"
#include "Forms.h"

int TWinControl::GetTabOrder() const {
  if (!FParent)
    return -1;
  const auto& list = FParent->FTabList;
  const auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!FParent)
    return;
  auto& list = FParent->FTabList;
  std::erase(list, this);
  const auto position = static_cast<std::size_t>(std::clamp(order, 0, static_cast<int>(list.size())));
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), this);
}

bool TWinControl::CanFocus() const {
  for (const TControl* control = this; control; control = control->FParent)
    if (!control->FVisible || !control->FEnabled)
      return false;
  return true;
}

bool TWinControl::Focused() const {
  return FHandle && GetFocus() == FHandle.Get();
}

void TWinControl::SetFocus() {
  TForm* form = GetParentForm(this);
  if (form && form != this && !form->Showing()) {
    // Takes the focus when the form is shown.
    form->SetActiveControl(this);
    return;
  }
  if (!CanFocus())
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  for (TWinControl* control : FTabList) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  const int count = static_cast<int>(list.size());
  if (count == 0)
    return nullptr;
  const auto found = std::find(list.begin(), list.end(), current);
  int index = found == list.end() ? -1 : static_cast<int>(found - list.begin());
  for (int step = 0; step < count; ++step) {
    if (goForward)
      index = (index + 1) % count;
    else
      index = (index <= 0 ? count : index) - 1;
    TWinControl* candidate = list[static_cast<std::size_t>(index)];
    if ((!checkTabStop || candidate->FTabStop) && candidate->CanFocus())
      return candidate;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop))
    next->SetFocus();
}

void TWinControl::FocusMessage(TMessage& message) {
  TForm* form = GetParentForm(this);
  if (form == this)
    return;
  if (message.Msg == WM_SETFOCUS) {
    // Enter and exit follow the form's active control: switching to another program and back is neither.
    const bool entering = !form || form->ActiveControl() != this;
    if (form)
      form->SetActiveControl(this);
    if (entering)
      DoEnter();
  } else {
    HWND next = reinterpret_cast<HWND>(message.WParam);
    if (next && GetAncestor(next, GA_ROOT) == GetAncestor(FHandle.Get(), GA_ROOT))
      DoExit();
  }
}

bool TWinControl::KeyMessage(TMessage& message) {
  if (message.Msg == WM_CHAR) {
    auto key = static_cast<char16_t>(message.WParam);
    KeyPress(key);
    if (key == 0)
      return true;
    message.WParam = key;
    return false;
  }
  auto key = static_cast<WORD>(message.WParam);
  if (message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN)
    KeyDown(key, KeyboardShiftState());
  else
    KeyUp(key, KeyboardShiftState());
  if (key == 0)
    return true;
  message.WParam = key;
  return false;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  Raise(OnKeyDown, this, key, shift);
}
void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  Raise(OnKeyUp, this, key, shift);
}
void TWinControl::KeyPress(char16_t& key) {
  Raise(OnKeyPress, this, key);
}
void TWinControl::DoEnter() {
  Raise(OnEnter, this);
}
void TWinControl::DoExit() {
  Raise(OnExit, this);
}
