#pragma once
// Checks shared by the fuzz targets: a model that was read must survive both forms unchanged. A failed check
// aborts, which the fuzzer reports as a crash with the input that caused it.

#include <cstdio>
#include <cstdlib>

#include "stream/BinaryStream.h"
#include "stream/StreamObject.h"
#include "stream/TextForm.h"

inline void FuzzCheck(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
  }
}

// Binary round trip; returns the written stream. Writing a model that a reader produced must never fail.
inline std::vector<std::uint8_t> CheckBinaryRoundTrip(const TStreamObject& model) {
  const std::vector<std::uint8_t> bytes = WriteObjectStream(model);
  FuzzCheck(ReadObjectStream(bytes.data(), bytes.size()) == model,
            "the written stream reads back to the model");
  return bytes;
}

// Text round trip, for models whose names the text form can express.
inline void CheckTextRoundTrip(const TStreamObject& model, bool namesAreExpressible) {
  std::string text;
  try {
    text = PrintTextForm(model);
  } catch (const EStreamError&) {
    FuzzCheck(!namesAreExpressible, "the model prints as text");
    return;
  }
  FuzzCheck(ParseTextForm(text) == model, "the printed text parses back to the model");
  FuzzCheck(PrintTextForm(ParseTextForm(text)) == text, "printing is stable");
}
