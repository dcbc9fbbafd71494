#pragma once
// The attributes of a tag as name-value lines, and the small text helpers the markup reading shares.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Without leading and trailing blanks and control characters.
std::u16string_view TrimText(std::u16string_view Text);
// A decimal integer, optionally after blanks and with a sign; none when the text is not one or exceeds 32
// bits.
std::optional<std::int32_t> ParseInteger(std::u16string_view Text);
inline std::int32_t IntegerOr(std::u16string_view Text, std::int32_t Default) {
  return ParseInteger(Text).value_or(Default);
}

class THtmlAttributes {
 public:
  // Reads the tokens from Start (the blank after the tag name) up to the ">" outside quotes. Quotes stay in
  // the tokens; "name=value" tokens become lines under the lower-cased name, other tokens (a lone "=" too)
  // the positional lines p1, p2, ... Returns the position of the closing ">", or Text.size() when the text
  // ends first.
  std::size_t Read(std::u16string_view Text, std::size_t Start);
  void Add(std::u16string Name, std::u16string Value) {
    FLines.emplace_back(std::move(Name), std::move(Value));
  }

  bool Present() const { return !FLines.empty(); }
  // The value of the first line named Name as written, none when there is no such line.
  const std::u16string* Find(std::u16string_view Name) const;
  // The value of the first line named Name without one pair of surrounding quotes; empty when absent.
  std::u16string Value(std::u16string_view Name) const;

 private:
  void AddToken(std::u16string_view Token);

  std::vector<std::pair<std::u16string, std::u16string>> FLines;
  int FPositional = 0;
};
