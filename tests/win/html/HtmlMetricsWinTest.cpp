// The GDI text metrics agree with GetTextMetricsW and DrawTextW on fonts the test creates itself, and a
// dialog caption laid out with them has the same items as with the fixed metrics of the host tests.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "Handles.h"
#include "HtmlTestSupport.h"
#include "HtmlTextMetricsWin.h"
#include "Pixels.h"

namespace {

// A font of the markup, and the same font as GDI's own arguments spell it.
struct TFontCase {
  const wchar_t* Face;
  int Height;
  TFontStyles Style;
  int Weight;
  BOOL Italic;
  BOOL Underline;
  BOOL StrikeOut;
};

const TFontCase Fonts[] = {
    {L"Verdana", -13, {}, FW_NORMAL, FALSE, FALSE, FALSE},
    {L"Verdana", -13, {TFontStyle::fsBold, TFontStyle::fsUnderline}, FW_BOLD, FALSE, TRUE, FALSE},
    {L"Verdana", -15, {}, FW_NORMAL, FALSE, FALSE, FALSE},
    {L"Verdana", 22, {TFontStyle::fsBold}, FW_BOLD, FALSE, FALSE, FALSE},
    {L"MS Sans Serif", -11, {TFontStyle::fsItalic}, FW_NORMAL, TRUE, FALSE, FALSE},
    {L"Tahoma", -11, {TFontStyle::fsStrikeOut}, FW_NORMAL, FALSE, FALSE, TRUE},
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

// A font the test creates with GDI directly, selected into a device context of the test's own while it lives.
class TDirectFont {
 public:
  TDirectFont(HDC dc, const TFontCase& font)
      : FDC(dc),
        FFont(CreateFontW(font.Height, 0, 0, 0, font.Weight, font.Italic, font.Underline, font.StrikeOut,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, font.Face)),
        FSelected(dc, FFont.Get()) {}

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
  TFontHandle FFont;
  TSelectedObject FSelected;
};

// The dialog captions' runs: Verdana, bold or underlined or both.
TFontCase CaptionFont(int height, TFontStyles style) {
  EXPECT_FALSE(style.Contains(TFontStyle::fsItalic) || style.Contains(TFontStyle::fsStrikeOut))
      << "a caption style beyond bold and underline";
  return {L"Verdana", height,
          style,      style.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL,
          FALSE,      style.Contains(TFontStyle::fsUnderline) ? TRUE : FALSE,
          FALSE};
}

class HtmlWinMetrics : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FScreen);
    ASSERT_TRUE(FMemory);
  }
  void ExpectSameAsDirect(THtmlTextMetricsWin& metrics) {
    for (const TFontCase& font : Fonts) {
      SCOPED_TRACE(std::to_string(font.Height) + " " + std::to_string(font.Style.Bits()));
      const TDirectFont direct(FMemory.Get(), font);
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

  const TWindowDC FScreen;
  const TMemoryDC FMemory = ScreenCompatibleDC();
};

TEST_F(HtmlWinMetrics, AgreeWithGetTextMetricsAndDrawText) {
  THtmlTextMetricsWin metrics;
  ExpectSameAsDirect(metrics);
  ExpectSameAsDirect(metrics);  // the second round comes from the font cache
  EXPECT_EQ(metrics.ScreenLogPixelsY(), GetDeviceCaps(FScreen.Get(), LOGPIXELSY));
}

TEST_F(HtmlWinMetrics, SetDCReplacesTheMeasuringSurface) {
  THtmlTextMetricsWin metrics;
  const HDC before = metrics.Handle();
  ASSERT_NE(before, nullptr);
  metrics.SetDC(nullptr);
  EXPECT_EQ(metrics.Handle(), before);
  metrics.SetDC(FScreen.Get());
  EXPECT_NE(metrics.Handle(), nullptr);
  EXPECT_NE(metrics.Handle(), FScreen.Get());
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
        const TDirectFont direct(FMemory.Get(), CaptionFont(line->FontHeight, line->FontStyle));
        tallest = direct.Metrics().tmHeight;
      }
      int width = 0;
      for (++i; i < items.size() && !items[i]->AsBreak(); ++i) {
        const THtmlItem& run = *items[i];
        const std::wstring text(reinterpret_cast<const wchar_t*>(run.Text().c_str()));
        const TDirectFont direct(FMemory.Get(), CaptionFont(run.FontHeight, run.FontStyle));
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
