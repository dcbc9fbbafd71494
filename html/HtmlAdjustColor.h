#pragma once
// Making a text colour readable against a reference colour: light text on dark references, dark text on light
// ones.

#include "Types.h"

// Turns a colour into its RGB value; system colours resolve to their current values.
class IHtmlColorResolver {
 public:
  virtual ~IHtmlColorResolver() = default;
  virtual TColor ColorToRGB(TColor Color) const = 0;
};

// C moved halfway towards black when Ref is light (lightness above 160 on a 0-252 scale), else halfway
// towards white; C unchanged when Ref is clNone. The result is a plain RGB colour.
TColor AdjustColor(TColor C, TColor Ref, const IHtmlColorResolver& Resolver);

// The lightness of an RGB colour on a 0-252 scale.
int ColorLightness(TColor RGB);
