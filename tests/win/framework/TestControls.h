#pragma once
// Controls and helpers shared by the framework's window tests: a panel (a custom windowed control filled with
// its colour), a graphic box that records what reaches it, and reading back what the window system shows.

#include <windows.h>

#include <string>
#include <vector>

#include "Controls.h"
#include "Forms.h"
#include "MessagePump.h"

// A windowed container that paints nothing but its background (Color).
class TTestPanel : public TCustomControl {
  OVANTA_CLASS(TTestPanel)

 public:
  explicit TTestPanel(TComponent* owner) : TCustomControl(owner) {}
  // What WM_GETDLGCODE answers; DLGC_WANTTAB keeps Tab for the control.
  LRESULT DialogCode = 0;

 protected:
  void WndProc(TMessage& message) override;
};

// A graphic control that paints a solid rectangle far larger than itself (so that only the clipping keeps it
// inside its bounds), a marker in its top-left corner, and records the mouse messages it receives.
class TTestBox : public TGraphicControl {
  OVANTA_CLASS(TTestBox)

 public:
  explicit TTestBox(TComponent* owner) : TGraphicControl(owner) {}

  TColor Fill = clRed;
  TColor Marker = clBlack;
  std::vector<std::string> Log;  // "down 5,7", "move -3,2", "up 5,7", "click", "enter", "leave"

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Click() override;
  void MouseEnter() override;
  void MouseLeave() override;
};

// The colour the window shows at a client point, read from the window's device context after painting.
COLORREF PaintedPixel(TWinControl& control, int x, int y);

// The shown form that window tests put their controls on, with its client area set to the given size. It is
// shared: without a window manager, Wine waits for every visible top-level window that is hidden or
// destroyed.
TForm& SharedForm(int clientWidth, int clientHeight);

// What one test puts on the shared form: owned here, so that it is gone when the test ends.
class TStage {
 public:
  TStage(int clientWidth, int clientHeight) : Form(SharedForm(clientWidth, clientHeight)) {}
  TForm& Form;
  TComponent Owner{nullptr};
};
