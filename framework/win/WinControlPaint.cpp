// Painting of windowed controls: the background in Color, the control's own PaintWindow, then each graphic
// child in z-order, clipped to its bounds with the origin at its corner. Buffered controls paint into a
// memory bitmap and copy it at once; this is the one place that buffers.

#include "Controls.h"
#include "Handles.h"
#include "PaintBuffer.h"

void TWinControl::PaintMessage(TMessage& message) {
  if (message.WParam) {
    // WM_PRINTCLIENT, or WM_PAINT with a device context to paint on.
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (PaintsBuffered())
      EraseBackground(dc);
    PaintHandler(dc);
    return;
  }
  TPaintDC paint(FHandle.Get());
  if (!paint.Get())
    return;
  const RECT& area = paint.Area();
  if (IsRectEmpty(&area))
    return;
  if (!PaintsBuffered()) {
    PaintHandler(paint.Get());
    return;
  }
  const RECT client = ClientRect();
  TPaintBuffer buffer(paint.Get(), SIZE{client.right, client.bottom}, area);
  EraseBackground(buffer.DC());
  PaintHandler(buffer.DC());
  buffer.Commit();
}

void TWinControl::EraseBackground(HDC dc) {
  if (!dc || GetColor() == clNone)
    return;
  const RECT client = ClientRect();
  FillRect(dc, &client, BackgroundBrush());
}

HBRUSH TWinControl::BackgroundBrush() {
  if (GetColor() == clNone)
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!FBackgroundBrush)
    FBackgroundBrush.Reset(CreateSolidBrush(ColorToRGB(GetColor())));
  return FBackgroundBrush.Get();
}

void TWinControl::PaintHandler(HDC dc) {
  PaintWindow(dc);
  PaintControls(dc);
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc) {
  RECT area{};
  const int clip = GetClipBox(dc, &area);
  if (clip == ERROR || clip == NULLREGION)
    return;
  // By index: a child's paint may change the list.
  for (std::size_t i = 0; i < FControls.size(); ++i) {
    TControl* control = FControls[i];
    if (dynamic_cast<TWinControl*>(control) || !control->FVisible)
      continue;
    const RECT bounds = control->BoundsRect();
    RECT overlap{};
    if (!IntersectRect(&overlap, &bounds, &area))
      continue;
    TSavedDCState saved(dc);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + bounds.left, origin.y + bounds.top, nullptr);
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}
