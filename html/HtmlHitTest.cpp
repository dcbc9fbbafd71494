// Finding the item under a point: the line is found by height alone, then a run is hit only inside the box of
// its own height standing on the line's bottom (raised for superscript).

#include "HtmlRender.h"

namespace {

// The height a run is hit in, and how far that box is raised above the line's bottom.
void HitBox(THtmlItem& Item, int& Height, int& Raise) {
  Height = Item.FHeight;
  Raise = 0;
  if (Item.FItemType != THtmlItemType::hitChar || (!Item.IsSub() && !Item.IsSuper()))
    return;
  int baseLine = 0;
  Height = Item.GetHeight(baseLine);
  if (!Item.IsSub())
    Raise = Height / 2;
}

}  // namespace

THtmlItem* THtmlRender::ItemAtPoint(THtmlPoint Point, THtmlPoint SrcPoint, const THtmlRect& R) const {
  if (!FData)
    return nullptr;
  const THtmlData& document = *FData;
  const THtmlRect& area = R.Right == R.Left ? document.FRect : R;
  const THtmlPoint p{Point.X + SrcPoint.X, Point.Y + SrcPoint.Y};
  const auto& items = document.FArray;

  auto lineStart = items.end();
  int lineBottom = 0;
  for (auto it = items.begin(); it != items.end(); ++it) {
    if (const THtmlBreakItem* line = (*it)->AsBreak()) {
      const int lineTop = lineBottom;
      lineBottom = lineTop + line->FHeight;
      if (lineBottom > p.Y) {
        lineStart = it;
        break;
      }
    }
  }
  if (lineStart == items.end())
    return nullptr;

  int x = LineOrigin(*(*lineStart)->AsBreak(), area);
  for (auto it = lineStart + 1; it != items.end() && !(*it)->AsBreak(); ++it) {
    THtmlItem& item = **it;
    int height = 0;
    int raise = 0;
    HitBox(item, height, raise);
    if (x <= p.X && p.X <= x + item.FWidth && lineBottom - height - raise <= p.Y && p.Y <= lineBottom - raise)
      return &item;
    x += item.FWidth;
  }
  return nullptr;
}

bool THtmlRender::IsCursorOverLink(THtmlPoint Point, THtmlPoint SrcPoint, const THtmlRect& R,
                                   std::u16string& HRef) const {
  HRef.clear();
  const THtmlItem* item = ItemAtPoint(Point, SrcPoint, R);
  if (!item || !item->IsLink())
    return false;
  HRef = item->FLinkRef;
  return true;
}

void THtmlRender::SelectLinkAt(THtmlPoint Point, THtmlPoint SrcPoint, const THtmlRect& R) {
  if (FData)
    FData->SetSelectedItem(ItemAtPoint(Point, SrcPoint, R));
}
