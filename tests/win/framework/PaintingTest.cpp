// Windowed controls paint their background and then their graphic children in z-order, each clipped to its
// bounds with the origin at its corner; double-buffered ones the same through a memory bitmap.

#include <gtest/gtest.h>

#include "Pixels.h"
#include "TestControls.h"

namespace {

enum class TReadBack { WindowDC, PrintMessage };

struct TPaintSetup {
  bool DoubleBuffered;
  TReadBack ReadBack;
};

void PrintTo(const TPaintSetup& setup, std::ostream* out) {
  *out << (setup.DoubleBuffered ? "double-buffered" : "direct") << ", read "
       << (setup.ReadBack == TReadBack::WindowDC ? "from the window" : "through WM_PRINT");
}

class PaintingTest : public ::testing::TestWithParam<TPaintSetup> {
 protected:
  void SetUp() override {
    panel = new TTestPanel(&stage.Owner);
    panel->SetParent(&stage.Form);
    panel->SetBounds(10, 10, 200, 150);
    panel->SetColor(clWhite);
    panel->SetDoubleBuffered(GetParam().DoubleBuffered);
    back = AddBox(RECT{20, 20, 80, 60}, clRed);
    front = AddBox(RECT{50, 30, 110, 70}, clBlue);
    PumpMessages();
  }

  TTestBox* AddBox(RECT bounds, TColor fill) {
    auto* box = new TTestBox(&stage.Owner);
    box->Fill = fill;
    box->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    box->SetParent(panel);
    return box;
  }

  COLORREF Pixel(int x, int y) {
    if (GetParam().ReadBack == TReadBack::WindowDC)
      return PaintedPixel(*panel, x, y);
    // WM_PRINT: the window system's own request to paint into a given context (PrintWindow, screenshots).
    const TMemorySurface surface(panel->GetWidth(), panel->GetHeight());
    SendMessageW(panel->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(surface.Get()),
                 PRF_CLIENT | PRF_ERASEBKGND);
    return surface.Pixel(x, y);
  }

  TStage stage{300, 200};
  TTestPanel* panel = nullptr;
  TTestBox* back = nullptr;
  TTestBox* front = nullptr;
};

constexpr COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255),
                   kBlack = RGB(0, 0, 0);

TEST_P(PaintingTest, GraphicChildrenArePaintedClippedInZOrderWithTheirOrigin) {
  struct TProbe {
    int X, Y;
    COLORREF Expected;
    const char* What;
  };
  const TProbe probes[] = {
      {25, 25, kRed, "the back box alone"},
      {70, 50, kBlue, "the overlap shows the later box"},
      {100, 65, kBlue, "the front box alone"},
      {15, 15, kWhite, "outside both boxes: their fills are clipped"},
      {85, 25, kWhite, "right of the back box, above the front box"},
      {115, 50, kWhite, "right of the front box"},
      {20, 20, kBlack, "the back box's marker sits at its own origin"},
      {51, 31, kBlack, "the front box's marker sits at its own origin"},
  };
  for (const auto& probe : probes)
    EXPECT_EQ(Pixel(probe.X, probe.Y), probe.Expected) << probe.What;
}

TEST_P(PaintingTest, HiddenAndMovedChildrenRepaintTheirArea) {
  back->Hide();
  PumpMessages();
  EXPECT_EQ(Pixel(25, 25), kWhite);
  front->SetBounds(130, 100, 20, 20);
  PumpMessages();
  EXPECT_EQ(Pixel(70, 50), kWhite);
  EXPECT_EQ(Pixel(140, 110), kBlue);
}

TEST_P(PaintingTest, BackgroundFollowsTheColour) {
  panel->SetColor(ColorValue(0x00D3F9FE));
  PumpMessages();
  EXPECT_EQ(Pixel(190, 140), RGB(0xFE, 0xF9, 0xD3));
}

INSTANTIATE_TEST_SUITE_P(Paths, PaintingTest,
                         ::testing::Values(TPaintSetup{false, TReadBack::WindowDC},
                                           TPaintSetup{true, TReadBack::WindowDC},
                                           TPaintSetup{false, TReadBack::PrintMessage},
                                           TPaintSetup{true, TReadBack::PrintMessage}),
                         [](const auto& testInfo) {
                           return std::string(testInfo.param.DoubleBuffered ? "Buffered" : "Direct") +
                                  (testInfo.param.ReadBack == TReadBack::WindowDC ? "OnScreen" : "Printed");
                         });

TEST(GraphicInvalidateTest, InvalidatesOnlyItsRectangleInTheParentWindow) {
  TStage stage(300, 200);
  auto* box = new TTestBox(&stage.Owner);
  box->SetBounds(30, 40, 50, 20);
  box->SetParent(&stage.Form);
  HWND wnd = stage.Form.Handle();
  UpdateWindow(wnd);
  ValidateRect(wnd, nullptr);
  box->Invalidate();
  RECT update{};
  ASSERT_TRUE(GetUpdateRect(wnd, &update, FALSE));
  EXPECT_EQ(update.left, 30);
  EXPECT_EQ(update.top, 40);
  EXPECT_EQ(update.right, 80);
  EXPECT_EQ(update.bottom, 60);
}

}  // namespace
