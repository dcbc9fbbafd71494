#pragma once
// Named character references of the markup.

#include <cstddef>
#include <optional>
#include <string_view>

// No reference name is longer ("curren", "plusmn", ...): longer names need no lookup.
constexpr std::size_t LongestEntityName = 6;

// The character of a reference name, compared exactly; lower-case the name first. None for unknown names.
std::optional<char16_t> LookupEntity(std::u16string_view Name);
