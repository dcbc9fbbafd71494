#pragma once
// Double-buffered painting: everything is drawn into a memory bitmap of the client size and the painted area
// reaches the target with one BitBlt, so that the window never shows a half-painted state.

#include <windows.h>

#include "Graphics.h"

class TPaintBuffer {
 public:
  // A buffer compatible with `target` for a client area of `clientSize`, clipped to `area`. Raises
  // EOutOfResources when GDI refuses; then nothing is left behind.
  TPaintBuffer(HDC target, SIZE clientSize, const RECT& area);
  TPaintBuffer(const TPaintBuffer&) = delete;
  TPaintBuffer& operator=(const TPaintBuffer&) = delete;

  // The memory device context to paint into, in client coordinates.
  HDC DC() const { return FBitmap.DC(); }
  // Copies the area from the buffer to the target.
  void Commit();

 private:
  HDC FTarget;
  RECT FArea;
  TBitmap FBitmap;
};
