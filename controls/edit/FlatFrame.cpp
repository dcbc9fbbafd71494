#include "FlatFrame.h"

#include <vector>

#include "Graphics.h"

namespace {

enum class TRing : std::uint8_t { SunkenOuter, SunkenInner, RaisedOuter, RaisedInner };

struct TRingColors {
  TColor TopLeft;
  TColor BottomRight;
};

TRingColors ColorsOf(TRing ring, const TFlatFrameColors& colors) {
  switch (ring) {
    case TRing::SunkenOuter:
      return {colors.Shadow, colors.Highlight};
    case TRing::SunkenInner:
      return {colors.DkShadow, colors.Face};
    case TRing::RaisedOuter:
      return {colors.Face, colors.DkShadow};
    case TRing::RaisedInner:
      return {colors.Highlight, colors.Shadow};
  }
  return {clNone, clNone};
}

std::vector<TRing> RingsOf(TExFlatBorderType kind) {
  switch (kind) {
    case TExFlatBorderType::fbtSunken:
      return {TRing::SunkenOuter, TRing::SunkenInner};
    case TExFlatBorderType::fbtSunkenInner:
      return {TRing::SunkenInner};
    case TExFlatBorderType::fbtSunkenOuter:
      return {TRing::SunkenOuter};
    case TExFlatBorderType::fbtRaised:
      return {TRing::RaisedOuter, TRing::RaisedInner};
    case TExFlatBorderType::fbtRaisedInner:
      return {TRing::RaisedInner};
    case TExFlatBorderType::fbtRaisedOuter:
      return {TRing::RaisedOuter};
    case TExFlatBorderType::fbtBump:
    case TExFlatBorderType::fbtBigBump:
    case TExFlatBorderType::fbtFramed:
      return {TRing::RaisedOuter, TRing::SunkenInner};
    case TExFlatBorderType::fbtEtched:
      return {TRing::SunkenOuter, TRing::RaisedInner};
    default:
      return {};
  }
}

void FillPixels(HDC dc, const RECT& r, TColor color) {
  if (color == clNone || r.right <= r.left || r.bottom <= r.top)
    return;
  FillSolidRect(dc, r, color);
}

bool Has(TExBorderSides sides, TExBorderSide side) {
  return sides.Contains(side);
}

// The lines of one ring on `r`. The bottom and right lines own the corners they share with the top and left
// ones, as with the platform's edges.
void DrawRingLines(HDC dc, const RECT& r, TColor topLeft, TColor bottomRight, TExBorderSides sides) {
  const bool left = Has(sides, TExBorderSide::ebsLeft);
  const bool top = Has(sides, TExBorderSide::ebsTop);
  const bool right = Has(sides, TExBorderSide::ebsRight);
  const bool bottom = Has(sides, TExBorderSide::ebsBottom);
  if (top)
    FillPixels(dc, RECT{r.left, r.top, r.right - (right ? 1 : 0), r.top + 1}, topLeft);
  if (left)
    FillPixels(dc, RECT{r.left, r.top, r.left + 1, r.bottom - (bottom ? 1 : 0)}, topLeft);
  if (right)
    FillPixels(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
  if (bottom)
    FillPixels(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

// The rectangle inside a ring: one pixel in from each framed side.
RECT InsideRing(const RECT& r, TExBorderSides sides) {
  RECT inner = r;
  if (Has(sides, TExBorderSide::ebsLeft))
    ++inner.left;
  if (Has(sides, TExBorderSide::ebsTop))
    ++inner.top;
  if (Has(sides, TExBorderSide::ebsRight))
    --inner.right;
  if (Has(sides, TExBorderSide::ebsBottom))
    --inner.bottom;
  return inner;
}

}  // namespace

void DrawFlatFrame(HDC dc, const RECT& rect, TExFlatBorderType kind, TExBorderSides sides,
                   const TFlatFrameColors& colors) {
  RECT ring = rect;
  for (TRing r : RingsOf(kind)) {
    const TRingColors c = ColorsOf(r, colors);
    DrawRingLines(dc, ring, c.TopLeft, c.BottomRight, sides);
    ring = InsideRing(ring, sides);
  }
  if (kind == TExFlatBorderType::fbtSunkenOuter) {
    // The ring inside the outer one in the face colour, and the outer ring's bottom and right in the window
    // colour.
    DrawRingLines(dc, ring, colors.Face, colors.Face, sides);
    DrawRingLines(dc, rect, clNone, colors.Window, sides);
  }
}
