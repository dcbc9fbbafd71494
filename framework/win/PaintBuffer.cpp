#include "PaintBuffer.h"

TPaintBuffer::TPaintBuffer(HDC target, SIZE clientSize, const RECT& area)
    : FTarget(target), FArea(area), FBitmap(target, clientSize.cx, clientSize.cy) {
  IntersectClipRect(FBitmap.DC(), area.left, area.top, area.right, area.bottom);
}

void TPaintBuffer::Commit() {
  BitBlt(FTarget, FArea.left, FArea.top, FArea.right - FArea.left, FArea.bottom - FArea.top, FBitmap.DC(),
         FArea.left, FArea.top, SRCCOPY);
}
