#include "HtmlTestSupport.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>

#include "AnsiText.h"

namespace {

const char* KindName(THtmlItemType kind) {
  switch (kind) {
    case THtmlItemType::hitChar:
      return "text";
    case THtmlItemType::hitSoftBreak:
      return "soft";
    case THtmlItemType::hitBreak:
      return "br";
    case THtmlItemType::hitPara:
      return "para";
    case THtmlItemType::hitBitmap:
      return "img";
    case THtmlItemType::hitHR:
      return "hr";
    case THtmlItemType::hitLI:
      return "li";
    case THtmlItemType::hitUL:
      return "ul";
    case THtmlItemType::hitOL:
      return "ol";
    case THtmlItemType::hitIndent:
      return "ind";
    case THtmlItemType::hitInput:
      return "input";
    case THtmlItemType::hitControl:
      return "control";
    case THtmlItemType::hitVar:
      return "var";
  }
  return "?";
}

// Appends the parts to text, one append each (operator+ chains trip a false -Wrestrict of GCC 12 at -O3).
void Add(std::string& text, std::initializer_list<std::string_view> parts) {
  for (std::string_view part : parts)
    text.append(part);
}

std::string Hex(TColor color) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(color));
  return text;
}

}  // namespace

THtmlRenderFixture::THtmlRenderFixture(int LogPixelsY)
    : Metrics(new THtmlFixedMetrics(LogPixelsY)), Render(std::unique_ptr<IHtmlTextMetrics>(Metrics)) {
  THtmlData& document = *Render.Data();
  document.SetDefaultFont(u"Verdana");
  document.SetDefaultHeight(-13);
}

THtmlData& THtmlRenderFixture::Parse(const std::u16string& Text, int MaxWidth, bool AutoWrap) {
  Render.PrepareText(Text, MaxWidth, AutoWrap);
  return Document();
}

THtmlBreakItem& THtmlRenderFixture::Line(std::size_t Index) {
  for (auto& item : Document().FArray)
    if (THtmlBreakItem* line = item->AsBreak(); line && Index-- == 0)
      return *line;
  throw std::out_of_range("no such line");
}

std::string DescribeItem(const THtmlData& Document, const THtmlItem& Item) {
  std::string text = KindName(Item.FItemType);
  const bool hasText = Item.FItemType == THtmlItemType::hitChar || Item.FItemType == THtmlItemType::hitVar ||
                       Item.FItemType == THtmlItemType::hitBitmap;
  if (hasText)
    Add(text, {" '", Utf8(Item.Text()), "'"});
  const bool styled = Item.FItemType != THtmlItemType::hitPara || !Item.FFontRef.empty();
  if (styled) {
    using enum TFontStyle;
    const std::pair<TFontStyle, const char*> styles[] = {
        {fsBold, "b"}, {fsItalic, "i"}, {fsUnderline, "u"}, {fsStrikeOut, "s"}};
    for (auto [style, name] : styles)
      if (Item.FontStyle.Contains(style))
        Add(text, {" ", name});
    if (Item.FontHeight != Document.GetDefaultHeight())
      Add(text, {" h=", std::to_string(Item.FontHeight)});
    if (Item.FFontRef != Document.GetDefaultFont())
      Add(text, {" face=", Utf8(Item.FFontRef)});
    if (Item.FontColor != Document.GetDefaultColor())
      Add(text, {" c=", Hex(Item.FontColor)});
    if (Item.FontBgColor != Document.GetDefaultBgColor())
      Add(text, {" bg=", Hex(Item.FontBgColor)});
  }
  if (Item.IsLink())
    Add(text, {" link='", Utf8(Item.FLinkRef), "'"});
  if (Item.FFntCnt != 0)
    Add(text, {" fnt=", std::to_string(Item.FFntCnt)});
  if (Item.IsSub())
    text += " sub";
  if (Item.IsSuper())
    text += " sup";
  if (Item.FBoolState & HtmlAbsolutePositionBit)
    text += " abs";
  if (Item.FBoolState & HtmlClosedParagraphBit)
    text += " closed";
  if (Item.FIndent != 0)
    Add(text, {" ind=", std::to_string(Item.FIndent)});
  if (const THtmlBreakItem* line = Item.AsBreak()) {
    if (line->Alignment() != 0)
      Add(text, {" align=", std::to_string(line->Alignment())});
    if (Item.FItemType == THtmlItemType::hitLI)
      Add(text, {" n=", std::to_string(line->FListItemN), " level=", std::to_string(line->FListLevel)});
  }
  const bool sized = Item.FItemType == THtmlItemType::hitBitmap || Item.FItemType == THtmlItemType::hitHR ||
                     Item.FItemType == THtmlItemType::hitIndent || Item.FItemType == THtmlItemType::hitInput;
  if (sized)
    Add(text, {" ", std::to_string(Item.FWidth), "x", std::to_string(Item.FHeight)});
  return text;
}

std::vector<std::string> DescribeItems(const THtmlData& Document) {
  std::vector<std::string> items;
  for (const auto& item : Document.FArray)
    items.push_back(DescribeItem(Document, *item));
  return items;
}

std::vector<std::string> DescribeLines(const THtmlData& Document) {
  std::vector<std::string> lines;
  for (const auto& item : Document.FArray)
    if (const THtmlBreakItem* line = item->AsBreak()) {
      std::string text;
      Add(text, {std::to_string(line->FWidth), "x", std::to_string(line->FHeight),
                 " d=", std::to_string(line->LineDescent())});
      lines.push_back(std::move(text));
    }
  return lines;
}

std::u16string U16(const char* Utf8Text) {
  return Utf8ToUnicode(Utf8Text);
}

std::string Utf8(const std::u16string& Text) {
  return UnicodeToUtf8(Text);
}
