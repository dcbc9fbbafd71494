#include "StreamConvert.h"

namespace stream_convert {

void Mismatch(const char* expected) {
  throw EReadError(std::string("Invalid property value: expected ") + expected);
}

std::int32_t IdentOrInteger(const TStreamValue& value, std::span<const TIdentValue> idents,
                            const char* kind) {
  if (value.IsInteger())
    return value.Integer;
  if (value.Type == TValueType::vaIdent)
    for (const auto& ident : idents)
      if (ident.Name == value.Bytes)
        return ident.Value;
  Mismatch(kind);
}

TStreamValue TypedValue(TValueType type) {
  TStreamValue v;
  v.Type = type;
  return v;
}

TStreamValue IntegerValue(std::int32_t value) {
  const auto type = value >= -128 && value <= 127       ? TValueType::vaInt8
                    : value >= -32768 && value <= 32767 ? TValueType::vaInt16
                                                        : TValueType::vaInt32;
  TStreamValue v = TypedValue(type);
  v.Integer = value;
  return v;
}

TStreamValue IdentValue(std::string_view name) {
  TStreamValue v = TypedValue(TValueType::vaIdent);
  v.Bytes = std::string(name);
  return v;
}

TStreamValue IdentOrIntegerValue(std::int32_t value, std::span<const TIdentValue> idents) {
  for (const auto& ident : idents)
    if (ident.Value == value)
      return IdentValue(ident.Name);
  return IntegerValue(value);
}

}  // namespace stream_convert
