#pragma once
// The wrap rule that measures seldom. A run's width never shrinks as its text grows, so while the run and its
// line change only by appended characters, the checks pass up to one point and fail from there on. The rule
// looks ahead at the text the parser is about to append, finds that point with a few measurements (a guess
// from the engine's count of fitting characters, confirmed on both sides by exact widths, or narrowed down by
// halving) and answers the checks before it without measuring. Where a check's answer is not proven it
// measures again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "HtmlWrapRule.h"

class THtmlLookaheadWrap : public IHtmlWrapRule {
 public:
  bool RunTooWide(IHtmlWrapSubject& Subject) override;

 private:
  // Whether the run grew only along the text looked ahead at since the last look.
  bool FollowsLookahead(IHtmlWrapSubject& Subject) const;
  void LookAhead(IHtmlWrapSubject& Subject);
  // The width of the first Length units of the text looked ahead at, measured once.
  int Width(const THtmlItem& Run, std::size_t Length);
  // The first check whose width exceeds FLimit: FChecks.size() when none does.
  std::size_t FirstTooWide(const THtmlItem& Run, bool MeasureWholeFirst);

  static constexpr std::size_t None = ~std::size_t{0};

  const THtmlItem* FRun = nullptr;
  std::uint64_t FChanges = ~std::uint64_t{0};
  // The run's text when looked ahead, and what the parser will append to it.
  std::u16string FText;
  // Lengths of FText at which checks run, the run's own length first.
  std::vector<std::size_t> FChecks;
  // The run's length at the last check: its text up to there is known to follow FText.
  std::size_t FSeen = 0;
  // Widths up to here pass every check whatever the line offset's sign: min(0xFFFF, wrap width - offset).
  std::int64_t FLimit = 0;
  std::int64_t FOffset = 0;
  std::int32_t FMaxWidth = 0;
  // Checks at run lengths up to FFits pass; the check at FTooWide (None: beyond the look) is the first that
  // does not pass by FLimit, and its outcome was measured: FTooWideWidth.
  std::size_t FFits = 0;
  std::size_t FTooWide = None;
  int FTooWideWidth = 0;
  // Exact widths by length, measured during the last look.
  std::vector<std::pair<std::size_t, int>> FWidths;
};
