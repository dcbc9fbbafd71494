#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "TextForm.h"
#include "TextFormSyntax.h"

namespace {

constexpr std::size_t kStringLineWidth = 64;
constexpr std::size_t kInlineBinaryBytes = 32;

using text_form_syntax::IsDottedIdentifier;
using text_form_syntax::IsPlainIdentifier;
using text_form_syntax::IsReservedWord;
using text_form_syntax::IsValueWord;

bool IsAscii(std::string_view bytes) {
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80)
      return false;
  return true;
}

bool IsAscii(std::u16string_view units) {
  for (char16_t unit : units)
    if (unit >= 0x80)
      return false;
  return true;
}

std::u16string Widened(std::string_view bytes) {
  std::u16string units;
  for (char c : bytes)
    units.push_back(static_cast<unsigned char>(c));
  return units;
}

std::int32_t SmallestIntegerType(std::int32_t number) {
  return number >= -128 && number <= 127 ? 8 : number >= -32768 && number <= 32767 ? 16 : 32;
}

class TTextFormPrinter {
 public:
  std::string Print(const TStreamObject& root) {
    PrintObject(root, 0);
    return std::move(FOut);
  }

 private:
  [[noreturn]] static void Fail(const std::string& message) { throw EStreamError(message); }

  void Indent(std::size_t depth) { FOut.append(2 * depth, ' '); }

  void PrintObject(const TStreamObject& object, std::size_t depth) {
    if (depth > kMaxObjectNesting)
      Fail("objects nested deeper than " + std::to_string(kMaxObjectNesting) + " levels");
    if (!IsPlainIdentifier(object.ClassName))
      Fail("class name '" + object.ClassName + "' cannot be written in the text form");
    if (!object.Name.empty() && !IsPlainIdentifier(object.Name))
      Fail("object name '" + object.Name + "' cannot be written in the text form");
    Indent(depth);
    FOut += "object ";
    FOut += object.Name.empty() ? object.ClassName : object.Name + ": " + object.ClassName;
    FOut += '\n';
    for (const TStreamProperty& property : object.Properties) {
      if (!IsDottedIdentifier(property.Name) || IsReservedWord(property.Name))
        Fail("property name '" + property.Name + "' cannot be written in the text form");
      Indent(depth + 1);
      FOut += property.Name;
      FOut += " = ";
      PrintValue(property, depth + 1);
      FOut += '\n';
    }
    for (const TStreamObject& child : object.Children)
      PrintObject(child, depth + 1);
    Indent(depth);
    FOut += "end\n";
  }

  void PrintValue(const TStreamProperty& property, std::size_t depth) {
    const TStreamValue& value = property.Value;
    switch (value.Type) {
      case TValueType::vaInt8:
      case TValueType::vaInt16:
      case TValueType::vaInt32:
        PrintInteger(value);
        return;
      case TValueType::vaSingle:
        PrintSingle(value.Single);
        return;
      case TValueType::vaFalse:
        FOut += "False";
        return;
      case TValueType::vaTrue:
        FOut += "True";
        return;
      case TValueType::vaNil:
        FOut += "nil";
        return;
      case TValueType::vaIdent:
        if (IsDottedIdentifier(value.Bytes) && !IsReservedWord(value.Bytes) && !IsValueWord(value.Bytes))
          FOut += value.Bytes;
        else
          PrintTypedString("Ident", Widened(value.Bytes), depth);
        return;
      case TValueType::vaString:
        if (IsAscii(value.Bytes) && value.Bytes.size() <= kMaxShortStringLength)
          PrintString(Widened(value.Bytes), depth);
        else
          PrintTypedString("String", Widened(value.Bytes), depth);
        return;
      case TValueType::vaLString:
        if (IsAscii(value.Bytes) && value.Bytes.size() > kMaxShortStringLength)
          PrintString(Widened(value.Bytes), depth);
        else
          PrintTypedString("LString", Widened(value.Bytes), depth);
        return;
      case TValueType::vaWString:
        if (IsAscii(value.Text))
          PrintTypedString("WString", value.Text, depth);
        else
          PrintString(value.Text, depth);
        return;
      case TValueType::vaUTF8String:
        PrintTypedString("UTF8String", value.Text, depth);
        return;
      case TValueType::vaSet:
        PrintSet(value, depth);
        return;
      case TValueType::vaBinary:
        PrintBinary(value.Bytes, depth);
        return;
      case TValueType::vaNull:
        break;
    }
    Fail("property '" + property.Name + "' has no value type that the text form can express");
  }

  void PrintInteger(const TStreamValue& value) {
    const int bits = value.Type == TValueType::vaInt8 ? 8 : value.Type == TValueType::vaInt16 ? 16 : 32;
    if (bits == SmallestIntegerType(value.Integer)) {
      FOut += std::to_string(value.Integer);
    } else {
      FOut += "Int" + std::to_string(bits) + "(" + std::to_string(value.Integer) + ")";
    }
  }

  void PrintSingle(float number) {
    if (!std::isfinite(number)) {
      std::uint32_t bits = 0;
      std::memcpy(&bits, &number, sizeof bits);
      char hex[9] = {};
      std::to_chars(hex, hex + 8, bits, 16);
      std::string digits(hex);
      for (char& c : digits)
        c = c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c;
      FOut += "Single($" + std::string(8 - digits.size(), '0') + digits + ")";
      return;
    }
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, number).ptr;
    std::string shortest(text, end);
    if (shortest.find_first_of(".e") == std::string::npos)
      shortest += ".0";
    FOut += shortest;
  }

  void PrintTypedString(const char* prefix, const std::u16string& units, std::size_t depth) {
    FOut += prefix;
    FOut += '(';
    PrintString(units, depth);
    FOut += ')';
  }

  // Quoted runs for printable ASCII, #nnn for every other code unit; lines of about kStringLineWidth
  // characters joined by '+'.
  void PrintString(const std::u16string& units, std::size_t depth) {
    if (units.empty()) {
      FOut += "''";
      return;
    }
    bool quoted = false;
    std::size_t lineStart = FOut.size();
    for (std::size_t i = 0; i < units.size(); ++i) {
      const char16_t unit = units[i];
      const bool printable = unit >= 0x20 && unit < 0x7F;
      if (printable != quoted) {
        FOut += '\'';
        quoted = printable;
      }
      if (printable) {
        FOut += static_cast<char>(unit);
        if (unit == u'\'')
          FOut += '\'';
      } else {
        FOut += '#' + std::to_string(unit);
      }
      if (FOut.size() - lineStart >= kStringLineWidth && i + 1 < units.size()) {
        if (quoted)
          FOut += '\'';
        quoted = false;
        FOut += " +\n";
        Indent(depth + 1);
        lineStart = FOut.size();
      }
    }
    if (quoted)
      FOut += '\'';
  }

  void PrintSet(const TStreamValue& value, std::size_t depth) {
    FOut += '[';
    for (std::size_t i = 0; i < value.Elements.size(); ++i) {
      if (i > 0)
        FOut += ", ";
      if (IsPlainIdentifier(value.Elements[i]))
        FOut += value.Elements[i];
      else
        PrintString(Widened(value.Elements[i]), depth);
    }
    FOut += ']';
  }

  void PrintBinary(const std::string& bytes, std::size_t depth) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    auto hex = [&](std::size_t from, std::size_t count) {
      for (std::size_t i = from; i < from + count; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        FOut += kDigits[byte >> 4];
        FOut += kDigits[byte & 0xF];
      }
    };
    FOut += '{';
    if (bytes.size() <= kInlineBinaryBytes) {
      hex(0, bytes.size());
    } else {
      for (std::size_t from = 0; from < bytes.size(); from += kInlineBinaryBytes) {
        FOut += '\n';
        Indent(depth + 1);
        hex(from, std::min(kInlineBinaryBytes, bytes.size() - from));
      }
    }
    FOut += '}';
  }

  std::string FOut;
};

}  // namespace

std::string PrintTextForm(const TStreamObject& root) {
  return TTextFormPrinter().Print(root);
}
