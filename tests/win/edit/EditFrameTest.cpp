// The edit box's own flat frame, read back from the pixels of its window: the dialog's blue and white rings,
// and the ring colours of each frame kind.

#include <gtest/gtest.h>

#include "ExEdits.h"
#include "ShownForm.h"

namespace {

constexpr int kWidth = 193;
constexpr int kHeight = 24;

class EditFrame : public ShownFormTest {
 protected:
  EditFrame() {
    FEdit = AddEdit(10, 10);
    FOther = AddEdit(10, 100);
  }

  TExEdit* AddEdit(int left, int top) {
    auto* edit = AddControl<TExEdit>();
    edit->SetBounds(left, top, kWidth, kHeight);
    edit->SetThemeMode(TThemeMode::ttmNone);
    edit->SetFlat(true);
    return edit;
  }

  // Shows the form with the focus in the other edit box.
  void ShowUnfocused() {
    Show();
    FOther->SetFocus();
    PumpMessages();
    ASSERT_FALSE(FEdit->Focused());
  }

  COLORREF Pixel(int x, int y) { return WindowPixel(*FEdit, x, y); }

  TExEdit* FEdit = nullptr;
  TExEdit* FOther = nullptr;
};

constexpr COLORREF kDarkBlue = 0x00BB6F00;
constexpr COLORREF kWhite = 0x00FFFFFF;

void ApplyDialogColours(TExEdit& edit) {
  edit.SetBorderColorDkShadow(clWhite);
  edit.SetBorderColorFace(clWhite);
  edit.SetBorderColorShadow(ColorValue(kDarkBlue));
  edit.SetBorderColorHighlight(ColorValue(kDarkBlue));
  edit.SetBorderColorWindow(ColorValue(kDarkBlue));
}

TEST_F(EditFrame, FrameTakesTwoPixelsOnEverySide) {
  ShowUnfocused();
  RECT client{};
  ASSERT_TRUE(GetClientRect(FEdit->Handle(), &client));
  EXPECT_EQ(client.right, kWidth - 4);
  EXPECT_EQ(client.bottom, kHeight - 4);
  POINT origin{0, 0};
  ClientToScreen(FEdit->Handle(), &origin);
  RECT window{};
  GetWindowRect(FEdit->Handle(), &window);
  EXPECT_EQ(origin.x - window.left, 2);
  EXPECT_EQ(origin.y - window.top, 2);
}

// Every pixel of the outer ring is dark blue and every pixel of the inner ring white, focused or not.
void ExpectDialogRings(TExEdit& edit, const char* state) {
  for (int x = 0; x < kWidth; ++x) {
    EXPECT_EQ(WindowPixel(edit, x, 0), kDarkBlue) << state << " top x=" << x;
    EXPECT_EQ(WindowPixel(edit, x, kHeight - 1), kDarkBlue) << state << " bottom x=" << x;
  }
  for (int y = 0; y < kHeight; ++y) {
    EXPECT_EQ(WindowPixel(edit, 0, y), kDarkBlue) << state << " left y=" << y;
    EXPECT_EQ(WindowPixel(edit, kWidth - 1, y), kDarkBlue) << state << " right y=" << y;
  }
  for (int x = 1; x < kWidth - 1; ++x) {
    EXPECT_EQ(WindowPixel(edit, x, 1), kWhite) << state << " inner top x=" << x;
    EXPECT_EQ(WindowPixel(edit, x, kHeight - 2), kWhite) << state << " inner bottom x=" << x;
  }
  for (int y = 1; y < kHeight - 1; ++y) {
    EXPECT_EQ(WindowPixel(edit, 1, y), kWhite) << state << " inner left y=" << y;
    EXPECT_EQ(WindowPixel(edit, kWidth - 2, y), kWhite) << state << " inner right y=" << y;
  }
}

TEST_F(EditFrame, DialogColoursGiveBlueOuterAndWhiteInnerRing) {
  ApplyDialogColours(*FEdit);
  ShowUnfocused();
  ExpectDialogRings(*FEdit, "unfocused");
  FEdit->SetFocus();
  PumpMessages();
  ASSERT_TRUE(FEdit->Focused());
  ExpectDialogRings(*FEdit, "focused");
}

// Distinct colours for the five frame colours and the background.
constexpr COLORREF kDkShadow = 0x00000080;
constexpr COLORREF kFace = 0x00008000;
constexpr COLORREF kShadow = 0x00800000;
constexpr COLORREF kHighlight = 0x00008080;
constexpr COLORREF kWindow = 0x00800080;
constexpr COLORREF kBackground = 0x00404040;

struct TRingCase {
  TExFlatBorderType Kind;
  COLORREF OuterTopLeft, OuterBottomRight, InnerTopLeft, InnerBottomRight;
};

class FrameKinds : public EditFrame, public testing::WithParamInterface<TRingCase> {};

TEST_P(FrameKinds, RingColours) {
  const TRingCase& c = GetParam();
  FEdit->SetColor(ColorValue(kBackground));
  FEdit->SetBorderColorDkShadow(ColorValue(kDkShadow));
  FEdit->SetBorderColorFace(ColorValue(kFace));
  FEdit->SetBorderColorShadow(ColorValue(kShadow));
  FEdit->SetBorderColorHighlight(ColorValue(kHighlight));
  FEdit->SetBorderColorWindow(ColorValue(kWindow));
  FEdit->SetActiveBorderType(c.Kind);
  FEdit->SetInactiveBorderType(c.Kind);
  ShowUnfocused();
  const int w = kWidth;
  const int h = kHeight;
  EXPECT_EQ(Pixel(w / 2, 0), c.OuterTopLeft) << "outer top";
  EXPECT_EQ(Pixel(0, h / 2), c.OuterTopLeft) << "outer left";
  EXPECT_EQ(Pixel(0, 0), c.OuterTopLeft) << "outer top-left corner";
  EXPECT_EQ(Pixel(w - 1, h / 2), c.OuterBottomRight) << "outer right";
  EXPECT_EQ(Pixel(w / 2, h - 1), c.OuterBottomRight) << "outer bottom";
  // The bottom and right lines own the corners they share with the top and left ones.
  EXPECT_EQ(Pixel(w - 1, 0), c.OuterBottomRight) << "outer top-right corner";
  EXPECT_EQ(Pixel(0, h - 1), c.OuterBottomRight) << "outer bottom-left corner";
  EXPECT_EQ(Pixel(w / 2, 1), c.InnerTopLeft) << "inner top";
  EXPECT_EQ(Pixel(1, h / 2), c.InnerTopLeft) << "inner left";
  EXPECT_EQ(Pixel(w - 2, h / 2), c.InnerBottomRight) << "inner right";
  EXPECT_EQ(Pixel(w / 2, h - 2), c.InnerBottomRight) << "inner bottom";
}

using enum TExFlatBorderType;
INSTANTIATE_TEST_SUITE_P(
    Table, FrameKinds,
    testing::Values(TRingCase{fbtSunken, kShadow, kHighlight, kDkShadow, kFace},
                    TRingCase{fbtSunkenOuter, kShadow, kWindow, kFace, kFace},
                    TRingCase{fbtSunkenInner, kDkShadow, kFace, kBackground, kBackground},
                    TRingCase{fbtRaised, kFace, kDkShadow, kHighlight, kShadow},
                    TRingCase{fbtRaisedOuter, kFace, kDkShadow, kBackground, kBackground},
                    TRingCase{fbtRaisedInner, kHighlight, kShadow, kBackground, kBackground},
                    TRingCase{fbtBump, kFace, kDkShadow, kDkShadow, kFace},
                    TRingCase{fbtEtched, kShadow, kHighlight, kHighlight, kShadow},
                    TRingCase{fbtNone, kBackground, kBackground, kBackground, kBackground}));

TEST_F(EditFrame, MissingSideHasNoFrame) {
  ApplyDialogColours(*FEdit);
  FEdit->SetBorderSides(
      TExBorderSides{TExBorderSide::ebsTop, TExBorderSide::ebsBottom, TExBorderSide::ebsRight});
  ShowUnfocused();
  RECT client{};
  ASSERT_TRUE(GetClientRect(FEdit->Handle(), &client));
  EXPECT_EQ(client.right, kWidth - 2);
  POINT origin{0, 0};
  ClientToScreen(FEdit->Handle(), &origin);
  RECT window{};
  GetWindowRect(FEdit->Handle(), &window);
  EXPECT_EQ(origin.x, window.left);
  EXPECT_EQ(Pixel(kWidth / 2, 0), kDarkBlue);
  EXPECT_EQ(Pixel(kWidth - 1, kHeight / 2), kDarkBlue);
}

}  // namespace
