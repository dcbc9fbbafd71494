#pragma once
// A borderless white form shown at the screen's top-left corner, for tests that look at what controls paint.

#include <gtest/gtest.h>

#include <memory>

#include "Forms.h"
#include "MessagePump.h"
#include "Pixels.h"

// A pixel of the control's whole window (frame included), in 0x00BBGGRR form.
inline COLORREF WindowPixel(TWinControl& control, int x, int y) {
  return WindowPixel(control.Handle(), POINT{x, y});
}

// A pixel of the control's client area (of its parent's for a graphic control), in 0x00BBGGRR form.
inline COLORREF ClientPixel(TWinControl& control, POINT p) {
  return ClientPixel(control.Handle(), p);
}

class ShownFormTest : public testing::Test {
 protected:
  explicit ShownFormTest(int width = 480, int height = 440) {
    FForm->SetBorderStyle(TFormBorderStyle::bsNone);
    FForm->SetColor(clWhite);
    FForm->SetBounds(0, 0, width, height);
  }

  // A control of class T on the form, which owns it.
  template <class T>
  T* AddControl() {
    auto* control = new T(FForm.get());
    control->SetParent(FForm.get());
    return control;
  }

  // Shows the form and handles every message waiting, so that painting and frame drawing are done.
  void Show() {
    FForm->Show();
    UpdateWindow(FForm->Handle());
    PumpMessages();
  }

  std::unique_ptr<TForm> FForm = std::make_unique<TForm>(nullptr);
};

// A shown form as wide as the dialog's header band, for the controls the dialog puts into it.
class HeaderBandFormTest : public ShownFormTest {
 protected:
  HeaderBandFormTest() : ShownFormTest(445, 200) {}
};
