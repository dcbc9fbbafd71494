#pragma once
// Shared by the renderer's host tests: a renderer on the fixed metrics with the dialog labels' font defaults,
// and a one-line description of every item so that whole item lists can be compared.

#include <memory>
#include <string>
#include <vector>

#include "HtmlFixedMetrics.h"
#include "HtmlRender.h"

// The labels' defaults: "Verdana", height -13, clWindowText, no style (fixed metrics: 7 pixels a character,
// 8 in bold, cell height 16, descent 3).
class THtmlRenderFixture {
 public:
  explicit THtmlRenderFixture(int LogPixelsY = 96);

  THtmlData& Parse(const std::u16string& Text, int MaxWidth = 411, bool AutoWrap = true);
  THtmlData& Document() { return *Render.Data(); }
  THtmlItem& Item(std::size_t Index) { return *Document().FArray.at(Index); }
  THtmlBreakItem& Line(std::size_t Index);  // the Index-th break item

  THtmlFixedMetrics* Metrics;
  THtmlRender Render;
};

// Kind and, where they differ from the document's defaults, text, style, height, face, colours, link, font
// count, indent, sub/superscript and paragraph marks; break items add their alignment and list fields.
// Examples: "para", "text 'Schritt 1:' b u", "br", "text 'Quillon' b h=22", "li n=1 level=1 ind=13".
std::string DescribeItem(const THtmlData& Document, const THtmlItem& Item);
std::vector<std::string> DescribeItems(const THtmlData& Document);

// Line values after layout, "width x height d=descent", one per break item.
std::vector<std::string> DescribeLines(const THtmlData& Document);

std::u16string U16(const char* Utf8);
std::string Utf8(const std::u16string& Text);
