#pragma once
// The in-memory form of a stored component description: one object with its class and name, its properties in
// stream order and its nested children. Both the binary stream ("TPF0") and the readable text form map to it.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Value-type bytes of the binary stream.
enum class TValueType : std::uint8_t {
  vaNull = 0,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaString = 6,  // 8-bit text, 1-byte length
  vaIdent = 7,   // identifier (enumeration value, colour name, handler name), 1-byte length
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,     // raw bytes, 4-byte length
  vaSet = 11,        // identifiers, ended by an empty one
  vaLString = 12,    // 8-bit text, 4-byte length
  vaNil = 13,        // no component (a reference property that is not set)
  vaSingle = 15,     // IEEE single, 4 bytes
  vaWString = 18,    // UTF-16LE, 4-byte length counting code units
  vaUTF8String = 20  // UTF-8, 4-byte length counting bytes
};

struct TStreamValue {
  TValueType Type = TValueType::vaNull;
  std::int32_t Integer = 0;           // vaInt8, vaInt16, vaInt32
  float Single = 0.0f;                // vaSingle
  std::string Bytes;                  // vaString, vaLString (8-bit text as stored), vaIdent, vaBinary
  std::u16string Text;                // vaWString, vaUTF8String (decoded to UTF-16)
  std::vector<std::string> Elements;  // vaSet

  bool IsInteger() const;
  bool IsBoolean() const { return Type == TValueType::vaFalse || Type == TValueType::vaTrue; }
  bool IsText() const;  // any of the four string types (not identifiers)

  // Equal when both store the same: the single value is compared by its bits, so NaN equals itself and -0.0
  // differs from 0.0.
  friend bool operator==(const TStreamValue& a, const TStreamValue& b) {
    return a.Type == b.Type && a.Integer == b.Integer &&
           std::bit_cast<std::uint32_t>(a.Single) == std::bit_cast<std::uint32_t>(b.Single) &&
           a.Bytes == b.Bytes && a.Text == b.Text && a.Elements == b.Elements;
  }
};

struct TStreamProperty {
  std::string Name;  // may be dotted: "Font.Name", "Fill.Color"
  TStreamValue Value;
  friend bool operator==(const TStreamProperty&, const TStreamProperty&) = default;
};

struct TStreamObject {
  std::string ClassName;
  std::string Name;
  std::vector<TStreamProperty> Properties;
  std::vector<TStreamObject> Children;
  friend bool operator==(const TStreamObject&, const TStreamObject&) = default;
};

// Deepest nesting of child objects that the readers accept and the writers produce (the root is level 0).
inline constexpr std::size_t kMaxObjectNesting = 64;
// Longest name, identifier or vaString; a class name is shorter, as a first byte of 0xF0 or more marks filer
// flags.
inline constexpr std::size_t kMaxShortStringLength = 255;
inline constexpr std::size_t kMaxClassNameLength = 239;

// A malformed binary stream or text form. The message says what and where.
class EStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
