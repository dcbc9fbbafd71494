#pragma once
// Stored-description values built the way the properties themselves store them, so that a value read back
// through ReadPropertyValue compares equal to what was stored.

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
inline TStreamValue StoredAnsi(const char* text) {
  return TStreamConvert<std::string>::To(text);
}
inline TStreamValue StoredIdent(const char* name) {
  return stream_convert::IdentValue(name);
}
inline TStreamValue StoredNil() {
  return stream_convert::TypedValue(TValueType::vaNil);
}

struct TPropertyCase {
  std::string Path;  // "Fill.Color" reaches a sub-object's property
  TStreamValue Value;
};

// A property of `instance` holds the stored value.
inline testing::AssertionResult HoldsValue(TPersistent& instance, const TPropertyCase& c) {
  const std::optional<TStreamValue> value = ReadPropertyValue(instance, c.Path);
  if (!value)
    return testing::AssertionFailure() << instance.ClassName() << " has no readable property " << c.Path;
  if (!(*value == c.Value))
    return testing::AssertionFailure()
           << instance.ClassName() << "." << c.Path << " holds another value (type "
           << static_cast<int>(value->Type) << ", integer " << value->Integer << ", single " << value->Single
           << ", bytes '" << value->Bytes << "')";
  return testing::AssertionSuccess();
}
