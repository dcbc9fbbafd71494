#include "CanvasBinding.h"
#include "Controls.h"

const TClassInfo& TCustomControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomControl>("TCustomControl", &TWinControl::StaticClass()).Build();
  return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc) {
  TCanvasBinding binding(FCanvas, dc, *this);
  Paint();
}
