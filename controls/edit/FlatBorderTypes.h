#pragma once
// The kinds and sides of the family's self-drawn flat frame, shared by the edit control and the panel.

#include "Enumerations.h"

enum class TExFlatBorderType : std::uint8_t {
  fbtFlat,
  fbtSunken,
  fbtSunkenInner,
  fbtSunkenOuter,
  fbtRaised,
  fbtRaisedInner,
  fbtRaisedOuter,
  fbtBump,
  fbtBigBump,
  fbtEtched,
  fbtFramed,
  fbtLine,
  fbtLineBorder,
  fbtNone,
  fbtColorLineBorder
};
template <>
struct TEnumNames<TExFlatBorderType> {
  static constexpr std::array<std::string_view, 15> Names{
      "fbtFlat",        "fbtSunken",      "fbtSunkenInner", "fbtSunkenOuter", "fbtRaised",
      "fbtRaisedInner", "fbtRaisedOuter", "fbtBump",        "fbtBigBump",     "fbtEtched",
      "fbtFramed",      "fbtLine",        "fbtLineBorder",  "fbtNone",        "fbtColorLineBorder"};
  static_assert(NamesEveryValue(Names, TExFlatBorderType::fbtColorLineBorder));
};

enum class TExBorderSide : std::uint8_t { ebsLeft, ebsRight, ebsTop, ebsBottom };
template <>
struct TEnumNames<TExBorderSide> {
  static constexpr std::array<std::string_view, 4> Names{"ebsLeft", "ebsRight", "ebsTop", "ebsBottom"};
  static_assert(NamesEveryValue(Names, TExBorderSide::ebsBottom));
};
using TExBorderSides = TSet<TExBorderSide>;
constexpr TExBorderSides AllBorderSides{TExBorderSide::ebsLeft, TExBorderSide::ebsRight,
                                        TExBorderSide::ebsTop, TExBorderSide::ebsBottom};
