#pragma once
// The drawing surface the renderer paints a document on. A paint is bracketed by BeginPaint and EndPaint;
// in between, text is placed by its baseline.

#include <string_view>

#include "HtmlAdjustColor.h"
#include "HtmlData.h"
#include "HtmlTextMetrics.h"

class IHtmlCanvas : public IHtmlColorResolver {
 public:
  // Starts painting into R. Buffered: the drawing goes to an off-screen copy of R's pixels that EndPaint
  // copies back in one piece; otherwise straight onto the surface. Returns where R's top-left corner lies on
  // the surface drawn on: (0, 0) when buffered, (R.Left, R.Top) otherwise.
  virtual THtmlPoint BeginPaint(const THtmlRect& R, bool Buffered) = 0;
  // Ends the paint started last; the surface's text placement is as before BeginPaint.
  virtual void EndPaint() = 0;
  virtual void SetFont(const THtmlFontSpec& Font) = 0;
  virtual void SetTextColor(TColor Color) = 0;
  // The colour of the cell behind text drawn from now on; clNone leaves the pixels behind the text as they
  // are.
  virtual void SetTextBackground(TColor Color) = 0;
  // Draws Text with its baseline at Y and its left edge at X.
  virtual void PaintText(int X, int Y, std::u16string_view Text) = 0;
};
