#pragma once
// Stored descriptions kept as RCDATA resources of the program.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "stream/StreamObject.h"

// The bytes of the RCDATA resource `name` in `module` (nullptr: the executable), or none.
std::optional<std::vector<std::uint8_t>> LoadResourceData(HMODULE module, const std::u16string& name);
// The parsed description in RCDATA resource `name`; raises EStreamError when it is malformed or missing.
TStreamObject LoadDescription(HMODULE module, const std::u16string& name);
