#pragma once
// Named character references of the markup.

#include <optional>
#include <string_view>

// The character of a reference name, compared exactly; lower-case the name first. None for unknown names.
std::optional<char16_t> LookupEntity(std::u16string_view Name);
