#include "CanvasBinding.h"
#include "Controls.h"

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGraphicControl>("TGraphicControl", &TControl::StaticClass()).Build();
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& message) {
  // The parent paints its graphic children by sending WM_PAINT with its device context, clipped to the
  // child's bounds and with the origin at the child's top-left corner.
  if (message.Msg == WM_PAINT && message.WParam) {
    TCanvasBinding binding(FCanvas, reinterpret_cast<HDC>(message.WParam), *this);
    Paint();
    return;
  }
  TControl::WndProc(message);
}
