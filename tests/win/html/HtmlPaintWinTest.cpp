// The renderer painting with GDI into a bitmap, read back pixel by pixel, and its hook into the messages of
// the control that hosts it.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "Forms.h"
#include "Graphics.h"
#include "HtmlControlRender.h"

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);

// A renderer with a large plain font, so that glyphs have clear bottoms and underlines.
class TLargeTextRender : public THtmlControlRender {
 public:
  explicit TLargeTextRender(const std::u16string& Caption) {
    THtmlData& document = *Data();
    document.SetDefaultFont(u"Tahoma");
    document.SetDefaultHeight(-24);
    document.SetDefaultColor(clBlack);
    document.SetLinkColor(clRed);
    PrepareText(Caption, 1000, false);
  }
  const THtmlBreakItem& FirstLine() const { return *Data()->FArray.front()->AsBreak(); }
};

// A bitmap of Width x Height filled with horizontal stripes of two colours, so that any pixel moved or
// copied wrongly shows.
class TStripedBitmap {
 public:
  TStripedBitmap(int Width, int Height) : Bitmap(nullptr, Width, Height) {
    for (int y = 0; y < Height; y += 4)
      FillSolidRect(Bitmap.DC(), RECT{0, y, Width, y + 4}, (y / 4) % 2 ? clWhite : ColorValue(0xF0E0D0));
  }
  COLORREF Pixel(int x, int y) const { return GetPixel(Bitmap.DC(), x, y); }
  TBitmap Bitmap;
};

class TWhiteBitmap {
 public:
  TWhiteBitmap(int Width, int Height) : Bitmap(nullptr, Width, Height) {
    FillSolidRect(Bitmap.DC(), RECT{0, 0, Width, Height}, clWhite);
  }
  COLORREF Pixel(int x, int y) const { return GetPixel(Bitmap.DC(), x, y); }
  // The lowest row of R with a pixel that is not white; R.top - 1 when there is none.
  int LowestInkRow(const RECT& R) const {
    for (int y = R.bottom - 1; y >= R.top; --y)
      for (int x = R.left; x < R.right; ++x)
        if (Pixel(x, y) != White)
          return y;
    return R.top - 1;
  }
  TBitmap Bitmap;
};

TEST(HtmlPaintWin, GlyphsStandOnTheBaselineAtLineTopPlusHeightMinusDescent) {
  TLargeTextRender render(u"HHHH");
  const THtmlBreakItem& line = render.FirstLine();
  ASSERT_GT(line.LineDescent(), 0);
  for (const bool buffered : {true, false}) {
    SCOPED_TRACE(buffered ? "buffered" : "direct");
    render.SetDoubleBuffered(buffered);
    TWhiteBitmap target(260, 90);
    const RECT r{10, 7, 250, 80};
    render.DrawText(target.Bitmap.Canvas(), POINT{0, 0}, r, clNone);
    const int baseline = r.top + line.FHeight - line.LineDescent();
    // "H" has no descender: its lowest ink is the row just above the baseline.
    EXPECT_EQ(target.LowestInkRow(r), baseline - 1);
    int black = 0;
    for (int x = r.left; x < r.right; ++x)
      black += target.Pixel(x, baseline - 2) == RGB(0, 0, 0) ? 1 : 0;
    EXPECT_GE(black, 8) << "the stems of the four letters are black";
  }
}

TEST(HtmlPaintWin, LinksAreDrawnInTheLinkColourWithAnUnderlineBelowTheBaseline) {
  TLargeTextRender render(u"<a href=\"x\">HHHH</a>");
  const THtmlBreakItem& line = render.FirstLine();
  const THtmlItem* link = nullptr;
  for (const auto& item : render.Data()->FArray)
    if (item->IsLink())
      link = item.get();
  ASSERT_NE(link, nullptr);
  TWhiteBitmap target(260, 90);
  const RECT r{10, 7, 250, 80};
  render.DrawText(target.Bitmap.Canvas(), POINT{0, 0}, r, clNone);

  const int baseline = r.top + line.FHeight - line.LineDescent();
  const int textEnd = r.left + link->FWidth - 1;  // the run's width is one more than its text
  int underlineRows = 0;
  for (int y = baseline; y < r.top + line.FHeight; ++y) {
    bool solid = true;
    for (int x = r.left + 1; x < textEnd - 1 && solid; ++x)
      solid = target.Pixel(x, y) == Red;
    underlineRows += solid ? 1 : 0;
  }
  EXPECT_GE(underlineRows, 1) << "a row below the baseline is red across the whole text";
  int black = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      black += target.Pixel(x, y) == RGB(0, 0, 0) ? 1 : 0;
  EXPECT_EQ(black, 0) << "nothing of the link is drawn in the text colour";
}

TEST(HtmlPaintWin, BufferedAndDirectPaintingGiveTheSamePixelsAndLeaveTheRestAlone) {
  TLargeTextRender render(
      u"<b>Step 1:</b><br><font color=\"red\" bgcolor=\"yellow\">Click</font> "
      u"<a href=\"x\">here</a> and <sub>low</sub><sup>high</sup>");
  constexpr int Width = 420;
  constexpr int Height = 110;
  const RECT r{13, 9, 400, 100};
  const TStripedBitmap untouched(Width, Height);
  TStripedBitmap buffered(Width, Height);
  TStripedBitmap direct(Width, Height);
  render.SetDoubleBuffered(true);
  render.DrawText(buffered.Bitmap.Canvas(), POINT{0, 0}, r, clNone);
  render.SetDoubleBuffered(false);
  render.DrawText(direct.Bitmap.Canvas(), POINT{0, 0}, r, clNone);

  int differences = 0;
  int painted = 0;
  int outsideChanged = 0;
  for (int y = 0; y < Height; ++y) {
    for (int x = 0; x < Width; ++x) {
      differences += buffered.Pixel(x, y) != direct.Pixel(x, y) ? 1 : 0;
      const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
      const bool changed = buffered.Pixel(x, y) != untouched.Pixel(x, y);
      (inside ? painted : outsideChanged) += changed ? 1 : 0;
    }
  }
  EXPECT_EQ(differences, 0);
  EXPECT_GT(painted, 200) << "the text was drawn";
  EXPECT_EQ(outsideChanged, 0);
}

// A plain windowed control to host the renderer.
class THostControl : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
};

class HtmlHookTest : public testing::Test {
 protected:
  void SetUp() override {
    host = new THostControl(&form);
    host->SetParent(&form);
    host->SetBounds(0, 0, 400, 60);
    render.SetControl(host);
    render.OnChange = [this](TObject*) { ++changes; };
    render.SetLinkSelect(true);
    // The hook hit-tests in the rectangle of the last paint.
    TBitmap canvas(nullptr, 400, 60);
    render.DrawText(canvas.Canvas(), POINT{0, 0}, RECT{0, 0, 399, 59}, clNone);
  }

  // The centre of the first item of the given kind (a link run or an input item), in the host's coordinates.
  POINT Centre(bool Link) const {
    int x = 0;
    for (const auto& item : render.Data()->FArray) {
      if (item->AsBreak())
        continue;
      const bool match = Link ? item->IsLink() : item->FItemType == THtmlItemType::hitInput;
      if (match)
        return POINT{x + item->FWidth / 2, render.FirstLine().FHeight - item->FHeight / 2};
      x += item->FWidth;
    }
    ADD_FAILURE() << "no such item";
    return POINT{};
  }

  LRESULT Send(UINT Msg, WPARAM WParam, LPARAM LParam) {
    return SendMessageW(host->Handle(), Msg, WParam, LParam);
  }

  TForm form{nullptr};
  THostControl* host = nullptr;
  TLargeTextRender render{u"ab <a href=\"x\">link</a> <input type=\"checkbox\">"};
  int changes = 0;
};

TEST_F(HtmlHookTest, ALeftButtonReleaseOnALinkReachesTheRendererAsAClick) {
  EXPECT_EQ(render.GetControl(), host);
  const POINT link = Centre(true);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(link.x, link.y));
  ASSERT_NE(render.Data()->SelectedItem(), nullptr);
  EXPECT_TRUE(render.Data()->SelectedItem()->IsLink());
  EXPECT_EQ(changes, 1);

  Send(WM_LBUTTONUP, 0, MAKELPARAM(link.x, 59));
  EXPECT_EQ(render.Data()->SelectedItem(), nullptr) << "below the run: nothing hit";
  EXPECT_EQ(changes, 1);
}

TEST_F(HtmlHookTest, MouseMovesAndTabReachTheRenderer) {
  const POINT box = Centre(false);
  Send(WM_MOUSEMOVE, 0, MAKELPARAM(box.x, box.y));
  EXPECT_NE(render.Data()->ActiveItem(), nullptr);
  Send(WM_MOUSEMOVE, 0, MAKELPARAM(box.x, 59));
  EXPECT_EQ(render.Data()->ActiveItem(), nullptr);

  Send(WM_KEYDOWN, VK_TAB, 1);
  ASSERT_NE(render.Data()->SelectedItem(), nullptr);
  EXPECT_TRUE(render.Data()->SelectedItem()->IsLink()) << "the first entry of the tab order";
}

TEST_F(HtmlHookTest, PositionsLeftOfTheControlAreNegative) {
  // Right-aligned in a rectangle narrower than itself, a line starts at x = -1.
  render.PrepareText(u"<p align=\"right\">wide text</p>", 1000, false);
  TBitmap canvas(nullptr, 400, 60);
  render.DrawText(canvas.Canvas(), POINT{0, 0}, RECT{0, 0, 9, 59}, clNone);
  const int y = render.FirstLine().FHeight / 2;
  Send(WM_LBUTTONUP, 0, MAKELPARAM(-1, y));
  EXPECT_EQ(changes, 1) << "the run at -1 was hit";
  Send(WM_LBUTTONUP, 0, MAKELPARAM(-2, y));
  EXPECT_EQ(changes, 1);
}

// A control without a window, as the labels are: its parent hands it the mouse messages.
class TGraphicHost : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
};

TEST_F(HtmlHookTest, AGraphicControlSeesTheClicksItsParentHandsOn) {
  auto* graphic = new TGraphicHost(&form);
  graphic->SetParent(host);
  graphic->SetBounds(30, 20, 300, 40);
  render.SetControl(graphic);
  const POINT link = Centre(true);
  SendMessageW(host->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30 + link.x, 20 + link.y));
  SendMessageW(host->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30 + link.x, 20 + link.y));
  ASSERT_NE(render.Data()->SelectedItem(), nullptr);
  EXPECT_TRUE(render.Data()->SelectedItem()->IsLink()) << "the position arrives in the control's coordinates";
  EXPECT_EQ(changes, 1);
}

TEST_F(HtmlHookTest, NothingArrivesOnceDetachedOrWhenTheControlIsGone) {
  render.SetControl(nullptr);
  const POINT link = Centre(true);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(link.x, link.y));
  EXPECT_EQ(changes, 0);

  render.SetControl(host);
  delete host;
  host = nullptr;
  EXPECT_EQ(render.GetControl(), nullptr);
}

}  // namespace
