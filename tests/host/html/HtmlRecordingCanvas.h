#pragma once
// A drawing surface for the renderer's host tests that records the paint as lines of text: the bracket of the
// paint and each piece of text with the font, colours and background it is drawn in. Its system colours are
// fixed: clWindow white, clWindowText black, clGrayText 0x6D6D6D, clHighlight 0xD77800, clHighlightText
// white; any other system colour resolves to 0x010101 times its index.

#include <string>
#include <vector>

#include "HtmlCanvas.h"

class TRecordingCanvas : public IHtmlCanvas {
 public:
  THtmlPoint BeginPaint(const THtmlRect& R, bool Buffered) override;
  void EndPaint() override;
  void SetFont(const THtmlFontSpec& Font) override;
  void SetTextColor(TColor Color) override;
  void SetTextBackground(TColor Color) override;
  void PaintText(int X, int Y, std::u16string_view Text) override;
  TColor ColorToRGB(TColor Color) const override;

  // "begin L,T,R,B [buffered]", "text X,Y 'text' Face/Height[bius]/csCharset c=00BBGGRR bg=00BBGGRR or none",
  // "end".
  std::vector<std::string> Calls;

 private:
  std::string FFont = "?";
  std::string FColor = "?";
  std::string FBackground = "?";
};

// The same system colours for tests that need only the colour conversion.
class TFixedColors : public IHtmlColorResolver {
 public:
  TColor ColorToRGB(TColor Color) const override;
};

std::string HexColor(TColor Color);
