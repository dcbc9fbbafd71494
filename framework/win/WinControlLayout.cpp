// Layout of a windowed control's children: aligned children share the client area, anchored ones keep their
// distances to the edges they are anchored to.

#include <algorithm>

#include "Controls.h"

namespace {

// Aligned children take their places in this order, each kind in creation order.
constexpr TAlign kAlignOrder[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                                  TAlign::alClient};

}  // namespace

void TWinControl::SetBorderWidth(int width) {
  width = std::max(width, 0);
  if (width == FBorderWidth)
    return;
  FBorderWidth = width;
  Realign();
  Invalidate();
}

void TWinControl::AdjustClientRect(RECT& rect) {
  InflateRect(&rect, -FBorderWidth, -FBorderWidth);
}

void TWinControl::Realign() {
  if (FAligning || IsLoading() || IsDestroying())
    return;
  FAligning = true;
  try {
    RECT rect = ClientRect();
    AdjustClientRect(rect);
    AlignControls(rect);
  } catch (...) {
    FAligning = false;
    throw;
  }
  FAligning = false;
}

void TWinControl::AlignControls(RECT& rect) {
  for (TAlign align : kAlignOrder) {
    for (std::size_t i = 0; i < FControls.size(); ++i) {
      TControl& control = *FControls[i];
      if (control.FAlign != align || !control.FVisible)
        continue;
      const int width = std::max<int>(rect.right - rect.left, 0);
      const int height = std::max<int>(rect.bottom - rect.top, 0);
      switch (align) {
        case TAlign::alTop:
          control.SetBounds(rect.left, rect.top, width, control.FHeight);
          rect.top += control.FHeight;
          break;
        case TAlign::alBottom:
          control.SetBounds(rect.left, rect.bottom - control.FHeight, width, control.FHeight);
          rect.bottom -= control.FHeight;
          break;
        case TAlign::alLeft:
          control.SetBounds(rect.left, rect.top, control.FWidth, height);
          rect.left += control.FWidth;
          break;
        case TAlign::alRight:
          control.SetBounds(rect.right - control.FWidth, rect.top, control.FWidth, height);
          rect.right -= control.FWidth;
          break;
        default:  // alClient: the area that is left
          control.SetBounds(rect.left, rect.top, width, height);
          break;
      }
    }
  }
  const int parentWidth = ClientWidth(), parentHeight = ClientHeight();
  for (std::size_t i = 0; i < FControls.size(); ++i)
    if (FControls[i]->FAlign == TAlign::alNone)
      ApplyAnchors(*FControls[i], parentWidth, parentHeight);
}

void TWinControl::ApplyAnchors(TControl& control, int parentWidth, int parentHeight) {
  const TAnchors anchors = control.FAnchors;
  int left = control.FLeft, top = control.FTop, width = control.FWidth, height = control.FHeight;
  if (anchors.Contains(TAnchorKind::akRight)) {
    if (anchors.Contains(TAnchorKind::akLeft))
      width = parentWidth - left - control.FAnchorRight;
    else
      left = parentWidth - control.FAnchorRight - width;
  }
  if (anchors.Contains(TAnchorKind::akBottom)) {
    if (anchors.Contains(TAnchorKind::akTop))
      height = parentHeight - top - control.FAnchorBottom;
    else
      top = parentHeight - control.FAnchorBottom - height;
  }
  control.SetBounds(left, top, std::max(width, 0), std::max(height, 0));
}
