// Aligned children share the parent's client area, anchored ones keep their distances to the anchored edges,
// and forms get exactly the client size asked for.

#include <gtest/gtest.h>

#include <memory>

#include "StdCtrls.h"
#include "TestControls.h"

namespace {

RECT Bounds(const TControl& control) {
  return control.BoundsRect();
}

::testing::AssertionResult HasBounds(const TControl& control, RECT expected) {
  const RECT r = Bounds(control);
  if (EqualRect(&r, &expected))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << control.GetName() << " is (" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom
         << "), expected (" << expected.left << ", " << expected.top << ", " << expected.right << ", "
         << expected.bottom << ")";
}

class LayoutTest : public ::testing::TestWithParam<int> {
 protected:
  // Built without any window: the layout needs none.
  void SetUp() override {
    panel = new TTestPanel(&owner);
    panel->SetBounds(0, 0, 200, 100);
    panel->SetBorderWidth(GetParam());
    header = Add("Header", TAlign::alTop, RECT{0, 0, 10, 10});
    footer = Add("Footer", TAlign::alBottom, RECT{0, 0, 10, 20});
    left = Add("Left", TAlign::alLeft, RECT{0, 0, 15, 10});
    client = Add("Client", TAlign::alClient, RECT{0, 0, 10, 10});
    right = Add("Right", TAlign::alNone, RECT{150, 40, 180, 50}, {TAnchorKind::akRight, TAnchorKind::akTop});
    stretch =
        Add("Stretch", TAlign::alNone, RECT{10, 60, 110, 70}, {TAnchorKind::akLeft, TAnchorKind::akRight});
    bottom =
        Add("Bottom", TAlign::alNone, RECT{10, 70, 30, 80}, {TAnchorKind::akLeft, TAnchorKind::akBottom});
    fixed = Add("Fixed", TAlign::alNone, RECT{40, 40, 50, 50}, {TAnchorKind::akLeft, TAnchorKind::akTop});
  }

  TControl* Add(const char* name, TAlign align, RECT bounds,
                TAnchors anchors = {TAnchorKind::akLeft, TAnchorKind::akTop}) {
    auto* control = new TTestBox(&owner);
    control->SetName(name);
    control->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    control->SetAnchors(anchors);
    control->SetParent(panel);
    control->SetAlign(align);
    return control;
  }

  TComponent owner{nullptr};
  TTestPanel* panel = nullptr;
  TControl *header = nullptr, *footer = nullptr, *left = nullptr, *client = nullptr, *right = nullptr,
           *stretch = nullptr, *bottom = nullptr, *fixed = nullptr;
};

TEST_P(LayoutTest, AlignedChildrenShareTheClientAreaAndFollowAResize) {
  const int b = GetParam();
  for (auto [width, height] : {std::pair{200, 100}, std::pair{300, 160}}) {
    panel->SetBounds(0, 0, width, height);
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
    EXPECT_TRUE(HasBounds(*header, RECT{b, b, width - b, b + 10}));
    EXPECT_TRUE(HasBounds(*footer, RECT{b, height - b - 20, width - b, height - b}));
    EXPECT_TRUE(HasBounds(*left, RECT{b, b + 10, b + 15, height - b - 20}));
    EXPECT_TRUE(HasBounds(*client, RECT{b + 15, b + 10, width - b, height - b - 20}));
  }
}

TEST_P(LayoutTest, AnchoredChildrenKeepTheirDistancesToTheAnchoredEdges) {
  panel->SetBounds(0, 0, 300, 160);
  EXPECT_TRUE(HasBounds(*right, RECT{250, 40, 280, 50}));
  EXPECT_TRUE(HasBounds(*stretch, RECT{10, 60, 210, 70}));
  EXPECT_TRUE(HasBounds(*bottom, RECT{10, 130, 30, 140}));
  EXPECT_TRUE(HasBounds(*fixed, RECT{40, 40, 50, 50}));
  panel->SetBounds(0, 0, 200, 100);
  EXPECT_TRUE(HasBounds(*right, RECT{150, 40, 180, 50}));
  EXPECT_TRUE(HasBounds(*stretch, RECT{10, 60, 110, 70}));
}

TEST_P(LayoutTest, HiddenAlignedChildTakesNoSpace) {
  footer->Hide();
  EXPECT_TRUE(HasBounds(*client, RECT{GetParam() + 15, GetParam() + 10, 200 - GetParam(), 100 - GetParam()}));
}

INSTANTIATE_TEST_SUITE_P(BorderWidths, LayoutTest, ::testing::Values(0, 16));

TEST(WindowLayoutTest, ChildWindowsFollowAClientSizeChangeOfTheForm) {
  TStage stage(300, 200);
  auto* band = new TTestPanel(&stage.Owner);
  band->SetBounds(0, 0, 300, 40);
  band->SetAlign(TAlign::alBottom);
  band->SetParent(&stage.Form);
  auto* button = new TButton(&stage.Owner);
  button->SetBounds(220, 120, 60, 25);
  button->SetAnchors({TAnchorKind::akRight, TAnchorKind::akBottom});
  button->SetParent(&stage.Form);
  EXPECT_TRUE(HasBounds(*band, RECT{0, 160, 300, 200}));

  stage.Form.SetClientSize(400, 260);
  EXPECT_TRUE(HasBounds(*band, RECT{0, 220, 400, 260}));
  EXPECT_TRUE(HasBounds(*button, RECT{320, 180, 380, 205}));
  // The windows themselves moved.
  RECT window{};
  GetWindowRect(button->Handle(), &window);
  MapWindowPoints(HWND_DESKTOP, stage.Form.Handle(), reinterpret_cast<POINT*>(&window), 2);
  EXPECT_EQ(window.left, 320);
  EXPECT_EQ(window.top, 180);
}

class DialogClientSizeTest : public ::testing::TestWithParam<SIZE> {};

TEST_P(DialogClientSizeTest, DialogFormHasExactlyTheRequestedClientAreaAndAFixedFrame) {
  const SIZE size = GetParam();
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  form.SetClientSize(size.cx, size.cy);
  form.SetScaled(true);
  form.SetPixelsPerInch(144);  // stored only: never rescales
  form.HandleNeeded();
  RECT client{};
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, size.cx);
  EXPECT_EQ(client.bottom, size.cy);
  EXPECT_EQ(form.ClientWidth(), size.cx);
  EXPECT_EQ(form.ClientHeight(), size.cy);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(form.Handle(), GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(form.Handle(), GWL_EXSTYLE));
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
}

INSTANTIATE_TEST_SUITE_P(Sizes, DialogClientSizeTest,
                         ::testing::Values(SIZE{445, 592}, SIZE{300, 200}, SIZE{120, 80}),
                         [](const auto& testInfo) {
                           return std::to_string(testInfo.param.cx) + "x" + std::to_string(testInfo.param.cy);
                         });

TEST(FormPositionTest, ShownDialogIsCentredOnTheWorkAreaWhenFirstShownWithItsClientSize) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  form.SetClientSize(445, 592);
  form.SetPosition(TPosition::poScreenCenter);
  form.Show();
  RECT client{};
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 445);
  EXPECT_EQ(client.bottom, 592);
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  RECT window{};
  GetWindowRect(form.Handle(), &window);
  EXPECT_LE(std::abs((window.left + window.right) - (area.left + area.right)), 1);
  EXPECT_LE(std::abs((window.top + window.bottom) - (area.top + area.bottom)), 1);
  form.Hide();
  form.SetBounds(10, 10, form.GetWidth(), form.GetHeight());
  form.Show();
  GetWindowRect(form.Handle(), &window);
  EXPECT_EQ(window.left, 10) << "placed only when first shown";
}

TEST(FormBorderTest, ChangingTheBorderStyleMakesTheWindowAnewWithTheSameClientArea) {
  TForm form(nullptr);
  form.SetClientSize(300, 200);
  auto* child = new TTestPanel(&form);
  child->SetParent(&form);
  HWND before = form.Handle();
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  EXPECT_FALSE(IsWindow(before));
  RECT client{};
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
  EXPECT_FALSE(GetWindowLongPtrW(form.Handle(), GWL_STYLE) & WS_THICKFRAME);
  EXPECT_EQ(GetParent(child->Handle()), form.Handle()) << "the children's windows were made with the form's";
}

}  // namespace
