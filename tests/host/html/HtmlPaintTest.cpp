// Painting on a recording surface. Fixed metrics at height -13: 7 pixels a character (8 bold), cell height
// 16, descent 3; sub- and superscripts are drawn and measured at -11: 6 pixels a character, cell 13,
// descent 2.
//
// The caption below lays out as two lines. Line 1 (top 0, height 16, descent 3, baseline 13): "Go " at 0,
// the link "here" at 22, " " at 51, "now" at 59. Line 2 (top 16, height 21, descent 5, baseline 32): "H" at
// 0, the subscript "2" at 8 (13 high, 3 lower), "O x" at 15, the superscript "2" at 37 (6 higher).

#include <gtest/gtest.h>

#include "HtmlRecordingCanvas.h"
#include "HtmlTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

const char16_t* const Caption =
    u"Go <a href=\"x\">here</a> <font color=\"red\" bgcolor=\"lime\">now</font><br>H<sub>2</sub>O "
    u"x<sup>2</sup>";

// Indices into the caption's items.
constexpr std::size_t LinkRun = 2;
constexpr std::size_t OxRun = 8;

class HtmlPaint : public testing::Test {
 protected:
  void SetUp() override {
    fixture.Parse(Caption);
    ASSERT_EQ(DescribeLines(fixture.Document()), (Strings{"81x16 d=3", "44x21 d=5"}));
    ASSERT_EQ(fixture.Item(LinkRun).Text(), u"here");
    ASSERT_EQ(fixture.Item(OxRun).Text(), u"O x");
  }

  THtmlRenderFixture fixture;
  TRecordingCanvas canvas;
};

TEST_F(HtmlPaint, RunsSitOnTheirLineBaselineShiftedBySurfaceAndScrollOffset) {
  fixture.Document().SetCharset(TFontCharset(238));
  const struct {
    bool Buffered;
    THtmlPoint Src;
    Strings Calls;
  } cases[] = {
      {true,
       {0, 0},
       {"begin 10,20,410,120 buffered", "text 0,13 'Go ' Verdana/-13/cs238 c=FF000008 bg=none",
        "text 22,13 'here' Verdana/-13u/cs238 c=00FF0000 bg=none",
        "text 51,13 ' ' Verdana/-13/cs238 c=FF000008 bg=none",
        "text 59,13 'now' Verdana/-13/cs238 c=000000FF bg=0000FF00",
        "text 0,32 'H' Verdana/-13/cs238 c=FF000008 bg=none",
        "text 8,35 '2' Verdana/-11/cs238 c=FF000008 bg=none",
        "text 15,32 'O x' Verdana/-13/cs238 c=FF000008 bg=none",
        "text 37,26 '2' Verdana/-11/cs238 c=FF000008 bg=none", "end"}},
      // Straight onto the surface: everything moves by R's corner (10, 20), less the scroll offset (3, 4).
      {false,
       {3, 4},
       {"begin 10,20,410,120", "text 7,29 'Go ' Verdana/-13/cs238 c=FF000008 bg=none",
        "text 29,29 'here' Verdana/-13u/cs238 c=00FF0000 bg=none",
        "text 58,29 ' ' Verdana/-13/cs238 c=FF000008 bg=none",
        "text 66,29 'now' Verdana/-13/cs238 c=000000FF bg=0000FF00",
        "text 7,48 'H' Verdana/-13/cs238 c=FF000008 bg=none",
        "text 15,51 '2' Verdana/-11/cs238 c=FF000008 bg=none",
        "text 22,48 'O x' Verdana/-13/cs238 c=FF000008 bg=none",
        "text 44,42 '2' Verdana/-11/cs238 c=FF000008 bg=none", "end"}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.Buffered ? "buffered" : "direct");
    TRecordingCanvas recording;
    fixture.Render.SetDoubleBuffered(test.Buffered);
    fixture.Render.DrawText(recording, test.Src, {10, 20, 410, 120}, clNone);
    EXPECT_EQ(recording.Calls, test.Calls);
  }
}

TEST_F(HtmlPaint, OverColoursReplaceUncolouredRunsButNeitherLinksNorFontTags) {
  fixture.Document().SetSelectedItem(&fixture.Item(OxRun));
  fixture.Render.DrawTextEx(canvas, {}, {0, 0, 200, 100}, true, clGrayText, clYellow, clHighlightText,
                            clHighlight, clNone);
  EXPECT_EQ(canvas.Calls, (Strings{
                              "begin 0,0,200,100 buffered",
                              "text 0,13 'Go ' Verdana/-13/cs0 c=FF000011 bg=0000FFFF",
                              "text 22,13 'here' Verdana/-13u/cs0 c=00FF0000 bg=0000FFFF",
                              "text 51,13 ' ' Verdana/-13/cs0 c=FF000011 bg=0000FFFF",
                              "text 59,13 'now' Verdana/-13/cs0 c=000000FF bg=0000FF00",
                              "text 0,32 'H' Verdana/-13/cs0 c=FF000011 bg=0000FFFF",
                              "text 8,35 '2' Verdana/-11/cs0 c=FF000011 bg=0000FFFF",
                              "text 15,32 'O x' Verdana/-13/cs0 c=FF00000E bg=FF00000D",
                              "text 37,26 '2' Verdana/-11/cs0 c=FF000011 bg=0000FFFF",
                              "end",
                          }));
}

TEST_F(HtmlPaint, SelectedRunWithoutOverColoursTakesTheHighlightEvenOnALink) {
  THtmlData& document = fixture.Document();
  document.SetHighlightColor(clRed);
  document.SetHighlightBgColor(clAqua);
  document.SetLinkStyle(TFontStyles{TFontStyle::fsItalic});
  document.SetSelectedItem(&fixture.Item(LinkRun));
  fixture.Render.DrawText(canvas, {}, {0, 0, 200, 100}, clNone);
  ASSERT_EQ(canvas.Calls.size(), 10u);
  EXPECT_EQ(canvas.Calls[2], "text 22,13 'here' Verdana/-13u/cs0 c=000000FF bg=00FFFF00");
  EXPECT_EQ(canvas.Calls[3], "text 51,13 ' ' Verdana/-13/cs0 c=FF000008 bg=none");
}

// A disabled label paints with these colours: every text colour, the link's too, lightened against black.
TEST_F(HtmlPaint, DisabledStyleLightensEveryTextColourAgainstTheReference) {
  fixture.Render.DrawTextEx(canvas, {}, {0, 0, 200, 100}, true, clGrayText, clNone, clNone, clNone, clBlack);
  EXPECT_EQ(canvas.Calls, (Strings{
                              "begin 0,0,200,100 buffered",
                              "text 0,13 'Go ' Verdana/-13/cs0 c=00B6B6B6 bg=none",
                              "text 22,13 'here' Verdana/-13u/cs0 c=00FF8080 bg=none",
                              "text 51,13 ' ' Verdana/-13/cs0 c=00B6B6B6 bg=none",
                              "text 59,13 'now' Verdana/-13/cs0 c=008080FF bg=0000FF00",
                              "text 0,32 'H' Verdana/-13/cs0 c=00B6B6B6 bg=none",
                              "text 8,35 '2' Verdana/-11/cs0 c=00B6B6B6 bg=none",
                              "text 15,32 'O x' Verdana/-13/cs0 c=00B6B6B6 bg=none",
                              "text 37,26 '2' Verdana/-11/cs0 c=00B6B6B6 bg=none",
                              "end",
                          }));
}

TEST(HtmlPaintLines, OnlyLinesWhoseTopLiesInsideTheVisibleHeightArePainted) {
  // Four lines of height 16, tops 0, 16, 32 and 48; the visible height is Bottom - Top + 1 plus the scroll.
  THtmlRenderFixture fixture;
  fixture.Parse(u"a<br>b<br>c<br>d");
  const struct {
    int Bottom;
    int SrcY;
    Strings Calls;
  } cases[] = {
      {14, 0, {"begin 0,0,100,14 buffered", "text 0,13 'a' Verdana/-13/cs0 c=FF000008 bg=none", "end"}},
      {15,
       0,
       {"begin 0,0,100,15 buffered", "text 0,13 'a' Verdana/-13/cs0 c=FF000008 bg=none",
        "text 0,29 'b' Verdana/-13/cs0 c=FF000008 bg=none", "end"}},
      {15,
       16,
       {"begin 0,0,100,15 buffered", "text 0,-3 'a' Verdana/-13/cs0 c=FF000008 bg=none",
        "text 0,13 'b' Verdana/-13/cs0 c=FF000008 bg=none",
        "text 0,29 'c' Verdana/-13/cs0 c=FF000008 bg=none", "end"}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.Bottom * 100 + test.SrcY);
    TRecordingCanvas canvas;
    fixture.Render.DrawText(canvas, {0, test.SrcY}, {0, 0, 100, test.Bottom}, clNone);
    EXPECT_EQ(canvas.Calls, test.Calls);
  }
}

TEST(HtmlPaintLines, CentredAndRightAlignedLinesStartAtTheLineOrigin) {
  // "ab" is 15 wide; in a target 101 wide it starts at (101 - 15 - 1) div 2 = 42 centred, 85 right-aligned.
  // A paragraph adds no height of its own, so the second line starts at 16.
  THtmlRenderFixture fixture;
  fixture.Parse(u"<p align=\"center\">ab</p><p align=\"right\">ab</p>");
  TRecordingCanvas canvas;
  fixture.Render.SetDoubleBuffered(false);
  fixture.Render.DrawText(canvas, {}, {5, 0, 105, 100}, clNone);
  Strings texts;
  for (const auto& call : canvas.Calls)
    if (call.starts_with("text"))
      texts.push_back(call.substr(0, call.find(" Verdana")));
  EXPECT_EQ(texts, (Strings{"text 47,13 'ab'", "text 90,29 'ab'"}));
}

TEST(HtmlPaintLines, PaintRemembersItsRectangleAndNeedsADocument) {
  THtmlRenderFixture fixture;
  fixture.Parse(u"ab");
  TRecordingCanvas canvas;
  fixture.Render.DrawText(canvas, {}, {1, 2, 30, 40}, clNone);
  const THtmlRect remembered = fixture.Document().FRect;
  EXPECT_EQ((std::vector<int>{remembered.Left, remembered.Top, remembered.Right, remembered.Bottom}),
            (std::vector<int>{1, 2, 30, 40}));

  THtmlData* own = fixture.Render.CreateData();
  fixture.Render.SetData(own);
  fixture.Render.DestroyData(own);
  ASSERT_EQ(fixture.Render.Data(), nullptr);
  TRecordingCanvas untouched;
  fixture.Render.DrawText(untouched, {}, {1, 2, 30, 40}, clNone);
  EXPECT_TRUE(untouched.Calls.empty());
}

}  // namespace
