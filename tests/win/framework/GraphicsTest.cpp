// Colours, GDI objects with cached handles, and canvases over device contexts.

#include <gtest/gtest.h>

#include "Graphics.h"
#include "Handles.h"
#include "Pixels.h"

namespace {

struct TColorCase {
  TColor Color;
  COLORREF Expected;
};

class ColorToRGBTest : public ::testing::TestWithParam<TColorCase> {};

TEST_P(ColorToRGBTest, ResolvesPlainSystemAndSpecialColours) {
  EXPECT_EQ(ColorToRGB(GetParam().Color), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Colours, ColorToRGBTest,
                         ::testing::Values(TColorCase{ColorValue(0x00CE7B00), RGB(0, 0x7B, 0xCE)},
                                           TColorCase{clWhite, RGB(255, 255, 255)},
                                           TColorCase{clWindow, GetSysColor(COLOR_WINDOW)},
                                           TColorCase{clBtnFace, GetSysColor(COLOR_BTNFACE)},
                                           TColorCase{clHighlight, GetSysColor(COLOR_HIGHLIGHT)},
                                           TColorCase{clNone, RGB(0, 0, 0)},
                                           TColorCase{clDefault, RGB(0, 0, 0)}));

TEST(FontTest, HandleIsCachedUntilASettingChanges) {
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  HFONT first = font.Handle();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(font.Handle(), first);

  font.SetHeight(font.GetHeight());  // no change, no event
  EXPECT_EQ(changes, 0);
  font.SetHeight(-19);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(GetObjectType(first), 0u) << "the old font was not deleted";

  LOGFONTW described{};
  ASSERT_NE(GetObjectW(font.Handle(), sizeof(described), &described), 0);
  EXPECT_EQ(described.lfHeight, -19);
}

TEST(FontTest, HandleCarriesEverySetting) {
  TFont font;
  font.SetName(u"Verdana");
  font.SetHeight(-15);
  font.SetStyle(TFontStyles{TFontStyle::fsBold, TFontStyle::fsUnderline});
  font.SetCharset(TFontCharset(0));
  LOGFONTW described{};
  ASSERT_NE(GetObjectW(font.Handle(), sizeof(described), &described), 0);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(described.lfFaceName)), u"Verdana");
  EXPECT_EQ(described.lfHeight, -15);
  EXPECT_EQ(described.lfWeight, FW_BOLD);
  EXPECT_TRUE(described.lfUnderline);
  EXPECT_FALSE(described.lfItalic);
  EXPECT_EQ(described.lfCharSet, 0);
}

TEST(FontTest, SizeIsPointsAtTheScreenResolution) {
  const int ppi = GetDeviceCaps(TWindowDC().Get(), LOGPIXELSY);
  TFont font;
  font.SetSize(12);
  EXPECT_EQ(font.GetHeight(), -MulDiv(12, ppi, 72));
  EXPECT_EQ(font.GetSize(), 12);
}

TEST(FontTest, AssignCopiesAndReportsOnlyRealChanges) {
  TFont source, target;
  source.SetName(u"Verdana");
  source.SetColor(clRed);
  int changes = 0;
  target.OnChange = [&](TObject*) { ++changes; };
  target.Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(target.GetName(), u"Verdana");
  EXPECT_EQ(target.GetColor(), clRed);
  target.Assign(source);
  EXPECT_EQ(changes, 1);
  TBrush brush;
  EXPECT_THROW(target.Assign(brush), EConvertError);
}

// A memory context with a canvas bound to it.
class CanvasTest : public ::testing::Test {
 protected:
  TBitmap bitmap{nullptr, 40, 30};
  TCanvas& canvas = bitmap.Canvas();
  HDC dc() { return canvas.Handle(); }
  COLORREF Pixel(int x, int y) { return GetPixel(dc(), x, y); }
};

TEST_F(CanvasTest, FillsWithTheBrushAndDrawsNothingForClearOrNone) {
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect(RECT{0, 0, 40, 30});
  canvas.Brush().SetColor(clRed);
  canvas.FillRect(RECT{5, 5, 10, 10});
  EXPECT_EQ(Pixel(6, 6), RGB(255, 0, 0));
  EXPECT_EQ(Pixel(10, 10), RGB(255, 255, 255));

  canvas.Brush().SetColor(clNone);
  canvas.FillRect(RECT{0, 0, 40, 30});
  canvas.Brush().SetColor(clBlue);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.FillRect(RECT{0, 0, 40, 30});
  EXPECT_EQ(Pixel(6, 6), RGB(255, 0, 0));
  EXPECT_EQ(Pixel(20, 20), RGB(255, 255, 255));
}

TEST_F(CanvasTest, ChangedFontIsDeselectedBeforeItIsDeleted) {
  canvas.TextExtent(u"x");
  HFONT first = canvas.Font().Handle();
  EXPECT_EQ(GetCurrentObject(dc(), OBJ_FONT), first);

  canvas.Font().SetHeight(-20);
  EXPECT_EQ(GetObjectType(first), 0u) << "a font still selected into the context cannot be deleted";
  canvas.TextExtent(u"x");
  EXPECT_EQ(GetCurrentObject(dc(), OBJ_FONT), canvas.Font().Handle());
}

TEST(CanvasBindingTest, UnbindingRestoresTheContextsObjects) {
  const TMemoryDC owner = ScreenCompatibleDC();
  const HDC memory = owner.Get();
  const HGDIOBJ font = GetCurrentObject(memory, OBJ_FONT);
  const HGDIOBJ brush = GetCurrentObject(memory, OBJ_BRUSH);
  const HGDIOBJ pen = GetCurrentObject(memory, OBJ_PEN);
  {
    TCanvas canvas;
    canvas.SetHandle(memory);
    canvas.Rectangle(RECT{0, 0, 2, 2});
    EXPECT_NE(GetCurrentObject(memory, OBJ_FONT), font);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(GetCurrentObject(memory, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(memory, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(memory, OBJ_PEN), pen);
    EXPECT_THROW(canvas.FillRect(RECT{0, 0, 1, 1}), EInvalidOperation);
  }
}

TEST_F(CanvasTest, CopyRectCopiesPixelsFromAnotherCanvas) {
  TBitmap source(nullptr, 10, 10);
  source.Canvas().Brush().SetColor(ColorValue(0x00336699));
  source.Canvas().FillRect(RECT{0, 0, 10, 10});
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect(RECT{0, 0, 40, 30});
  canvas.CopyRect(RECT{20, 10, 30, 20}, source.Canvas(), RECT{0, 0, 10, 10});
  EXPECT_EQ(Pixel(25, 15), RGB(0x99, 0x66, 0x33));
  EXPECT_EQ(Pixel(19, 15), RGB(255, 255, 255));
}

}  // namespace
