#include "LabelTextRect.h"

#include <algorithm>

THtmlRect LabelTextRect(const TLabelTextPlacement& Placement) {
  const int cw = Placement.ClientWidth;
  const int ch = Placement.ClientHeight;
  const int bw = Placement.BorderWidth;
  const int cx = Placement.TextSize.cx;
  const int cy = Placement.TextSize.cy;

  THtmlRect r{bw, bw, cw - bw, ch - bw};
  switch (Placement.Layout) {
    case TTextLayout::tlTop:
      break;
    case TTextLayout::tlBottom:
      r.Top = ch - bw - cy - 1;
      break;
    case TTextLayout::tlCenter:
      r.Top = bw + std::max((ch - 2 * bw) / 2 - cy / 2, 0);
      r.Bottom = r.Top + std::min(cy, ch - 2 * bw);
      break;
  }
  switch (Placement.Alignment) {
    case TAlignment::taLeftJustify:
      break;
    case TAlignment::taRightJustify:
      r.Right = cw - bw;
      r.Left = cw - bw - cx;
      break;
    case TAlignment::taCenter:
      r.Left = (cw - cx) / 2;
      r.Right = r.Left + cx;
      break;
  }
  return r;
}
