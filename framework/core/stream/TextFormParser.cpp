#include <charconv>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "StrictUtf8.h"
#include "TextForm.h"
#include "TextFormLexer.h"
#include "TextFormSyntax.h"

ETextFormError::ETextFormError(int line, int column, const std::string& message)
    : EStreamError(std::to_string(line) + ":" + std::to_string(column) + ": " + message),
      FLine(line),
      FColumn(column),
      FMessage(message) {}

namespace {

using text_form_syntax::EqualsIgnoringCase;
using text_form_syntax::IsReservedWord;

TStreamValue Typed(TValueType type) {
  TStreamValue value;
  value.Type = type;
  return value;
}

TStreamValue SmallestInteger(std::int32_t number) {
  TStreamValue value = Typed(number >= -128 && number <= 127       ? TValueType::vaInt8
                             : number >= -32768 && number <= 32767 ? TValueType::vaInt16
                                                                   : TValueType::vaInt32);
  value.Integer = number;
  return value;
}

class TTextFormParser {
 public:
  explicit TTextFormParser(std::string_view text) : FLexer(text) {}

  TStreamObject ParseRoot() {
    TStreamObject root = ParseObject(ExpectKeyword("object"), 0);
    const TTextToken& rest = FLexer.Peek();
    if (rest.Kind != TTextTokenKind::EndOfText)
      Fail(rest, "unexpected text after the final 'end'");
    return root;
  }

 private:
  [[noreturn]] static void Fail(const TTextToken& at, const std::string& message) {
    throw ETextFormError(at.Line, at.Column, message);
  }

  static bool IsKeyword(const TTextToken& token, std::string_view keyword) {
    return token.Kind == TTextTokenKind::Identifier && EqualsIgnoringCase(token.Text, keyword);
  }

  TTextToken ExpectKeyword(std::string_view keyword) {
    TTextToken token = FLexer.Next();
    if (!IsKeyword(token, keyword))
      Fail(token, "expected '" + std::string(keyword) + "'");
    return token;
  }

  void ExpectSymbol(char symbol) {
    const TTextToken token = FLexer.Next();
    if (!token.IsSymbol(symbol))
      Fail(token, std::string("expected '") + symbol + "'");
  }

  std::string ExpectName(const char* what, std::size_t maxLength) {
    const TTextToken token = FLexer.Next();
    if (token.Kind != TTextTokenKind::Identifier || token.Text.find('.') != std::string::npos)
      Fail(token, std::string("expected ") + what);
    if (token.Text.size() > maxLength)
      Fail(token, std::string(what) + " longer than " + std::to_string(maxLength) + " characters");
    return token.Text;
  }

  TStreamObject ParseObject(const TTextToken& keyword, std::size_t depth) {
    if (depth > kMaxObjectNesting)
      Fail(keyword, "objects nested deeper than " + std::to_string(kMaxObjectNesting) + " levels");
    TStreamObject object;
    object.ClassName = ExpectName("an object name or class name", kMaxClassNameLength);
    if (FLexer.Peek().IsSymbol(':')) {
      FLexer.Next();
      object.Name = std::move(object.ClassName);
      object.ClassName = ExpectName("a class name", kMaxClassNameLength);
    }
    while (true) {
      TTextToken token = FLexer.Next();
      if (token.Kind == TTextTokenKind::EndOfText)
        Fail(token, "missing 'end' of object '" + (object.Name.empty() ? object.ClassName : object.Name) +
                        "' begun at line " + std::to_string(keyword.Line));
      if (IsKeyword(token, "end"))
        return object;
      if (IsKeyword(token, "object")) {
        object.Children.push_back(ParseObject(token, depth + 1));
      } else if (token.Kind == TTextTokenKind::Identifier) {
        if (token.Text.size() > kMaxShortStringLength)
          Fail(token, "property name longer than " + std::to_string(kMaxShortStringLength) + " characters");
        ExpectSymbol('=');
        object.Properties.push_back({token.Text, ParseValue()});
      } else {
        Fail(token, "expected a property, 'object' or 'end'");
      }
    }
  }

  TStreamValue ParseValue() {
    const TTextToken token = FLexer.Next();
    switch (token.Kind) {
      case TTextTokenKind::Integer:
      case TTextTokenKind::HexInteger:
        return SmallestInteger(IntegerOf(token));
      case TTextTokenKind::Number: {
        TStreamValue value = Typed(TValueType::vaSingle);
        value.Single = SingleOf(token);
        return value;
      }
      case TTextTokenKind::String:
        return AutomaticString(StringExpression(token));
      case TTextTokenKind::Binary: {
        TStreamValue value = Typed(TValueType::vaBinary);
        value.Bytes = token.Text;
        return value;
      }
      case TTextTokenKind::Identifier:
        return IdentifierValue(token);
      case TTextTokenKind::Symbol:
        if (token.IsSymbol('['))
          return SetValue();
        break;
      case TTextTokenKind::EndOfText:
        break;
    }
    Fail(token, "expected a value");
  }

  std::int32_t IntegerOf(const TTextToken& token) {
    if (token.Kind == TTextTokenKind::HexInteger) {
      std::uint32_t bits = 0;
      std::from_chars(token.Text.data(), token.Text.data() + token.Text.size(), bits, 16);
      return static_cast<std::int32_t>(bits);
    }
    std::int32_t number = 0;
    const auto [end, error] =
        std::from_chars(token.Text.data(), token.Text.data() + token.Text.size(), number);
    if (error != std::errc() || end != token.Text.data() + token.Text.size())
      Fail(token, "integer " + token.Text + " out of range (32 bits)");
    return number;
  }

  float SingleOf(const TTextToken& token) {
    float number = 0;
    const auto [end, error] =
        std::from_chars(token.Text.data(), token.Text.data() + token.Text.size(), number);
    if (error != std::errc() || end != token.Text.data() + token.Text.size())
      Fail(token, "number " + token.Text + " out of range for Single");
    return number;
  }

  std::u16string StringExpression(const TTextToken& first) {
    std::u16string units = first.Units;
    while (FLexer.Peek().IsSymbol('+')) {
      FLexer.Next();
      const TTextToken piece = FLexer.Next();
      if (piece.Kind != TTextTokenKind::String)
        Fail(piece, "expected a string after '+'");
      units += piece.Units;
    }
    return units;
  }

  static TStreamValue AutomaticString(const std::u16string& units) {
    for (char16_t unit : units) {
      if (unit >= 0x80) {
        TStreamValue value = Typed(TValueType::vaWString);
        value.Text = units;
        return value;
      }
    }
    TStreamValue value =
        Typed(units.size() > kMaxShortStringLength ? TValueType::vaLString : TValueType::vaString);
    value.Bytes.assign(units.begin(), units.end());
    return value;
  }

  // 8-bit text: every code unit is one byte.
  std::string BytesOf(const TTextToken& at, const std::u16string& units, std::size_t maxLength) {
    std::string bytes;
    for (char16_t unit : units) {
      if (unit > 0xFF)
        Fail(at, "character #" + std::to_string(unit) + " does not fit in 8-bit text");
      bytes.push_back(static_cast<char>(unit));
    }
    if (bytes.size() > maxLength)
      Fail(at, "text longer than " + std::to_string(maxLength) + " bytes");
    return bytes;
  }

  TTextToken ExpectString() {
    TTextToken token = FLexer.Next();
    if (token.Kind != TTextTokenKind::String)
      Fail(token, "expected a string");
    return token;
  }

  TStreamValue IdentifierValue(const TTextToken& token) {
    if (IsReservedWord(token.Text))
      Fail(token, "expected a value");
    if (FLexer.Peek().IsSymbol('(')) {
      if (auto value = TypedValue(token))
        return *value;
    }
    if (EqualsIgnoringCase(token.Text, "True"))
      return Typed(TValueType::vaTrue);
    if (EqualsIgnoringCase(token.Text, "False"))
      return Typed(TValueType::vaFalse);
    if (EqualsIgnoringCase(token.Text, "nil"))
      return Typed(TValueType::vaNil);
    if (token.Text.size() > kMaxShortStringLength)
      Fail(token, "identifier longer than " + std::to_string(kMaxShortStringLength) + " characters");
    TStreamValue value = Typed(TValueType::vaIdent);
    value.Bytes = token.Text;
    return value;
  }

  // A value with an explicit type, "Name(...)"; nothing when `name` is no type prefix.
  std::optional<TStreamValue> TypedValue(const TTextToken& name) {
    struct TPrefix {
      const char* Name;
      TValueType Type;
    };
    static constexpr TPrefix kPrefixes[] = {
        {"Int8", TValueType::vaInt8},       {"Int16", TValueType::vaInt16},
        {"Int32", TValueType::vaInt32},     {"Single", TValueType::vaSingle},
        {"String", TValueType::vaString},   {"LString", TValueType::vaLString},
        {"WString", TValueType::vaWString}, {"UTF8String", TValueType::vaUTF8String},
        {"Ident", TValueType::vaIdent}};
    const TPrefix* prefix = nullptr;
    for (const TPrefix& candidate : kPrefixes)
      if (name.Text == candidate.Name)
        prefix = &candidate;
    if (prefix == nullptr)
      return std::nullopt;
    FLexer.Next();  // '('
    TStreamValue value = Typed(prefix->Type);
    switch (prefix->Type) {
      case TValueType::vaInt8:
      case TValueType::vaInt16:
      case TValueType::vaInt32: {
        const TTextToken number = FLexer.Next();
        if (number.Kind != TTextTokenKind::Integer && number.Kind != TTextTokenKind::HexInteger)
          Fail(number, "expected an integer");
        value.Integer = IntegerOf(number);
        const int bits = prefix->Type == TValueType::vaInt8    ? 8
                         : prefix->Type == TValueType::vaInt16 ? 16
                                                               : 32;
        const std::int64_t limit = std::int64_t{1} << (bits - 1);
        if (value.Integer < -limit || value.Integer >= limit)
          Fail(number, "integer " + number.Text + " out of range for " + prefix->Name);
        break;
      }
      case TValueType::vaSingle: {
        const TTextToken number = FLexer.Next();
        if (number.Kind == TTextTokenKind::HexInteger) {
          const auto bits = static_cast<std::uint32_t>(IntegerOf(number));
          std::memcpy(&value.Single, &bits, sizeof bits);
        } else if (number.Kind == TTextTokenKind::Number || number.Kind == TTextTokenKind::Integer) {
          value.Single = SingleOf(number);
        } else {
          Fail(number, "expected a number or a $ bit pattern");
        }
        break;
      }
      case TValueType::vaString:
      case TValueType::vaLString:
      case TValueType::vaIdent: {
        const TTextToken first = ExpectString();
        value.Bytes =
            BytesOf(first, StringExpression(first),
                    prefix->Type == TValueType::vaLString ? std::numeric_limits<std::uint32_t>::max()
                                                          : kMaxShortStringLength);
        break;
      }
      case TValueType::vaWString:
        value.Text = StringExpression(ExpectString());
        break;
      case TValueType::vaUTF8String: {
        const TTextToken first = ExpectString();
        value.Text = StringExpression(first);
        if (!strict_utf8::Encode(value.Text))
          Fail(first, "UTF8String with an unpaired surrogate");
        break;
      }
      default:
        break;
    }
    ExpectSymbol(')');
    return value;
  }

  TStreamValue SetValue() {
    TStreamValue value = Typed(TValueType::vaSet);
    if (FLexer.Peek().IsSymbol(']')) {
      FLexer.Next();
      return value;
    }
    while (true) {
      const TTextToken element = FLexer.Next();
      if (element.Kind == TTextTokenKind::Identifier) {
        if (element.Text.size() > kMaxShortStringLength)
          Fail(element, "set element longer than " + std::to_string(kMaxShortStringLength) + " characters");
        value.Elements.push_back(element.Text);
      } else if (element.Kind == TTextTokenKind::String) {
        std::string bytes = BytesOf(element, StringExpression(element), kMaxShortStringLength);
        if (bytes.empty())
          Fail(element, "empty set element");
        value.Elements.push_back(std::move(bytes));
      } else {
        Fail(element, "expected a set element");
      }
      const TTextToken separator = FLexer.Next();
      if (separator.IsSymbol(']'))
        return value;
      if (!separator.IsSymbol(','))
        Fail(separator, "expected ',' or ']'");
    }
  }

  TTextFormLexer FLexer;
};

}  // namespace

TStreamObject ParseTextForm(std::string_view text) {
  return TTextFormParser(text).ParseRoot();
}
