// The panel and the edit box always paint through the framework's paint buffer: one Paint per WM_PAINT into a
// memory device context, whatever DoubleBuffered says; the edit's cue text is part of what it paints. The
// busy indicator is double-buffered from its construction on and follows its DoubleBuffered setting.

#include <gtest/gtest.h>

#include "BusyMarquee.h"
#include "ExEdits.h"
#include "ExPanel.h"
#include "TestControls.h"

namespace {

// A control of class Base that records the device context each Paint gets.
template <class Base>
class TRecording : public Base {
 public:
  explicit TRecording(TComponent* owner) : Base(owner) {}
  int Paints = 0;
  DWORD DCKind = 0;

 protected:
  void Paint() override {
    ++Paints;
    DCKind = GetObjectType(this->Canvas().Handle());
    Base::Paint();
  }
};

// Paints the control once and tells what kind of device context its Paint got.
template <class Control>
DWORD PaintedDCKind(TRecording<Control>& control) {
  control.Paints = 0;
  InvalidateRect(control.Handle(), nullptr, TRUE);
  UpdateWindow(control.Handle());
  EXPECT_EQ(control.Paints, 1);
  return control.DCKind;
}

template <class Control>
class BufferedControlTest : public ::testing::Test {
 protected:
  TStage stage{300, 200};
};

using TBufferedControls = ::testing::Types<TExPanel, TExEdit>;
TYPED_TEST_SUITE(BufferedControlTest, TBufferedControls);

TYPED_TEST(BufferedControlTest, PaintsOncePerWmPaintIntoAMemoryContextEvenWithoutDoubleBuffered) {
  auto* control = new TRecording<TypeParam>(&this->stage.Owner);
  control->SetParent(&this->stage.Form);
  control->SetBounds(10, 10, 150, 40);
  control->SetDoubleBuffered(false);
  PumpMessages();
  EXPECT_TRUE(control->PaintsBuffered());
  EXPECT_EQ(PaintedDCKind(*control), static_cast<DWORD>(OBJ_MEMDC));
}

TEST(BusyMarqueeBuffering, BufferedFromConstructionAndDirectWhenSwitchedOff) {
  TStage stage{300, 200};
  auto* marquee = new TRecording<TBusyMarquee>(&stage.Owner);
  marquee->SetParent(&stage.Form);
  marquee->SetBounds(10, 10, 150, 40);
  marquee->SetAnimate(false);
  PumpMessages();
  EXPECT_TRUE(marquee->GetDoubleBuffered());
  EXPECT_EQ(PaintedDCKind(*marquee), static_cast<DWORD>(OBJ_MEMDC));
  marquee->SetDoubleBuffered(false);
  EXPECT_EQ(PaintedDCKind(*marquee), static_cast<DWORD>(OBJ_DC));
}

constexpr COLORREF kCueColor = RGB(255, 0, 0);

enum class TReadBack { Window, PrintClient };

class EditCueTextTest : public ::testing::TestWithParam<TReadBack> {
 protected:
  void SetUp() override {
    edit = new TExEdit(&stage.Owner);
    edit->SetParent(&stage.Form);
    edit->SetBounds(10, 10, 200, 24);
    edit->SetThemeMode(TThemeMode::ttmNone);
    edit->SetColor(clWhite);
    edit->SetDisabledFontColor(ColorValue(kCueColor));
    other = new TExEdit(&stage.Owner);
    other->SetParent(&stage.Form);
    other->SetBounds(10, 50, 200, 24);
    PumpMessages();
    other->SetFocus();
    PumpMessages();
  }

  // How many pixels of the edit's client area show the cue text's colour.
  int CueColoredPixels() {
    const RECT client = edit->ClientRect();
    TBitmap picture(nullptr, client.right, client.bottom);
    if (GetParam() == TReadBack::Window) {
      edit->Repaint();
      const TWindowDC window(edit->Handle());
      BitBlt(picture.DC(), 0, 0, client.right, client.bottom, window.Get(), 0, 0, SRCCOPY);
    } else {
      SendMessageW(edit->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.DC()), PRF_CLIENT);
    }
    int count = 0;
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x)
        count += GetPixel(picture.DC(), x, y) == kCueColor;
    return count;
  }

  TStage stage{300, 200};
  TExEdit* edit = nullptr;
  TExEdit* other = nullptr;
};

TEST_P(EditCueTextTest, CueTextIsPaintedWhileTheBoxIsEmptyAndUnfocused) {
  ASSERT_FALSE(edit->Focused());
  EXPECT_EQ(CueColoredPixels(), 0) << "without a cue text nothing has its colour";
  edit->SetCueBanner(u"Customer ID");
  EXPECT_GT(CueColoredPixels(), 0);
  edit->SetText(u"12345");
  EXPECT_EQ(CueColoredPixels(), 0) << "typed text hides the cue text";
}

INSTANTIATE_TEST_SUITE_P(ReadBack, EditCueTextTest,
                         ::testing::Values(TReadBack::Window, TReadBack::PrintClient),
                         [](const auto& testInfo) {
                           return std::string(testInfo.param == TReadBack::Window ? "OnScreen" : "Printed");
                         });

}  // namespace
