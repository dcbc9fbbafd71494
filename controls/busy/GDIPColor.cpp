#include "GDIPColor.h"

std::uint32_t MakeARGB(std::uint8_t alpha, TColor color, TSystemColorLookup systemColor) {
  const std::uint32_t bgr =
      IsSystemColor(color) ? systemColor(SystemColorIndex(color)) : static_cast<std::uint32_t>(color);
  const std::uint32_t red = bgr & 0xFF;
  const std::uint32_t green = (bgr >> 8) & 0xFF;
  const std::uint32_t blue = (bgr >> 16) & 0xFF;
  return std::uint32_t{alpha} << 24 | red << 16 | green << 8 | blue;
}
