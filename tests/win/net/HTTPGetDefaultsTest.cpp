// The construction values of every published property are a contract with the stored descriptions: a
// description stores only what differs from them.

#include <gtest/gtest.h>

#include <vector>

#include "HTTPGet.h"
#include "StoredValues.h"

namespace {

std::vector<TPropertyCase> HTTPGetDefaults() {
  return {
      {"AcceptTypes", StoredAnsi("*/*")}, {"Agent", StoredAnsi("Corvex HTTPGet")},
      {"BinaryData", Stored(false)},      {"URL", StoredAnsi("")},
      {"UseCache", Stored(false)},        {"FileName", StoredAnsi("")},
      {"UserName", StoredAnsi("")},       {"Password", StoredAnsi("")},
      {"PostQuery", StoredAnsi("")},      {"Referer", StoredAnsi("")},
      {"WaitThread", Stored(false)},
  };
}

TEST(Defaults, HTTPGet) {
  THTTPGet get(nullptr);
  ExpectHoldsAll(get, HTTPGetDefaults());
}

}  // namespace
