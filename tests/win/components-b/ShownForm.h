#pragma once
// A borderless form shown at the screen's top-left corner, for tests that look at what controls paint.

#include <gtest/gtest.h>

#include <memory>

#include "Forms.h"

// A pixel of the control's whole window (frame included), in 0x00BBGGRR form.
inline COLORREF WindowPixel(TWinControl& control, int x, int y) {
  HDC dc = GetWindowDC(control.Handle());
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(control.Handle(), dc);
  return pixel;
}

class ShownFormTest : public testing::Test {
 protected:
  ShownFormTest() {
    FForm->SetBorderStyle(TFormBorderStyle::bsNone);
    FForm->SetColor(clWhite);
    FForm->SetBounds(0, 0, 480, 440);
  }

  void Show() {
    FForm->Show();
    UpdateWindow(FForm->Handle());
    Pump();
  }

  // Handles every message waiting, so that painting and frame drawing are done.
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  std::unique_ptr<TForm> FForm = std::make_unique<TForm>(nullptr);
};
