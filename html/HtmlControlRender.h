#pragma once
// THtmlControlRender: the renderer as a control owns it. It measures with GDI, paints on a control's canvas,
// and follows the hosting control's key, mouse-move and left-button-up messages so that links and input items
// react without the control passing them on.

#include <windows.h>

#include <memory>

#include "Controls.h"
#include "HtmlHook.h"
#include "HtmlRender.h"
#include "HtmlTextMetricsWin.h"

class THtmlControlRender : public THtmlRender {
 public:
  THtmlControlRender();
  ~THtmlControlRender() override;

  using THtmlRender::DrawText;
  using THtmlRender::DrawTextEx;
  // Paints on Canvas's device context; nothing when the canvas has none.
  void DrawText(TCanvas& Canvas, POINT SrcPoint, const RECT& R, TColor AdjustFromColor);
  void DrawTextEx(TCanvas& Canvas, POINT SrcPoint, const RECT& R, bool UseOverColors, TColor AColor,
                  TColor ABkColor, TColor ASelColor, TColor ASelBkColor, TColor AAdjustFromColor);

  // The control whose messages reach the key, mouse-move and click handling (none: no control).
  void SetControl(TControl* Control);
  TControl* GetControl() const;
  // Measures from now on with a surface compatible with DC; ignored when DC is none.
  void SetDC(HDC DC);

 private:
  void HookMessage(const TMessage& Message);

  THtmlTextMetricsWin* FMetricsWin;  // owned by the base
  std::unique_ptr<THookComponent> FHook;
};

THtmlRect ToHtmlRect(const RECT& R);
RECT ToRect(const THtmlRect& R);
