#include "StrictUtf8.h"

namespace strict_utf8 {
namespace {

unsigned char Byte(std::string_view bytes, std::size_t i) {
  return static_cast<unsigned char>(bytes[i]);
}

}  // namespace

std::size_t DecodeSequence(std::string_view bytes, char32_t& code) {
  if (bytes.empty())
    return 0;
  const unsigned char lead = Byte(bytes, 0);
  std::size_t length = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    minimum = 0x80;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    minimum = 0x800;
    code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    minimum = 0x10000;
    code = lead & 0x07u;
  } else {
    return 0;
  }
  if (bytes.size() < length)
    return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = Byte(bytes, i);
    if ((next & 0xC0u) != 0x80u)
      return 0;
    code = (code << 6) | (next & 0x3Fu);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
    return 0;
  return length;
}

void AppendUtf16(char32_t code, std::u16string& text) {
  if (code >= 0x10000) {
    code -= 0x10000;
    text.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    text.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
  } else {
    text.push_back(static_cast<char16_t>(code));
  }
}

std::optional<std::u16string> Decode(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  while (!bytes.empty()) {
    char32_t code = 0;
    const std::size_t length = DecodeSequence(bytes, code);
    if (length == 0)
      return std::nullopt;
    bytes.remove_prefix(length);
    AppendUtf16(code, text);
  }
  return text;
}

std::optional<std::string> Encode(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t code = text[i];
    if (code >= 0xDC00 && code <= 0xDFFF)
      return std::nullopt;
    if (code >= 0xD800 && code <= 0xDBFF) {
      if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF)
        return std::nullopt;
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00u);
    }
    if (code < 0x80) {
      bytes.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
      bytes.push_back(static_cast<char>(0xC0 | (code >> 6)));
      bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
      bytes.push_back(static_cast<char>(0xE0 | (code >> 12)));
      bytes.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
      bytes.push_back(static_cast<char>(0xF0 | (code >> 18)));
      bytes.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
      bytes.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return bytes;
}

}  // namespace strict_utf8
