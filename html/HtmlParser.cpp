#include "HtmlParser.h"

#include <algorithm>

#include "AsciiCase.h"
#include "HtmlEntities.h"

namespace {

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

THtmlParser::THtmlParser(THtmlRender& Render, THtmlData& Data, std::u16string_view Text, bool AutoWrap)
    : FRender(Render), FData(Data), FText(Text), FAutoWrap(AutoWrap) {}

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
    const std::size_t position = FNext++;
    const char16_t c = FText[position];
    if (c == u'<') {
      ReadTag(position);
    } else if (c == u'\r') {
      if (FNext < FText.size() && FText[FNext] == u'\n')
        ++FNext;
    } else if (c == u'&') {
      ReadReference(position);
    } else if (c == u' ') {
      AppendBlank(position);
    } else if (IsHighSurrogate(c) && FNext < FText.size() && IsLowSurrogate(FText[FNext])) {
      ++FNext;  // a pair is one character: word wrap never separates its halves
      AppendToRun(FText.substr(position, 2), position);
    } else {
      AppendToRun(FText.substr(position, 1), position);
    }
  }
  Finish();
}

void THtmlParser::ReadReference(std::size_t Position) {
  const std::size_t after = Position + 1;
  if (after < FText.size() && FText[after] == u' ') {
    AppendToRun(u"&", Position);
    return;
  }
  if (after < FText.size() && FText[after] == u'#') {
    const std::size_t semicolon = FindSemicolon(after + 1);
    const std::size_t end = semicolon == std::u16string_view::npos ? FText.size() : semicolon;
    const std::int32_t value = IntegerOr(FText.substr(after + 1, end - after - 1), 32);
    FNext = std::min(end + 1, FText.size());
    if (value == 32) {
      AppendBlank(Position);
    } else if (const auto unit = static_cast<char16_t>(static_cast<std::uint32_t>(value) & 0xFFFF);
               unit != 0) {
      AppendToRun(std::u16string_view(&unit, 1), Position);
    }
    return;
  }
  const std::size_t semicolon = FindSemicolon(after);
  if (semicolon == std::u16string_view::npos) {
    AppendToRun(u"&", Position);  // stays literal; reading goes on right after it
    return;
  }
  FNext = semicolon + 1;
  const std::u16string_view name = FText.substr(after, semicolon - after);
  if (name.size() > LongestEntityName)
    return;
  if (const std::optional<char16_t> character = LookupEntity(AsciiLower(name)))
    AppendToRun(std::u16string_view(&*character, 1), Position);
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
