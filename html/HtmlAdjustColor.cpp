#include "HtmlAdjustColor.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int DarkenAbove = 160;

int Channel(std::uint32_t rgb, int shift) {
  return static_cast<int>((rgb >> shift) & 0xFF);
}

// Numerator / Denominator rounded to the nearest integer, halves to the even neighbour; both non-negative.
int RoundHalfEven(int Numerator, int Denominator) {
  int quotient = Numerator / Denominator;
  const int twiceRemainder = 2 * (Numerator % Denominator);
  if (twiceRemainder > Denominator || (twiceRemainder == Denominator && quotient % 2 != 0))
    ++quotient;
  return quotient;
}

int Darken(int c) {
  return std::max(c - RoundHalfEven(255 - c, 2), 0);
}

// Half the distance to white, rounded as integer scaling by 50/100 rounds: halves up.
int Lighten(int c) {
  return c + ((255 - c) * 50 + 50) / 100;
}

}  // namespace

int ColorLightness(TColor RGB) {
  const auto bits = static_cast<std::uint32_t>(RGB);
  const int red = Channel(bits, 0);
  const int green = Channel(bits, 8);
  const int blue = Channel(bits, 16);
  const int highest = std::max({red, green, blue});
  const int lowest = std::min({red, green, blue});
  return RoundHalfEven((highest + lowest) * 252 + 255, 510);
}

TColor AdjustColor(TColor C, TColor Ref, const IHtmlColorResolver& Resolver) {
  if (Ref == clNone)
    return C;
  const bool darken = ColorLightness(Resolver.ColorToRGB(Ref)) > DarkenAbove;
  const auto bits = static_cast<std::uint32_t>(Resolver.ColorToRGB(C));
  std::uint32_t result = 0;
  for (const int shift : {0, 8, 16}) {
    const int c = Channel(bits, shift);
    result |= static_cast<std::uint32_t>(darken ? Darken(c) : Lighten(c)) << shift;
  }
  return ColorValue(result);
}
