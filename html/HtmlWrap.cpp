// Word wrap while parsing: after each appended character the current run is checked against the wrap width.

#include "HtmlParser.h"

std::int64_t THtmlParser::LineOffset() {
  const auto& items = FData.FArray;
  if (FOffsetRemovals != FRemovals || FOffsetItems > items.size()) {
    // Walk back to the line's break item; the sum then grows with every item appended after it.
    std::size_t lineStart = items.size();
    while (lineStart > 0 && !items[lineStart - 1]->AsBreak())
      --lineStart;
    FOffsetIndent = lineStart > 0 ? items[lineStart - 1]->FIndent : 0;
    FOffsetSum = 0;
    FOffsetItems = lineStart;
    FOffsetRemovals = FRemovals;
  }
  for (; FOffsetItems < items.size(); ++FOffsetItems) {
    THtmlItem& item = *items[FOffsetItems];
    if (item.AsBreak()) {
      FOffsetIndent = item.FIndent;
      FOffsetSum = 0;
    } else {
      FOffsetSum += item.GetWidth();
    }
  }
  return FRun->FWidth + FOffsetIndent + FOffsetSum;
}

bool THtmlParser::PeekRunText(std::u16string& Text, std::vector<std::size_t>& Checks, std::size_t MaxUnits) {
  std::size_t position = FNext;
  for (std::size_t added = 0; added < MaxUnits && position < FText.size() && FText[position] != u'<';) {
    const TTextUnit unit = ReadTextUnit(position);
    position = unit.Next;
    std::u16string_view characters = unit.Characters();
    if (unit.Kind == TTextUnit::TKind::Blank)
      characters = !Text.empty() && Text.back() == u' ' ? u"" : u" ";
    if (characters.empty())
      continue;
    Text.append(characters);
    Checks.push_back(Text.size());
    added += characters.size();
  }
  return position >= FText.size() || FText[position] == u'<';
}

void THtmlParser::WrapCheck(std::size_t CharLength, std::size_t SourceStart) {
  if (!FWrapRule.RunTooWide(*this))
    return;
  THtmlItem& run = *FRun;

  const std::u16string& text = run.Text();
  const std::size_t lastBlank = text.rfind(u' ');
  const std::size_t k = lastBlank == std::u16string::npos ? 0 : lastBlank + 1;  // 1-based, 0: no blank
  const auto& items = FData.FArray;
  const bool runBeganLine = !items.empty() && items.back()->AsBreak();
  std::u16string carried;
  if (k == 0 && runBeganLine) {
    // The word alone is wider than the line: it is broken before the character. A character that is the
    // whole run stays alone on its line.
    if (text.size() == CharLength)
      return;
    carried = text.substr(text.size() - CharLength);
    run.TruncateText(text.size() - CharLength);
  } else {
    std::size_t length = text.size();
    if (length > CharLength) {
      length -= CharLength;
      FNext = SourceStart;  // the character is read again after the break
    }
    if (k < length)
      carried = text.substr(k, length - k);
    run.TruncateText(std::min(k, length));
  }

  ++FChanges;
  THtmlItem* wrapped = FRun.get();
  Append(std::move(FRun));
  auto softBreak = NewBreak(THtmlItemType::hitSoftBreak, *wrapped);
  softBreak->AssignBreakProps(LastBreakItem());
  THtmlItem& lineStart = *softBreak;
  Append(std::move(softBreak));
  FRun = NewItem(THtmlItemType::hitChar, lineStart);
  FRun->SetText(carried);
  if (wrapped->Text().empty())
    RemoveItem(items.size() - 2, FRun.get());
}
