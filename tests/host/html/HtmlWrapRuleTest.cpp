// The renderer's own wrap rule against the plain one that measures the run after every character: the same
// layout, item for item and field for field, on every caption of the comparison set at every width of it,
// with the fixed metrics and with uneven metrics whose counts of fitting characters miss; and far fewer
// characters measured.

#include <gtest/gtest.h>

#include <functional>

#include "HtmlCharacterWrap.h"
#include "HtmlTestSupport.h"
#include "HtmlUnevenMetrics.h"
#include "HtmlWrapCases.h"

namespace {

using TGuess = THtmlUnevenMetrics::TGuess;

struct TMetricsCase {
  const char* Name;
  std::function<std::unique_ptr<THtmlFixedMetrics>()> Make;
};

const TMetricsCase MetricsCases[] = {
    {"fixed", [] { return std::make_unique<THtmlFixedMetrics>(); }},
    {"uneven, scattered guesses", [] { return std::make_unique<THtmlUnevenMetrics>(TGuess::Scattered); }},
    {"uneven, guessing nothing fits", [] { return std::make_unique<THtmlUnevenMetrics>(TGuess::Nothing); }},
    {"uneven, guessing all fits", [] { return std::make_unique<THtmlUnevenMetrics>(TGuess::All); }},
};

bool HasSoftBreak(const std::vector<std::string>& layout) {
  return std::any_of(layout.begin(), layout.end(),
                     [](const std::string& item) { return item.rfind("soft", 0) == 0; });
}

TEST(HtmlWrapRule, LaysOutEveryCaptionLikeTheCharacterRule) {
  THtmlCharacterWrap reference;
  const std::vector<THtmlWrapCaption> captions = WrapComparisonCaptions();
  for (const TMetricsCase& metrics : MetricsCases) {
    SCOPED_TRACE(metrics.Name);
    THtmlRender render(metrics.Make());
    int wrapped = 0;
    int unwrapped = 0;
    for (const THtmlWrapCaption& caption : captions) {
      for (const int width : WrapComparisonWidths(caption.Caption.size())) {
        const std::vector<std::string> expected = LayoutWithRule(render, &reference, caption, width);
        ASSERT_EQ(LayoutWithRule(render, nullptr, caption, width), expected)
            << caption.Name << " at width " << width;
        ++(HasSoftBreak(expected) ? wrapped : unwrapped);
      }
    }
    // Both kinds of layout were compared, many of each.
    EXPECT_GT(wrapped, 1500);
    EXPECT_GT(unwrapped, 300);
  }
}

// A run wider than 16 bits: its kept width wraps around, so the check may pass again after failing once.
TEST(HtmlWrapRule, RunsWiderThanSixteenBitsWrapLikeTheCharacterRule) {
  THtmlCharacterWrap reference;
  THtmlRender render(std::make_unique<THtmlFixedMetrics>());
  const THtmlWrapCaption caption{"9400 x", std::u16string(9400, u'x') + u" y<b>z</b>", -13};  // 7 pixels each
  for (const int width : {65528, 65535, 65536, 65541, 66000, 70000}) {
    const std::vector<std::string> expected = LayoutWithRule(render, &reference, caption, width);
    EXPECT_EQ(LayoutWithRule(render, nullptr, caption, width), expected) << width;
  }
}

// Measuring work with the fixed metrics, whose guesses are right. The plain rule measures once per
// character, and characters in proportion to the square of a run's length; the renderer's rule measures each
// run about once and spends a guess and two confirming measurements on each wrap (the part of a run left
// before a wrap is measured by the layout), and measures characters within a few times the text's length.
TEST(HtmlWrapRule, MeasuresFarLessThanTheCharacterRule) {
  THtmlCharacterWrap reference;
  for (const THtmlWrapCaption& caption : WrapComparisonCaptions()) {
    if (caption.Name != "benchmark Large10K" && caption.Name != "benchmark Step2DE")
      continue;
    SCOPED_TRACE(caption.Name);
    for (const int width : {100, 411, 4000}) {
      SCOPED_TRACE(width);
      struct TWork {
        std::uint64_t Calls, Characters;
        std::size_t Runs, Wraps;
      };
      auto measure = [&](IHtmlWrapRule* rule) {
        auto* metrics = new THtmlFixedMetrics();
        THtmlRender render{std::unique_ptr<IHtmlTextMetrics>(metrics)};
        const std::vector<std::string> layout = LayoutWithRule(render, rule, caption, width);
        auto count = [&layout](const char* kind) {
          return static_cast<std::size_t>(
              std::count_if(layout.begin(), layout.end(),
                            [kind](const std::string& item) { return item.rfind(kind, 0) == 0; }));
        };
        return TWork{metrics->Measurements(), metrics->MeasuredCharacters(), count("text"), count("soft")};
      };
      const TWork plain = measure(&reference);
      const TWork own = measure(nullptr);
      EXPECT_LE(own.Calls, own.Runs + 4 * own.Wraps);
      EXPECT_LE(own.Calls * 2, plain.Calls) << own.Calls << " calls against " << plain.Calls;
      EXPECT_LE(own.Characters, 6 * caption.Caption.size());
    }
  }
}

}  // namespace
