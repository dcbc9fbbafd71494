#include "HtmlParser.h"

#include <algorithm>

#include "AsciiCase.h"
#include "HtmlEntities.h"
#include "HtmlRender.h"

namespace {

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

THtmlParser::THtmlParser(THtmlRender& Render, THtmlData& Data, std::u16string_view Text, bool AutoWrap)
    : FRender(Render),
      FData(Data),
      FText(Text),
      FAutoWrap(AutoWrap),
      FWrapRule(Render.WrapRule() ? *Render.WrapRule() : FLookaheadWrap) {}

void THtmlParser::Run() {
  FData.ClearArray();
  FData.SetSelectedItem(nullptr);

  THtmlItem base(&FData);
  base.FontStyle = FData.GetDefaultStyle();
  FFont = {FData.GetDefaultFont(), FData.GetDefaultHeight(), FData.GetDefaultColor(),
           FData.GetDefaultBgColor()};
  CopyFontSettings(base);
  FRun = NewItem(THtmlItemType::hitChar, base);

  while (FNext < FText.size()) {
    const std::size_t position = FNext;
    if (FText[position] == u'<') {
      FNext = position + 1;
      ReadTag(position);
      continue;
    }
    const TTextUnit unit = ReadTextUnit(position);
    FNext = unit.Next;
    if (unit.Kind == TTextUnit::TKind::Blank)
      AppendBlank(position);
    else if (unit.Kind == TTextUnit::TKind::Characters)
      AppendToRun(unit.Characters(), position);
  }
  Finish();
}

THtmlParser::TTextUnit THtmlParser::ReadTextUnit(std::size_t Position) {
  TTextUnit unit;
  unit.Next = Position + 1;
  const char16_t c = FText[Position];
  if (c == u'\r') {
    if (unit.Next < FText.size() && FText[unit.Next] == u'\n')
      ++unit.Next;
  } else if (c == u'&') {
    unit = ReadReference(Position);
  } else if (c == u' ') {
    unit.Kind = TTextUnit::TKind::Blank;
  } else {
    unit.Kind = TTextUnit::TKind::Characters;
    unit.Units[unit.Length++] = c;
    if (IsHighSurrogate(c) && unit.Next < FText.size() && IsLowSurrogate(FText[unit.Next]))
      unit.Units[unit.Length++] = FText[unit.Next++];  // a pair is one character: wrapping never splits it
  }
  return unit;
}

THtmlParser::TTextUnit THtmlParser::ReadReference(std::size_t Position) {
  TTextUnit unit;
  auto character = [&unit](char16_t c) {
    unit.Kind = TTextUnit::TKind::Characters;
    unit.Units[0] = c;
    unit.Length = 1;
  };
  const std::size_t after = Position + 1;
  unit.Next = after;
  if (after < FText.size() && FText[after] == u' ') {
    character(u'&');
    return unit;
  }
  if (after < FText.size() && FText[after] == u'#') {
    const std::size_t semicolon = FindSemicolon(after + 1);
    const std::size_t end = semicolon == std::u16string_view::npos ? FText.size() : semicolon;
    const std::int32_t value = IntegerOr(FText.substr(after + 1, end - after - 1), 32);
    unit.Next = std::min(end + 1, FText.size());
    if (value == 32)
      unit.Kind = TTextUnit::TKind::Blank;
    else if (const auto c = static_cast<char16_t>(static_cast<std::uint32_t>(value) & 0xFFFF); c != 0)
      character(c);
    return unit;
  }
  const std::size_t semicolon = FindSemicolon(after);
  if (semicolon == std::u16string_view::npos) {
    character(u'&');  // stays literal; reading goes on right after it
    return unit;
  }
  unit.Next = semicolon + 1;
  const std::u16string_view name = FText.substr(after, semicolon - after);
  if (name.size() > LongestEntityName)
    return unit;
  if (const std::optional<char16_t> c = LookupEntity(AsciiLower(name)))
    character(*c);
  return unit;
}

std::size_t THtmlParser::FindSemicolon(std::size_t From) {
  const bool cached = FSemicolonFrom != std::u16string_view::npos && FSemicolonFrom <= From &&
                      (FSemicolon == std::u16string_view::npos || FSemicolon >= From);
  if (!cached) {
    FSemicolonFrom = From;
    FSemicolon = FText.find(u';', From);
  }
  return FSemicolon;
}

void THtmlParser::AppendBlank(std::size_t SourceStart) {
  const std::u16string& text = FRun->Text();
  if (!text.empty() && text.back() == u' ')
    return;
  AppendToRun(u" ", SourceStart);
}

void THtmlParser::AppendToRun(std::u16string_view Chars, std::size_t SourceStart) {
  FRun->AppendText(Chars);
  if (FAutoWrap)
    WrapCheck(Chars.size(), SourceStart);
}

void THtmlParser::Finish() {
  if (HasContent(*FRun)) {
    Append(std::move(FRun));
  } else {
    ReplaceControl(FRun.get(), nullptr);
    FRun.reset();
  }
  auto& items = FData.FArray;
  if (!items.empty() && items.front()->FItemType != THtmlItemType::hitPara) {
    auto paragraph = std::make_unique<THtmlBreakItem>(&FData);
    paragraph->FItemType = THtmlItemType::hitPara;
    items.insert(items.begin(), std::move(paragraph));
  }
  LayoutLines(FData);
}

bool THtmlParser::HasContent(const THtmlItem& Item) {
  return Item.FItemType != THtmlItemType::hitChar || !Item.Text().empty();
}

void THtmlParser::Append(std::unique_ptr<THtmlItem> Item) {
  FData.FArray.push_back(std::move(Item));
}

void THtmlParser::EraseFrom(std::size_t Index) {
  auto& items = FData.FArray;
  for (std::size_t i = Index; i < items.size(); ++i)
    ReplaceControl(items[i].get(), nullptr);
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(Index), items.end());
  ++FRemovals;
}

void THtmlParser::RemoveItem(std::size_t Index, THtmlItem* Successor) {
  auto& items = FData.FArray;
  ReplaceControl(items[Index].get(), Successor);
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(Index));
  ++FRemovals;
}

void THtmlParser::ReplaceControl(const THtmlItem* Item, THtmlItem* Successor) {
  if (!Item->IsLink() && Item->FItemType != THtmlItemType::hitInput)
    return;
  auto& controls = FData.FControlsArray;
  const auto found = std::find(controls.rbegin(), controls.rend(), Item);
  if (found == controls.rend())
    return;
  if (Successor)
    *found = Successor;
  else
    controls.erase(std::next(found).base());
}

THtmlBreakItem* THtmlParser::LastBreakItem() const {
  const auto& items = FData.FArray;
  for (auto item = items.rbegin(); item != items.rend(); ++item)
    if (THtmlBreakItem* lineStart = (*item)->AsBreak())
      return lineStart;
  return nullptr;
}

const THtmlItem* THtmlParser::LastPlainItem() {
  const auto& items = FData.FArray;
  if (FPlainRemovals != FRemovals || FPlainScanned > items.size()) {
    const auto plain =
        std::find_if(items.rbegin(), items.rend(), [](const auto& item) { return !item->IsLink(); });
    FLastPlain = plain != items.rend() ? plain->get() : nullptr;
    FPlainScanned = items.size();
    FPlainRemovals = FRemovals;
  }
  for (; FPlainScanned < items.size(); ++FPlainScanned)
    if (!items[FPlainScanned]->IsLink())
      FLastPlain = items[FPlainScanned].get();
  return FLastPlain;
}

THtmlItem& THtmlParser::EndRun() {
  THtmlItem& run = *FRun;
  if (HasContent(run))
    Append(std::move(FRun));
  else
    FLeftRun = std::move(FRun);
  return run;
}

THtmlItem& THtmlParser::StartRun(const THtmlItem& Style, bool TakesLinkPlace) {
  FRun = NewItem(THtmlItemType::hitChar, Style);
  if (FLeftRun) {
    ReplaceControl(FLeftRun.get(), TakesLinkPlace ? FRun.get() : nullptr);
    FLeftRun.reset();
  }
  return *FRun;
}

THtmlItem& THtmlParser::SplitRun() {
  return StartRun(EndRun());
}

std::unique_ptr<THtmlItem> THtmlParser::NewItem(THtmlItemType Kind, const THtmlItem& Style) {
  auto item = std::make_unique<THtmlItem>(&FData);
  item->Assign(Style);
  item->FItemType = Kind;
  return item;
}

std::unique_ptr<THtmlBreakItem> THtmlParser::NewBreak(THtmlItemType Kind, const THtmlItem& Style) {
  auto item = std::make_unique<THtmlBreakItem>(&FData);
  item->Assign(Style);
  item->FItemType = Kind;
  return item;
}
