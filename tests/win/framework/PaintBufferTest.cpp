// The paint buffer: a memory bitmap of the client size whose painted area reaches the target in one copy,
// and windowed controls that paint through it.

#include <gtest/gtest.h>

#include <optional>

#include "PaintBuffer.h"
#include "TestControls.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

void Fill(HDC dc, const RECT& rect, COLORREF color) {
  FillSolidRect(dc, rect, ColorValue(color));
}

SIZE SelectedBitmapSize(HDC dc) {
  BITMAP bitmap{};
  if (!GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof(bitmap), &bitmap))
    return SIZE{0, 0};
  return SIZE{bitmap.bmWidth, bitmap.bmHeight};
}

TEST(PaintBufferTest, CommitCopiesExactlyTheAreaIntoTheTarget) {
  TBitmap target(nullptr, 100, 80);
  Fill(target.DC(), RECT{0, 0, 100, 80}, kWhite);
  const RECT area{10, 20, 50, 60};
  TPaintBuffer buffer(target.DC(), SIZE{100, 80}, area);
  const SIZE size = SelectedBitmapSize(buffer.DC());
  EXPECT_EQ(size.cx, 100);
  EXPECT_EQ(size.cy, 80);
  Fill(buffer.DC(), RECT{0, 0, 100, 80}, kRed);
  EXPECT_EQ(GetPixel(target.DC(), 30, 40), kWhite) << "nothing reaches the target before the commit";
  buffer.Commit();

  struct TProbe {
    int X, Y;
    COLORREF Expected;
  };
  const TProbe probes[] = {{10, 20, kRed},   {49, 59, kRed},   {30, 40, kRed},   {9, 20, kWhite},
                           {50, 40, kWhite}, {30, 19, kWhite}, {30, 60, kWhite}, {0, 0, kWhite}};
  for (const TProbe& probe : probes)
    EXPECT_EQ(GetPixel(target.DC(), probe.X, probe.Y), probe.Expected) << probe.X << "," << probe.Y;
}

// More failed creations than GDI has handles for a process: a device context left behind by each would use
// them all up.
constexpr int kMoreThanGdiHasHandles = 70000;

TEST(PaintBufferTest, ABitmapGdiRefusesRaisesAndLeavesNothingBehind) {
  TBitmap target(nullptr, 4, 4);
  const SIZE refused{1 << 20, 1 << 20};
  EXPECT_THROW(TPaintBuffer(target.DC(), refused, RECT{0, 0, 4, 4}), EOutOfResources);
  for (int i = 0; i < kMoreThanGdiHasHandles; ++i) {
    try {
      TPaintBuffer buffer(target.DC(), refused, RECT{0, 0, 4, 4});
      FAIL() << "GDI made a bitmap of " << refused.cx << " x " << refused.cy;
    } catch (const EOutOfResources&) {
    }
  }
  std::optional<TPaintBuffer> afterwards;
  EXPECT_NO_THROW(afterwards.emplace(target.DC(), SIZE{4, 4}, RECT{0, 0, 4, 4}))
      << "GDI has no handles left: the failed creations kept theirs";
}

// A custom control that records the device context each Paint gets and fills its client area.
class TRecordingControl : public TCustomControl {
 public:
  explicit TRecordingControl(TComponent* owner) : TCustomControl(owner) {}
  bool AlwaysBuffered = false;
  COLORREF Color = kRed;
  int Paints = 0;
  DWORD DCKind = 0;
  SIZE BitmapSize{};
  bool PaintsBuffered() const override { return AlwaysBuffered || TCustomControl::PaintsBuffered(); }

 protected:
  void Paint() override {
    ++Paints;
    DCKind = GetObjectType(Canvas().Handle());
    BitmapSize = SelectedBitmapSize(Canvas().Handle());
    Fill(Canvas().Handle(), ClientRect(), Color);
  }
};

struct TBufferingCase {
  bool DoubleBuffered;
  bool AlwaysBuffered;
  DWORD ExpectedDCKind;
  const char* Name;
};

class BufferedPaintTest : public ::testing::TestWithParam<TBufferingCase> {
 protected:
  void SetUp() override {
    control = new TRecordingControl(&stage.Owner);
    control->SetParent(&stage.Form);
    control->SetBounds(10, 10, 120, 90);
    control->SetDoubleBuffered(GetParam().DoubleBuffered);
    control->AlwaysBuffered = GetParam().AlwaysBuffered;
    PumpMessages();
  }

  // Paints what is invalid now, by the window system's WM_PAINT.
  void PaintNow() {
    control->Paints = 0;
    UpdateWindow(control->Handle());
  }

  COLORREF WindowPixel(int x, int y) {
    const TWindowDC dc(control->Handle());
    return GetPixel(dc.Get(), x, y);
  }

  TStage stage{300, 200};
  TRecordingControl* control = nullptr;
};

TEST_P(BufferedPaintTest, OneWmPaintPaintsOnceIntoTheDeviceContextOfItsKind) {
  InvalidateRect(control->Handle(), nullptr, TRUE);
  PaintNow();
  EXPECT_EQ(control->Paints, 1);
  EXPECT_EQ(control->DCKind, GetParam().ExpectedDCKind);
  if (GetParam().ExpectedDCKind == OBJ_MEMDC) {
    EXPECT_EQ(control->BitmapSize.cx, 120);
    EXPECT_EQ(control->BitmapSize.cy, 90);
  }
  EXPECT_EQ(WindowPixel(5, 5), kRed);
  EXPECT_EQ(WindowPixel(119, 89), kRed);
}

TEST_P(BufferedPaintTest, OnlyTheInvalidAreaReachesTheWindow) {
  InvalidateRect(control->Handle(), nullptr, TRUE);
  PaintNow();
  control->Color = kBlue;
  const RECT area{20, 30, 60, 50};
  InvalidateRect(control->Handle(), &area, TRUE);
  PaintNow();
  EXPECT_EQ(control->Paints, 1);
  EXPECT_EQ(WindowPixel(20, 30), kBlue);
  EXPECT_EQ(WindowPixel(59, 49), kBlue);
  EXPECT_EQ(WindowPixel(19, 30), kRed);
  EXPECT_EQ(WindowPixel(60, 49), kRed);
  EXPECT_EQ(WindowPixel(59, 50), kRed);
}

TEST_P(BufferedPaintTest, PrintClientPaintsStraightIntoTheGivenContext) {
  TBitmap target(nullptr, 120, 90);
  Fill(target.DC(), RECT{0, 0, 120, 90}, kWhite);
  control->Paints = 0;
  SendMessageW(control->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.DC()), PRF_CLIENT);
  EXPECT_EQ(control->Paints, 1);
  EXPECT_EQ(GetPixel(target.DC(), 60, 45), kRed);
}

INSTANTIATE_TEST_SUITE_P(Buffering, BufferedPaintTest,
                         ::testing::Values(TBufferingCase{false, false, OBJ_DC, "Direct"},
                                           TBufferingCase{true, false, OBJ_MEMDC, "DoubleBuffered"},
                                           TBufferingCase{false, true, OBJ_MEMDC, "AlwaysBuffered"}),
                         [](const auto& testInfo) { return std::string(testInfo.param.Name); });

}  // namespace
