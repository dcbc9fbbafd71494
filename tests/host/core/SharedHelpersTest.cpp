// The small helpers shared across subsystems: ASCII case folding, Sign, and the name-table check.

#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "AsciiCase.h"
#include "IntegerMath.h"
#include "TestClasses.h"

namespace {

TEST(AsciiCase, FoldsOnlyTheLettersAToZ) {
  const struct {
    char16_t Input;
    char16_t Expected;
  } cases[] = {{u'A', u'a'}, {u'Z', u'z'}, {u'a', u'a'},   {u'@', u'@'},    {u'[', u'['},
               {u'0', u'0'}, {0xC4, 0xC4}, {0x130, 0x130}, {0xFF21, 0xFF21}};
  for (const auto& test : cases) {
    EXPECT_EQ(AsciiLower(test.Input), test.Expected) << static_cast<int>(test.Input);
    if (test.Input < 0x100) {
      const char byte = static_cast<char>(test.Input);
      EXPECT_EQ(AsciiLower(byte), static_cast<char>(test.Expected)) << static_cast<int>(test.Input);
    }
  }
  EXPECT_EQ(AsciiLower(std::u16string_view(u"HTTP://\u00C4X")), u"http://\u00C4x");
}

TEST(AsciiCase, SameIgnoringAsciiCaseAcrossCharacterTypes) {
  using namespace std::literals;
  EXPECT_TRUE(SameIgnoringAsciiCase(u"clRED"sv, "clRed"sv));
  EXPECT_TRUE(SameIgnoringAsciiCase("HTTPS://"sv, "https://"sv));
  EXPECT_FALSE(SameIgnoringAsciiCase(u"red"sv, "reds"sv));
  EXPECT_FALSE(SameIgnoringAsciiCase(u"r\u00C9d"sv,
                                     "r\xE9"
                                     "d"sv));                 // beyond ASCII nothing is folded
  EXPECT_TRUE(SameIgnoringAsciiCase(u"\u00E9"sv, "\xE9"sv));  // a byte is the code unit of its number
}

TEST(IntegerMath, SignOfEveryRange) {
  EXPECT_EQ(Sign(-13), -1);
  EXPECT_EQ(Sign(INT32_MIN), -1);
  EXPECT_EQ(Sign(0), 0);
  EXPECT_EQ(Sign(22), 1);
  EXPECT_EQ(Sign(INT32_MAX), 1);
}

// A table passes only with one name per value up to the last one.
static_assert(NamesEveryValue(TEnumNames<TShape>::Names, TShape::shTriangle));
static_assert(!NamesEveryValue(std::array<std::string_view, 2>{"shCircle", "shSquare"}, TShape::shTriangle));
static_assert(!NamesEveryValue(std::array<std::string_view, 3>{"shCircle", "shSquare"}, TShape::shTriangle));
static_assert(!NamesEveryValue(std::array<std::string_view, 4>{"a", "b", "c", "d"}, TShape::shTriangle));

}  // namespace
