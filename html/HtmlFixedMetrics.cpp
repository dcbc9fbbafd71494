#include "HtmlFixedMetrics.h"

#include <algorithm>

namespace {

constexpr int EmOfHeightZero = 12;
constexpr int LargestEm = 4096;

int BoldExtra(const THtmlFontSpec& font) {
  return font.Style.Contains(TFontStyle::fsBold) ? 1 : 0;
}

}  // namespace

int THtmlFixedMetrics::CharacterHeight(int FontHeight) {
  const std::int64_t height = FontHeight;
  const std::int64_t em = height < 0 ? -height : height > 0 ? height * 4 / 5 : EmOfHeightZero;
  return static_cast<int>(std::clamp<std::int64_t>(em, 1, LargestEm));
}

int THtmlFixedMetrics::CharWidth(const THtmlFontSpec& font) {
  return (CharacterHeight(font.Height) + 1) / 2 + BoldExtra(font);
}

THtmlFontMetrics THtmlFixedMetrics::FontMetrics(const THtmlFontSpec& font) {
  const int em = CharacterHeight(font.Height);
  THtmlFontMetrics metrics;
  metrics.Height = em + em / 4;
  metrics.Descent = metrics.Height / 5;
  metrics.AveCharWidth = CharWidth(font);
  metrics.MaxCharWidth = em + BoldExtra(font);
  return metrics;
}

int THtmlFixedMetrics::TextExtent(const THtmlFontSpec& font, std::u16string_view text) {
  FMeasuredCharacters += text.size();
  ++FMeasurements;
  return static_cast<int>(text.size()) * CharWidth(font);
}

std::size_t THtmlFixedMetrics::FittingLength(const THtmlFontSpec& font, std::u16string_view text,
                                             int maxExtent) {
  FMeasuredCharacters += text.size();
  ++FMeasurements;
  if (maxExtent < 0)
    return 0;
  return std::min(text.size(), static_cast<std::size_t>(maxExtent / CharWidth(font)));
}
