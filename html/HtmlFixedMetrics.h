#pragma once
// Text metrics without a font engine: every character of a font has the same width, derived from the font's
// height, so that layouts can be computed by hand. Used where no screen is available (tests, fuzzing,
// benchmarks).
//
// For a character height em (the height's magnitude for negative heights, 4/5 of a positive cell height,
// 12 for height 0, at most 4096): cell height em + em/4, descent cell/5, character width (em + 1)/2 plus one
// for bold, average width = character width, maximum width em plus one for bold.

#include <cstdint>

#include "HtmlTextMetrics.h"

class THtmlFixedMetrics : public IHtmlTextMetrics {
 public:
  explicit THtmlFixedMetrics(int LogPixelsY = 96) : FLogPixelsY(LogPixelsY) {}

  THtmlFontMetrics FontMetrics(const THtmlFontSpec& font) override;
  int TextExtent(const THtmlFontSpec& font, std::u16string_view text) override;
  std::size_t FittingLength(const THtmlFontSpec& font, std::u16string_view text, int maxExtent) override;
  int ScreenLogPixelsY() override { return FLogPixelsY; }

  static int CharacterHeight(int FontHeight);
  static int CharWidth(const THtmlFontSpec& font);
  // Characters measured by TextExtent and FittingLength so far, and the calls: the work that measuring costs.
  std::uint64_t MeasuredCharacters() const { return FMeasuredCharacters; }
  std::uint64_t Measurements() const { return FMeasurements; }

 private:
  int FLogPixelsY;
  std::uint64_t FMeasuredCharacters = 0;
  std::uint64_t FMeasurements = 0;
};
