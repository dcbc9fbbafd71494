// libFuzzer target: ReadObjectStream on arbitrary bytes. A stream that reads must write back to exactly the
// same bytes (every accepted encoding is the only one of its model) and survive the text form.
#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TStreamObject model;
  try {
    model = ReadObjectStream(data, size);
  } catch (const EStreamError&) {
    return 0;
  }
  const std::vector<std::uint8_t> bytes = CheckBinaryRoundTrip(model);
  FuzzCheck(bytes == std::vector<std::uint8_t>(data, data + size), "the stream writes back unchanged");
  CheckTextRoundTrip(model, false);
  return 0;
}
