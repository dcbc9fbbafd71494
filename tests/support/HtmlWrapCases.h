#pragma once
// What the renderer's wrap rule is compared with the plain one on: captions, wrap widths and metrics, and the
// whole layout a parse gives.

#include <string>
#include <vector>

#include "HtmlRender.h"

struct THtmlWrapCaption {
  std::string Name;
  std::u16string Caption;
  int FontHeight;
};

// The dialog's captions in both languages (the German ones from its stored description, the English ones and
// both headers from its texts), the benchmark's captions, the fuzz seeds, and captions made for the wrap
// check's corners: entities and tags between characters, blank runs, surrogate pairs, words wider than a
// line, indents, lists, objects, sub- and superscripts, larger fonts.
std::vector<THtmlWrapCaption> WrapComparisonCaptions();

// Wrap widths for a caption of Length code units: for a short caption every width up to a few characters,
// then every 13th up to about a line of 60 characters (between them, many runs meet a width they exactly
// fill); for a long one a few narrow widths; then for both a spread up to widths past 16 bits.
std::vector<int> WrapComparisonWidths(std::size_t Length);

// Parses Caption into Render's current document with the labels' font at Height, wrapping at MaxWidth with
// Rule (none: the renderer's own), and describes every item with all its laid-out fields, the links and
// inputs in tab order and the text size.
std::vector<std::string> LayoutWithRule(THtmlRender& Render, IHtmlWrapRule* Rule,
                                        const THtmlWrapCaption& Caption, int MaxWidth);
