// What the labels paint, read back from a memory bitmap: the background, where the text block sits, the
// disabled colours, the plain label's centring, and the layout that follows width and AutoSize.

#include <gtest/gtest.h>

#include <algorithm>

#include "LabelSurface.h"

namespace {

constexpr TColor kPaleYellow = ColorValue(0x00D3F9FE);
const char16_t* const kHint =
    u"Bitte achten Sie auf die <B>korrekte Eingabe</B> Ihrer Daten, da eine Registrierung sonst nicht "
    u"m\u00F6glich ist!";

TEST(LabelRender, BorderWidthMovesTheTextAndTheWholeClientIsFilled) {
  const int borders[] = {0, 16};
  RECT ink[2]{};
  for (int i = 0; i < 2; ++i) {
    TExHTMLLabel label(nullptr);
    MakeDialogLabel(label, 445, 65);
    label.SetColor(kPaleYellow);
    label.SetTransparent(false);
    label.SetWordWrap(true);
    label.SetBorderWidth(borders[i]);
    label.SetCaption(kHint);
    const TPaintedLabel painted(label);
    for (int y = 0; y < 65; ++y)
      for (int x = 0; x < 445; ++x)
        ASSERT_NE(painted.Pixel(x, y), kUntouched) << "unpainted at " << x << ", " << y;
    ink[i] = painted.InkBox(ColorToRGB(kPaleYellow));
    ASSERT_FALSE(IsRectEmpty(&ink[i])) << "no text with border " << borders[i];
  }
  // The first line starts with the same glyph in both, so the border moves it by exactly 16 both ways.
  EXPECT_EQ(ink[1].left, ink[0].left + 16);
  EXPECT_EQ(ink[1].top, ink[0].top + 16);
  EXPECT_LE(ink[1].right, 445 - 16) << "wrapped inside the border";
  EXPECT_LE(ink[1].bottom, 65 - 16 + 1);
}

TEST(LabelRender, CentredLayoutPlacesTheBlockInTheMiddle) {
  const TTextLayout layouts[] = {TTextLayout::tlTop, TTextLayout::tlCenter};
  int inkTop[2]{};
  int textHeight = 0;
  for (int i = 0; i < 2; ++i) {
    TExHTMLLabel label(nullptr);
    MakeDialogLabel(label, 411, 59);
    label.GetFont()->SetHeight(-15);
    label.SetColor(kPaleYellow);
    label.SetTransparent(false);
    label.SetWordWrap(true);
    label.SetLayout(layouts[i]);
    label.SetCaption(u"Jetzt kostenlos auf die <b>Vollversion</b> umsteigen!");
    textHeight = label.TextRect().bottom;
    const TPaintedLabel painted(label);
    inkTop[i] = painted.InkBox(ColorToRGB(kPaleYellow)).top;
  }
  ASSERT_GT(textHeight, 0);
  EXPECT_EQ(inkTop[1] - inkTop[0], std::max(59 / 2 - textHeight / 2, 0));
}

TEST(LabelRender, OnlyAnOpaqueLabelFillsItsBackground) {
  const struct {
    bool Transparent;
    COLORREF Corner;
  } cases[] = {{false, ColorToRGB(kPaleYellow)}, {true, kUntouched}};
  for (const auto& c : cases) {
    for (bool isHTML : {true, false}) {
      TExHTMLLabel label(nullptr);
      MakeDialogLabel(label, 120, 30);
      label.SetIsHTML(isHTML);
      label.SetColor(kPaleYellow);
      label.SetTransparent(c.Transparent);
      label.SetCaption(u"Text");
      const TPaintedLabel painted(label);
      EXPECT_EQ(painted.Pixel(119, 29), c.Corner)
          << (c.Transparent ? "transparent" : "opaque") << (isHTML ? " HTML" : " plain");
    }
  }
}

// Each channel brought half-way to white, as text made readable against black is.
COLORREF LightenedAgainstBlack(COLORREF c) {
  auto lighten = [](int v) { return v + MulDiv(255 - v, 50, 100); };
  return RGB(lighten(GetRValue(c)), lighten(GetGValue(c)), lighten(GetBValue(c)));
}

TEST(LabelRender, DisabledHTMLLabelDrawsLightenedGrayText) {
  TExHTMLLabel label(nullptr);
  MakeDialogLabel(label, 200, 30);
  label.SetColor(clWhite);
  label.SetTransparent(false);
  label.SetCaption(u"<b>Schritt 1:</b> <a href=\"x\">Link</a>");
  const TPaintedLabel enabled(label);
  EXPECT_TRUE(enabled.Contains(RGB(0, 0, 0))) << "enabled: the font colour";
  EXPECT_TRUE(enabled.Contains(ColorToRGB(clBlue))) << "enabled: the link colour";

  label.SetEnabled(false);
  const TPaintedLabel disabled(label);
  // The underline of the link and the bold strokes have pixels in the full colour.
  EXPECT_TRUE(disabled.Contains(LightenedAgainstBlack(ColorToRGB(clGrayText)))) << "the text";
  EXPECT_TRUE(disabled.Contains(LightenedAgainstBlack(ColorToRGB(clBlue)))) << "the link, lightened as well";
  EXPECT_FALSE(disabled.Contains(RGB(0, 0, 0)));
  EXPECT_FALSE(disabled.Contains(ColorToRGB(clBlue)));
  EXPECT_FALSE(disabled.Contains(ColorToRGB(clGrayText))) << "gray text is lightened, not drawn as it is";
}

TEST(LabelRender, DisabledPlainLabelDrawsLikeAnEnabledOne) {
  TExHTMLLabel label(nullptr);
  MakeDialogLabel(label, 200, 30);
  label.SetIsHTML(false);
  label.SetColor(clWhite);
  label.SetTransparent(false);
  label.SetCaption(u"Jetzt registrieren");
  const COLORREF enabled = TPaintedLabel(label).Darkest();
  label.SetEnabled(false);
  EXPECT_EQ(TPaintedLabel(label).Darkest(), enabled);
  EXPECT_EQ(enabled, RGB(0, 0, 0));
}

TEST(LabelRender, PlainLabelCentresItsCaption) {
  const struct {
    TAlignment Alignment;
    const char* What;
  } cases[] = {{TAlignment::taLeftJustify, "left"}, {TAlignment::taCenter, "centre"}};
  RECT ink[2]{};
  for (int i = 0; i < 2; ++i) {
    TExHTMLLabel label(nullptr);
    MakeDialogLabel(label, 411, 27);
    label.SetIsHTML(false);
    label.SetWordWrap(true);
    label.SetColor(clWhite);
    label.SetTransparent(false);
    label.GetFont()->SetHeight(-19);
    label.GetFont()->SetColor(ColorValue(13531904));
    label.GetFont()->SetStyle(TFontStyles{TFontStyle::fsUnderline});
    label.SetAlignment(cases[i].Alignment);
    label.SetCaption(u"Jetzt registrieren");
    const TPaintedLabel painted(label);
    ink[i] = painted.InkBox(RGB(255, 255, 255));
    ASSERT_FALSE(IsRectEmpty(&ink[i])) << cases[i].What;
    EXPECT_EQ(painted.Darkest(), ColorToRGB(ColorValue(13531904))) << cases[i].What;
  }
  const int width = ink[0].right - ink[0].left;
  EXPECT_EQ(ink[1].right - ink[1].left, width);
  // The underline spans the whole text, so the ink box is the text's box.
  EXPECT_NEAR(ink[1].left, (411 - width) / 2, 1);
}

TEST(LabelRender, WidthChangeWrapsTheTextAgain) {
  TExHTMLLabel label(nullptr);
  MakeDialogLabel(label, 411, 200);
  label.SetWordWrap(true);
  label.SetCaption(kHint);
  const RECT wide = label.TextRect();
  label.SetWidth(150);
  const RECT narrow = label.TextRect();
  EXPECT_GT(narrow.bottom, wide.bottom) << "more lines";
  EXPECT_LE(narrow.right, 150);
  const TPaintedLabel painted(label);
  EXPECT_LE(painted.InkBox(kUntouched).right, 150);
  EXPECT_GE(painted.InkBox(kUntouched).bottom, narrow.bottom - 6) << "the painted block is the taller one";

  // A height change alone lays out at the same width.
  label.SetHeight(180);
  EXPECT_EQ(label.TextRect().bottom, narrow.bottom);
}

TEST(LabelRender, AutoSizeTakesTheTextPlusTheBorder) {
  const struct {
    const char16_t* Caption;
    bool IsHTML;
    bool Empty;
  } cases[] = {{u"Hallo <b>Welt</b>", true, false}, {u"", true, true}, {u"Jetzt registrieren", false, false}};
  for (const auto& c : cases) {
    TExHTMLLabel label(nullptr);
    MakeDialogLabel(label, 300, 100);
    label.SetIsHTML(c.IsHTML);
    label.SetBorderWidth(7);
    label.SetCaption(c.Caption);
    label.SetAutoSize(true);
    const RECT text = label.TextRect();
    EXPECT_EQ(text.right == 0, c.Empty);
    EXPECT_EQ(label.GetWidth(), text.right + 14);
    EXPECT_EQ(label.GetHeight(), text.bottom + 14);
    if (c.Empty) {
      EXPECT_EQ(label.GetWidth(), 14) << "an empty text leaves a square of twice the border";
      EXPECT_EQ(label.GetHeight(), 14);
    }
  }
}

}  // namespace
