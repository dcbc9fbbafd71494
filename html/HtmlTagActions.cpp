// Reading tags, and the actions of the text tags: styles, scripts, paragraphs, breaks, links and fonts.

#include <algorithm>

#include "AsciiCase.h"
#include "HtmlFontAttributes.h"
#include "HtmlParser.h"
#include "HtmlRender.h"

namespace {

constexpr int LogPixelsWithoutScreen = 100;

}  // namespace

void THtmlParser::ReadTag(std::size_t Position) {
  ++FChanges;
  const std::size_t nameStart = Position + 1;
  std::size_t i = nameStart;
  while (i < FText.size() && FText[i] != u'>' && FText[i] != u' ') {
    ++i;
    if (i - nameStart == 3 && FText.substr(nameStart, 3) == u"!--") {
      const std::size_t close = FText.find(u"-->", i - 1);  // from the opener's second hyphen
      FNext = close == std::u16string_view::npos ? FText.size() : close + 3;
      return;
    }
  }
  if (i >= FText.size()) {
    FNext = FText.size();  // an unfinished tag drops only itself
    return;
  }

  std::u16string_view name = FText.substr(nameStart, i - nameStart);
  THtmlAttributes attributes;
  std::size_t close = i;
  if (FText[i] == u' ') {
    close = attributes.Read(FText, i);
  } else if (name.substr(0, 2) == u"~~") {
    attributes.Add(u"p1", std::u16string(name.substr(2)));
    name = u"~~";
  }
  FNext = std::min(close + 1, FText.size());

  if (name.size() > LongestTagName)
    return;
  const std::u16string lowerName = AsciiLower(name);
  if (const std::optional<THtmlTag> tag = LookupTag(lowerName))
    PerformTag(*tag, lowerName.front() == u'/', attributes);
}

void THtmlParser::PerformTag(THtmlTag Tag, bool Closing, const THtmlAttributes& Attributes) {
  using enum TFontStyle;
  switch (Tag) {
    case THtmlTag::Sub:
      return ScriptTag(HtmlSubscriptBit, Closing);
    case THtmlTag::Sup:
      return ScriptTag(HtmlSuperscriptBit, Closing);
    case THtmlTag::Bold:
      return StyleTag({fsBold}, Closing);
    case THtmlTag::Italic:
      return StyleTag({fsItalic}, Closing);
    case THtmlTag::BoldItalic:
      return StyleTag({fsBold, fsItalic}, Closing);
    case THtmlTag::StrikeOut:
      return StyleTag({fsStrikeOut}, Closing);
    case THtmlTag::Underline:
      return StyleTag({fsUnderline}, Closing);
    case THtmlTag::ListStart:
      return ListStartTag(false);
    case THtmlTag::ListEnd:
      return ListEndTag(false);
    case THtmlTag::NumberStart:
      return ListStartTag(true);
    case THtmlTag::NumberEnd:
      return ListEndTag(true);
    case THtmlTag::ListItem:
      return ListItemTag();
    case THtmlTag::Paragraph:
      return ParagraphTag(Closing, Attributes);
    case THtmlTag::Break:
      return BreakTag();
    case THtmlTag::Indent:
      return IndentTag(Attributes);
    case THtmlTag::Image:
      return ImageTag(Attributes);
    case THtmlTag::LinkStart:
      return LinkStartTag(Attributes);
    case THtmlTag::LinkEnd:
      return LinkEndTag();
    case THtmlTag::Rule:
      return RuleTag(Attributes);
    case THtmlTag::FontEnd:
      return FontEndTag();
    case THtmlTag::Font:
      return FontTag(Attributes);
    case THtmlTag::Input:
      return InputTag(Attributes);
    case THtmlTag::Variable:
      return VariableTag(Attributes);
    case THtmlTag::Html:
    case THtmlTag::Control:  // hosted controls need the control framework; without it the tag vanishes
      return;
  }
}

void THtmlParser::StyleTag(TFontStyles Styles, bool Closing) {
  THtmlItem& run = SplitRun();
  if (!Closing)
    run.FontStyle = run.FontStyle | Styles;
  else if (!(Styles - FData.GetDefaultStyle()).Empty())
    run.FontStyle = run.FontStyle - Styles;
}

void THtmlParser::ScriptTag(std::uint32_t Bit, bool Closing) {
  THtmlItem& run = SplitRun();
  run.FBoolState = Closing ? (run.FBoolState & ~Bit) : (run.FBoolState | Bit);
}

void THtmlParser::ParagraphTag(bool Closing, const THtmlAttributes& Attributes) {
  auto& items = FData.FArray;
  if (!items.empty() && items.back()->FItemType == THtmlItemType::hitBreak &&
      (items.back()->FBoolState & HtmlClosedParagraphBit)) {
    if (!Closing)
      items.back()->FBoolState &= ~HtmlClosedParagraphBit;
    return;
  }
  THtmlItem& run = SplitRun();
  auto paragraph = NewBreak(THtmlItemType::hitPara, run);
  if (Closing)
    paragraph->FBoolState |= HtmlClosedParagraphBit;
  if (Attributes.Present()) {
    const std::u16string align = AsciiLower(Attributes.Value(u"align"));
    paragraph->FParams = align == u"center" ? 1 : align == u"right" ? 2 : 0;
    const std::u16string indent = Attributes.Value(u"indent");
    if (!indent.empty())
      paragraph->FIndent = IntegerOr(indent, 0);
  }
  run.Assign(*paragraph);
  Append(std::move(paragraph));
}

void THtmlParser::BreakTag() {
  THtmlItem& run = SplitRun();
  auto lineBreak = NewBreak(THtmlItemType::hitBreak, run);
  const THtmlBreakItem* previous = LastBreakItem();
  lineBreak->FParams = previous ? previous->FParams : 0;
  Append(std::move(lineBreak));
}

void THtmlParser::LinkStartTag(const THtmlAttributes& Attributes) {
  if (!Attributes.Present())
    return;
  THtmlItem& previous = *FRun;
  Append(std::move(FRun));  // even when empty
  THtmlItem& link = StartRun(previous);
  link.SetIsLink(true);
  link.FLinkRef = Attributes.Value(u"href");
  link.FontColor = FData.GetLinkColor();
  link.FontStyle = FData.GetLinkStyle();
  FData.FControlsArray.push_back(&link);
}

void THtmlParser::LinkEndTag() {
  THtmlItem& run = StartRun(EndRun(), false);
  run.FLinkRef.clear();
  run.SetIsLink(false);
  const THtmlItem* plain = LastPlainItem();
  run.FontStyle = plain ? plain->FontStyle : FData.GetDefaultStyle();
  run.FontColor = plain ? plain->FontColor : FData.GetDefaultColor();
}

void THtmlParser::CopyFontSettings(THtmlItem& Run) const {
  Run.FFontRef = FFont.FontName;
  Run.FontHeight = FFont.Height;
  Run.FontColor = FFont.Color;
  Run.FontBgColor = FFont.BgColor;
}

void THtmlParser::FontTag(const THtmlAttributes& Attributes) {
  THtmlItem& run = SplitRun();
  FFontStack.push_back(FFont);
  FFont = {run.FFontRef, run.FontHeight, run.FontColor, run.FontBgColor};
  IHtmlTextMetrics* metrics = FRender.Metrics();
  ApplyFontAttributes(FFont, Attributes, FData,
                      metrics ? metrics->ScreenLogPixelsY() : LogPixelsWithoutScreen);
  CopyFontSettings(run);
  const bool setsColour = !Attributes.Value(u"color").empty() || !Attributes.Value(u"bgcolor").empty() ||
                          !Attributes.Value(u"background").empty();
  if (setsColour)
    ++run.FFntCnt;
}

void THtmlParser::FontEndTag() {
  THtmlItem& run = SplitRun();
  if (!FFontStack.empty()) {
    const TFontSettings& saved = FFontStack.back();
    if (saved.Color != FFont.Color || saved.BgColor != FFont.BgColor)
      --run.FFntCnt;
    FFont = saved;
    FFontStack.pop_back();
  }
  CopyFontSettings(run);
}
