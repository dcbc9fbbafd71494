#pragma once
// Tokens of the readable text form (see TextForm.h). Internal to the text form reader.

#include <cstddef>
#include <string>
#include <string_view>

enum class TTextTokenKind {
  EndOfText,
  Identifier,  // letters, digits, '_', dotted segments
  Integer,     // decimal, optional '-'
  HexInteger,  // '$' and up to 8 hexadecimal digits; Text holds the digits
  Number,      // decimal with '.' or exponent
  String,      // adjacent quoted and #nnn pieces, decoded into Units
  Binary,      // {hex}, decoded into Text
  Symbol       // one of = : [ ] ( ) , +
};

struct TTextToken {
  TTextTokenKind Kind = TTextTokenKind::EndOfText;
  std::string Text;      // the identifier, number or symbol as written; the bytes of binary data
  std::u16string Units;  // the string's code units
  int Line = 1;
  int Column = 1;

  bool IsSymbol(char symbol) const {
    return Kind == TTextTokenKind::Symbol && Text.size() == 1 && Text[0] == symbol;
  }
};

class TTextFormLexer {
 public:
  // A leading UTF-8 byte order mark is skipped.
  explicit TTextFormLexer(std::string_view text);

  // Returns the next token and moves past it; throws ETextFormError for malformed text.
  TTextToken Next();
  const TTextToken& Peek();

 private:
  TTextToken Scan();
  void SkipSpaceAndComments();
  void Advance();
  char At(std::size_t offset = 0) const { return FPos + offset < FText.size() ? FText[FPos + offset] : '\0'; }
  bool AtEnd() const { return FPos >= FText.size(); }
  [[noreturn]] void Fail(int line, int column, const std::string& message) const;

  void ScanIdentifier(TTextToken& token);
  void ScanNumber(TTextToken& token);
  void ScanHexInteger(TTextToken& token);
  void ScanString(TTextToken& token);
  void ScanQuotedPiece(TTextToken& token);
  void ScanCharacterCode(TTextToken& token);
  void ScanBinary(TTextToken& token);
  void RejectGlued(const TTextToken& token, const char* what);

  std::string_view FText;
  std::size_t FPos = 0;
  int FLine = 1;
  int FColumn = 1;
  bool FHasPeeked = false;
  TTextToken FPeeked;
};
