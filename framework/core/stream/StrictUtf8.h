#pragma once
// Strict UTF-8 for stored descriptions: unlike display conversions, nothing is replaced. A sequence that is
// not well-formed UTF-8 (overlong forms, surrogates, values above U+10FFFF, cut-off sequences) or UTF-16 with
// an unpaired surrogate cannot be converted.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace strict_utf8 {

std::optional<std::u16string> Decode(std::string_view bytes);
std::optional<std::string> Encode(std::u16string_view text);

// Decodes the sequence at the start of `bytes`: returns its length in bytes and stores the code point, or
// returns 0 when it is not well-formed.
std::size_t DecodeSequence(std::string_view bytes, char32_t& code);
// Appends a code point (at most U+10FFFF, no surrogate) as one or two UTF-16 code units.
void AppendUtf16(char32_t code, std::u16string& text);

}  // namespace strict_utf8
