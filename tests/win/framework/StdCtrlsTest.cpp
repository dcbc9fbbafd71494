// The standard label (graphic, drawing its caption with DrawText) and push button (the system's BUTTON).

#include <gtest/gtest.h>

#include "Handles.h"
#include "StdCtrls.h"
#include "TestControls.h"

namespace {

// The rows of a control's area in its parent window that show the text colour (black).
struct TRows {
  int First = -1, Last = -1;
};

TRows TextRows(TControl& control) {
  TWinControl& parent = *control.GetParent();
  parent.Repaint();
  const TWindowDC dc(parent.Handle());
  TRows rows;
  for (int y = 0; y < control.GetHeight(); ++y)
    for (int x = 0; x < control.GetWidth(); ++x)
      if (GetPixel(dc.Get(), control.GetLeft() + x, control.GetTop() + y) == RGB(0, 0, 0)) {
        if (rows.First < 0)
          rows.First = y;
        rows.Last = y;
        break;
      }
  return rows;
}

class LabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    label = new TLabel(&stage.Owner);
    label->SetParent(&stage.Form);
    label->GetFont()->SetName(u"Arial");
    label->GetFont()->SetHeight(-20);
    label->GetFont()->SetColor(clBlack);
    label->SetColor(clWhite);
  }

  SIZE Extent(const std::u16string& text) {
    const TWindowDC screen;
    const TSelectedObject font(screen.Get(), label->GetFont()->Handle());
    SIZE size{};
    GetTextExtentPoint32W(screen.Get(), reinterpret_cast<const wchar_t*>(text.c_str()),
                          static_cast<int>(text.size()), &size);
    return size;
  }

  TStage stage{300, 200};
  TLabel* label = nullptr;
};

TEST_F(LabelTest, AutoSizeFitsTheCaptionKeepingTheRightEdgeWhenRightJustified) {
  label->SetBounds(0, 10, 120, 16);
  label->SetAlignment(TAlignment::taRightJustify);
  label->SetCaption(u"Kundennummer:");
  const SIZE text = Extent(u"Kundennummer:");
  EXPECT_EQ(label->GetWidth(), text.cx);
  EXPECT_EQ(label->GetHeight(), text.cy);
  EXPECT_EQ(label->GetLeft() + label->GetWidth(), 120);

  label->SetAlignment(TAlignment::taLeftJustify);
  label->SetCaption(u"Nr.");
  EXPECT_EQ(label->GetLeft(), 120 - text.cx) << "left-justified labels keep their left edge";
  EXPECT_EQ(label->GetWidth(), Extent(u"Nr.").cx);

  label->SetAutoSize(false);
  label->SetCaption(u"Kundennummer:");
  EXPECT_EQ(label->GetWidth(), Extent(u"Nr.").cx);
}

TEST_F(LabelTest, LayoutPlacesTheTextAtTheTopCentreOrBottom) {
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 100, 80);
  label->SetCaption(u"H");
  const int lineHeight = Extent(u"H").cy;
  struct TLayoutCase {
    TTextLayout Layout;
    int LineTop;
  };
  const TLayoutCase cases[] = {{TTextLayout::tlTop, 0},
                               {TTextLayout::tlCenter, (80 - lineHeight) / 2},
                               {TTextLayout::tlBottom, 80 - lineHeight}};
  for (const auto& c : cases) {
    label->SetLayout(c.Layout);
    const TRows rows = TextRows(*label);
    ASSERT_GE(rows.First, 0) << EnumName(c.Layout) << ": no text drawn";
    EXPECT_GE(rows.First, c.LineTop) << EnumName(c.Layout);
    EXPECT_LT(rows.Last, c.LineTop + lineHeight) << EnumName(c.Layout);
  }
}

TEST_F(LabelTest, WordWrapBreaksTheCaptionIntoLines) {
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 90, 120);
  label->SetCaption(u"Schritt eins zwei drei");
  const int lineHeight = Extent(u"S").cy;
  EXPECT_LT(TextRows(*label).Last, lineHeight);
  label->SetWordWrap(true);
  EXPECT_GE(TextRows(*label).Last, lineHeight);
}

TEST_F(LabelTest, OpaqueLabelFillsItsColourAndTransparentShowsTheParent) {
  stage.Form.SetColor(clRed);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 60, 30);
  label->SetColor(clWhite);
  EXPECT_EQ(PaintedPixel(stage.Form, 68, 28), RGB(255, 255, 255));
  label->SetTransparent(true);
  EXPECT_EQ(PaintedPixel(stage.Form, 68, 28), RGB(255, 0, 0));
  stage.Form.SetColor(clBtnFace);
}

TEST(ButtonTest, SystemPushButtonWithDefaultStyleAndTabStop) {
  TStage stage(200, 100);
  auto* button = new TButton(&stage.Owner);
  EXPECT_TRUE(button->GetTabStop());
  button->SetDefault(true);
  button->SetCaption(u"Vollversion herunterladen");
  button->SetParent(&stage.Form);
  wchar_t className[16] = {};
  GetClassNameW(button->Handle(), className, 16);
  EXPECT_EQ(CompareStringOrdinal(className, -1, L"Button", -1, TRUE), CSTR_EQUAL);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(button->Handle(), GWL_STYLE));
  EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
  EXPECT_TRUE(style & WS_TABSTOP);
  wchar_t text[64] = {};
  GetWindowTextW(button->Handle(), text, 64);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), u"Vollversion herunterladen");
  button->SetCaption(u"Download");
  GetWindowTextW(button->Handle(), text, 64);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), u"Download");
  EXPECT_EQ(TWinControl::FromHandle(button->Handle()), button);
}

}  // namespace
