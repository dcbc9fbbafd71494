#pragma once
// The non-client frame of the family's windowed controls: the bevel, drawn classic or with the control's
// theme element, and the BorderWidth ring around the client area.

#include <windows.h>

#include "ControlBevel.h"
#include "ThemeServices.h"

// What DrawEdge (classic or themed) draws for the bevel.
struct TBevelEdgeStyle {
  UINT Edge;
  UINT Flags;
};
// Inner and outer cut give the sunken or raised inner and outer borders, the kind the soft or flat flag, a
// control without 3-D look the mono flag; the adjust flag is always set.
TBevelEdgeStyle BevelEdgeStyle(const TControlBevel& bevel, bool ctl3D);

// Shrinks the proposed client rectangle by the bevel on the edges it covers.
void ReserveBevel(RECT& client, const TControlBevel& bevel);

// Draws the bevel in classic style around the non-client area of `window`; what the edge leaves of the
// bevel's width is filled with `background`.
void PaintClassicBevel(HWND window, const TControlBevel& bevel, bool ctl3D, COLORREF background);

// The themed frame: the bevel as the theme's edge and the ring of `borderWidth` pixels around the client
// area in the element's background. The window's device context is released on every path.
void PaintThemedFrame(HWND window, const TControlBevel& bevel, bool ctl3D, int borderWidth, TThemeMode mode,
                      TThemedElement element);
