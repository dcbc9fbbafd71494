#pragma once
// The renderer's drawing surface on a GDI device context. Buffered painting copies the target rectangle into
// a memory bitmap once, draws there and copies it back once, so the target never shows half-drawn text.

#include <windows.h>

#include <optional>
#include <string>

#include "Graphics.h"
#include "Handles.h"
#include "HtmlCanvas.h"

class THtmlGdiCanvas : public IHtmlCanvas {
 public:
  // Draws on DC, which stays owned by the caller and must outlive the canvas.
  explicit THtmlGdiCanvas(HDC DC) : FTarget(DC) {}
  ~THtmlGdiCanvas() override;
  THtmlGdiCanvas(const THtmlGdiCanvas&) = delete;
  THtmlGdiCanvas& operator=(const THtmlGdiCanvas&) = delete;

  THtmlPoint BeginPaint(const THtmlRect& R, bool Buffered) override;
  void EndPaint() override;
  void SetFont(const THtmlFontSpec& Font) override;
  void SetTextColor(TColor Color) override;
  void SetTextBackground(TColor Color) override;
  void PaintText(int X, int Y, std::u16string_view Text) override;
  TColor ColorToRGB(TColor Color) const override;

 private:
  // What one paint sets up: the optional buffer, the font selected last, and the state of the context drawn
  // on, restored at the end. Members end in reverse order: the state first (deselecting the font), then the
  // font, then the buffer.
  struct TPaint {
    HDC Surface = nullptr;
    std::optional<TBitmap> Buffer;
    TFontHandle Font;
    std::u16string FontFace;
    THtmlFontSpec FontSpec;
    std::optional<TSavedDCState> SurfaceState;
    THtmlRect Target;
  };

  HDC FTarget;
  std::optional<TPaint> FPaint;
};
