#pragma once
// The bevel a windowed control of the family may draw in its non-client area: its kind, its inner and outer
// cut, the edges it covers and its width.

#include "Enumerations.h"

enum class TBevelKind : std::uint8_t { bkNone, bkTile, bkSoft, bkFlat };
template <>
struct TEnumNames<TBevelKind> {
  static constexpr std::array<std::string_view, 4> Names{"bkNone", "bkTile", "bkSoft", "bkFlat"};
  static_assert(NamesEveryValue(Names, TBevelKind::bkFlat));
};

enum class TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
template <>
struct TEnumNames<TBevelCut> {
  static constexpr std::array<std::string_view, 4> Names{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
  static_assert(NamesEveryValue(Names, TBevelCut::bvSpace));
};

enum class TBevelEdge : std::uint8_t { beLeft, beTop, beRight, beBottom };
template <>
struct TEnumNames<TBevelEdge> {
  static constexpr std::array<std::string_view, 4> Names{"beLeft", "beTop", "beRight", "beBottom"};
  static_assert(NamesEveryValue(Names, TBevelEdge::beBottom));
};
using TBevelEdges = TSet<TBevelEdge>;

struct TControlBevel {
  TBevelKind Kind = TBevelKind::bkNone;
  TBevelCut Inner = TBevelCut::bvRaised;
  TBevelCut Outer = TBevelCut::bvLowered;
  TBevelEdges Edges{TBevelEdge::beLeft, TBevelEdge::beTop, TBevelEdge::beRight, TBevelEdge::beBottom};
  int Width = 1;
};

// The bevel's thickness on each edge it covers: Width for an inner and again for an outer cut; 0 without a
// kind.
constexpr int BevelThickness(const TControlBevel& bevel) {
  if (bevel.Kind == TBevelKind::bkNone)
    return 0;
  return bevel.Width * ((bevel.Inner != TBevelCut::bvNone) + (bevel.Outer != TBevelCut::bvNone));
}
