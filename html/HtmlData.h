#pragma once
// The parsed form of an HTML caption: a flat list of items in reading order, each a run of text with one
// complete set of font attributes, a line break of some kind, or an inline object. Layout writes every item's
// size and, on the break item that starts each line, the line's width, height and descent.
//
// Invariants after a parse: the first item is a hitPara break item (unless the document is empty); every
// break item starts a line that runs up to the next break item; every item's owner is the document;
// FControlsArray holds only items that are also in FArray.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "HtmlTextMetrics.h"
#include "Object.h"
#include "Types.h"

class THtmlData;
class THtmlBreakItem;

enum class THtmlItemType : std::uint8_t {
  hitChar,       // a run of text
  hitSoftBreak,  // line break inserted by word wrapping
  hitBreak,      // explicit line break
  hitPara,       // paragraph start; always the first item of a document
  hitBitmap,     // picture
  hitHR,         // horizontal rule
  hitLI,         // list item start
  hitUL,         // bulleted list start
  hitOL,         // numbered list start
  hitIndent,     // horizontal skip
  hitInput,      // check box or radio button
  hitControl,    // hosted control
  hitVar,        // value of a variable
};

// Bits of THtmlItem::FBoolState.
constexpr std::uint32_t HtmlLinkBit = 0x1;
constexpr std::uint32_t HtmlSubscriptBit = 0x2;
constexpr std::uint32_t HtmlSuperscriptBit = 0x4;
constexpr std::uint32_t HtmlAbsolutePositionBit = 0x8;  // hitIndent only
constexpr std::uint32_t HtmlClosedParagraphBit = 0x80000000u;

// FTWidth while a run's text has not been measured.
constexpr std::uint16_t HtmlTextNotMeasured = 0xFFFF;

struct THtmlPoint {
  int X = 0;
  int Y = 0;
};

struct THtmlRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

struct THtmlSize {
  int cx = 0;
  int cy = 0;
};

class THtmlItem {
 public:
  explicit THtmlItem(THtmlData* Owner) : FOwner(Owner) {}
  virtual ~THtmlItem() = default;
  THtmlItem(const THtmlItem&) = delete;
  THtmlItem& operator=(const THtmlItem&) = delete;

  // The item's markup for GenerateHTML; empty for items without markup of their own.
  virtual void AsHTML(std::u16string& Text) const;
  // Width and height as the layout counts them; BaseLine receives the item's descent.
  virtual int GetWidth();
  virtual int GetHeight(int& BaseLine);
  // Copies the style of Source and nothing else (not the kind, text, sizes, transparency or tag).
  virtual void Assign(const THtmlItem& Source);
  virtual THtmlBreakItem* AsBreak() { return nullptr; }
  const THtmlBreakItem* AsBreak() const { return const_cast<THtmlItem*>(this)->AsBreak(); }

  const std::u16string& Text() const { return FText; }
  void SetText(std::u16string_view Text);
  void AppendText(std::u16string_view Text);
  void TruncateText(std::size_t Length);
  // The text width last measured, or HtmlTextNotMeasured.
  std::uint16_t CachedTextWidth() const { return FTWidth; }
  // Text's width in the measuring font as a run's width counts: one pixel more than its extent (0 without
  // metrics), before the cut to 16 bits.
  int TextWidth(std::u16string_view Text) const;
  // Keeps Width, what TextWidth gave for the current text, so that it is not measured again.
  void KeepTextWidth(int Width) { FTWidth = static_cast<std::uint16_t>(Width); }

  bool IsLink() const { return (FBoolState & HtmlLinkBit) != 0; }
  void SetIsLink(bool Value) { SetState(HtmlLinkBit, Value); }
  bool IsSub() const { return (FBoolState & HtmlSubscriptBit) != 0; }
  void SetIsSub(bool Value) { SetState(HtmlSubscriptBit, Value); }
  bool IsSuper() const { return (FBoolState & HtmlSuperscriptBit) != 0; }
  void SetIsSuper(bool Value) { SetState(HtmlSuperscriptBit, Value); }

  // The font the item is measured with: sub- and superscript runs two pixels smaller in magnitude.
  THtmlFontSpec MeasuringFont(bool Reduced) const;

  THtmlData* const FOwner;
  THtmlItemType FItemType = THtmlItemType::hitChar;
  TFontStyles FontStyle;
  std::int32_t FontHeight = 0;
  TColor FontBgColor = TColor(0);
  TColor FontColor = TColor(0);
  std::u16string FLinkRef;
  std::u16string FFontRef;
  // Enclosing "font" tags that set a colour; such runs keep their colours under override colours.
  std::int32_t FFntCnt = 0;
  std::uint16_t FWidth = 0;
  std::uint16_t FHeight = 0;
  std::int32_t FIndent = 0;
  std::uint32_t FBoolState = 0;
  bool FTransparent = false;
  // Radio buttons: 1-based group number, 0 = no group.
  std::int32_t FTag = 0;

 protected:
  // Height and descent of the text metrics of the measuring font; 0 without metrics.
  int FontCellHeight(bool Reduced, int& Descent) const;
  int LineGap() const;

 private:
  void SetState(std::uint32_t Bit, bool Value) {
    FBoolState = Value ? (FBoolState | Bit) : (FBoolState & ~Bit);
  }

  std::u16string FText;
  std::uint16_t FTWidth = HtmlTextNotMeasured;
};

// An item that begins a new line: paragraph, explicit and soft breaks, list starts and list items.
class THtmlBreakItem : public THtmlItem {
 public:
  using THtmlItem::THtmlItem;

  int GetWidth() override;
  // The break rule, with the item that follows looked up in the owner's list.
  int GetHeight(int& BaseLine) override;
  // The break rule for a break followed by Next (none at the end of the document).
  int BreakHeight(const THtmlItem* Next, int& BaseLine) const;
  // The inherited copy plus, from another break item, the list fields and the parameters without alignment.
  void Assign(const THtmlItem& Source) override;
  void AssignBreakProps(const THtmlBreakItem* Source);
  THtmlBreakItem* AsBreak() override { return this; }

  // 0 left, 1 centre, 2 right.
  int Alignment() const { return static_cast<int>(FParams & 0xFFFF); }
  // The line's largest descent, written by the layout.
  int LineDescent() const { return static_cast<int>(FParams >> 16); }

  std::uint32_t FParams = 0;
  std::int32_t FListLevel = 0;
  std::int32_t FListItemN = 0;  // number to print, or -1 for a bullet
};

enum class THtmlInputType : std::uint8_t { itCheckBox, itRadioButton };

// A check box or radio button; the type setter puts a named radio button into its group.
class THtmlInputItem : public THtmlItem {
 public:
  using THtmlItem::THtmlItem;

  void AsHTML(std::u16string& Text) const override;
  void Assign(const THtmlItem& Source) override;
  THtmlInputType InputType() const { return FInputType; }
  void SetInputType(THtmlInputType Value);
  // A check box toggles; a radio button toggles too, unchecking the rest of its group when it becomes
  // checked.
  void Click();
  // The space key toggles a check box and checks a radio button.
  void KeyDownTransfer(std::uint16_t& Key, TShiftState Shift);
  // Checking a grouped radio button first unchecks its group quietly; a change is announced through the
  // owner's OnInputItemChecked and OnChange.
  void SetChecked(bool Value);

  bool FChecked = false;
  std::u16string FName;
  std::u16string FValue;

 private:
  THtmlInputType FInputType = THtmlInputType::itCheckBox;
};

// Font state saved by "font" and restored by "/font".
struct TFontSettings {
  std::u16string FontName;
  std::int32_t Height = 0;
  TColor Color = TColor(0);
  TColor BgColor = TColor(0);
};

using TItemList = std::vector<std::unique_ptr<THtmlItem>>;

class THtmlData : public TObject {
 public:
  THtmlData() = default;
  ~THtmlData() override;

  // Frees every item and empties the lists; the selection and the active item become none.
  void ClearArray();
  int LineCount() const;
  int GetItemCount() const { return static_cast<int>(FArray.size()); }
  // Markup of the document's text, breaks, inputs and variables.
  std::u16string GenerateHTML() const;

  THtmlItem* SelectedItem() const { return FSelectedItem; }
  void SetSelectedItem(THtmlItem* Item) { FSelectedItem = Item; }
  THtmlInputItem* ActiveItem() const { return FActiveItem; }
  // Raises OnActiveItemChange when the active item changes.
  void SetActiveItem(THtmlInputItem* Item);

  // What the items are measured with; none measures everything as 0.
  IHtmlTextMetrics* Metrics() const { return FMetrics; }
  void SetMetrics(IHtmlTextMetrics* Value) { FMetrics = Value; }

  TColor GetLinkColor() const { return FLinkColor; }
  void SetLinkColor(TColor Value) { FLinkColor = Value; }
  TColor GetDefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor Value) { FDefaultColor = Value; }
  TColor GetDefaultBgColor() const { return FDefaultBgColor; }
  void SetDefaultBgColor(TColor Value) { FDefaultBgColor = Value; }
  TFontStyles GetLinkStyle() const { return FLinkStyle; }
  void SetLinkStyle(TFontStyles Value) { FLinkStyle = Value; }
  TFontStyles GetDefaultStyle() const { return FDefaultStyle; }
  void SetDefaultStyle(TFontStyles Value) { FDefaultStyle = Value; }
  std::int32_t GetDefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(std::int32_t Value) { FDefaultHeight = Value; }
  const std::u16string& GetDefaultFont() const { return FDefaultFont; }
  void SetDefaultFont(std::u16string Value) { FDefaultFont = std::move(Value); }
  TFontCharset GetCharset() const { return FCharset; }
  void SetCharset(TFontCharset Value) { FCharset = Value; }
  std::int32_t GetLineSpacing() const { return FLineSpacing; }
  void SetLineSpacing(std::int32_t Value) { FLineSpacing = Value; }
  std::int32_t GetLineGap() const { return FLineGap; }
  void SetLineGap(std::int32_t Value) { FLineGap = Value; }
  std::int32_t GetMaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(std::int32_t Value) { FMaxWidth = Value; }
  TColor GetHighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor Value) { FHighlightColor = Value; }
  TColor GetHighlightBgColor() const { return FHighlightBgColor; }
  void SetHighlightBgColor(TColor Value) { FHighlightBgColor = Value; }
  THtmlSize GetTextSize() const { return FTextSize; }

  // The document in reading order; owns its items.
  TItemList FArray;
  // Links (the first run of each), input and control items in document order; does not own.
  std::vector<THtmlItem*> FControlsArray;
  // Radio group names; an input item's FTag is the 1-based position of its group's name.
  std::vector<std::u16string> FRadioList;
  // Rectangle of the last paint.
  THtmlRect FRect;
  // The renderer that shows the document listens to these: the active item changed, something shown changed
  // (both repaint), an input item's check state changed.
  TNotifyEvent OnActiveItemChange;
  TNotifyEvent OnChange;
  TEvent<THtmlInputItem*> OnInputItemChecked;

 private:
  friend void LayoutLines(THtmlData& Data);

  TColor FLinkColor = clBlue;
  TColor FDefaultColor = clWindowText;
  TFontStyles FLinkStyle{TFontStyle::fsUnderline};
  TFontStyles FDefaultStyle;
  std::int32_t FDefaultHeight = -11;
  TFontCharset FCharset = TFontCharset(0);
  std::u16string FDefaultFont = u"MS Sans Serif";
  std::int32_t FLineSpacing = 0;
  std::int32_t FLineGap = 0;
  std::int32_t FMaxWidth = 0;
  TColor FDefaultBgColor = clNone;
  TColor FHighlightBgColor = TColor(0);
  TColor FHighlightColor = TColor(0);
  THtmlItem* FSelectedItem = nullptr;
  THtmlSize FTextSize;
  THtmlInputItem* FActiveItem = nullptr;
  IHtmlTextMetrics* FMetrics = nullptr;
};

// The layout pass: every item's width and height, each line's values on its break item, and the text size.
void LayoutLines(THtmlData& Data);

// Where the first item of the line started by Line is drawn inside R, by the line's alignment.
int LineOrigin(const THtmlBreakItem& Line, const THtmlRect& R);
