#pragma once
// The construction values of the flat frame's sides and colours, the same for every control that draws one.
// Header only: the programs that include it link a control with the flat frame.

#include <vector>

#include "FlatBorderTypes.h"
#include "StoredValues.h"
#include "Types.h"

inline std::vector<TPropertyCase> FlatFrameDefaults() {
  return {
      {"BorderSides", Stored(AllBorderSides)},          {"BorderColorDkShadow", Stored(cl3DDkShadow)},
      {"BorderColorFace", Stored(clBtnFace)},           {"BorderColorShadow", Stored(clBtnShadow)},
      {"BorderColorHighlight", Stored(clBtnHighlight)}, {"BorderColorWindow", Stored(clWindow)},
  };
}
