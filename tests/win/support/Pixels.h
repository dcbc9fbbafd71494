#pragma once
// Reading back what the window system shows or what a paint produced (pixels in 0x00BBGGRR form), and the
// memory device contexts to paint into for that.

#include <windows.h>

#include "Handles.h"

// A pixel of a window's client area; of the screen without a window.
inline COLORREF ClientPixel(HWND window, POINT p) {
  const TWindowDC dc(window);
  return GetPixel(dc.Get(), p.x, p.y);
}

// A pixel of a window's whole area, frame included.
inline COLORREF WindowPixel(HWND window, POINT p) {
  const TWholeWindowDC dc(window);
  return GetPixel(dc.Get(), p.x, p.y);
}

// A memory device context compatible with the screen.
inline TMemoryDC ScreenCompatibleDC() {
  return TMemoryDC(CreateCompatibleDC(TWindowDC().Get()));
}

// A memory device context compatible with the screen, holding a bitmap of the given size to paint into and
// read back.
class TMemorySurface {
 public:
  TMemorySurface(int width, int height)
      : FDC(ScreenCompatibleDC()),
        FBitmap(CreateCompatibleBitmap(TWindowDC().Get(), width, height)),
        FSelected(FDC.Get(), FBitmap.Get()) {}
  HDC Get() const noexcept { return FDC.Get(); }
  COLORREF Pixel(int x, int y) const { return GetPixel(FDC.Get(), x, y); }

 private:
  TMemoryDC FDC;
  TBitmapHandle FBitmap;
  TSelectedObject FSelected;
};
