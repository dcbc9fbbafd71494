#include "HtmlGdiCanvas.h"

THtmlGdiCanvas::~THtmlGdiCanvas() {
  if (FPaint)
    EndPaint();
}

THtmlPoint THtmlGdiCanvas::BeginPaint(const THtmlRect& R, bool Buffered) {
  FPaint.emplace();
  TPaint& paint = *FPaint;
  paint.Target = R;
  paint.Surface = FTarget;
  THtmlPoint offset{R.Left, R.Top};
  if (Buffered) {
    try {
      paint.Buffer.emplace(FTarget, R.Right - R.Left + 1, R.Bottom - R.Top + 1);
      BitBlt(paint.Buffer->DC(), 0, 0, paint.Buffer->Width(), paint.Buffer->Height(), FTarget, R.Left, R.Top,
             SRCCOPY);
      paint.Surface = paint.Buffer->DC();
      offset = {};
    } catch (const EOutOfResources&) {
      // Without memory for the buffer the text is still drawn, straight onto the target.
      paint.Buffer.reset();
    }
  }
  paint.SurfaceState.emplace(paint.Surface);
  SetTextAlign(paint.Surface, TA_BASELINE);
  SetBkMode(paint.Surface, TRANSPARENT);
  return offset;
}

void THtmlGdiCanvas::EndPaint() {
  if (!FPaint)
    return;
  TPaint& paint = *FPaint;
  paint.SurfaceState.reset();
  if (paint.Buffer) {
    BitBlt(FTarget, paint.Target.Left, paint.Target.Top, paint.Buffer->Width(), paint.Buffer->Height(),
           paint.Buffer->DC(), 0, 0, SRCCOPY);
  }
  FPaint.reset();
}

void THtmlGdiCanvas::SetFont(const THtmlFontSpec& Font) {
  if (!FPaint)
    return;
  TPaint& paint = *FPaint;
  if (paint.Font && paint.FontFace == Font.Face && paint.FontSpec.Height == Font.Height &&
      paint.FontSpec.Style == Font.Style && paint.FontSpec.Charset == Font.Charset)
    return;
  const LOGFONTW description = FontDescription(Font.Face, Font.Height, Font.Style, Font.Charset);
  TFontHandle font(CreateFontIndirectW(&description));
  if (!font)
    return;
  SelectObject(paint.Surface, font.Get());  // the saved state selects the context's own font again at the end
  paint.Font = std::move(font);
  paint.FontFace.assign(Font.Face);
  paint.FontSpec = Font;
  paint.FontSpec.Face = paint.FontFace;
}

void THtmlGdiCanvas::SetTextColor(TColor Color) {
  if (FPaint)
    ::SetTextColor(FPaint->Surface, ::ColorToRGB(Color));
}

void THtmlGdiCanvas::SetTextBackground(TColor Color) {
  if (!FPaint)
    return;
  if (Color == clNone) {
    SetBkMode(FPaint->Surface, TRANSPARENT);
    return;
  }
  SetBkMode(FPaint->Surface, OPAQUE);
  SetBkColor(FPaint->Surface, ::ColorToRGB(Color));
}

void THtmlGdiCanvas::PaintText(int X, int Y, std::u16string_view Text) {
  if (FPaint)
    ::TextOutW(FPaint->Surface, X, Y, reinterpret_cast<LPCWSTR>(Text.data()), static_cast<int>(Text.size()));
}

TColor THtmlGdiCanvas::ColorToRGB(TColor Color) const {
  return ColorValue(::ColorToRGB(Color));
}
