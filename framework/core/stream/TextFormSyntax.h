#pragma once
// Character classes and names of the readable text form, shared by its reader and printer.

#include <string_view>

namespace text_form_syntax {

inline bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
inline bool IsIdentifierChar(char c) {
  return IsLetter(c) || IsDigit(c);
}

inline bool IsPlainIdentifier(std::string_view text) {
  if (text.empty() || !IsLetter(text[0]))
    return false;
  for (char c : text)
    if (!IsIdentifierChar(c))
      return false;
  return true;
}

// Plain identifiers joined by single dots ("Font.Name").
inline bool IsDottedIdentifier(std::string_view text) {
  while (true) {
    const auto dot = text.find('.');
    if (!IsPlainIdentifier(text.substr(0, dot)))
      return false;
    if (dot == std::string_view::npos)
      return true;
    text.remove_prefix(dot + 1);
  }
}

// ASCII letters compared without regard to case (keywords and True/False).
inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i]))
      return false;
  return true;
}

// Words that open and close an object; they can be neither property names nor bare identifier values.
inline bool IsReservedWord(std::string_view text) {
  return EqualsIgnoringCase(text, "object") || EqualsIgnoringCase(text, "end");
}

// Bare words that stand for a value of their own rather than an identifier.
inline bool IsValueWord(std::string_view text) {
  return EqualsIgnoringCase(text, "True") || EqualsIgnoringCase(text, "False") ||
         EqualsIgnoringCase(text, "nil");
}

}  // namespace text_form_syntax
