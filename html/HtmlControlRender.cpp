#include "HtmlControlRender.h"

#include "HtmlGdiCanvas.h"

namespace {

// The shift state of a key message: Alt from its key data, the other modifiers from the keyboard state.
TShiftState KeyDataToShiftState(LPARAM KeyData) {
  constexpr LPARAM AltDown = 0x20000000;
  TShiftState state;
  if (GetKeyState(VK_SHIFT) < 0)
    state.Include(TShiftStateFlag::ssShift);
  if (GetKeyState(VK_CONTROL) < 0)
    state.Include(TShiftStateFlag::ssCtrl);
  if (KeyData & AltDown)
    state.Include(TShiftStateFlag::ssAlt);
  return state;
}

int SignedLowWord(LPARAM Value) {
  return static_cast<short>(LOWORD(Value));
}

int SignedHighWord(LPARAM Value) {
  return static_cast<short>(HIWORD(Value));
}

}  // namespace

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
    case WM_MOUSEMOVE:
      MouseMoveTransfer(KeysToShiftState(Message.WParam), SignedLowWord(Message.LParam),
                        SignedHighWord(Message.LParam), Data()->FRect);
      break;
    case WM_LBUTTONUP:
      ClickTransfer(SignedLowWord(Message.LParam), SignedHighWord(Message.LParam), Data()->FRect);
      break;
    default:
      break;
  }
}
