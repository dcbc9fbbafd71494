#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

#include "SampleForm.h"
#include "stream/TextForm.h"

namespace {

using enum TValueType;

const TStreamValue& ValueOf(const TStreamObject& object, std::string_view name) {
  for (const auto& property : object.Properties)
    if (property.Name == name)
      return property.Value;
  throw std::runtime_error("no property " + std::string(name));
}

// The value of "P" in a one-property form.
TStreamValue ParseValue(const std::string& text) {
  return ParseTextForm("object X: TX\n  P = " + text + "\nend\n").Properties.at(0).Value;
}

TEST(TextForm, ParsesADialogDescription) {
  const TStreamObject form = ParseTextForm(
      "object Form1: TForm1\n"
      "  Left = 0\n"
      "  Caption = 'Vollversion registrieren'\n"
      "  Font.Name = 'Verdana'\n"
      "  Anchors = [akLeft, akTop, akRight]\n"
      "  AnimationStretchFactor = 1.7\n"
      "  Flat = True\n"
      "  OnClick = Button1Click\n"
      "  Data = {0A0B0C}\n"
      "  object Label1: TLabel\n"
      "    Caption = 'M'#246'glich'#13#10'x' +\n"
      "      'continued'\n"
      "  end\n"
      "end\n");
  EXPECT_EQ(form.ClassName, "TForm1");
  EXPECT_EQ(form.Name, "Form1");
  EXPECT_EQ(ValueOf(form, "Left"), IntegerValue(vaInt8, 0));
  EXPECT_EQ(ValueOf(form, "Caption"), BytesValue(vaString, "Vollversion registrieren"));
  EXPECT_EQ(ValueOf(form, "Font.Name"), BytesValue(vaString, "Verdana"));
  EXPECT_EQ(ValueOf(form, "Anchors"), SetValue({"akLeft", "akTop", "akRight"}));
  EXPECT_EQ(ValueOf(form, "AnimationStretchFactor"), SingleValue(1.7f));
  EXPECT_EQ(ValueOf(form, "Flat"), BooleanValue(true));
  EXPECT_EQ(ValueOf(form, "OnClick"), BytesValue(vaIdent, "Button1Click"));
  EXPECT_EQ(ValueOf(form, "Data"), BytesValue(vaBinary, "\x0A\x0B\x0C"));
  ASSERT_EQ(form.Children.size(), 1u);
  EXPECT_EQ(form.Children[0].Name, "Label1");
  EXPECT_EQ(ValueOf(form.Children[0], "Caption"), TextValue(vaWString, u"M\u00F6glich\r\nxcontinued"));
}

struct TValueTextCase {
  const char* Name;
  std::string Text;
  TStreamValue Value;
};

class TextFormValue : public ::testing::TestWithParam<TValueTextCase> {};

TEST_P(TextFormValue, ParsesToItsType) {
  EXPECT_EQ(ParseValue(GetParam().Text), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, TextFormValue,
    ::testing::Values(
        TValueTextCase{"Int8Max", "127", IntegerValue(vaInt8, 127)},
        TValueTextCase{"Int8Min", "-128", IntegerValue(vaInt8, -128)},
        TValueTextCase{"Int16", "128", IntegerValue(vaInt16, 128)},
        TValueTextCase{"Int32", "-32769", IntegerValue(vaInt32, -32769)},
        TValueTextCase{"HexPattern", "$FF000005", IntegerValue(vaInt32, -16777211)},
        TValueTextCase{"HexSmall", "$0F", IntegerValue(vaInt8, 15)},
        TValueTextCase{"Exponent", "1e3", SingleValue(1000.0f)},
        TValueTextCase{"NegativeSingle", "-2.5E-1", SingleValue(-0.25f)},
        TValueTextCase{"TrueAnyCase", "true", BooleanValue(true)},
        TValueTextCase{"False", "FALSE", BooleanValue(false)},
        TValueTextCase{"Nil", "nil", TypedValue(vaNil)},
        TValueTextCase{"DottedIdent", "Form2.PopupMenu1", BytesValue(vaIdent, "Form2.PopupMenu1")},
        TValueTextCase{"QuoteInString", "'it''s'", BytesValue(vaString, "it's")},
        TValueTextCase{"AsciiCharacterCodes", "#65#$42'c'", BytesValue(vaString, "ABc")},
        TValueTextCase{"LongAscii", "'" + std::string(256, 'a') + "'",
                       BytesValue(vaLString, std::string(256, 'a'))},
        TValueTextCase{"Utf8Source", "'\xC3\xA4\xF0\x9F\x98\x80'", TextValue(vaWString, u"\u00E4\U0001F600")},
        TValueTextCase{"EmptyString", "''", BytesValue(vaString, "")},
        TValueTextCase{"SetWithQuotedElement", "[a, 'b c']", SetValue({"a", "b c"})},
        TValueTextCase{"EmptySet", "[ ]", SetValue({})},
        TValueTextCase{"BinaryOverLines", "{0A0B\n  0C}", BytesValue(vaBinary, "\x0A\x0B\x0C")},
        TValueTextCase{"EmptyBinary", "{}", BytesValue(vaBinary, "")},
        TValueTextCase{"ExplicitInt16", "Int16(3)", IntegerValue(vaInt16, 3)},
        TValueTextCase{"ExplicitInt32", "Int32(-1)", IntegerValue(vaInt32, -1)},
        TValueTextCase{"SingleFromInteger", "Single(2)", SingleValue(2.0f)},
        TValueTextCase{"SingleBits", "Single($7FC00001)",
                       SingleValue(std::bit_cast<float>(std::uint32_t{0x7FC00001}))},
        TValueTextCase{"String8Bit", "String('M'#246'glich')", BytesValue(vaString, "M\xF6glich")},
        TValueTextCase{"ShortLString", "LString('ab')", BytesValue(vaLString, "ab")},
        TValueTextCase{"AsciiWString", "WString('ab' +\n 'c')", TextValue(vaWString, u"abc")},
        TValueTextCase{"Utf8String", "UTF8String('\xC3\xA4')", TextValue(vaUTF8String, u"\u00E4")},
        TValueTextCase{"IdentTrue", "Ident('True')", BytesValue(vaIdent, "True")},
        TValueTextCase{"PrefixNameAsIdent", "Int8", BytesValue(vaIdent, "Int8")}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

TEST(TextForm, RoundTripsEveryValueTypeThroughText) {
  const TStreamObject form = SampleForm();
  const std::string text = PrintTextForm(form);
  const TStreamObject parsed = ParseTextForm(text);
  EXPECT_EQ(parsed, form) << text;
  EXPECT_EQ(PrintTextForm(parsed), text);
}

TEST(TextForm, PrintsTypePrefixesOnlyWhereNeeded) {
  const TStreamObject form{"TForm1",
                           "Form1",
                           {{"Left", IntegerValue(vaInt8, 8)},
                            {"Tag", IntegerValue(vaInt32, 8)},
                            {"Caption", BytesValue(vaString, "it's")},
                            {"Ansi", BytesValue(vaString, "\xE4")},
                            {"Wide", TextValue(vaWString, u"\u00E4\r\n")},
                            {"AsciiWide", TextValue(vaWString, u"a")},
                            {"Utf8", TextValue(vaUTF8String, u"a")},
                            {"Scale", SingleValue(2.0f)},
                            {"Handler", BytesValue(vaIdent, "Go")},
                            {"Odd", BytesValue(vaIdent, "a b")},
                            {"Anchors", SetValue({"akLeft", "x y"})},
                            {"Data", BytesValue(vaBinary, "\x01\xAB")}},
                           {{"TLabel", "", {}, {}}}};
  EXPECT_EQ(PrintTextForm(form),
            "object Form1: TForm1\n"
            "  Left = 8\n"
            "  Tag = Int32(8)\n"
            "  Caption = 'it''s'\n"
            "  Ansi = String(#228)\n"
            "  Wide = #228#13#10\n"
            "  AsciiWide = WString('a')\n"
            "  Utf8 = UTF8String('a')\n"
            "  Scale = 2.0\n"
            "  Handler = Go\n"
            "  Odd = Ident('a b')\n"
            "  Anchors = [akLeft, 'x y']\n"
            "  Data = {01AB}\n"
            "  object TLabel\n"
            "  end\n"
            "end\n");
}

TEST(TextForm, SinglesReadBackToTheSameBits) {
  const float values[] = {0.1f,
                          1.7f,
                          -0.0f,
                          16777216.0f,
                          std::numeric_limits<float>::denorm_min(),
                          std::numeric_limits<float>::min(),
                          std::numeric_limits<float>::max(),
                          std::numeric_limits<float>::infinity(),
                          std::bit_cast<float>(std::uint32_t{0xFFC00007})};
  for (float value : values) {
    const TStreamObject form{"TX", "", {{"P", SingleValue(value)}}, {}};
    const TStreamValue parsed = ParseTextForm(PrintTextForm(form)).Properties.at(0).Value;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(parsed.Single), std::bit_cast<std::uint32_t>(value))
        << PrintTextForm(form);
  }
}

TEST(TextForm, LongStringsAreWrappedAndReadBack) {
  std::u16string caption;
  for (int i = 0; i < 40; ++i)
    caption += u"word\u00E9 '";
  const TStreamObject form{"TX", "x", {{"Caption", TextValue(vaWString, caption)}}, {}};
  const std::string text = PrintTextForm(form);
  std::size_t lines = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    EXPECT_LE(end - start, 90u) << text.substr(start, end - start);
    start = end + 1;
    ++lines;
  }
  EXPECT_GT(lines, 5u);
  EXPECT_EQ(ParseTextForm(text), form);
}

TEST(TextForm, SkipsCommentsAndAByteOrderMark) {
  const TStreamObject form = ParseTextForm(
      "\xEF\xBB\xBF// generated\n"
      "object TX // no name\n"
      "  // P = 1\n"
      "  Q = 2\n"
      "end\n"
      "// trailing comment");
  EXPECT_EQ(form, (TStreamObject{"TX", "", {{"Q", IntegerValue(vaInt8, 2)}}, {}}));
}

struct TTextErrorCase {
  const char* Name;
  std::string Text;
  const char* Error;  // what(): "line:column: message"
};

class MalformedText : public ::testing::TestWithParam<TTextErrorCase> {};

TEST_P(MalformedText, IsRejectedWithLineAndColumn) {
  try {
    ParseTextForm(GetParam().Text);
    ADD_FAILURE() << "no error";
  } catch (const ETextFormError& error) {
    EXPECT_EQ(std::string(error.what()), GetParam().Error);
  }
}

std::string Deep(std::size_t levels) {
  std::string text;
  for (std::size_t i = 0; i < levels; ++i)
    text += "object TX\n";
  for (std::size_t i = 0; i < levels; ++i)
    text += "end\n";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MalformedText,
    ::testing::Values(
        TTextErrorCase{"UnterminatedString", "object X: TX\n  Caption = 'abc\nend\n",
                       "2:13: unterminated string"},
        TTextErrorCase{"MissingEnd", "object X: TX\n  Left = 1\n  object Y: TY\n  end\n",
                       "5:1: missing 'end' of object 'X' begun at line 1"},
        TTextErrorCase{"BadNumber", "object X: TX\n  Left = 12x\nend\n", "2:10: bad number '12x'"},
        TTextErrorCase{"TwoDots", "object X: TX\n  Left = 1.2.3\nend\n", "2:10: bad number '1.2.'"},
        TTextErrorCase{"IntegerOutOfRange", "object X: TX\n  Left = 2147483648\nend\n",
                       "2:10: integer 2147483648 out of range (32 bits)"},
        TTextErrorCase{"SingleOutOfRange", "object X: TX\n  F = 1e39\nend\n",
                       "2:7: number 1e39 out of range for Single"},
        TTextErrorCase{"HexTooLong", "object X: TX\n  C = $100000000\nend\n",
                       "2:7: hexadecimal number $100000000 does not fit in 32 bits"},
        TTextErrorCase{"MissingEquals", "object X: TX\n  Left 1\nend\n", "2:8: expected '='"},
        TTextErrorCase{"MissingValue", "object X: TX\n  Left =\nend\n", "3:1: expected a value"},
        TTextErrorCase{"KeywordAsValue", "object X: TX\n  Left = End\nend\n", "2:10: expected a value"},
        TTextErrorCase{"NoObject", "Left = 1\n", "1:1: expected 'object'"},
        TTextErrorCase{"Empty", "", "1:1: expected 'object'"},
        TTextErrorCase{"TextAfterEnd", "object TX\nend\nend\n", "3:1: unexpected text after the final 'end'"},
        TTextErrorCase{"OddBinary", "object TX\n  D = {ABC}\nend\n",
                       "2:11: odd number of hexadecimal digits in binary data"},
        TTextErrorCase{"BadBinary", "object TX\n  D = {AG}\nend\n", "2:9: unexpected 'G' in binary data"},
        TTextErrorCase{"UnterminatedBinary", "object TX\n  D = {AB\n", "2:7: unterminated binary data"},
        TTextErrorCase{"PlusWithoutString", "object TX\n  S = 'a' +\nend\n",
                       "3:1: expected a string after '+'"},
        TTextErrorCase{"WordAfterString", "object TX\n  S = 'a'x\nend\n",
                       "2:10: unexpected 'x' after a string"},
        TTextErrorCase{"CharacterCodeTooBig", "object TX\n  S = #65536\nend\n",
                       "2:7: character code out of range (at most 65535)"},
        TTextErrorCase{"InvalidUtf8", "object TX\n  S = 'a\xFF'\nend\n", "2:9: invalid UTF-8 in string"},
        TTextErrorCase{"UnexpectedCharacter", "object TX\n  S = ;\nend\n", "2:7: unexpected character ';'"},
        TTextErrorCase{"Int8OutOfRange", "object TX\n  S = Int8(128)\nend\n",
                       "2:12: integer 128 out of range for Int8"},
        TTextErrorCase{"WideCharacterIn8BitText", "object TX\n  S = String('a'#256)\nend\n",
                       "2:14: character #256 does not fit in 8-bit text"},
        TTextErrorCase{"LongShortString", "object TX\n  S = String('" + std::string(256, 'a') + "')\nend\n",
                       "2:14: text longer than 255 bytes"},
        TTextErrorCase{"UnpairedSurrogateUtf8", "object TX\n  S = UTF8String(#55296)\nend\n",
                       "2:18: UTF8String with an unpaired surrogate"},
        TTextErrorCase{"EmptySetElement", "object TX\n  S = [a, '']\nend\n", "2:11: empty set element"},
        TTextErrorCase{"SetWithoutComma", "object TX\n  S = [a b]\nend\n", "2:10: expected ',' or ']'"},
        TTextErrorCase{"DottedClassName", "object X: T.X\nend\n", "1:11: expected a class name"},
        TTextErrorCase{"ColumnsCountCharacters", "object TX\n  S = '\xC3\xA4\xC3\xA4' ]\nend\n",
                       "2:12: expected a property, 'object' or 'end'"},
        TTextErrorCase{"TooDeep", Deep(kMaxObjectNesting + 2), "66:1: objects nested deeper than 64 levels"}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

TEST(TextForm, AcceptsNestingUpToTheLimit) {
  EXPECT_NO_THROW(ParseTextForm(Deep(kMaxObjectNesting + 1)));
}

TEST(TextForm, RefusesToPrintWhatItCannotExpress) {
  const TStreamObject badNames[] = {
      {"TX", "", {{"two words", BooleanValue(true)}}, {}},
      {"TX", "", {{"end", BooleanValue(true)}}, {}},
      {"TX", "", {{"P", TStreamValue{}}}, {}},
      {"T X", "", {}, {}},
      {"TX", "1st", {}, {}},
  };
  for (const auto& object : badNames)
    EXPECT_THROW(PrintTextForm(object), EStreamError) << object.ClassName;
}

}  // namespace
