#include "HtmlData.h"

#include <algorithm>

void THtmlItem::AsHTML(std::u16string&) const {}

void THtmlItem::Assign(const THtmlItem& Source) {
  FontStyle = Source.FontStyle;
  FontHeight = Source.FontHeight;
  FontBgColor = Source.FontBgColor;
  FontColor = Source.FontColor;
  FLinkRef = Source.FLinkRef;
  FFontRef = Source.FFontRef;
  FIndent = Source.FIndent;
  FFntCnt = Source.FFntCnt;
  FBoolState = Source.FBoolState;
}

void THtmlItem::SetText(std::u16string_view Text) {
  FText.assign(Text);
  FTWidth = HtmlTextNotMeasured;
}

void THtmlItem::AppendText(std::u16string_view Text) {
  FText.append(Text);
  FTWidth = HtmlTextNotMeasured;
}

void THtmlItem::TruncateText(std::size_t Length) {
  if (Length < FText.size()) {
    FText.resize(Length);
    FTWidth = HtmlTextNotMeasured;
  }
}

void THtmlBreakItem::Assign(const THtmlItem& Source) {
  THtmlItem::Assign(Source);
  if (const THtmlBreakItem* source = Source.AsBreak()) {
    FListLevel = source->FListLevel;
    FListItemN = source->FListItemN;
    FParams = source->FParams & ~std::uint32_t{3};
  }
}

void THtmlBreakItem::AssignBreakProps(const THtmlBreakItem* Source) {
  if (!Source)
    return;
  FListLevel = Source->FListLevel;
  FListItemN = Source->FListItemN;
  FParams = Source->FParams;
}

void THtmlInputItem::Assign(const THtmlItem& Source) {
  THtmlItem::Assign(Source);
  if (const auto* source = dynamic_cast<const THtmlInputItem*>(&Source)) {
    FName = source->FName;
    FChecked = source->FChecked;
    SetInputType(source->FInputType);
    FValue = source->FValue;
  }
}

void THtmlInputItem::SetInputType(THtmlInputType Value) {
  FInputType = Value;
  if (Value != THtmlInputType::itRadioButton || FName.empty() || !FOwner)
    return;
  auto& groups = FOwner->FRadioList;
  auto group = std::find(groups.begin(), groups.end(), FName);
  if (group == groups.end())
    group = groups.insert(groups.end(), FName);
  FTag = static_cast<std::int32_t>(group - groups.begin()) + 1;
}

void THtmlInputItem::SetChecked(bool Value) {
  if (Value == FChecked)
    return;
  if (Value && FInputType == THtmlInputType::itRadioButton && FTag > 0 && FOwner) {
    for (THtmlItem* item : FOwner->FControlsArray) {
      auto* member = dynamic_cast<THtmlInputItem*>(item);
      if (member && member->FTag == FTag)
        member->FChecked = false;
    }
  }
  FChecked = Value;
  if (FOwner) {
    Raise(FOwner->OnInputItemChecked, FOwner, this);
    Raise(FOwner->OnChange, FOwner);
  }
}

void THtmlInputItem::Click() {
  SetChecked(!FChecked);
  if (FOwner)
    Raise(FOwner->OnChange, FOwner);
}

void THtmlInputItem::KeyDownTransfer(std::uint16_t& Key, TShiftState) {
  constexpr std::uint16_t Space = 32;
  if (Key != Space)
    return;
  SetChecked(FInputType == THtmlInputType::itRadioButton || !FChecked);
}

void THtmlInputItem::AsHTML(std::u16string& Text) const {
  auto attribute = [&Text](std::u16string_view name, std::u16string_view value) {
    Text.append(name).append(u"=\"").append(value).append(u"\" ");
  };
  Text.append(u"<input ");
  attribute(u"type", FInputType == THtmlInputType::itRadioButton ? u"radio" : u"checkbox");
  if (!FName.empty())
    attribute(u"name", FName);
  if (FChecked)
    attribute(u"checked", u"True");
  if (!FValue.empty())
    attribute(u"value", FValue);
  Text.append(u">");
}

THtmlData::~THtmlData() {
  ClearArray();
}

void THtmlData::ClearArray() {
  FActiveItem = nullptr;
  FSelectedItem = nullptr;
  FControlsArray.clear();
  FRadioList.clear();
  FArray.clear();
}

int THtmlData::LineCount() const {
  return static_cast<int>(std::count_if(FArray.begin(), FArray.end(),
                                        [](const auto& item) { return item->AsBreak() != nullptr; }));
}

void THtmlData::SetActiveItem(THtmlInputItem* Item) {
  if (Item == FActiveItem)
    return;
  FActiveItem = Item;
  Raise(OnActiveItemChange, this);
}

std::u16string THtmlData::GenerateHTML() const {
  std::u16string html = u"<html>";
  for (const auto& item : FArray) {
    switch (item->FItemType) {
      case THtmlItemType::hitChar:
        html += item->Text();
        break;
      case THtmlItemType::hitBreak:
        html += u"<br>\r\n";
        break;
      case THtmlItemType::hitInput:
      case THtmlItemType::hitControl:
        item->AsHTML(html);
        html += u"\r\n";
        break;
      case THtmlItemType::hitVar:
        html.append(u"<~~").append(item->Text()).append(u">");
        break;
      default:
        break;
    }
  }
  return html + u"</html>";
}
