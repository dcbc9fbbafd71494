// Measuring, word wrap and the layout pass. Fixed metrics at height -13: 7 pixels a character (8 bold), cell
// height 16, descent 3; sub- and superscripts are measured at -11: 6 pixels a character, cell 13, descent 2.

#include <gtest/gtest.h>

#include "HtmlTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

TEST(HtmlMeasure, WidthAndHeightPerKind) {
  THtmlRenderFixture fixture;
  THtmlData& document = fixture.Document();
  const struct {
    THtmlItemType Kind;
    const char16_t* Text;
    std::uint32_t State;
    int Width, Height, BaseLine;
  } cases[] = {
      {THtmlItemType::hitChar, u"abc", 0, 22, 16, 3},
      {THtmlItemType::hitChar, u"", 0, 1, 16, 3},
      {THtmlItemType::hitChar, u"ab", HtmlSubscriptBit, 13, 13, 2},
      {THtmlItemType::hitChar, u"ab", HtmlSuperscriptBit, 13, 13, 2},
      {THtmlItemType::hitVar, u"abc", 0, 22, 0, 0},
      {THtmlItemType::hitBitmap, u"pic", 0, 40, 30, 0},
      {THtmlItemType::hitInput, u"", 0, 40, 30, 0},
      {THtmlItemType::hitHR, u"", 0, 40, 0, 0},
      {THtmlItemType::hitIndent, u"", 0, 40, 0, 0},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(static_cast<int>(test.Kind));
    THtmlItem item(&document);
    item.FItemType = test.Kind;
    item.FFontRef = u"Verdana";
    item.FontHeight = -13;
    item.FBoolState = test.State;
    item.SetText(test.Text);
    item.FWidth = 40;
    item.FHeight = 30;
    int baseLine = -1;
    EXPECT_EQ(item.GetWidth(), test.Width);
    EXPECT_EQ(item.GetHeight(baseLine), test.Height);
    EXPECT_EQ(baseLine, test.BaseLine);
  }
}

TEST(HtmlMeasure, TextWidthIsCachedUntilTheTextChanges) {
  THtmlRenderFixture fixture;
  THtmlItem item(&fixture.Document());
  item.FontHeight = -13;
  item.SetText(u"abc");
  EXPECT_EQ(item.CachedTextWidth(), HtmlTextNotMeasured);
  EXPECT_EQ(item.GetWidth(), 22);
  EXPECT_EQ(item.CachedTextWidth(), 22);
  const std::uint64_t measured = fixture.Metrics->MeasuredCharacters();
  EXPECT_EQ(item.GetWidth(), 22);
  EXPECT_EQ(fixture.Metrics->MeasuredCharacters(), measured);
  item.AppendText(u"d");
  EXPECT_EQ(item.CachedTextWidth(), HtmlTextNotMeasured);
  EXPECT_EQ(item.GetWidth(), 29);
  item.TruncateText(1);
  EXPECT_EQ(item.GetWidth(), 8);
}

TEST(HtmlMeasure, BreakItemsAndTheLineGap) {
  THtmlRenderFixture fixture;
  THtmlData& document = fixture.Document();
  document.SetLineGap(2);
  const struct {
    THtmlItemType Kind;
    bool FollowedByBreak;
    int Width, Height, BaseLine;
  } cases[] = {
      {THtmlItemType::hitBreak, true, 0, 18, 3},     {THtmlItemType::hitBreak, false, 0, 2, 0},
      {THtmlItemType::hitSoftBreak, true, 0, 18, 3}, {THtmlItemType::hitLI, true, 7, 18, 3},
      {THtmlItemType::hitLI, false, 7, 2, 0},        {THtmlItemType::hitPara, true, 0, 2, 0},
      {THtmlItemType::hitUL, true, 13, 2, 0},        {THtmlItemType::hitOL, false, 13, 2, 0},
  };
  THtmlBreakItem next(&document);
  for (const auto& test : cases) {
    SCOPED_TRACE(static_cast<int>(test.Kind));
    THtmlBreakItem item(&document);
    item.FItemType = test.Kind;
    item.FontHeight = -13;
    int baseLine = -1;
    EXPECT_EQ(item.GetWidth(), test.Width);
    EXPECT_EQ(item.BreakHeight(test.FollowedByBreak ? &next : nullptr, baseLine), test.Height);
    EXPECT_EQ(baseLine, test.BaseLine);
  }
  // A document's break finds its follower itself.
  fixture.Parse(u"a<br><br>b", 0, false);
  int baseLine = 0;
  EXPECT_EQ(fixture.Line(1).GetHeight(baseLine), 18);
  EXPECT_EQ(fixture.Line(2).GetHeight(baseLine), 2);
}

TEST(HtmlMeasure, NothingIsMeasuredWithoutARenderer) {
  THtmlData document;
  document.SetLineGap(3);
  THtmlItem run(&document);
  run.FontHeight = -13;
  run.SetText(u"abc");
  int baseLine = -1;
  EXPECT_EQ(run.GetWidth(), 0);
  EXPECT_EQ(run.GetHeight(baseLine), 3);
  EXPECT_EQ(baseLine, 0);
  THtmlBreakItem list(&document);
  list.FItemType = THtmlItemType::hitUL;
  EXPECT_EQ(list.GetWidth(), 0);
}

struct TLayoutCase {
  const char* Markup;
  Strings Lines;  // "width x height d=descent" of each line
  int TextWidth, TextHeight;
};

void ExpectLayout(THtmlRenderFixture& fixture, const std::vector<TLayoutCase>& cases) {
  for (const TLayoutCase& test : cases) {
    SCOPED_TRACE(test.Markup);
    THtmlData& document = fixture.Parse(U16(test.Markup), 0, false);
    EXPECT_EQ(DescribeLines(document), test.Lines);
    EXPECT_EQ(document.GetTextSize().cx, test.TextWidth);
    EXPECT_EQ(document.GetTextSize().cy, test.TextHeight);
    EXPECT_EQ(document.LineCount(), static_cast<int>(test.Lines.size()));
  }
}

TEST(HtmlLayout, BreaksMakeLinesAndBlankLines) {
  THtmlRenderFixture fixture;
  ExpectLayout(fixture, {
                            {"", {}, 0, 0},
                            {"ab", {"15x16 d=3"}, 15, 16},
                            {"a<br>b", {"8x16 d=3", "8x16 d=3"}, 8, 32},
                            {"a<br><br>b", {"8x16 d=3", "0x16 d=3", "8x16 d=3"}, 8, 48},
                            {"a<font size=22><br></font><br>b", {"8x16 d=3", "0x21 d=4", "8x16 d=3"}, 8, 53},
                            {"a<br>", {"8x16 d=3", "0x0 d=0"}, 8, 16},
                            {"<b>ab</b>cd", {"32x16 d=3"}, 32, 16},
                            {"<p indent=20>ab", {"35x16 d=3"}, 35, 16},
                            {"ab<ind width=50>c", {"73x16 d=3"}, 73, 16},
                            {"ab<ind width=50 pos=abs>c", {"58x16 d=3"}, 58, 16},
                            {"<ul><li>a</ul>", {"0x0 d=0", "26x0 d=0", "28x16 d=3", "0x0 d=0"}, 28, 16},
                        });
}

TEST(HtmlLayout, SubscriptsAndSuperscripts) {
  THtmlRenderFixture fixture;
  ExpectLayout(fixture, {
                            {"x<sub>2</sub>", {"15x16 d=5"}, 15, 16},
                            {"x<sup>2</sup>", {"15x21 d=3"}, 15, 21},
                            {"<sub><sup>2", {"7x16 d=5"}, 7, 16},
                        });
  THtmlData& document = fixture.Parse(u"x<sup>2</sup>", 0, false);
  EXPECT_EQ(document.FArray.at(2)->FHeight, 21);
}

TEST(HtmlLayout, LineSpacingAndLineGap) {
  THtmlRenderFixture fixture;
  fixture.Document().SetLineSpacing(20);
  ExpectLayout(fixture, {{"a<br><br>b", {"8x20 d=3", "0x20 d=3", "8x20 d=3"}, 8, 60}});
  fixture.Document().SetLineSpacing(0);
  fixture.Document().SetLineGap(2);
  ExpectLayout(fixture, {{"a<br><br>b", {"8x18 d=3", "0x18 d=3", "8x18 d=3"}, 8, 60}});
}

TEST(HtmlLayout, LineOriginByAlignment) {
  THtmlBreakItem line(nullptr);
  line.FIndent = 13;
  const THtmlRect label{0, 0, 410, 20};
  const struct {
    int Alignment, Width, Expected;
  } cases[] = {
      {0, 100, 13}, {1, 100, 155}, {2, 100, 310}, {1, 411, 0},
      {2, 411, -1}, {1, 500, 0},   {2, 500, -1},  {1, 409, 0},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.Alignment * 1000 + test.Width);
    line.FParams = static_cast<std::uint32_t>(test.Alignment) | (7u << 16);
    line.FWidth = static_cast<std::uint16_t>(test.Width);
    EXPECT_EQ(LineOrigin(line, label), test.Expected);
  }
}

struct TWrapCase {
  const char* Markup;
  int MaxWidth;
  Strings Items;
};

void ExpectWrapped(THtmlRenderFixture& fixture, const std::vector<TWrapCase>& cases) {
  for (const TWrapCase& test : cases) {
    SCOPED_TRACE(std::string(test.Markup) + " at " + std::to_string(test.MaxWidth));
    EXPECT_EQ(DescribeItems(fixture.Parse(U16(test.Markup), test.MaxWidth, true)), test.Items);
  }
}

TEST(HtmlWrap, RunsWrapAtTheWidth) {
  THtmlRenderFixture fixture;
  ExpectWrapped(
      fixture, {
                   {"ab cd", 36, {"para", "text 'ab cd'"}},
                   {"ab cd", 35, {"para", "text 'ab '", "soft", "text 'cd'"}},
                   {"abc de", 22, {"para", "text 'abc'", "soft", "text ' de'"}},
                   {"abcde", 35, {"para", "soft", "text 'abcd'", "soft", "text 'e'"}},
                   {"<br>abcde", 35, {"para", "br", "text 'abcd'", "soft", "text 'e'"}},
                   {"<b>x</b>abcdef", 40, {"para", "text 'x' b", "soft", "text 'abcde'", "soft", "text 'f'"}},
                   {"<b>correct</b>, then", 64, {"para", "text 'correct' b", "soft", "text ', then'"}},
                   {"ab  cd", 1000, {"para", "text 'ab cd'"}},
               });
}

// A character wider than the line stays alone on its line, without an empty line before it.
TEST(HtmlWrap, CharacterWiderThanTheLine) {
  THtmlRenderFixture fixture;
  ExpectWrapped(fixture, {
                             {"ab", 5, {"para", "soft", "text 'a'", "soft", "text 'b'"}},
                             {"<br>ab", 5, {"para", "br", "text 'a'", "soft", "text 'b'"}},
                         });
  EXPECT_EQ(DescribeLines(fixture.Parse(u"<br>ab", 5)), (Strings{"0x0 d=0", "8x16 d=3", "8x16 d=3"}));
}

// The character that is read again after a break is the whole reference or surrogate pair it came from.
TEST(HtmlWrap, ReferencesAndPairsAreReadAgainWhole) {
  THtmlRenderFixture fixture;
  ExpectWrapped(
      fixture,
      {
          {"ab &amp;x", 22, {"para", "text 'ab '", "soft", "text '&x'"}},
          {"ab &#65;x", 22, {"para", "text 'ab '", "soft", "text 'Ax'"}},
          {"ab\xF0\x9F\x98\x80", 28, {"para", "soft", "text 'ab'", "soft", "text '\xF0\x9F\x98\x80'"}},
      });
}

TEST(HtmlWrap, SoftBreaksContinueAlignmentAndListData) {
  THtmlRenderFixture fixture;
  ExpectWrapped(
      fixture,
      {
          {"<p align=center>aaa bbb", 40, {"para align=1", "text 'aaa '", "soft align=1", "text 'bbb'"}},
          {"<ul><li>aaa bbb</ul>",
           50,
           {"para", "ul ind=13", "li ind=13 n=-1 level=1", "text 'aaa ' ind=13", "soft ind=13",
            "text 'bbb' ind=13", "br"}},
      });
  const THtmlBreakItem& soft = fixture.Line(3);
  EXPECT_EQ(soft.FItemType, THtmlItemType::hitSoftBreak);
  EXPECT_EQ(soft.FListLevel, 1);
  EXPECT_EQ(soft.FListItemN, -1);
}

TEST(HtmlWrap, LinkKeepsItsPlaceWhenItsFirstRunMoves) {
  THtmlRenderFixture fixture;
  THtmlData& document = fixture.Parse(u"x<a href=1>abcdef</a>", 40);
  EXPECT_EQ(DescribeItems(document),
            (Strings{"para", "text 'x'", "soft u c=00FF0000 link='1'", "text 'abcde' u c=00FF0000 link='1'",
                     "soft u c=00FF0000 link='1'", "text 'f' u c=00FF0000 link='1'"}));
  ASSERT_EQ(document.FControlsArray.size(), 1u);
  EXPECT_EQ(document.FControlsArray[0], document.FArray[3].get());
}

}  // namespace
