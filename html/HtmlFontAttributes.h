#pragma once
// The attributes of "font": face, size and colours.

#include <optional>
#include <string_view>

#include "HtmlAttributes.h"
#include "HtmlData.h"

// Applies "face"/"name", "size", "color" and "bgcolor"/"background" to Settings. Sizes are relative to the
// document's default height; point steps are converted at ScreenLogPixelsY.
void ApplyFontAttributes(TFontSettings& Settings, const THtmlAttributes& Attributes,
                         const THtmlData& Document, int ScreenLogPixelsY);

// The colour a markup value gives: "#RRGGBB" (Fallback's number when the hexadecimal is invalid) or a colour
// name with or without "cl"; none for an unknown name or an empty value.
std::optional<TColor> MarkupColor(std::u16string_view Value, TColor Fallback);

// Value * Numerator / Denominator rounded to nearest, halves away from zero; -1 on overflow or division by 0.
int MulDiv(int Value, int Numerator, int Denominator);
