#pragma once
// What the renderer needs to know about fonts: the metrics of one font and the width of one line of text in
// it. The Windows implementation measures with GDI on a memory device context (HtmlTextMetricsWin.h); the
// fixed implementation (HtmlFixedMetrics.h) measures without a font engine.

#include <cstddef>
#include <string_view>

#include "Types.h"

// One font: a face, a height (negative: character height in pixels, positive: cell height), a style set and a
// character set. The face is a view into the measured item and is only valid during the call.
struct THtmlFontSpec {
  std::u16string_view Face;
  int Height = 0;
  TFontStyles Style;
  TFontCharset Charset = TFontCharset(0);
};

// The text metrics the layout uses, in pixels.
struct THtmlFontMetrics {
  int Height = 0;        // cell height (tmHeight)
  int Descent = 0;       // tmDescent
  int AveCharWidth = 0;  // tmAveCharWidth
  int MaxCharWidth = 0;  // tmMaxCharWidth
};

class IHtmlTextMetrics {
 public:
  virtual ~IHtmlTextMetrics() = default;
  virtual THtmlFontMetrics FontMetrics(const THtmlFontSpec& font) = 0;
  // Extent of Text on one line, without prefix processing: right - left of the calculated rectangle.
  virtual int TextExtent(const THtmlFontSpec& font, std::u16string_view text) = 0;
  // How many leading code units of Text fit into MaxExtent by the engine's character advances. Word wrap uses
  // it as a first guess only and confirms it with TextExtent: the two may round differently.
  virtual std::size_t FittingLength(const THtmlFontSpec& font, std::u16string_view text, int maxExtent) = 0;
  // The screen's vertical pixels per inch, used to convert point sizes of the markup.
  virtual int ScreenLogPixelsY() = 0;
};
