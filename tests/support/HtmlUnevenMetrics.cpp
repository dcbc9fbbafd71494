#include "HtmlUnevenMetrics.h"

#include <algorithm>

namespace {

// In half pixels: 8 to 14 by the character, one more in bold; "To" kerns by one.
int HalfPixels(const THtmlFontSpec& font, std::u16string_view text, std::size_t i) {
  int width = 8 + 2 * static_cast<int>(text[i] % 4) + (font.Style.Contains(TFontStyle::fsBold) ? 1 : 0);
  if (i > 0 && text[i - 1] == u'T' && text[i] == u'o')
    --width;
  return width;
}

}  // namespace

int THtmlUnevenMetrics::TextExtent(const THtmlFontSpec& font, std::u16string_view text) {
  THtmlFixedMetrics::TextExtent(font, text);  // counts the work
  int sum = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    sum += HalfPixels(font, text, i);
  return sum / 2;
}

std::size_t THtmlUnevenMetrics::FittingLength(const THtmlFontSpec& font, std::u16string_view text,
                                              int maxExtent) {
  THtmlFixedMetrics::FittingLength(font, text, maxExtent);  // counts the work
  switch (FGuess) {
    case TGuess::Nothing:
      return 0;
    case TGuess::All:
      return text.size();
    case TGuess::Scattered:
      break;
  }
  std::size_t fitting = 0;
  for (int sum = 0; fitting < text.size(); ++fitting) {
    sum += HalfPixels(font, text, fitting);
    if (sum / 2 > maxExtent)
      break;
  }
  const auto error =
      static_cast<std::ptrdiff_t>((text.size() * 7 + static_cast<std::size_t>(maxExtent)) % 9) - 4;
  return static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(fitting) + error, 0,
                                                             static_cast<std::ptrdiff_t>(text.size())));
}
