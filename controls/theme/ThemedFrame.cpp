#include "ThemedFrame.h"

namespace {

UINT CutFlags(TBevelCut cut, UINT lowered, UINT raised) {
  switch (cut) {
    case TBevelCut::bvLowered:
      return lowered;
    case TBevelCut::bvRaised:
      return raised;
    default:
      return 0;
  }
}

// The client rectangle in the coordinates of the whole window.
RECT ClientInWindow(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  OffsetRect(&client, -windowRect.left, -windowRect.top);
  return client;
}

// Grows `rect` by `amount` on the bevel's edges.
void GrowOnEdges(RECT& rect, const TBevelEdges& edges, int amount) {
  if (edges.Contains(TBevelEdge::beLeft))
    rect.left -= amount;
  if (edges.Contains(TBevelEdge::beTop))
    rect.top -= amount;
  if (edges.Contains(TBevelEdge::beRight))
    rect.right += amount;
  if (edges.Contains(TBevelEdge::beBottom))
    rect.bottom += amount;
}

// The area inside the bevel: the client rectangle, with the scroll bars the window has.
RECT InsideBevel(HWND window, const RECT& client) {
  RECT inside = client;
  const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  if (style & WS_VSCROLL)
    inside.right += GetSystemMetrics(SM_CXVSCROLL);
  if (style & WS_HSCROLL)
    inside.bottom += GetSystemMetrics(SM_CYHSCROLL);
  return inside;
}

}  // namespace

TBevelEdgeStyle BevelEdgeStyle(const TControlBevel& bevel, bool ctl3D) {
  const UINT edge = CutFlags(bevel.Inner, BDR_SUNKENINNER, BDR_RAISEDINNER) |
                    CutFlags(bevel.Outer, BDR_SUNKENOUTER, BDR_RAISEDOUTER);
  UINT flags = BF_ADJUST;
  if (bevel.Edges.Contains(TBevelEdge::beLeft))
    flags |= BF_LEFT;
  if (bevel.Edges.Contains(TBevelEdge::beTop))
    flags |= BF_TOP;
  if (bevel.Edges.Contains(TBevelEdge::beRight))
    flags |= BF_RIGHT;
  if (bevel.Edges.Contains(TBevelEdge::beBottom))
    flags |= BF_BOTTOM;
  if (bevel.Kind == TBevelKind::bkSoft)
    flags |= BF_SOFT;
  if (bevel.Kind == TBevelKind::bkFlat)
    flags |= BF_FLAT;
  if (!ctl3D)
    flags |= BF_MONO;
  return TBevelEdgeStyle{edge, flags};
}

void ReserveBevel(RECT& client, const TControlBevel& bevel) {
  GrowOnEdges(client, bevel.Edges, -BevelThickness(bevel));
}

void PaintClassicBevel(HWND window, const TControlBevel& bevel, bool ctl3D, COLORREF background) {
  if (bevel.Kind == TBevelKind::bkNone)
    return;
  const TWholeWindowDC dc(window);
  if (!dc)
    return;
  const RECT client = ClientInWindow(window);
  RECT outer = InsideBevel(window, client);
  GrowOnEdges(outer, bevel.Edges, BevelThickness(bevel));
  ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
  const TBevelEdgeStyle style = BevelEdgeStyle(bevel, ctl3D);
  // With the adjust flag the rectangle shrinks to what lies inside the drawn edge.
  DrawEdge(dc.Get(), &outer, style.Edge, style.Flags);
  const TBrushHandle brush(CreateSolidBrush(background));
  FillRect(dc.Get(), &outer, brush.Get());
}

void PaintThemedFrame(HWND window, const TControlBevel& bevel, bool ctl3D, int borderWidth, TThemeMode mode,
                      TThemedElement element) {
  const TWholeWindowDC dc(window);
  if (!dc)
    return;
  RECT fill = ClientInWindow(window);
  ExcludeClipRect(dc.Get(), fill.left, fill.top, fill.right, fill.bottom);
  InflateRect(&fill, borderWidth, borderWidth);
  RECT clip = fill;
  if (bevel.Kind != TBevelKind::bkNone) {
    clip = InsideBevel(window, fill);
    GrowOnEdges(clip, bevel.Edges, BevelThickness(bevel));
    const TBevelEdgeStyle style = BevelEdgeStyle(bevel, ctl3D);
    ThemeServices().DrawThemeEdge(mode, dc.Get(), TThemedElementDetails{element, 0, 0}, clip, style.Edge,
                                  style.Flags);
  }
  IntersectClipRect(dc.Get(), clip.left, clip.top, clip.right, clip.bottom);
  ThemeServices().DrawElement(mode, dc.Get(), TThemedElementDetails{element, 0, 0}, fill);
}
