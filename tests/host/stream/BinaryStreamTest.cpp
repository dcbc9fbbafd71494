#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SampleForm.h"
#include "stream/BinaryStream.h"

namespace {

using enum TValueType;
using TBytes = std::vector<std::uint8_t>;

TBytes Bytes(std::string_view text) {
  return TBytes(text.begin(), text.end());
}

TStreamObject Read(const TBytes& bytes) {
  return ReadObjectStream(bytes.data(), bytes.size());
}

std::string ReadError(const TBytes& bytes) {
  try {
    Read(bytes);
  } catch (const EStreamError& error) {
    return error.what();
  }
  return "(no error)";
}

std::string WriteError(const TStreamObject& object) {
  try {
    WriteObjectStream(object);
  } catch (const EStreamError& error) {
    return error.what();
  }
  return "(no error)";
}

// Root object "TX"/"x" with one property "P" whose type byte and value bytes are given.
TBytes WithValue(std::string_view typeAndValue) {
  return Bytes(std::string("TPF0\x02TX\x01x\x01P", 11) + std::string(typeAndValue) + std::string("\0\0", 2));
}

// `levels` objects, each the only child of the one before.
TBytes Nested(std::size_t levels) {
  std::string bytes = "TPF0";
  for (std::size_t i = 0; i < levels; ++i)
    bytes += std::string("\x01T\x00\x00", 4);
  bytes += std::string(levels, '\0');
  return Bytes(bytes);
}

TStreamObject NestedModel(std::size_t levels) {
  TStreamObject root{"T", "", {}, {}};
  for (std::size_t i = 1; i < levels; ++i)
    root = TStreamObject{"T", "", {}, {root}};
  return root;
}

TEST(BinaryStream, WritesTheKnownBytesOfASmallObject) {
  TStreamObject label{"TLabel", "L", {{"Tag", IntegerValue(vaInt16, -300)}}, {}};
  TStreamObject root{"TZefExcept",
                     "zefExcept",
                     {{"Enabled", BooleanValue(true)},
                      {"SmtpPort", IntegerValue(vaInt8, 25)},
                      {"MailAddr", BytesValue(vaString, "ab")},
                      {"Size", IntegerValue(vaInt32, 100000)}},
                     {label}};
  // clang-format off
  const TBytes expected = {
      'T', 'P', 'F', '0',                                          // signature
      10, 'T', 'Z', 'e', 'f', 'E', 'x', 'c', 'e', 'p', 't',        // class name
      9, 'z', 'e', 'f', 'E', 'x', 'c', 'e', 'p', 't',              // object name
      7, 'E', 'n', 'a', 'b', 'l', 'e', 'd', 0x09,                  // Enabled = True
      8, 'S', 'm', 't', 'p', 'P', 'o', 'r', 't', 0x02, 25,         // SmtpPort = Int8 25
      8, 'M', 'a', 'i', 'l', 'A', 'd', 'd', 'r', 0x06, 2, 'a', 'b',  // MailAddr = 'ab'
      4, 'S', 'i', 'z', 'e', 0x04, 0xA0, 0x86, 0x01, 0x00,         // Size = Int32 100000
      0,                                                           // end of the root's properties
      6, 'T', 'L', 'a', 'b', 'e', 'l', 1, 'L',                     // child
      3, 'T', 'a', 'g', 0x03, 0xD4, 0xFE,                          // Tag = Int16 -300
      0, 0,                                                        // child: end of properties, of children
      0};                                                          // end of the root's children
  // clang-format on
  EXPECT_EQ(WriteObjectStream(root), expected);
  EXPECT_EQ(Read(expected), root);
}

TEST(BinaryStream, RoundTripsEveryValueTypeAndNestedChildren) {
  const TStreamObject form = SampleForm();
  const TBytes bytes = WriteObjectStream(form);
  const TStreamObject read = Read(bytes);
  EXPECT_EQ(read, form);
  EXPECT_EQ(WriteObjectStream(read), bytes);
}

struct TValueCase {
  const char* Name;
  std::string Encoded;  // type byte and value bytes
  TStreamValue Value;
};

class BinaryValue : public ::testing::TestWithParam<TValueCase> {};

TEST_P(BinaryValue, ReadsAndWritesTheEncoding) {
  const TBytes bytes = WithValue(GetParam().Encoded);
  const TStreamObject expected{"TX", "x", {{"P", GetParam().Value}}, {}};
  EXPECT_EQ(Read(bytes), expected);
  EXPECT_EQ(WriteObjectStream(expected), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, BinaryValue,
    ::testing::Values(
        TValueCase{"Int8Negative", std::string("\x02\xFF", 2), IntegerValue(vaInt8, -1)},
        TValueCase{"Int16Negative", std::string("\x03\x00\x80", 3), IntegerValue(vaInt16, -32768)},
        TValueCase{"Int32Min", std::string("\x04\x00\x00\x00\x80", 5), IntegerValue(vaInt32, INT32_MIN)},
        TValueCase{"Int32Small", std::string("\x04\x07\x00\x00\x00", 5), IntegerValue(vaInt32, 7)},
        TValueCase{"SingleOne", std::string("\x0F\x00\x00\x80\x3F", 5), SingleValue(1.0f)},
        TValueCase{"False", "\x08", BooleanValue(false)}, TValueCase{"True", "\x09", BooleanValue(true)},
        TValueCase{"Nil", "\x0D", TypedValue(vaNil)},
        TValueCase{"String8Bit", std::string("\x06\x02\xF6\x41", 4), BytesValue(vaString, "\xF6\x41")},
        TValueCase{"Ident",
                   std::string("\x07\x03"
                               "abc",
                               5),
                   BytesValue(vaIdent, "abc")},
        TValueCase{"LString",
                   std::string("\x0C\x02\x00\x00\x00"
                               "ab",
                               7),
                   BytesValue(vaLString, "ab")},
        TValueCase{"WString", std::string("\x12\x02\x00\x00\x00\xF6\x00\xAC\x20", 9),
                   TextValue(vaWString, u"\u00F6\u20AC")},
        TValueCase{"UTF8String",
                   std::string("\x14\x05\x00\x00\x00"
                               "a\xC3\xB6\xC2\xA0",
                               10),
                   TextValue(vaUTF8String, u"a\u00F6\u00A0")},
        TValueCase{"UTF8Supplementary", std::string("\x14\x04\x00\x00\x00\xF0\x9F\x98\x80", 9),
                   TextValue(vaUTF8String, u"\U0001F600")},
        TValueCase{"Set",
                   std::string("\x0B\x02"
                               "ab\x01"
                               "c\x00",
                               7),
                   SetValue({"ab", "c"})},
        TValueCase{"EmptySet", std::string("\x0B\x00", 2), SetValue({})},
        TValueCase{"Binary", std::string("\x0A\x03\x00\x00\x00\x00\xFF\x10", 8),
                   BytesValue(vaBinary, std::string("\x00\xFF\x10", 3))}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

TEST(BinaryStream, EveryTruncationThrowsStreamError) {
  const TBytes bytes = WriteObjectStream(SampleForm());
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    const TBytes prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_THROW(ReadObjectStream(prefix.data(), prefix.size()), EStreamError) << "prefix of " << length;
  }
}

struct TMalformedCase {
  const char* Name;
  TBytes Bytes;
  const char* Message;
};

class MalformedStream : public ::testing::TestWithParam<TMalformedCase> {};

TEST_P(MalformedStream, IsRejectedWithItsOffset) {
  EXPECT_EQ(ReadError(GetParam().Bytes), GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, MalformedStream,
    ::testing::Values(TMalformedCase{"Empty", {}, "offset 0: stream ends inside the signature"},
                      TMalformedCase{"WrongSignature", Bytes(std::string("TPF1\x02TX\x00\x00\x00", 10)),
                                     "offset 0: not a component stream (signature \"TPF0\" missing)"},
                      TMalformedCase{"UnknownTypeByte", WithValue("\x13"),
                                     "offset 11: unknown value type 0x13 in the value of property 'P'"},
                      TMalformedCase{"NullTypeByte", WithValue(std::string(1, '\0')),
                                     "offset 11: unknown value type 0x00 in the value of property 'P'"},
                      TMalformedCase{"TrailingGarbage", Bytes(std::string("TPF0\x02TX\x00\x00\x00xyz", 13)),
                                     "offset 10: 3 bytes of trailing data after the root object"},
                      TMalformedCase{"FilerFlags", Bytes(std::string("TPF0\xF1\x00\x02TX\x00\x00\x00", 12)),
                                     "offset 4: filer flags (0xF1) before a class name are not supported"},
                      TMalformedCase{"EmptyRootClassName", Bytes(std::string("TPF0\x00\x00\x00\x00", 8)),
                                     "offset 4: empty class name"},
                      TMalformedCase{"HugeLength", WithValue("\x0C\xFF\xFF\xFF\xFF"),
                                     "offset 16: stream ends inside the value of property 'P'"},
                      TMalformedCase{"HugeWideLength",
                                     WithValue("\x12\xFF\xFF\xFF\x7F"
                                               "ab"),
                                     "offset 16: stream ends inside the value of property 'P'"},
                      TMalformedCase{"OverlongUtf8",
                                     WithValue(std::string("\x14\x02\x00\x00\x00\xC0\xAF", 7)),
                                     "offset 16: invalid UTF-8 in the value of property 'P'"},
                      TMalformedCase{"SurrogateInUtf8",
                                     WithValue(std::string("\x14\x03\x00\x00\x00\xED\xA0\x80", 8)),
                                     "offset 16: invalid UTF-8 in the value of property 'P'"},
                      TMalformedCase{"CutUtf8Sequence", WithValue(std::string("\x14\x01\x00\x00\x00\xC3", 6)),
                                     "offset 16: invalid UTF-8 in the value of property 'P'"},
                      TMalformedCase{"TooDeep", Nested(kMaxObjectNesting + 2),
                                     "offset 264: objects nested deeper than 64 levels"}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

TEST(BinaryStream, NestingUpToTheLimitIsAccepted) {
  const TBytes bytes = Nested(kMaxObjectNesting + 1);
  EXPECT_EQ(Read(bytes), NestedModel(kMaxObjectNesting + 1));
  EXPECT_EQ(WriteObjectStream(NestedModel(kMaxObjectNesting + 1)), bytes);
}

struct TUnwritableCase {
  const char* Name;
  TStreamObject Object;
  const char* Message;
};

class UnwritableModel : public ::testing::TestWithParam<TUnwritableCase> {};

TEST_P(UnwritableModel, IsRejected) {
  EXPECT_EQ(WriteError(GetParam().Object), GetParam().Message);
}

TStreamObject WithProperty(std::string name, TStreamValue value) {
  return {"TX", "x", {{name, value}}, {}};
}

INSTANTIATE_TEST_SUITE_P(
    Models, UnwritableModel,
    ::testing::Values(
        TUnwritableCase{"LongPropertyName", WithProperty(std::string(256, 'p'), BooleanValue(true)),
                        "property name is longer than 255 bytes: "
                        "'pppppppppppppppppppppppppppppppp'..."},
        TUnwritableCase{"ClassNameReadAsFilerFlags", TStreamObject{std::string(240, 'T'), "", {}, {}},
                        "class name is longer than 239 bytes: 'TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT'..."},
        TUnwritableCase{"EmptyClassName", TStreamObject{"", "x", {}, {}},
                        "object 'x' has an empty class name"},
        TUnwritableCase{"EmptyPropertyName", WithProperty("", BooleanValue(true)),
                        "a property of 'x' has an empty name"},
        TUnwritableCase{"Int8OutOfRange", WithProperty("P", IntegerValue(vaInt8, 200)),
                        "property 'P' of 'x': 200 does not fit in 8 bits"},
        TUnwritableCase{"Int16OutOfRange", WithProperty("P", IntegerValue(vaInt16, -32769)),
                        "property 'P' of 'x': -32769 does not fit in 16 bits"},
        TUnwritableCase{
            "LongShortString", WithProperty("P", BytesValue(vaString, std::string(256, 's'))),
            "property 'P' of 'x' is longer than 255 bytes: 'ssssssssssssssssssssssssssssssss'..."},
        TUnwritableCase{"EmptySetElement", WithProperty("P", SetValue({"a", ""})),
                        "property 'P' of 'x': a set element is empty"},
        TUnwritableCase{"UnpairedSurrogateAsUtf8",
                        WithProperty("P", TextValue(vaUTF8String, std::u16string(1, u'\xDC00'))),
                        "property 'P' of 'x': text with an unpaired surrogate cannot be stored as UTF-8"},
        TUnwritableCase{"NullValue", WithProperty("P", TStreamValue{}),
                        "property 'P' of 'x': value type 0x00 cannot be written"},
        TUnwritableCase{"TooDeep", NestedModel(kMaxObjectNesting + 2),
                        "objects nested deeper than 64 levels"}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

}  // namespace
