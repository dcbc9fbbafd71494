#pragma once
// Painting one label into a memory bitmap, as its parent would, and finding where it put ink.

#include <windows.h>

#include <gtest/gtest.h>

#include "ExHTMLLbl.h"
#include "Pixels.h"

// A colour no label in these tests paints: whatever keeps it was left untouched.
constexpr COLORREF kUntouched = RGB(255, 0, 255);

// The label's client area painted onto a surface that starts out in kUntouched.
class TPaintedLabel {
 public:
  explicit TPaintedLabel(TExHTMLLabel& label)
      : FWidth(label.GetWidth()), FHeight(label.GetHeight()), FSurface(FWidth, FHeight) {
    const RECT all{0, 0, FWidth, FHeight};
    const HBRUSH brush = CreateSolidBrush(kUntouched);
    FillRect(FSurface.Get(), &all, brush);
    DeleteObject(brush);
    label.Perform(WM_PAINT, reinterpret_cast<WPARAM>(FSurface.Get()), 0);
  }

  COLORREF Pixel(int x, int y) const { return FSurface.Pixel(x, y); }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // The smallest rectangle holding every pixel that differs from `background`; empty when there is none.
  RECT InkBox(COLORREF background) const {
    RECT box{FWidth, FHeight, 0, 0};
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x)
        if (Pixel(x, y) != background) {
          box.left = std::min<LONG>(box.left, x);
          box.top = std::min<LONG>(box.top, y);
          box.right = std::max<LONG>(box.right, x + 1);
          box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    return box.right == 0 ? RECT{} : box;
  }

  bool Contains(COLORREF colour) const {
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x)
        if (Pixel(x, y) == colour)
          return true;
    return false;
  }

  // The pixel with the smallest sum of channels: where the text is drawn most fully.
  COLORREF Darkest() const {
    COLORREF darkest = RGB(255, 255, 255);
    auto sum = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x)
        if (sum(Pixel(x, y)) < sum(darkest))
          darkest = Pixel(x, y);
    return darkest;
  }

 private:
  int FWidth, FHeight;
  TMemorySurface FSurface;
};

// A label of the dialog's kind, not on a form: Verdana 13 pixels, no theme, the given bounds.
inline void MakeDialogLabel(TExHTMLLabel& label, int width, int height) {
  label.SetAutoSize(false);
  label.SetThemeMode(TThemeMode::ttmNone);
  label.GetFont()->SetName(u"Verdana");
  label.GetFont()->SetHeight(-13);
  label.GetFont()->SetColor(clBlack);
  label.SetBounds(0, 0, width, height);
}
