// libFuzzer target: ParseTextForm on arbitrary text. Malformed text must give ETextFormError and nothing
// else; a parsed model must be writable, read back from its stream and print back to itself.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TStreamObject model;
  try {
    model = ParseTextForm(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const ETextFormError&) {
    return 0;
  }
  CheckBinaryRoundTrip(model);
  CheckTextRoundTrip(model, true);
  return 0;
}
