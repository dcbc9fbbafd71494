// The selection, the active ("hot") input item and the tab order of links and input items, driven by the
// mouse and the keyboard of the hosting control.

#include <algorithm>

#include "HtmlRender.h"

namespace {

constexpr std::uint16_t TabKey = 9;

THtmlInputItem* AsInput(THtmlItem* Item) {
  return Item && Item->FItemType == THtmlItemType::hitInput ? dynamic_cast<THtmlInputItem*>(Item) : nullptr;
}

}  // namespace

void THtmlRender::MouseMoveTransfer(TShiftState, int X, int Y, const THtmlRect& R) {
  if (FData)
    FData->SetActiveItem(AsInput(ItemAtPoint({X, Y}, {}, R)));
}

void THtmlRender::ClickTransfer(int X, int Y, const THtmlRect& R) {
  if (!FData)
    return;
  FData->SetSelectedItem(nullptr);
  THtmlItem* item = ItemAtPoint({X, Y}, {}, R);
  if (!item)
    return;
  if (THtmlInputItem* input = AsInput(item)) {
    FData->SetSelectedItem(input);
    input->Click();
  } else if (item->IsLink() && FLinkSelect) {
    FData->SetSelectedItem(item);
  }
  Change();
}

void THtmlRender::KeyDownTransfer(std::uint16_t& Key, TShiftState Shift) {
  if (!FData)
    return;
  if (Key == TabKey) {
    if (Shift.Empty())
      SelectNextSuitableItem();
    else if (Shift == TShiftState{TShiftStateFlag::ssShift})
      SelectPrevSuitableItem();
    Change();
    return;
  }
  if (THtmlInputItem* input = AsInput(FData->SelectedItem()))
    input->KeyDownTransfer(Key, Shift);
}

void THtmlRender::SelectNextLink() {
  if (!FData)
    return;
  const auto& items = FData->FArray;
  auto from = std::find_if(items.begin(), items.end(),
                           [this](const auto& item) { return item.get() == FData->SelectedItem(); });
  from = from == items.end() ? items.begin() : from + 1;
  const auto link = std::find_if(from, items.end(), [](const auto& item) { return item->IsLink(); });
  if (link != items.end())
    FData->SetSelectedItem(link->get());
}

void THtmlRender::SelectPrevLink() {
  if (!FData || !FData->SelectedItem())
    return;
  const auto& items = FData->FArray;
  auto from = std::find_if(items.rbegin(), items.rend(),
                           [this](const auto& item) { return item.get() == FData->SelectedItem(); });
  if (from == items.rend())
    return;
  const auto link = std::find_if(from + 1, items.rend(), [](const auto& item) { return item->IsLink(); });
  if (link != items.rend())
    FData->SetSelectedItem(link->get());
}

void THtmlRender::SelectNextSuitableItem() {
  if (!FData || FData->FControlsArray.empty())
    return;
  const auto& entries = FData->FControlsArray;
  const auto selected = std::find(entries.begin(), entries.end(), FData->SelectedItem());
  const bool wraps = selected == entries.end() || selected + 1 == entries.end();
  FData->SetSelectedItem(wraps ? entries.front() : *(selected + 1));
}

void THtmlRender::SelectPrevSuitableItem() {
  if (!FData || FData->FControlsArray.empty())
    return;
  const auto& entries = FData->FControlsArray;
  const auto selected = std::find(entries.begin(), entries.end(), FData->SelectedItem());
  const bool wraps = selected == entries.end() || selected == entries.begin();
  FData->SetSelectedItem(wraps ? entries.back() : *(selected - 1));
}
