// Painting a laid-out document line by line: runs of text on their line's baseline, in the colours the
// document, the override colours and the selection give them.

#include "HtmlRender.h"

namespace {

struct TOverColors {
  bool Use = false;
  TColor Color = clNone;
  TColor BkColor = clNone;
  TColor SelColor = clNone;
  TColor SelBkColor = clNone;
};

bool IsRun(const THtmlItem& Item) {
  return Item.FItemType == THtmlItemType::hitChar || Item.FItemType == THtmlItemType::hitVar;
}

// Override colours apply to runs that no "font" tag coloured.
bool TakesOverColors(const THtmlItem& Item, const TOverColors& Over) {
  return Over.Use && Item.FFntCnt == 0;
}

TColor RunBackground(const THtmlData& Document, const THtmlItem& Item, const TOverColors& Over) {
  if (&Item == Document.SelectedItem())
    return Over.Use ? Over.SelBkColor : Document.GetHighlightBgColor();
  return TakesOverColors(Item, Over) ? Over.BkColor : Item.FontBgColor;
}

// The text colour before adjusting, and the style it is drawn with.
TColor RunColor(const THtmlData& Document, const THtmlItem& Item, const TOverColors& Over,
                TFontStyles& Style) {
  Style = Item.FontStyle;
  if (&Item == Document.SelectedItem())
    return Over.Use ? Over.SelColor : Document.GetHighlightColor();
  if (Item.IsLink()) {
    Style = Document.GetLinkStyle();
    return Document.GetLinkColor();
  }
  return TakesOverColors(Item, Over) ? Over.Color : Item.FontColor;
}

// How far a run is drawn below its line's common position: superscript up by half its unscaled height,
// subscript down by a quarter. A run marked both counts as subscript, as in the layout.
int RunShift(THtmlItem& Item) {
  if (!Item.IsSub() && !Item.IsSuper())
    return 0;
  int baseLine = 0;
  const int height = Item.GetHeight(baseLine);
  return Item.IsSub() ? height / 4 : -(height / 2);
}

}  // namespace

void THtmlRender::PaintDocument(IHtmlCanvas& Canvas, THtmlPoint SrcPoint, const THtmlRect& R,
                                bool UseOverColors, TColor AColor, TColor ABkColor, TColor ASelColor,
                                TColor ASelBkColor, TColor AAdjustFromColor) {
  if (!FData)
    return;
  THtmlData& document = *FData;
  const TOverColors over{UseOverColors, AColor, ABkColor, ASelColor, ASelBkColor};
  const THtmlPoint offset = Canvas.BeginPaint(R, FDoubleBuffered);
  struct TEndPaint {
    IHtmlCanvas& Canvas;
    ~TEndPaint() { Canvas.EndPaint(); }
  } endPaint{Canvas};
  document.FRect = R;

  const int visibleBottom = R.Bottom - R.Top + 1 + SrcPoint.Y;
  const THtmlBreakItem* line = nullptr;
  int lineTop = 0;
  int x = 0;
  for (const auto& entry : document.FArray) {
    THtmlItem& item = *entry;
    if (const THtmlBreakItem* lineStart = item.AsBreak()) {
      if (line)
        lineTop += line->FHeight;
      if (visibleBottom < lineTop)
        break;  // this line and all after it lie below the visible area
      line = lineStart;
      x = LineOrigin(*line, R);
      continue;  // a list item's mark is not drawn yet
    }
    if (!line)
      continue;  // only a document that was not parsed has items before its first line
    if (IsRun(item)) {
      Canvas.SetTextBackground(RunBackground(document, item, over));
      THtmlFontSpec font = item.MeasuringFont(true);
      TColor color = RunColor(document, item, over, font.Style);
      if (AAdjustFromColor != clNone)
        color = AdjustColor(color, AAdjustFromColor, Canvas);
      Canvas.SetTextColor(color);
      Canvas.SetFont(font);
      const int baseLine = lineTop - SrcPoint.Y + RunShift(item) + line->FHeight - line->LineDescent();
      Canvas.PaintText(x - SrcPoint.X + offset.X, baseLine + offset.Y, item.Text());
    }
    // Object items (rules, pictures, input items, hosted controls, indents) draw nothing yet; they take
    // their laid-out width on the line.
    x += item.FWidth;
  }
}
