#pragma once
// Values in the form stored descriptions carry them, made by the same conversions the properties use, so that
// a value read back through ReadPropertyValue compares equal to the one expected.

#include <gtest/gtest.h>

#include <string>

#include "Reader.h"
#include "StreamConvert.h"

template <class V>
TStreamValue Stored(V value) {
  return TStreamConvert<V>::To(value);
}
inline TStreamValue StoredText(const char16_t* text) {
  return TStreamConvert<std::u16string>::To(text);
}

struct TPropertyCase {
  std::string Path;  // "Fill.Color" reaches a sub-object's property
  TStreamValue Value;
};

inline testing::AssertionResult HoldsValue(TPersistent& instance, const TPropertyCase& c) {
  const std::optional<TStreamValue> value = ReadPropertyValue(instance, c.Path);
  if (!value)
    return testing::AssertionFailure() << instance.ClassName() << " has no readable " << c.Path;
  if (!(*value == c.Value))
    return testing::AssertionFailure() << instance.ClassName() << "." << c.Path << " holds type "
                                       << static_cast<int>(value->Type) << ", integer " << value->Integer
                                       << ", single " << value->Single << ", bytes '" << value->Bytes << "'";
  return testing::AssertionSuccess();
}
