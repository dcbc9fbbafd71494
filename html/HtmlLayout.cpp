// Measuring of items and the layout pass.

#include <algorithm>

#include "HtmlData.h"
#include "IntegerMath.h"

namespace {

IHtmlTextMetrics* MetricsOf(const THtmlData* document) {
  return document ? document->Metrics() : nullptr;
}

bool MeasuresReducedFont(THtmlItemType kind) {
  return kind != THtmlItemType::hitLI && kind != THtmlItemType::hitUL && kind != THtmlItemType::hitOL;
}

}  // namespace

THtmlFontSpec THtmlItem::MeasuringFont(bool Reduced) const {
  THtmlFontSpec font;
  font.Face = FFontRef;
  font.Style = FontStyle;
  font.Charset = FOwner ? FOwner->GetCharset() : TFontCharset(0);
  font.Height = FontHeight;
  if (Reduced && (IsSub() || IsSuper()))
    font.Height = FontHeight - 2 * Sign(FontHeight);
  return font;
}

int THtmlItem::LineGap() const {
  return FOwner ? FOwner->GetLineGap() : 0;
}

int THtmlItem::FontCellHeight(bool Reduced, int& Descent) const {
  IHtmlTextMetrics* metrics = MetricsOf(FOwner);
  if (!metrics) {
    Descent = 0;
    return 0;
  }
  const THtmlFontMetrics tm = metrics->FontMetrics(MeasuringFont(Reduced));
  Descent = tm.Descent;
  return std::abs(tm.Height);
}

int THtmlItem::TextWidth(std::u16string_view Text) const {
  IHtmlTextMetrics* metrics = MetricsOf(FOwner);
  if (!metrics)
    return 0;
  return metrics->TextExtent(MeasuringFont(true), Text) + 1;
}

int THtmlItem::GetWidth() {
  if (FItemType != THtmlItemType::hitChar && FItemType != THtmlItemType::hitVar)
    return FWidth;
  if (FTWidth == HtmlTextNotMeasured)
    FTWidth = static_cast<std::uint16_t>(TextWidth(FText));
  return FTWidth;
}

int THtmlItem::GetHeight(int& BaseLine) {
  BaseLine = 0;
  switch (FItemType) {
    case THtmlItemType::hitChar:
      return FontCellHeight(true, BaseLine) + LineGap();
    case THtmlItemType::hitBitmap:
    case THtmlItemType::hitInput:
    case THtmlItemType::hitControl:
      return FHeight + LineGap();
    default:  // variables, rules and indents add no height of their own
      return LineGap();
  }
}

int THtmlBreakItem::GetWidth() {
  IHtmlTextMetrics* metrics = MetricsOf(FOwner);
  if (!metrics)
    return 0;
  switch (FItemType) {
    case THtmlItemType::hitLI:
      return metrics->FontMetrics(MeasuringFont(false)).AveCharWidth;
    case THtmlItemType::hitUL:
    case THtmlItemType::hitOL:
      return metrics->FontMetrics(MeasuringFont(false)).MaxCharWidth;
    default:
      return 0;
  }
}

int THtmlBreakItem::GetHeight(int& BaseLine) {
  const THtmlItem* next = nullptr;
  if (FOwner) {
    const auto& items = FOwner->FArray;
    auto self =
        std::find_if(items.begin(), items.end(), [this](const auto& item) { return item.get() == this; });
    if (self != items.end() && self + 1 != items.end())
      next = (self + 1)->get();
  }
  return BreakHeight(next, BaseLine);
}

int THtmlBreakItem::BreakHeight(const THtmlItem* Next, int& BaseLine) const {
  BaseLine = 0;
  int height = 0;
  const bool countsEmptyLine = FItemType == THtmlItemType::hitSoftBreak ||
                               FItemType == THtmlItemType::hitBreak || FItemType == THtmlItemType::hitLI;
  if (countsEmptyLine && Next && Next->AsBreak())
    height = FontCellHeight(MeasuresReducedFont(FItemType), BaseLine);
  const int lineSpacing = FOwner ? FOwner->GetLineSpacing() : 0;
  if (lineSpacing != 0)
    height = std::max(height, lineSpacing);
  return height + LineGap();
}

void LayoutLines(THtmlData& Data) {
  Data.FTextSize = {};
  const int lineGap = Data.GetLineGap();
  THtmlBreakItem* line = nullptr;
  std::int64_t sum = 0;
  std::int64_t totalHeight = 0;
  int height = 0;
  int descent = 0;
  auto closeLine = [&] {
    line->FHeight = static_cast<std::uint16_t>(height);
    line->FWidth = static_cast<std::uint16_t>(line->FIndent + sum);  // 16 bits, as stored
    line->FParams = (line->FParams & 0xFFFF) | (static_cast<std::uint32_t>(descent) << 16);
    Data.FTextSize.cx = std::max<int>(Data.FTextSize.cx, line->FWidth);
    totalHeight += line->FHeight + std::int64_t{lineGap};
  };

  auto& items = Data.FArray;
  for (std::size_t i = 0; i < items.size(); ++i) {
    THtmlItem& item = *items[i];
    THtmlBreakItem* lineStart = item.AsBreak();
    if (lineStart) {
      if (line)
        closeLine();
      line = lineStart;
      sum = height = descent = 0;
    }
    if (!line)
      continue;  // only a document that was not parsed can have items before its first break

    item.FWidth = static_cast<std::uint16_t>(item.GetWidth());
    sum += item.FWidth;
    int baseLine = 0;
    const THtmlItem* next = i + 1 < items.size() ? items[i + 1].get() : nullptr;
    item.FHeight = static_cast<std::uint16_t>(lineStart ? lineStart->BreakHeight(next, baseLine)
                                                        : item.GetHeight(baseLine));
    if (item.FItemType == THtmlItemType::hitIndent && (item.FBoolState & HtmlAbsolutePositionBit))
      sum = item.FWidth;
    if (item.FItemType == THtmlItemType::hitChar) {
      if (item.IsSub()) {
        baseLine += item.FHeight / 4;
        item.FHeight = static_cast<std::uint16_t>(item.FHeight + item.FHeight / 4);
      } else if (item.IsSuper()) {
        baseLine -= item.FHeight / 2;
        item.FHeight = static_cast<std::uint16_t>(item.FHeight + (2 * item.FHeight) / 3);
      }
    }
    descent = std::max(descent, baseLine);
    height = std::max<int>(height, item.FHeight);
  }
  if (line)
    closeLine();
  Data.FTextSize.cy = static_cast<int>(totalHeight);
}

int LineOrigin(const THtmlBreakItem& Line, const THtmlRect& R) {
  const int lineWidth = Line.FWidth;
  const int available = std::max(lineWidth, R.Right - R.Left + 1);
  switch (Line.Alignment()) {
    case 1:
      return (available - lineWidth - 1) / 2;
    case 2:
      return available - lineWidth - 1;
    default:
      return Line.FIndent;
  }
}
