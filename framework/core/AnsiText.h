#pragma once
// Conversion between UTF-16 and 8-bit text in the system's ANSI code page. The Windows build converts with
// the process's code page; the portable build treats 8-bit text as ISO 8859-1.

#include <string>
#include <string_view>

std::u16string AnsiToUnicode(std::string_view text);
// Characters the code page lacks become '?'. `lossless`, when given, tells whether every character survived.
std::string UnicodeToAnsi(std::u16string_view text, bool* lossless = nullptr);
// UTF-8, used by identifiers of stored descriptions and by readable text for tools and tests.
std::u16string Utf8ToUnicode(std::string_view text);
std::string UnicodeToUtf8(std::u16string_view text);
