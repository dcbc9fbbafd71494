#pragma once
// Conversion between property values and the values of a stored description. Each published property type has
// a TStreamConvert specialisation; a stored value of the wrong kind raises EReadError.

#include <cmath>
#include <concepts>
#include <limits>
#include <string>
#include <utility>

#include "AnsiText.h"
#include "Enumerations.h"
#include "ReadError.h"
#include "Types.h"
#include "stream/StreamObject.h"

template <class V>
struct TStreamConvert;

namespace stream_convert {

[[noreturn]] void Mismatch(const char* expected);
std::int32_t IdentOrInteger(const TStreamValue& value, std::span<const TIdentValue> idents, const char* kind);
TStreamValue TypedValue(TValueType type);
TStreamValue IntegerValue(std::int32_t value);
TStreamValue IdentValue(std::string_view name);
TStreamValue IdentOrIntegerValue(std::int32_t value, std::span<const TIdentValue> idents);

}  // namespace stream_convert

template <>
struct TStreamConvert<bool> {
  static bool From(const TStreamValue& v) {
    if (!v.IsBoolean())
      stream_convert::Mismatch("a Boolean");
    return v.Type == TValueType::vaTrue;
  }
  static TStreamValue To(bool b) {
    return stream_convert::TypedValue(b ? TValueType::vaTrue : TValueType::vaFalse);
  }
};

template <std::integral V>
requires(!std::same_as<V, bool>) struct TStreamConvert<V> {
  static V From(const TStreamValue& v) {
    if (!v.IsInteger())
      stream_convert::Mismatch("an integer");
    if (std::cmp_less(v.Integer, std::numeric_limits<V>::min()) ||
        std::cmp_greater(v.Integer, std::numeric_limits<V>::max()))
      stream_convert::Mismatch("an integer in range");
    return static_cast<V>(v.Integer);
  }
  static TStreamValue To(V value) { return stream_convert::IntegerValue(static_cast<std::int32_t>(value)); }
};

template <>
struct TStreamConvert<float> {
  static float From(const TStreamValue& v) {
    if (v.Type == TValueType::vaSingle)
      return v.Single;
    if (v.IsInteger())
      return static_cast<float>(v.Integer);
    stream_convert::Mismatch("a number");
  }
  static TStreamValue To(float f) {
    TStreamValue v = stream_convert::TypedValue(TValueType::vaSingle);
    v.Single = f;
    return v;
  }
};

// UTF-16 text: 8-bit stored text is taken in the ANSI code page.
template <>
struct TStreamConvert<std::u16string> {
  static std::u16string From(const TStreamValue& v) {
    if (!v.IsText())
      stream_convert::Mismatch("a string");
    if (v.Type == TValueType::vaString || v.Type == TValueType::vaLString)
      return AnsiToUnicode(v.Bytes);
    return v.Text;
  }
  static TStreamValue To(const std::u16string& s) {
    TStreamValue v = stream_convert::TypedValue(TValueType::vaWString);
    v.Text = s;
    return v;
  }
};

// 8-bit text in the ANSI code page.
template <>
struct TStreamConvert<std::string> {
  static std::string From(const TStreamValue& v) {
    if (!v.IsText())
      stream_convert::Mismatch("a string");
    if (v.Type == TValueType::vaString || v.Type == TValueType::vaLString)
      return v.Bytes;
    return UnicodeToAnsi(v.Text);
  }
  static TStreamValue To(const std::string& s) {
    TStreamValue v =
        stream_convert::TypedValue(s.size() > 255 ? TValueType::vaLString : TValueType::vaString);
    v.Bytes = s;
    return v;
  }
};

template <NamedEnum E>
struct TStreamConvert<E> {
  static E From(const TStreamValue& v) {
    if (v.Type != TValueType::vaIdent)
      stream_convert::Mismatch("an identifier");
    if (auto e = EnumFromName<E>(v.Bytes))
      return *e;
    stream_convert::Mismatch("a known identifier");
  }
  static TStreamValue To(E e) { return stream_convert::IdentValue(EnumName(e)); }
};

template <NamedEnum E>
struct TStreamConvert<TSet<E>> {
  static TSet<E> From(const TStreamValue& v) {
    if (v.Type != TValueType::vaSet)
      stream_convert::Mismatch("a set");
    TSet<E> result;
    for (const auto& name : v.Elements) {
      auto e = EnumFromName<E>(name);
      if (!e)
        stream_convert::Mismatch("a set of known identifiers");
      result.Include(*e);
    }
    return result;
  }
  static TStreamValue To(TSet<E> s) {
    TStreamValue v = stream_convert::TypedValue(TValueType::vaSet);
    for (std::size_t i = 0; i < TEnumNames<E>::Names.size(); ++i)
      if (s.Contains(static_cast<E>(i)))
        v.Elements.emplace_back(TEnumNames<E>::Names[i]);
    return v;
  }
};

// Integer types whose stored form may also be an identifier.
template <class V, std::span<const TIdentValue> (*Idents)(), const char* Kind>
struct TIdentIntegerConvert {
  static V From(const TStreamValue& v) {
    const std::int32_t raw = stream_convert::IdentOrInteger(v, Idents(), Kind);
    if (std::cmp_less(raw, std::numeric_limits<std::underlying_type_t<V>>::min()) ||
        std::cmp_greater(raw, std::numeric_limits<std::underlying_type_t<V>>::max()))
      stream_convert::Mismatch(Kind);
    return static_cast<V>(raw);
  }
  static TStreamValue To(V value) { return stream_convert::IdentOrIntegerValue(value, Idents()); }
};

inline constexpr char kColorKind[] = "a colour";
inline constexpr char kCursorKind[] = "a cursor";
inline constexpr char kCharsetKind[] = "a charset";
template <>
struct TStreamConvert<TColor> : TIdentIntegerConvert<TColor, ColorIdents, kColorKind> {};
template <>
struct TStreamConvert<TCursor> : TIdentIntegerConvert<TCursor, CursorIdents, kCursorKind> {};
template <>
struct TStreamConvert<TFontCharset> : TIdentIntegerConvert<TFontCharset, CharsetIdents, kCharsetKind> {};
