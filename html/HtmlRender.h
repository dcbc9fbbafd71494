#pragma once
// THtmlRender: turns captions in the family's small HTML dialect into a laid-out THtmlData, paints it on an
// IHtmlCanvas, and finds, selects and drives its links and input items for the hosting control. Bad markup is
// skipped; a standard exception from a host event ends the parse with an empty document, anything else thrown
// there reaches the caller after the same cleanup.
//
// Dialect: style tags (b, strong, i, em, u, s, strikeout, var, cite, sub, sup), br, p with align and indent,
// a href, font (face, name, size, color, bgcolor, background), lists (ul, ol, li), hr, ind, img, input,
// variables written as ~~Name between angle brackets, comments and character references.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "HtmlCanvas.h"
#include "HtmlData.h"
#include "HtmlTextMetrics.h"
#include "HtmlWrapRule.h"
#include "Object.h"

struct THtmlPictureSize {
  int Width = 0;
  int Height = 0;
};

// Supplies the pictures of "img" tags. The renderer only needs a picture's size while parsing.
class IHtmlImageSource {
 public:
  virtual ~IHtmlImageSource() = default;
  // The size of the picture named Src, or none when there is no such picture.
  virtual std::optional<THtmlPictureSize> GetImage(const std::u16string& Src) = 0;
};

// Sender, the variable's name, and its value: "~~" on entry, the text shown on return.
using THtmlVariableNeededEvent = TEvent<const std::u16string& /*aVarName*/, std::u16string& /*aVarValue*/>;

// Sender and the input item whose state changed.
using THtmlInputItemChangedEvent = TEvent<THtmlInputItem* /*InputItem*/>;

class THtmlRender : public TObject {
 public:
  // Without metrics every measurement is 0.
  explicit THtmlRender(std::unique_ptr<IHtmlTextMetrics> Metrics);
  ~THtmlRender() override;

  // The current document: the internal one, one set with SetData, or none after DestroyData of the current
  // one.
  THtmlData* Data() const { return FData; }
  // Makes NewData current (none selects the internal document) and binds it to this renderer: measured with
  // its metrics, raising Change when its active item changes.
  void SetData(THtmlData* NewData);
  // A new document bound to this renderer; the renderer owns it until DestroyData or its own end.
  THtmlData* CreateData();
  void DestroyData(THtmlData* Data);

  // Parses Text into the current document; nothing without one.
  void PrepareText(const std::u16string& Text, int MaxWidth, bool AutoWrap);
  // Parses Text into CurData, wrapping runs at MaxWidth with AutoWrap, and lays it out. CurData is current
  // while the parse runs; the previous document is current again afterwards. When a host event throws,
  // CurData is left empty: a std::exception ends there, anything else is thrown on.
  void PrepareToData(const std::u16string& Text, int MaxWidth, bool AutoWrap, THtmlData& CurData);
  // The current document as plain text: runs, CR LF per break, two per paragraph after the first, "- " per
  // list item.
  std::u16string AsText() const;

  IHtmlTextMetrics* Metrics() const { return FMetrics.get(); }
  // The rule that decides the wrap check; none (the default) is the parser's own, which measures seldom.
  IHtmlWrapRule* WrapRule() const { return FWrapRule; }
  void SetWrapRule(IHtmlWrapRule* Rule) { FWrapRule = Rule; }
  void SetImageSource(IHtmlImageSource* Source) { FImageSource = Source; }
  // The size of picture Src from the image source; none without a source or picture.
  virtual std::optional<THtmlPictureSize> GetImage(const std::u16string& Src);
  // Raises OnVariableNeeded.
  void GetVariable(const std::u16string& Name, std::u16string& Value);
  // Raises OnChange.
  void Change();

  // Paints the current document into R of Canvas, scrolled by SrcPoint; text colours are made readable
  // against AdjustFromColor unless it is clNone.
  // (Defined here because windows.h renames DrawText and DrawTextEx in the translation units that include
  // it; the painting itself is PaintDocument.)
  void DrawText(IHtmlCanvas& Canvas, THtmlPoint SrcPoint, const THtmlRect& R, TColor AdjustFromColor) {
    PaintDocument(Canvas, SrcPoint, R, false, TColor(0), TColor(0), TColor(0), TColor(0), AdjustFromColor);
  }
  // DrawText with UseOverColors: AColor and ABkColor replace the colours of runs that no "font" tag coloured,
  // ASelColor and ASelBkColor those of the selected item; links keep the document's link colour and style.
  void DrawTextEx(IHtmlCanvas& Canvas, THtmlPoint SrcPoint, const THtmlRect& R, bool UseOverColors,
                  TColor AColor, TColor ABkColor, TColor ASelColor, TColor ASelBkColor,
                  TColor AAdjustFromColor) {
    PaintDocument(Canvas, SrcPoint, R, UseOverColors, AColor, ABkColor, ASelColor, ASelBkColor,
                  AAdjustFromColor);
  }

  // The item under Point + SrcPoint when the document is drawn into R (an empty R: the rectangle of the last
  // paint); none between runs, beside them and on break items.
  THtmlItem* ItemAtPoint(THtmlPoint Point, THtmlPoint SrcPoint, const THtmlRect& R) const;
  // Whether a link lies under the point; HRef receives its target, or empty.
  bool IsCursorOverLink(THtmlPoint Point, THtmlPoint SrcPoint, const THtmlRect& R,
                        std::u16string& HRef) const;
  // Selects whatever item lies under the point, or none.
  void SelectLinkAt(THtmlPoint Point, THtmlPoint SrcPoint, const THtmlRect& R);
  // The input item under (X, Y) becomes the active item; anything else makes none active.
  void MouseMoveTransfer(TShiftState Shift, int X, int Y, const THtmlRect& R);
  // A click at (X, Y): clears the selection, selects and clicks an input item, selects a link when
  // LinkSelect is on; raises Change when an item was hit.
  void ClickTransfer(int X, int Y, const THtmlRect& R);
  // Tab and Shift+Tab step through links and input items (then Change); other keys go to a selected input
  // item.
  void KeyDownTransfer(std::uint16_t& Key, TShiftState Shift);
  // The next or previous link in the document; stays put at either end.
  void SelectNextLink();
  void SelectPrevLink();
  // The next or previous link, input or control item, wrapping around at either end.
  void SelectNextSuitableItem();
  void SelectPrevSuitableItem();

  // Whether a click on a link selects it.
  bool GetLinkSelect() const { return FLinkSelect; }
  void SetLinkSelect(bool Value) { FLinkSelect = Value; }
  // Whether painting goes through an off-screen copy of the target rectangle.
  bool GetDoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }

  TNotifyEvent OnChange;
  THtmlVariableNeededEvent OnVariableNeeded;
  THtmlInputItemChangedEvent OnInputItemChecked;

 private:
  void Bind(THtmlData& Document);
  void PaintDocument(IHtmlCanvas& Canvas, THtmlPoint SrcPoint, const THtmlRect& R, bool UseOverColors,
                     TColor AColor, TColor ABkColor, TColor ASelColor, TColor ASelBkColor,
                     TColor AAdjustFromColor);

  std::unique_ptr<IHtmlTextMetrics> FMetrics;
  THtmlData FIntData;
  std::vector<std::unique_ptr<THtmlData>> FCreatedData;
  THtmlData* FData;
  IHtmlImageSource* FImageSource = nullptr;
  bool FLinkSelect = false;
  bool FDoubleBuffered = true;
  IHtmlWrapRule* FWrapRule = nullptr;
};
