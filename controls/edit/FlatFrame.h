#pragma once
// The family's self-drawn flat frame: one-pixel rings of the edge kinds, in the control's own five colours in
// place of the system's 3-D colours.

#include <windows.h>

#include "FlatBorderTypes.h"
#include "Types.h"

struct TFlatFrameColors {
  TColor DkShadow = cl3DDkShadow;
  TColor Face = clBtnFace;
  TColor Shadow = clBtnShadow;
  TColor Highlight = clBtnHighlight;
  TColor Window = clWindow;
};

// Draws the rings of `kind` from the outside of `rect` inwards on the `sides` given, each ring one pixel
// wide: the sunken, raised, bump, etched and framed kinds. The flat, line and none kinds draw no rings here.
void DrawFlatFrame(HDC dc, const RECT& rect, TExFlatBorderType kind, TExBorderSides sides,
                   const TFlatFrameColors& colors);
