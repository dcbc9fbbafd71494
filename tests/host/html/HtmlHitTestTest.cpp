// Finding the item under a point. Fixed metrics as in the layout tests: 7 pixels a character at -13 (cell 16,
// descent 3), sub- and superscripts 6 pixels a character, 13 high.
//
// The caption lays out as four lines: line 1 (top 0, bottom 16) "Go " 0-22 and the link "here" 22-51; line 2
// (top 16, bottom 32) the first "br" alone; line 3 (top 32, bottom 53) "H" 0-8, subscript "2" 8-15, "O x"
// 15-37, superscript "2" 37-44; line 4 (top 53, bottom 69) "ab" centred, 15 wide; the closing paragraph
// adds an empty line 5.

#include <gtest/gtest.h>

#include "HtmlRecordingCanvas.h"
#include "HtmlTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

class HtmlHitTest : public testing::Test {
 protected:
  void SetUp() override {
    fixture.Parse(u"Go <a href=\"x\">here</a><br><br>H<sub>2</sub>O x<sup>2</sup><p align=\"center\">ab</p>");
    ASSERT_EQ(DescribeLines(fixture.Document()),
              (Strings{"51x16 d=3", "0x16 d=3", "44x21 d=5", "15x16 d=3", "0x0 d=0"}));
  }

  std::string Hit(THtmlPoint Point, THtmlPoint Src, THtmlRect R) {
    const THtmlItem* item = fixture.Render.ItemAtPoint(Point, Src, R);
    return item ? DescribeItem(fixture.Document(), *item) : "none";
  }

  THtmlRenderFixture fixture;
};

TEST_F(HtmlHitTest, ItemAtPoint) {
  const THtmlRect wide{0, 0, 200, 100};
  const struct {
    THtmlPoint Point;
    THtmlPoint Src;
    THtmlRect R;
    const char* Expected;
  } cases[] = {
      {{0, 5}, {}, wide, "text 'Go '"},
      {{22, 5}, {}, wide, "text 'Go '"},  // both edges count; the first run wins
      {{23, 5}, {}, wide, "text 'here' u c=00FF0000 link='x'"},
      {{51, 5}, {}, wide, "text 'here' u c=00FF0000 link='x'"},
      {{52, 5}, {}, wide, "none"},  // right of the line's last run
      {{5, -1}, {}, wide, "none"},  // above the first line's runs
      {{5, 20}, {}, wide, "none"},  // on a line that holds only its break item
      {{5, 36}, {}, wide, "none"},  // above the 16-high "H" on the 21-high line 3
      {{5, 37}, {}, wide, "text 'H'"},
      {{12, 39}, {}, wide, "none"},  // the subscript's box is 13 high on the line bottom
      {{12, 40}, {}, wide, "text '2' sub"},
      {{12, 53}, {}, wide, "none"},  // line 4 begins at 53; its run is far to the right
      {{40, 33}, {}, wide, "none"},  // the superscript's box, 13 high, is raised by 6: 34 to 47
      {{40, 34}, {}, wide, "text '2' sup"},
      {{40, 47}, {}, wide, "text '2' sup"},
      {{40, 48}, {}, wide, "none"},
      {{91, 60}, {}, wide, "none"},  // the centred line starts at (201 - 15 - 1) div 2 = 92
      {{92, 60}, {}, wide, "text 'ab'"},
      {{107, 60}, {}, wide, "text 'ab'"},
      {{108, 60}, {}, wide, "none"},
      {{0, 0}, {92, 60}, wide, "text 'ab'"},         // the scroll offset is added to the point
      {{17, 60}, {}, {0, 0, 50, 100}, "text 'ab'"},  // centred in 51 pixels: from 17
      {{92, 60}, {}, {0, 0, 50, 100}, "none"},       // ... so it ends at 32
      {{92, 60}, {}, {7, 0, 7, 10}, "none"},         // empty: the last paint's, none yet: from 0
      {{5, 69}, {}, wide, "none"},                   // below every line
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(std::to_string(test.Point.X) + "," + std::to_string(test.Point.Y));
    EXPECT_EQ(Hit(test.Point, test.Src, test.R), test.Expected);
  }
}

TEST_F(HtmlHitTest, AnEmptyRectangleMeansTheRectangleOfTheLastPaint) {
  TRecordingCanvas canvas;
  fixture.Render.DrawText(canvas, {}, {0, 0, 200, 100}, clNone);
  EXPECT_EQ(Hit({92, 60}, {}, {7, 0, 7, 10}), "text 'ab'");
  EXPECT_EQ(Hit({17, 60}, {}, {7, 0, 7, 10}), "none");
}

TEST_F(HtmlHitTest, LinksUnderThePoint) {
  std::u16string href = u"stale";
  EXPECT_TRUE(fixture.Render.IsCursorOverLink({23, 5}, {}, {0, 0, 200, 100}, href));
  EXPECT_EQ(href, u"x");
  href = u"stale";
  EXPECT_FALSE(fixture.Render.IsCursorOverLink({5, 5}, {}, {0, 0, 200, 100}, href));
  EXPECT_EQ(href, u"");
  EXPECT_FALSE(fixture.Render.IsCursorOverLink({52, 5}, {}, {0, 0, 200, 100}, href));

  fixture.Render.SelectLinkAt({5, 37}, {}, {0, 0, 200, 100});
  EXPECT_EQ(fixture.Document().SelectedItem(), &fixture.Item(5));
  EXPECT_EQ(fixture.Item(5).Text(), u"H");
  fixture.Render.SelectLinkAt({5, 36}, {}, {0, 0, 200, 100});
  EXPECT_EQ(fixture.Document().SelectedItem(), nullptr);
}

}  // namespace
