#pragma once
// Binds a control's canvas to a device context for one paint, starting with the control's font and colour;
// the context is let go again however the paint ends.

#include "Controls.h"

class TCanvasBinding {
 public:
  TCanvasBinding(TCanvas& canvas, HDC dc, const TControl& control) : FCanvas(canvas) {
    FCanvas.SetHandle(dc);
    FCanvas.Font().Assign(*control.GetFont());
    FCanvas.Brush().SetStyle(TBrushStyle::bsSolid);
    FCanvas.Brush().SetColor(control.GetColor());
  }
  ~TCanvasBinding() { FCanvas.SetHandle(nullptr); }
  TCanvasBinding(const TCanvasBinding&) = delete;
  TCanvasBinding& operator=(const TCanvasBinding&) = delete;

 private:
  TCanvas& FCanvas;
};
