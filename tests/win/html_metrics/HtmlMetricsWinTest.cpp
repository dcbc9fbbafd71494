// The GDI text metrics agree with GetTextMetricsW and DrawTextW called directly, and a dialog caption laid
// out with them has the same items as with the fixed metrics of the host tests.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "HtmlTestSupport.h"
#include "HtmlTextMetricsWin.h"

namespace {

struct TFontCase {
  const wchar_t* Face;
  int Height;
  TFontStyles Style;
};

const TFontCase Fonts[] = {
    {L"Verdana", -13, {}},
    {L"Verdana", -13, {TFontStyle::fsBold, TFontStyle::fsUnderline}},
    {L"Verdana", -15, {}},
    {L"Verdana", 22, {TFontStyle::fsBold}},
    {L"MS Sans Serif", -11, {TFontStyle::fsItalic}},
    {L"Tahoma", -11, {TFontStyle::fsStrikeOut}},
};

const wchar_t* const Texts[] = {L"Schritt 1:", L"Klicken Sie den folgenden Link und registrieren Sie sich:",
                                L"",           L"W",
                                L"a&b",        L"Kostenlose Registrierung f\u00FCr die "};

std::u16string_view View(const wchar_t* text) {
  return {reinterpret_cast<const char16_t*>(text), std::char_traits<wchar_t>::length(text)};
}

THtmlFontSpec FontOf(const TFontCase& font) {
  return {View(font.Face), font.Height, font.Style, TFontCharset(1)};
}

// The font as a label creates it, measured on a device context of the test's own.
class TDirectFont {
 public:
  TDirectFont(HDC dc, const TFontCase& font) : FDC(dc) {
    LOGFONTW description{};
    description.lfHeight = font.Height;
    description.lfWeight = font.Style.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
    description.lfItalic = font.Style.Contains(TFontStyle::fsItalic);
    description.lfUnderline = font.Style.Contains(TFontStyle::fsUnderline);
    description.lfStrikeOut = font.Style.Contains(TFontStyle::fsStrikeOut);
    description.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(description.lfFaceName, font.Face, LF_FACESIZE - 1);
    FFont = CreateFontIndirectW(&description);
    FPrevious = SelectObject(dc, FFont);
  }
  ~TDirectFont() {
    SelectObject(FDC, FPrevious);
    DeleteObject(FFont);
  }
  TEXTMETRICW Metrics() const {
    TEXTMETRICW tm{};
    GetTextMetricsW(FDC, &tm);
    return tm;
  }
  int Extent(const wchar_t* text) const {
    RECT rect{};
    DrawTextW(FDC, text, -1, &rect, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE | DT_BOTTOM);
    return rect.right - rect.left;
  }

 private:
  HDC FDC;
  HFONT FFont;
  HGDIOBJ FPrevious;
};

class HtmlWinMetrics : public ::testing::Test {
 protected:
  void SetUp() override {
    FScreen = GetDC(nullptr);
    ASSERT_NE(FScreen, nullptr);
    FDC = CreateCompatibleDC(FScreen);
    ASSERT_NE(FDC, nullptr);
  }
  void TearDown() override {
    DeleteDC(FDC);
    ReleaseDC(nullptr, FScreen);
  }
  void ExpectSameAsDirect(THtmlTextMetricsWin& metrics) {
    for (const TFontCase& font : Fonts) {
      SCOPED_TRACE(std::to_string(font.Height) + " " + std::to_string(font.Style.Bits()));
      const TDirectFont direct(FDC, font);
      const TEXTMETRICW tm = direct.Metrics();
      const THtmlFontMetrics measured = metrics.FontMetrics(FontOf(font));
      EXPECT_EQ(measured.Height, tm.tmHeight);
      EXPECT_EQ(measured.Descent, tm.tmDescent);
      EXPECT_EQ(measured.AveCharWidth, tm.tmAveCharWidth);
      EXPECT_EQ(measured.MaxCharWidth, tm.tmMaxCharWidth);
      for (const wchar_t* text : Texts)
        EXPECT_EQ(metrics.TextExtent(FontOf(font), View(text)), direct.Extent(text));
    }
  }

  HDC FScreen = nullptr;
  HDC FDC = nullptr;
};

TEST_F(HtmlWinMetrics, AgreeWithGetTextMetricsAndDrawText) {
  THtmlTextMetricsWin metrics;
  ExpectSameAsDirect(metrics);
  ExpectSameAsDirect(metrics);  // the second round comes from the font cache
  EXPECT_EQ(metrics.ScreenLogPixelsY(), GetDeviceCaps(FScreen, LOGPIXELSY));
}

TEST_F(HtmlWinMetrics, SetDCReplacesTheMeasuringSurface) {
  THtmlTextMetricsWin metrics;
  const HDC before = metrics.Handle();
  ASSERT_NE(before, nullptr);
  metrics.SetDC(nullptr);
  EXPECT_EQ(metrics.Handle(), before);
  metrics.SetDC(FScreen);
  EXPECT_NE(metrics.Handle(), nullptr);
  EXPECT_NE(metrics.Handle(), FScreen);
  ExpectSameAsDirect(metrics);
}

TEST_F(HtmlWinMetrics, ExtentIgnoresPrefixCharacters) {
  THtmlTextMetricsWin metrics;
  const THtmlFontSpec font = FontOf(Fonts[0]);
  EXPECT_GT(metrics.TextExtent(font, u"a&b"), metrics.TextExtent(font, u"ab"));
}

// With the fonts of the dialog's labels: the same items as with the fixed metrics (where the captions do not
// wrap differently), and every line as high as its tallest run by GetTextMetricsW.
TEST_F(HtmlWinMetrics, DialogCaptionHasTheHostStructure) {
  const struct {
    const char* Caption;
    int FontHeight;
  } captions[] = {
      {"Kostenlose Registrierung f\xC3\xBCr die <br><b>Vollversion von <font size=22>Quillon</b></font>",
       -15},
      {"Free registration for <br><b><font size=22>Quillon</font> (full version)</b>", -15},
      {"<B><U>Schritt 1:</U></B><br><br>Klicken Sie den folgenden Link und registrieren Sie sich:", -13},
      {"<B><U>Step 3:</U></B><br><br>Download and install full version on your computer:", -13},
  };
  THtmlRenderFixture host;
  THtmlRender windows(std::make_unique<THtmlTextMetricsWin>());
  THtmlData& document = *windows.Data();
  document.SetDefaultFont(u"Verdana");
  document.SetCharset(TFontCharset(1));
  for (const auto& caption : captions) {
    SCOPED_TRACE(caption.Caption);
    host.Document().SetDefaultHeight(caption.FontHeight);
    document.SetDefaultHeight(caption.FontHeight);
    host.Parse(U16(caption.Caption), 411, true);
    windows.PrepareText(U16(caption.Caption), 411, true);
    EXPECT_EQ(DescribeItems(document), DescribeItems(host.Document()));

    // Each line: its runs as wide as DrawTextW says plus one, and as high as the tallest of them, or as its
    // break's font when an empty line follows.
    const auto& items = document.FArray;
    for (std::size_t i = 0; i < items.size();) {
      const THtmlBreakItem* line = items[i]->AsBreak();
      ASSERT_NE(line, nullptr);
      int tallest = 0;
      if (line->FItemType == THtmlItemType::hitBreak && i + 1 < items.size() && items[i + 1]->AsBreak()) {
        const TDirectFont direct(FDC, {L"Verdana", line->FontHeight, line->FontStyle});
        tallest = direct.Metrics().tmHeight;
      }
      int width = 0;
      for (++i; i < items.size() && !items[i]->AsBreak(); ++i) {
        const THtmlItem& run = *items[i];
        const std::wstring text(reinterpret_cast<const wchar_t*>(run.Text().c_str()));
        const TDirectFont direct(FDC, {L"Verdana", run.FontHeight, run.FontStyle});
        EXPECT_EQ(run.FWidth, direct.Extent(text.c_str()) + 1);
        width += run.FWidth;
        tallest = std::max<int>(tallest, direct.Metrics().tmHeight);
      }
      EXPECT_EQ(line->FWidth, width);
      EXPECT_EQ(line->FHeight, tallest);
    }
  }
}

}  // namespace
