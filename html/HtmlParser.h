#pragma once
// The state of one parse of a caption into a document (used by THtmlRender only). The parser reads the text
// character by character; tags split the current run, append breaks and objects, or change the font; with
// automatic wrapping every appended character is followed by the wrap check, whose question the render's wrap
// rule answers (by default one that looks ahead and measures seldom).

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "HtmlAttributes.h"
#include "HtmlData.h"
#include "HtmlLookaheadWrap.h"
#include "HtmlTags.h"
#include "HtmlWrapRule.h"

class THtmlRender;

class THtmlParser : private IHtmlWrapSubject {
 public:
  THtmlParser(THtmlRender& Render, THtmlData& Data, std::u16string_view Text, bool AutoWrap);
  THtmlParser(const THtmlParser&) = delete;
  THtmlParser& operator=(const THtmlParser&) = delete;

  // Fills the document and lays it out. May throw (from host events); the caller then clears the document.
  void Run();

 private:
  // What reading one character (not a tag) at a position gives, without changing the parse: nothing, a blank
  // (collapsing with a blank before it) or characters for the run; and where reading goes on.
  struct TTextUnit {
    enum class TKind : std::uint8_t { Nothing, Blank, Characters };
    TKind Kind = TKind::Nothing;
    std::size_t Next = 0;
    char16_t Units[2] = {};
    std::size_t Length = 0;
    std::u16string_view Characters() const { return {Units, Length}; }
  };

  // Characters (HtmlParser.cpp).
  TTextUnit ReadTextUnit(std::size_t Position);
  TTextUnit ReadReference(std::size_t Position);
  void AppendBlank(std::size_t SourceStart);
  // Appends Chars to the current run; SourceStart is where they begin in the text, for reading them again.
  void AppendToRun(std::u16string_view Chars, std::size_t SourceStart);
  std::size_t FindSemicolon(std::size_t From);
  void Finish();

  // Tags (HtmlTagActions.cpp).
  void ReadTag(std::size_t Position);
  void PerformTag(THtmlTag Tag, bool Closing, const THtmlAttributes& Attributes);
  void StyleTag(TFontStyles Styles, bool Closing);
  void ScriptTag(std::uint32_t Bit, bool Closing);
  void ParagraphTag(bool Closing, const THtmlAttributes& Attributes);
  void BreakTag();
  void LinkStartTag(const THtmlAttributes& Attributes);
  void LinkEndTag();
  void FontTag(const THtmlAttributes& Attributes);
  void FontEndTag();
  void CopyFontSettings(THtmlItem& Run) const;

  // Lists and inline objects (HtmlObjectTags.cpp).
  void ListStartTag(bool Numbered);
  void ListEndTag(bool Numbered);
  void ListItemTag();
  void RuleTag(const THtmlAttributes& Attributes);
  void IndentTag(const THtmlAttributes& Attributes);
  void ImageTag(const THtmlAttributes& Attributes);
  void InputTag(const THtmlAttributes& Attributes);
  void VariableTag(const THtmlAttributes& Attributes);
  int MaxCharWidth(const THtmlItem& Item) const;

  // Word wrap (HtmlWrap.cpp).
  void WrapCheck(std::size_t CharLength, std::size_t SourceStart);
  // What the wrap rule sees.
  THtmlItem& CurrentRun() override { return *FRun; }
  std::int64_t LineOffset() override;
  std::int32_t MaxWidth() const override { return FData.GetMaxWidth(); }
  std::uint64_t Changes() const override { return FChanges; }
  bool PeekRunText(std::u16string& Text, std::vector<std::size_t>& Checks, std::size_t MaxUnits) override;

  // The document and the current run (HtmlParser.cpp).
  static bool HasContent(const THtmlItem& Item);
  void Append(std::unique_ptr<THtmlItem> Item);
  // Removes the items from Index on; links and inputs among them leave FControlsArray.
  void EraseFrom(std::size_t Index);
  // Removes one item; in FControlsArray its place goes to Successor (or nothing).
  void RemoveItem(std::size_t Index, THtmlItem* Successor);
  void ReplaceControl(const THtmlItem* Item, THtmlItem* Successor);
  THtmlBreakItem* LastBreakItem() const;
  // The last item of the document without the link bit, or none.
  const THtmlItem* LastPlainItem();
  // The current run leaves: into the document when it has content, else it is kept until the next run starts.
  THtmlItem& EndRun();
  // A new current run in the style of Style; a run that left without content is freed now. An empty first run
  // of a link hands its place in FControlsArray to the new run when TakesLinkPlace (the new run continues the
  // link).
  THtmlItem& StartRun(const THtmlItem& Style, bool TakesLinkPlace = true);
  // EndRun and StartRun in the old run's style: the new run is returned for the tag's change.
  THtmlItem& SplitRun();
  std::unique_ptr<THtmlItem> NewItem(THtmlItemType Kind, const THtmlItem& Style);
  std::unique_ptr<THtmlBreakItem> NewBreak(THtmlItemType Kind, const THtmlItem& Style);

  THtmlRender& FRender;
  THtmlData& FData;
  std::u16string_view FText;
  const bool FAutoWrap;
  THtmlLookaheadWrap FLookaheadWrap;
  IHtmlWrapRule& FWrapRule;
  // Tags read and wraps done (Changes).
  std::uint64_t FChanges = 0;
  // Index of the next character to read.
  std::size_t FNext = 0;
  std::unique_ptr<THtmlItem> FRun;
  std::unique_ptr<THtmlItem> FLeftRun;
  TFontSettings FFont;
  std::vector<TFontSettings> FFontStack;
  int FListNesting = 0;
  // List numbering: -1 in bulleted lists, the next number in numbered ones.
  int FListItemNumber = 0;

  // The next ";" at or after FSemicolonFrom (npos: none), so that references without one stay linear.
  std::size_t FSemicolonFrom = std::u16string_view::npos;
  std::size_t FSemicolon = std::u16string_view::npos;

  // LastPlainItem's answer for the first FPlainScanned items, valid while no item was removed since.
  std::uint64_t FPlainRemovals = ~std::uint64_t{0};
  std::size_t FPlainScanned = 0;
  const THtmlItem* FLastPlain = nullptr;

  // LineOffset's running sum over the items of the last line, valid while no item was removed since.
  std::uint64_t FRemovals = 0;
  std::uint64_t FOffsetRemovals = ~std::uint64_t{0};
  std::size_t FOffsetItems = 0;
  std::int64_t FOffsetSum = 0;
  std::int64_t FOffsetIndent = 0;
};
