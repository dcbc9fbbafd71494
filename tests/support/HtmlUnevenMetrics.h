#pragma once
// Text metrics whose characters differ in width, with a pair that kerns and rounding, and whose count of
// fitting characters is deliberately wrong: it lets the word wrap's guesses miss in both directions, so that
// every way the wrap rule confirms or corrects a guess is taken. Prefix extents still never shrink as text
// grows, which is all the wrap rule relies on. Font metrics are the fixed ones.

#include <cstdint>

#include "HtmlFixedMetrics.h"

class THtmlUnevenMetrics : public THtmlFixedMetrics {
 public:
  // How the count of fitting characters is wrong.
  enum class TGuess : std::uint8_t {
    Scattered,  // off by -4 to +4 characters, depending on the text and the extent
    Nothing,    // never anything
    All,        // always the whole text
  };
  explicit THtmlUnevenMetrics(TGuess Guess) : FGuess(Guess) {}

  int TextExtent(const THtmlFontSpec& font, std::u16string_view text) override;
  std::size_t FittingLength(const THtmlFontSpec& font, std::u16string_view text, int maxExtent) override;

 private:
  TGuess FGuess;
};
