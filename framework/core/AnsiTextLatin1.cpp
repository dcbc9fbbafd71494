#include "AnsiText.h"

std::u16string AnsiToUnicode(std::string_view text) {
  std::u16string result;
  result.reserve(text.size());
  for (char c : text)
    result.push_back(static_cast<unsigned char>(c));
  return result;
}

std::string UnicodeToAnsi(std::u16string_view text, bool* lossless) {
  std::string result;
  result.reserve(text.size());
  bool all = true;
  for (char16_t c : text) {
    if (c > 0xFF) {
      all = false;
      result.push_back('?');
    } else {
      result.push_back(static_cast<char>(c));
    }
  }
  if (lossless)
    *lossless = all;
  return result;
}
