#include "TextFormLexer.h"

#include "StrictUtf8.h"
#include "TextForm.h"
#include "TextFormSyntax.h"

namespace {

using text_form_syntax::IsDigit;
using text_form_syntax::IsIdentifierChar;
using text_form_syntax::IsLetter;

int HexValue(char c) {
  if (IsDigit(c))
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

std::string Describe(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x21 && byte < 0x7F)
    return std::string("'") + c + "'";
  constexpr char kDigits[] = "0123456789ABCDEF";
  return std::string("byte 0x") + kDigits[byte >> 4] + kDigits[byte & 0xF];
}

constexpr std::string_view kSymbols = "=:[](),+";

}  // namespace

TTextFormLexer::TTextFormLexer(std::string_view text) : FText(text) {
  if (FText.starts_with("\xEF\xBB\xBF"))
    FPos = 3;
}

void TTextFormLexer::Fail(int line, int column, const std::string& message) const {
  throw ETextFormError(line, column, message);
}

void TTextFormLexer::Advance() {
  const char c = FText[FPos++];
  if (c == '\n') {
    ++FLine;
    FColumn = 1;
  } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
    ++FColumn;  // continuation bytes of a UTF-8 sequence belong to the character before them
  }
}

void TTextFormLexer::SkipSpaceAndComments() {
  while (!AtEnd()) {
    const char c = At();
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      Advance();
    } else if (c == '/' && At(1) == '/') {
      while (!AtEnd() && At() != '\n')
        Advance();
    } else {
      return;
    }
  }
}

const TTextToken& TTextFormLexer::Peek() {
  if (!FHasPeeked) {
    FPeeked = Scan();
    FHasPeeked = true;
  }
  return FPeeked;
}

TTextToken TTextFormLexer::Next() {
  if (FHasPeeked) {
    FHasPeeked = false;
    return std::move(FPeeked);
  }
  return Scan();
}

TTextToken TTextFormLexer::Scan() {
  SkipSpaceAndComments();
  TTextToken token;
  token.Line = FLine;
  token.Column = FColumn;
  if (AtEnd())
    return token;
  const char c = At();
  if (IsLetter(c)) {
    ScanIdentifier(token);
  } else if (IsDigit(c) || (c == '-' && IsDigit(At(1)))) {
    ScanNumber(token);
  } else if (c == '$') {
    ScanHexInteger(token);
  } else if (c == '\'' || c == '#') {
    ScanString(token);
  } else if (c == '{') {
    ScanBinary(token);
  } else if (kSymbols.find(c) != std::string_view::npos) {
    token.Kind = TTextTokenKind::Symbol;
    token.Text = std::string(1, c);
    Advance();
  } else {
    Fail(FLine, FColumn, "unexpected character " + Describe(c));
  }
  return token;
}

void TTextFormLexer::ScanIdentifier(TTextToken& token) {
  token.Kind = TTextTokenKind::Identifier;
  while (true) {
    while (IsIdentifierChar(At())) {
      token.Text.push_back(At());
      Advance();
    }
    if (At() != '.')
      break;
    if (!IsLetter(At(1)))
      Fail(FLine, FColumn, "bad identifier '" + token.Text + ".'");
    token.Text.push_back('.');
    Advance();
  }
}

void TTextFormLexer::RejectGlued(const TTextToken& token, const char* what) {
  if (IsIdentifierChar(At()) || At() == '.' || At() == '$')
    Fail(token.Line, token.Column, std::string("bad ") + what + " '" + token.Text + At() + "'");
}

void TTextFormLexer::ScanNumber(TTextToken& token) {
  token.Kind = TTextTokenKind::Integer;
  auto takeDigits = [&] {
    while (IsDigit(At())) {
      token.Text.push_back(At());
      Advance();
    }
  };
  if (At() == '-') {
    token.Text.push_back('-');
    Advance();
  }
  takeDigits();
  if (At() == '.' && IsDigit(At(1))) {
    token.Kind = TTextTokenKind::Number;
    token.Text.push_back('.');
    Advance();
    takeDigits();
  }
  if ((At() == 'e' || At() == 'E') &&
      (IsDigit(At(1)) || ((At(1) == '+' || At(1) == '-') && IsDigit(At(2))))) {
    token.Kind = TTextTokenKind::Number;
    token.Text.push_back(At());
    Advance();
    if (At() == '+' || At() == '-') {
      token.Text.push_back(At());
      Advance();
    }
    takeDigits();
  }
  RejectGlued(token, "number");
}

void TTextFormLexer::ScanHexInteger(TTextToken& token) {
  token.Kind = TTextTokenKind::HexInteger;
  Advance();
  while (HexValue(At()) >= 0) {
    token.Text.push_back(At());
    Advance();
  }
  if (token.Text.empty())
    Fail(token.Line, token.Column, "expected hexadecimal digits after '$'");
  RejectGlued(token, "hexadecimal number");
  const auto firstSignificant = token.Text.find_first_not_of('0');
  if (firstSignificant != std::string::npos && token.Text.size() - firstSignificant > 8)
    Fail(token.Line, token.Column, "hexadecimal number $" + token.Text + " does not fit in 32 bits");
}

void TTextFormLexer::ScanString(TTextToken& token) {
  token.Kind = TTextTokenKind::String;
  while (At() == '\'' || At() == '#') {
    if (At() == '\'')
      ScanQuotedPiece(token);
    else
      ScanCharacterCode(token);
  }
  if (IsIdentifierChar(At()) || At() == '$')
    Fail(FLine, FColumn, "unexpected " + Describe(At()) + " after a string");
}

void TTextFormLexer::ScanQuotedPiece(TTextToken& token) {
  const int line = FLine;
  const int column = FColumn;
  Advance();
  while (true) {
    if (AtEnd() || At() == '\n' || At() == '\r')
      Fail(line, column, "unterminated string");
    if (At() == '\'') {
      Advance();
      if (At() != '\'')
        return;
      token.Units.push_back(u'\'');
      Advance();
      continue;
    }
    char32_t code = 0;
    const std::size_t length = strict_utf8::DecodeSequence(FText.substr(FPos), code);
    if (length == 0)
      Fail(FLine, FColumn, "invalid UTF-8 in string");
    strict_utf8::AppendUtf16(code, token.Units);
    for (std::size_t i = 0; i < length; ++i)
      Advance();
  }
}

void TTextFormLexer::ScanCharacterCode(TTextToken& token) {
  const int line = FLine;
  const int column = FColumn;
  Advance();
  const bool hex = At() == '$';
  if (hex)
    Advance();
  std::uint32_t code = 0;
  std::size_t digits = 0;
  while (hex ? HexValue(At()) >= 0 : IsDigit(At())) {
    code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(HexValue(At()));
    if (code > 0xFFFF)
      Fail(line, column, "character code out of range (at most 65535)");
    ++digits;
    Advance();
  }
  if (digits == 0)
    Fail(line, column, "expected a character code after '#'");
  token.Units.push_back(static_cast<char16_t>(code));
}

void TTextFormLexer::ScanBinary(TTextToken& token) {
  token.Kind = TTextTokenKind::Binary;
  Advance();
  int pending = -1;
  while (true) {
    if (AtEnd())
      Fail(token.Line, token.Column, "unterminated binary data");
    const char c = At();
    if (c == '}') {
      if (pending >= 0)
        Fail(FLine, FColumn, "odd number of hexadecimal digits in binary data");
      Advance();
      return;
    }
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      if (pending >= 0)
        Fail(FLine, FColumn, "white space inside a byte of binary data");
    } else if (HexValue(c) >= 0) {
      if (pending < 0) {
        pending = HexValue(c);
      } else {
        token.Text.push_back(static_cast<char>(pending * 16 + HexValue(c)));
        pending = -1;
      }
    } else {
      Fail(FLine, FColumn, "unexpected " + Describe(c) + " in binary data");
    }
    Advance();
  }
}
