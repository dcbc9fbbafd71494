#pragma once
// Colour values as GDI+ takes them: 0xAARRGGBB.

#include <cstdint>

#include "Types.h"

// The current 0x00BBGGRR value of system colour `index` (the platform's GetSysColor).
using TSystemColorLookup = std::uint32_t (*)(int index);

// Alpha in the top byte, then red, green and blue of `color`; a system colour is first resolved through
// `systemColor`.
std::uint32_t MakeARGB(std::uint8_t alpha, TColor color, TSystemColorLookup systemColor);
