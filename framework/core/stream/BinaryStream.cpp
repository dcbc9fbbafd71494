#include "BinaryStream.h"

#include <cstring>
#include <limits>
#include <string>

#include "StrictUtf8.h"

namespace {

constexpr char kSignature[4] = {'T', 'P', 'F', '0'};
constexpr std::uint8_t kFilerFlagsMask = 0xF0;

std::string HexByte(std::uint8_t value) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  return std::string("0x") + kDigits[value >> 4] + kDigits[value & 0xF];
}

std::string Quoted(const std::string& name) {
  return "'" + name + "'";
}

class TStreamReader {
 public:
  TStreamReader(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}

  TStreamObject ReadRoot() {
    Need(sizeof kSignature, "the signature");
    if (std::memcmp(FData, kSignature, sizeof kSignature) != 0)
      Fail(0, "not a component stream (signature \"TPF0\" missing)");
    FPos = sizeof kSignature;
    TStreamObject root = ReadObject(0);
    if (FPos != FSize)
      Fail(FPos, std::to_string(FSize - FPos) + " bytes of trailing data after the root object");
    return root;
  }

 private:
  [[noreturn]] static void Fail(std::size_t offset, const std::string& message) {
    throw EStreamError("offset " + std::to_string(offset) + ": " + message);
  }

  void Need(std::uint64_t count, const std::string& what) const {
    if (count > FSize - FPos)
      Fail(FPos, "stream ends inside " + what);
  }

  std::uint8_t PeekByte(const std::string& what) const {
    Need(1, what);
    return FData[FPos];
  }

  std::uint8_t ReadByte(const std::string& what) {
    const std::uint8_t value = PeekByte(what);
    ++FPos;
    return value;
  }

  std::string ReadBytes(std::uint64_t count, const std::string& what) {
    Need(count, what);
    std::string bytes(reinterpret_cast<const char*>(FData + FPos), static_cast<std::size_t>(count));
    FPos += static_cast<std::size_t>(count);
    return bytes;
  }

  std::uint32_t ReadUInt32(const std::string& what) {
    Need(4, what);
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
      value = (value << 8) | FData[FPos + static_cast<std::size_t>(i)];
    FPos += 4;
    return value;
  }

  std::string ReadShortString(const std::string& what) { return ReadBytes(ReadByte(what), what); }

  TStreamObject ReadObject(std::size_t depth) {
    if (depth > kMaxObjectNesting)
      Fail(FPos, "objects nested deeper than " + std::to_string(kMaxObjectNesting) + " levels");
    const std::uint8_t prefix = PeekByte("a class name");
    if ((prefix & kFilerFlagsMask) == kFilerFlagsMask)
      Fail(FPos, "filer flags (" + HexByte(prefix) + ") before a class name are not supported");
    if (prefix == 0)
      Fail(FPos, "empty class name");
    TStreamObject object;
    object.ClassName = ReadShortString("a class name");
    object.Name = ReadShortString("the object name of class " + object.ClassName);
    const std::string owner = Quoted(object.Name.empty() ? object.ClassName : object.Name);
    while (PeekByte("the property list of " + owner) != 0)
      object.Properties.push_back(ReadProperty(owner));
    ++FPos;
    while (PeekByte("the child list of " + owner) != 0)
      object.Children.push_back(ReadObject(depth + 1));
    ++FPos;
    return object;
  }

  TStreamProperty ReadProperty(const std::string& owner) {
    TStreamProperty property;
    property.Name = ReadShortString("a property name of " + owner);
    property.Value = ReadValue("the value of property " + Quoted(property.Name));
    return property;
  }

  TStreamValue ReadValue(const std::string& what) {
    const std::size_t typeOffset = FPos;
    const std::uint8_t typeByte = ReadByte(what);
    TStreamValue value;
    value.Type = static_cast<TValueType>(typeByte);
    switch (value.Type) {
      case TValueType::vaInt8:
        value.Integer = static_cast<std::int8_t>(ReadByte(what));
        break;
      case TValueType::vaInt16: {
        const std::string bytes = ReadBytes(2, what);
        value.Integer = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[0]) |
                                                  (static_cast<std::uint8_t>(bytes[1]) << 8));
        break;
      }
      case TValueType::vaInt32:
        value.Integer = static_cast<std::int32_t>(ReadUInt32(what));
        break;
      case TValueType::vaSingle: {
        const std::uint32_t bits = ReadUInt32(what);
        std::memcpy(&value.Single, &bits, sizeof bits);
        break;
      }
      case TValueType::vaFalse:
      case TValueType::vaTrue:
      case TValueType::vaNil:
        break;
      case TValueType::vaString:
      case TValueType::vaIdent:
        value.Bytes = ReadShortString(what);
        break;
      case TValueType::vaLString:
      case TValueType::vaBinary:
        value.Bytes = ReadBytes(ReadUInt32(what), what);
        break;
      case TValueType::vaWString: {
        const std::uint64_t units = ReadUInt32(what);
        Need(units * 2, what);
        value.Text.resize(static_cast<std::size_t>(units));
        for (char16_t& unit : value.Text) {
          unit = static_cast<char16_t>(FData[FPos] | (FData[FPos + 1] << 8));
          FPos += 2;
        }
        break;
      }
      case TValueType::vaUTF8String: {
        const std::size_t textOffset = FPos + 4;
        auto text = strict_utf8::Decode(ReadBytes(ReadUInt32(what), what));
        if (!text)
          Fail(textOffset, "invalid UTF-8 in " + what);
        value.Text = std::move(*text);
        break;
      }
      case TValueType::vaSet:
        while (PeekByte(what) != 0)
          value.Elements.push_back(ReadShortString(what));
        ++FPos;
        break;
      default:
        Fail(typeOffset, "unknown value type " + HexByte(typeByte) + " in " + what);
    }
    return value;
  }

  const std::uint8_t* FData;
  std::size_t FSize;
  std::size_t FPos = 0;
};

class TStreamWriter {
 public:
  std::vector<std::uint8_t> WriteRoot(const TStreamObject& root) {
    FOut.assign(std::begin(kSignature), std::end(kSignature));
    WriteObject(root, 0);
    return std::move(FOut);
  }

 private:
  [[noreturn]] static void Fail(const std::string& message) { throw EStreamError(message); }

  void Byte(std::uint8_t value) { FOut.push_back(value); }

  void UInt32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
      Byte(static_cast<std::uint8_t>(value >> (8 * i)));
  }

  void Length32(std::size_t length, const std::string& what) {
    if (length > std::numeric_limits<std::uint32_t>::max())
      Fail(what + " is too long for the stream");
    UInt32(static_cast<std::uint32_t>(length));
  }

  void Raw(const std::string& bytes) { FOut.insert(FOut.end(), bytes.begin(), bytes.end()); }

  void ShortString(const std::string& text, std::size_t maxLength, const std::string& what) {
    if (text.size() > maxLength)
      Fail(what + " is longer than " + std::to_string(maxLength) + " bytes: " + Quoted(text.substr(0, 32)) +
           "...");
    Byte(static_cast<std::uint8_t>(text.size()));
    Raw(text);
  }

  void WriteObject(const TStreamObject& object, std::size_t depth) {
    if (depth > kMaxObjectNesting)
      Fail("objects nested deeper than " + std::to_string(kMaxObjectNesting) + " levels");
    if (object.ClassName.empty())
      Fail("object " + Quoted(object.Name) + " has an empty class name");
    ShortString(object.ClassName, kMaxClassNameLength, "class name");
    ShortString(object.Name, kMaxShortStringLength, "object name");
    const std::string owner = Quoted(object.Name.empty() ? object.ClassName : object.Name);
    for (const TStreamProperty& property : object.Properties) {
      if (property.Name.empty())
        Fail("a property of " + owner + " has an empty name");
      ShortString(property.Name, kMaxShortStringLength, "property name");
      WriteValue(property.Value, "property " + Quoted(property.Name) + " of " + owner);
    }
    Byte(0);
    for (const TStreamObject& child : object.Children)
      WriteObject(child, depth + 1);
    Byte(0);
  }

  void Integer(const TStreamValue& value, std::int32_t min, std::int32_t max, int bytes,
               const std::string& what) {
    if (value.Integer < min || value.Integer > max)
      Fail(what + ": " + std::to_string(value.Integer) + " does not fit in " + std::to_string(bytes * 8) +
           " bits");
    for (int i = 0; i < bytes; ++i)
      Byte(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value.Integer) >> (8 * i)));
  }

  void WriteValue(const TStreamValue& value, const std::string& what) {
    switch (value.Type) {
      case TValueType::vaInt8:
        Byte(static_cast<std::uint8_t>(value.Type));
        Integer(value, -128, 127, 1, what);
        return;
      case TValueType::vaInt16:
        Byte(static_cast<std::uint8_t>(value.Type));
        Integer(value, -32768, 32767, 2, what);
        return;
      case TValueType::vaInt32:
        Byte(static_cast<std::uint8_t>(value.Type));
        Integer(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), 4,
                what);
        return;
      case TValueType::vaSingle: {
        Byte(static_cast<std::uint8_t>(value.Type));
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value.Single, sizeof bits);
        UInt32(bits);
        return;
      }
      case TValueType::vaFalse:
      case TValueType::vaTrue:
      case TValueType::vaNil:
        Byte(static_cast<std::uint8_t>(value.Type));
        return;
      case TValueType::vaString:
      case TValueType::vaIdent:
        Byte(static_cast<std::uint8_t>(value.Type));
        ShortString(value.Bytes, kMaxShortStringLength, what);
        return;
      case TValueType::vaLString:
      case TValueType::vaBinary:
        Byte(static_cast<std::uint8_t>(value.Type));
        Length32(value.Bytes.size(), what);
        Raw(value.Bytes);
        return;
      case TValueType::vaWString:
        Byte(static_cast<std::uint8_t>(value.Type));
        Length32(value.Text.size(), what);
        for (char16_t unit : value.Text) {
          Byte(static_cast<std::uint8_t>(unit & 0xFF));
          Byte(static_cast<std::uint8_t>(unit >> 8));
        }
        return;
      case TValueType::vaUTF8String: {
        const auto bytes = strict_utf8::Encode(value.Text);
        if (!bytes)
          Fail(what + ": text with an unpaired surrogate cannot be stored as UTF-8");
        Byte(static_cast<std::uint8_t>(value.Type));
        Length32(bytes->size(), what);
        Raw(*bytes);
        return;
      }
      case TValueType::vaSet:
        Byte(static_cast<std::uint8_t>(value.Type));
        for (const std::string& element : value.Elements) {
          if (element.empty())
            Fail(what + ": a set element is empty");
          ShortString(element, kMaxShortStringLength, what);
        }
        Byte(0);
        return;
      case TValueType::vaNull:
        break;
    }
    Fail(what + ": value type " + HexByte(static_cast<std::uint8_t>(value.Type)) + " cannot be written");
  }

  std::vector<std::uint8_t> FOut;
};

}  // namespace

TStreamObject ReadObjectStream(const std::uint8_t* data, std::size_t size) {
  return TStreamReader(data, size).ReadRoot();
}

std::vector<std::uint8_t> WriteObjectStream(const TStreamObject& root) {
  return TStreamWriter().WriteRoot(root);
}
