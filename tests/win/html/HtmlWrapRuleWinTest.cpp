// The renderer's own wrap rule against the plain one that measures the run after every character, with the
// GDI metrics: DrawTextW for widths and GetTextExtentExPointW's count of fitting characters as the guess. The
// same layout, item for item and field for field, on every caption of the comparison set at every width of
// it.

#include <gtest/gtest.h>

#include "HtmlCharacterWrap.h"
#include "HtmlTextMetricsWin.h"
#include "HtmlWrapCases.h"

namespace {

TEST(HtmlWrapRuleWin, LaysOutEveryCaptionLikeTheCharacterRule) {
  THtmlCharacterWrap reference;
  THtmlRender render(std::make_unique<THtmlTextMetricsWin>());
  render.Data()->SetCharset(TFontCharset(1));  // DEFAULT_CHARSET, as the labels measure
  int wrapped = 0;
  for (const THtmlWrapCaption& caption : WrapComparisonCaptions()) {
    for (const int width : WrapComparisonWidths(caption.Caption.size())) {
      const std::vector<std::string> expected = LayoutWithRule(render, &reference, caption, width);
      ASSERT_EQ(LayoutWithRule(render, nullptr, caption, width), expected)
          << caption.Name << " at width " << width;
      wrapped += std::any_of(expected.begin(), expected.end(),
                             [](const std::string& item) { return item.rfind("soft", 0) == 0; });
    }
  }
  EXPECT_GT(wrapped, 1500);
}

}  // namespace
