#include <gtest/gtest.h>

#include "AnsiText.h"

namespace {

TEST(Text, Utf8RoundTripsEveryPlane) {
  const std::u16string text = u"A\u00F6\u20AC\U0001F600z";
  EXPECT_EQ(UnicodeToUtf8(text), "A\xC3\xB6\xE2\x82\xAC\xF0\x9F\x98\x80z");
  EXPECT_EQ(Utf8ToUnicode(UnicodeToUtf8(text)), text);
}

TEST(Text, MalformedUtf8BecomesReplacementCharacters) {
  struct TCase {
    std::string Input;
    std::u16string Expected;
  };
  const TCase cases[] = {
      {"\xC3", u"\uFFFD"},                                // cut short
      {"\xC3(", u"\uFFFD("},                              // bad continuation
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
      {"\xFF", u"\uFFFD"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Utf8ToUnicode(c.Input), c.Expected) << c.Input;
}

TEST(Text, LoneSurrogatesAreNotEncoded) {
  EXPECT_EQ(UnicodeToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
}

TEST(Text, AnsiConversionReportsLostCharacters) {
  bool lossless = true;
  EXPECT_EQ(UnicodeToAnsi(u"M\u00F6glich", &lossless), "M\xF6glich");
  EXPECT_TRUE(lossless);
  EXPECT_EQ(UnicodeToAnsi(u"\u20AC", &lossless), "?");
  EXPECT_FALSE(lossless);
  EXPECT_EQ(AnsiToUnicode("\xE9t\xE9"), u"\u00E9t\u00E9");
}

}  // namespace
