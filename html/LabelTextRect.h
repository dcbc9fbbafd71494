#pragma once
// Where an HTML label draws its laid-out text inside its client area: placed by Layout and Alignment within
// the inner border. Portable, so that the placement rules are checked without a window system.

#include "HtmlData.h"
#include "Types.h"

struct TLabelTextPlacement {
  int ClientWidth = 0;
  int ClientHeight = 0;
  int BorderWidth = 0;
  THtmlSize TextSize;
  TTextLayout Layout = TTextLayout::tlTop;
  TAlignment Alignment = TAlignment::taLeftJustify;
};

// The rectangle, in client coordinates, that the label's text occupies. A centred text ignores the border
// horizontally; a top or bottom text spans the whole inner height.
THtmlRect LabelTextRect(const TLabelTextPlacement& Placement);
