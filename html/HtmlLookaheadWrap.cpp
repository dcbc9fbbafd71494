#include "HtmlLookaheadWrap.h"

#include <algorithm>

#include "HtmlData.h"

namespace {

// A run's average character width, for estimates only.
int AverageCharWidth(const THtmlItem& Run) {
  IHtmlTextMetrics* metrics = Run.FOwner ? Run.FOwner->Metrics() : nullptr;
  return std::max(metrics ? metrics->FontMetrics(Run.MeasuringFont(true)).AveCharWidth : 1, 1);
}

}  // namespace

bool THtmlLookaheadWrap::RunTooWide(IHtmlWrapSubject& Subject) {
  THtmlItem& run = Subject.CurrentRun();
  const std::size_t length = run.Text().size();
  // After a fresh look the run's own length is its first check: it either passes or is the first too wide.
  if (!FollowsLookahead(Subject) || (length > FFits && length != FTooWide))
    LookAhead(Subject);
  FSeen = length;
  if (length <= FFits) {
    const auto measured = std::find_if(FWidths.begin(), FWidths.end(),
                                       [length](const auto& width) { return width.first == length; });
    if (measured != FWidths.end())
      run.KeepTextWidth(measured->second);
    return false;
  }
  // Decided as the check itself does it, with the width cut to 16 bits as the run keeps it; whatever the
  // outcome, the next check looks again.
  FChanges = ~std::uint64_t{0};
  return static_cast<std::uint16_t>(FTooWideWidth) + FOffset > FMaxWidth;
}

bool THtmlLookaheadWrap::FollowsLookahead(IHtmlWrapSubject& Subject) const {
  const std::u16string& text = Subject.CurrentRun().Text();
  if (FChanges != Subject.Changes() || FRun != &Subject.CurrentRun() || text.size() <= FSeen ||
      text.size() > FText.size() || !std::binary_search(FChecks.begin(), FChecks.end(), text.size()))
    return false;
  const std::size_t appended = text.size() - FSeen;
  return std::u16string_view(text).substr(FSeen) == std::u16string_view(FText).substr(FSeen, appended);
}

void THtmlLookaheadWrap::LookAhead(IHtmlWrapSubject& Subject) {
  const THtmlItem& run = Subject.CurrentRun();
  FRun = &run;
  FChanges = Subject.Changes();
  FOffset = Subject.LineOffset();
  FMaxWidth = Subject.MaxWidth();
  FLimit = std::min<std::int64_t>(0xFFFF, std::int64_t{FMaxWidth} - FOffset);
  FText = run.Text();
  FSeen = FText.size();
  FChecks.assign(1, FText.size());
  FWidths.clear();
  // Looking ahead beyond about twice the line's room only makes measuring dearer.
  const std::int64_t average = AverageCharWidth(run);
  const std::size_t units = 8 + static_cast<std::size_t>(std::max<std::int64_t>(FLimit, 0) * 2 / average);
  const bool wholeSegment = Subject.PeekRunText(FText, FChecks, units);

  // Text up to the next tag is usually the run's whole text: when it likely fits, it is measured first, and
  // its width is kept for the layout. Otherwise the engine's guess goes first.
  const bool likelyFits = static_cast<std::int64_t>(FText.size()) * average <= FLimit;
  const std::size_t tooWide = FirstTooWide(run, wholeSegment && likelyFits);
  FFits = tooWide > 0 ? FChecks[tooWide - 1] : 0;
  FTooWide = tooWide < FChecks.size() ? FChecks[tooWide] : None;
  if (FTooWide != None)
    FTooWideWidth = Width(run, FTooWide);
}

std::size_t THtmlLookaheadWrap::FirstTooWide(const THtmlItem& Run, bool MeasureWholeFirst) {
  // Checks up to index fits pass, from index tooWide on they do not (fits = -1: none known to pass;
  // tooWide = size: none known not to).
  const auto size = static_cast<std::ptrdiff_t>(FChecks.size());
  std::ptrdiff_t fits = -1;
  std::ptrdiff_t tooWide = size;
  auto probe = [&](std::ptrdiff_t index) {
    if (index > fits && index < tooWide) {
      if (Width(Run, FChecks[static_cast<std::size_t>(index)]) <= FLimit)
        fits = index;
      else
        tooWide = index;
    }
  };
  if (MeasureWholeFirst)
    probe(size - 1);
  if (tooWide - fits > 1) {
    IHtmlTextMetrics* metrics = Run.FOwner ? Run.FOwner->Metrics() : nullptr;
    const std::size_t fitting = metrics && FLimit > 0 ? metrics->FittingLength(Run.MeasuringFont(true), FText,
                                                                               static_cast<int>(FLimit - 1))
                                                      : 0;
    const auto guess = std::upper_bound(FChecks.begin(), FChecks.end(), fitting) - FChecks.begin();
    probe(guess);
    probe(guess - 1);
  }
  while (tooWide - fits > 1)
    probe(fits + (tooWide - fits) / 2);
  return static_cast<std::size_t>(tooWide);
}

int THtmlLookaheadWrap::Width(const THtmlItem& Run, std::size_t Length) {
  const auto measured = std::find_if(FWidths.begin(), FWidths.end(),
                                     [Length](const auto& width) { return width.first == Length; });
  if (measured != FWidths.end())
    return measured->second;
  const int width = Run.TextWidth(std::u16string_view(FText).substr(0, Length));
  FWidths.emplace_back(Length, width);
  return width;
}
