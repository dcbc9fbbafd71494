#pragma once
// How a control of the family draws: classic, with the platform's visual styles, or with a registered
// renderer.

#include "Enumerations.h"

enum class TThemeMode : std::uint8_t { ttmNone, ttmPlatform, ttmNative };
template <>
struct TEnumNames<TThemeMode> {
  static constexpr std::array<std::string_view, 3> Names{"ttmNone", "ttmPlatform", "ttmNative"};
  static_assert(NamesEveryValue(Names, TThemeMode::ttmNative));
};
