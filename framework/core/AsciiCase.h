#pragma once
// Case folding of the letters A to Z only. Markup names, URL schemes and the like are ASCII by definition;
// folding them through the C library would depend on the locale and would touch letters beyond ASCII.

#include <cstddef>
#include <string>
#include <string_view>

constexpr char16_t AsciiLower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::u16string AsciiLower(std::u16string_view Text) {
  std::u16string lower(Text);
  for (char16_t& c : lower)
    c = AsciiLower(c);
  return lower;
}

// A byte compares as the code unit of the same number, so that 8-bit names match UTF-16 text.
constexpr char16_t AsCodeUnit(char c) {
  return static_cast<unsigned char>(c);
}
constexpr char16_t AsCodeUnit(char16_t c) {
  return c;
}

// Whether the texts are equal once both are folded.
template <class CharA, class CharB>
constexpr bool SameIgnoringAsciiCase(std::basic_string_view<CharA> A, std::basic_string_view<CharB> B) {
  if (A.size() != B.size())
    return false;
  for (std::size_t i = 0; i < A.size(); ++i)
    if (AsciiLower(AsCodeUnit(A[i])) != AsciiLower(AsCodeUnit(B[i])))
      return false;
  return true;
}
