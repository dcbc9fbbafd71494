// The simple painting of the labels on a shown form, read back from the window's pixels, and the clicks a
// label reports.

#include <gtest/gtest.h>

#include "ExHTMLLbl.h"
#include "ShownForm.h"

namespace {

constexpr TColor kPaleYellow = ColorValue(0x00D3F9FE);

using LabelPainting = HeaderBandFormTest;

TEST_F(LabelPainting, OpaqueLabelFillsItsAreaAndDrawsTextInsideTheBorder) {
  auto* label = AddControl<TExHTMLLabel>();
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 445, 65);
  label->SetThemeMode(TThemeMode::ttmNone);
  label->SetColor(kPaleYellow);
  label->SetTransparent(false);
  label->SetBorderWidth(16);
  label->SetWordWrap(true);
  label->SetCaption(
      u"Bitte achten Sie auf die <B>korrekte Eingabe</B> Ihrer Daten, da eine Registrierung sonst "
      u"nicht m\u00F6glich ist!");
  auto* transparent = AddControl<TExHTMLLabel>();
  transparent->SetAutoSize(false);
  transparent->SetBounds(0, 100, 445, 65);
  transparent->SetColor(kPaleYellow);
  transparent->SetBorderWidth(16);
  Show();

  int textPixels = 0;
  for (int y = 0; y < 65; y += 2) {
    for (int x = 0; x < 445; x += 2) {
      const COLORREF pixel = ClientPixel(*FForm, POINT{x, y});
      const bool inBorder = x < 16 || y < 16 || x >= 445 - 16 || y >= 65 - 16;
      if (inBorder)
        ASSERT_EQ(pixel, ColorToRGB(kPaleYellow)) << "border pixel " << x << ", " << y;
      else if (pixel != ColorToRGB(kPaleYellow))
        ++textPixels;
    }
  }
  EXPECT_GT(textPixels, 0) << "no text drawn";
  EXPECT_EQ(ClientPixel(*FForm, POINT{2, 102}), ColorToRGB(clWhite))
      << "a transparent label shows its parent";
}

TEST_F(LabelPainting, OnlyAPlainLabelRaisesOnClick) {
  const struct {
    bool IsHTML;
    int Clicks;
  } cases[] = {{false, 1}, {true, 0}};
  for (const auto& c : cases) {
    auto* label = AddControl<TExHTMLLabel>();
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 100, 20);
    label->SetIsHTML(c.IsHTML);
    label->SetCaption(u"Jetzt registrieren");
    int clicks = 0;
    label->OnClick = [&](TObject* sender) {
      EXPECT_EQ(sender, label);
      ++clicks;
    };
    Show();
    const LPARAM inside = MAKELPARAM(60, 15);
    SendMessageW(FForm->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    SendMessageW(FForm->Handle(), WM_LBUTTONUP, 0, inside);
    EXPECT_EQ(clicks, c.Clicks) << (c.IsHTML ? "HTML label" : "plain label");
    delete label;
  }
}

}  // namespace
