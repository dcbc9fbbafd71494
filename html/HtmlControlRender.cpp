#include "HtmlControlRender.h"

#include "HtmlGdiCanvas.h"
#include "WinText.h"

RECT ToRect(const THtmlRect& R) {
  return RECT{R.Left, R.Top, R.Right, R.Bottom};
}

THtmlRect ToHtmlRect(const RECT& R) {
  return {R.left, R.top, R.right, R.bottom};
}

THtmlControlRender::THtmlControlRender()
    : THtmlRender(std::make_unique<THtmlTextMetricsWin>()),
      FMetricsWin(static_cast<THtmlTextMetricsWin*>(Metrics())),
      FHook(std::make_unique<THookComponent>([this](const TMessage& Message) { HookMessage(Message); })) {}

THtmlControlRender::~THtmlControlRender() = default;

void THtmlControlRender::DrawText(TCanvas& Canvas, POINT SrcPoint, const RECT& R, TColor AdjustFromColor) {
  DrawTextEx(Canvas, SrcPoint, R, false, TColor(0), TColor(0), TColor(0), TColor(0), AdjustFromColor);
}

void THtmlControlRender::DrawTextEx(TCanvas& Canvas, POINT SrcPoint, const RECT& R, bool UseOverColors,
                                    TColor AColor, TColor ABkColor, TColor ASelColor, TColor ASelBkColor,
                                    TColor AAdjustFromColor) {
  if (!Canvas.HandleAllocated())
    return;
  THtmlGdiCanvas canvas(Canvas.Handle());
  THtmlRender::DrawTextEx(canvas, {SrcPoint.x, SrcPoint.y}, ToHtmlRect(R), UseOverColors, AColor, ABkColor,
                          ASelColor, ASelBkColor, AAdjustFromColor);
}

void THtmlControlRender::SetControl(TControl* Control) {
  FHook->SetControl(Control);
}

TControl* THtmlControlRender::GetControl() const {
  return FHook->GetControl();
}

void THtmlControlRender::SetDC(HDC DC) {
  FMetricsWin->SetDC(DC);
}

void THtmlControlRender::HookMessage(const TMessage& Message) {
  if (!Data())
    return;
  switch (Message.Msg) {
    case WM_KEYDOWN: {
      auto key = static_cast<std::uint16_t>(Message.WParam);
      KeyDownTransfer(key, KeyDataToShiftState(Message.LParam));
      break;
    }
    case WM_MOUSEMOVE: {
      const POINT p = PointFromLParam(Message.LParam);
      MouseMoveTransfer(KeysToShiftState(Message.WParam), p.x, p.y, Data()->FRect);
      break;
    }
    case WM_LBUTTONUP: {
      const POINT p = PointFromLParam(Message.LParam);
      ClickTransfer(p.x, p.y, Data()->FRect);
      break;
    }
    default:
      break;
  }
}
