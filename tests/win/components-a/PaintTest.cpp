// The simple painting of the panel and the labels on a shown form, read back from the window's pixels, and
// the clicks a label reports.

#include <gtest/gtest.h>

#include <memory>

#include "ExHTMLLbl.h"
#include "ExPanel.h"
#include "Forms.h"

namespace {

constexpr TColor kBlue = ColorValue(0x00CE7B00);
constexpr TColor kPaleYellow = ColorValue(0x00D3F9FE);

class ShownForm : public testing::Test {
 protected:
  ShownForm() {
    FForm->SetBorderStyle(TFormBorderStyle::bsNone);
    FForm->SetColor(clWhite);
    FForm->SetBounds(0, 0, 445, 200);
  }

  void Show() {
    FForm->Show();
    UpdateWindow(FForm->Handle());
  }

  // The pixel at `p` of the control's window (of its parent for a graphic control), in 0x00BBGGRR form.
  static COLORREF PixelAt(TWinControl& window, POINT p) {
    HDC dc = GetDC(window.Handle());
    const COLORREF pixel = GetPixel(dc, p.x, p.y);
    ReleaseDC(window.Handle(), dc);
    return pixel;
  }

  std::unique_ptr<TForm> FForm = std::make_unique<TForm>(nullptr);
};

TEST_F(ShownForm, PanelShowsItsColourEverywhere) {
  auto* panel = new TExPanel(FForm.get());
  panel->SetParent(FForm.get());
  panel->SetBounds(0, 0, 445, 65);
  panel->SetThemeMode(TThemeMode::ttmNone);
  panel->SetBevelOuter(TPanelBevelStyle::bvNone);
  panel->SetBorderType(TExFlatBorderType::fbtNone);
  panel->SetColor(kBlue);
  Show();
  UpdateWindow(panel->Handle());
  for (POINT p : {POINT{0, 0}, POINT{444, 0}, POINT{0, 64}, POINT{444, 64}, POINT{222, 32}})
    EXPECT_EQ(PixelAt(*panel, p), ColorToRGB(kBlue)) << "at " << p.x << ", " << p.y;
}

TEST_F(ShownForm, OpaqueLabelFillsItsAreaAndDrawsTextInsideTheBorder) {
  auto* label = new TExHTMLLabel(FForm.get());
  label->SetParent(FForm.get());
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
  auto* transparent = new TExHTMLLabel(FForm.get());
  transparent->SetParent(FForm.get());
  transparent->SetAutoSize(false);
  transparent->SetBounds(0, 100, 445, 65);
  transparent->SetColor(kPaleYellow);
  transparent->SetBorderWidth(16);
  Show();

  int textPixels = 0;
  for (int y = 0; y < 65; y += 2) {
    for (int x = 0; x < 445; x += 2) {
      const COLORREF pixel = PixelAt(*FForm, POINT{x, y});
      const bool inBorder = x < 16 || y < 16 || x >= 445 - 16 || y >= 65 - 16;
      if (inBorder)
        ASSERT_EQ(pixel, ColorToRGB(kPaleYellow)) << "border pixel " << x << ", " << y;
      else if (pixel != ColorToRGB(kPaleYellow))
        ++textPixels;
    }
  }
  EXPECT_GT(textPixels, 0) << "no text drawn";
  EXPECT_EQ(PixelAt(*FForm, POINT{2, 102}), ColorToRGB(clWhite)) << "a transparent label shows its parent";
}

TEST_F(ShownForm, OnlyAPlainLabelRaisesOnClick) {
  const struct {
    bool IsHTML;
    int Clicks;
  } cases[] = {{false, 1}, {true, 0}};
  for (const auto& c : cases) {
    auto* label = new TExHTMLLabel(FForm.get());
    label->SetParent(FForm.get());
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
