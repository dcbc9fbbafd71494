#pragma once
// Stored-description values built the way the properties themselves store them, so that a value read back
// through ReadPropertyValue compares equal to what was stored, and the checks that properties hold them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Every listed property of `instance` holds its stored value.
inline void ExpectHoldsAll(TPersistent& instance, const std::vector<TPropertyCase>& cases) {
  for (const TPropertyCase& c : cases)
    EXPECT_TRUE(HoldsValue(instance, c));
}

// The stored description of one component: its values, then its events (handler names as identifiers).
inline TStreamObject StoredObject(const char* className, const std::string& name,
                                  const std::vector<TPropertyCase>& values,
                                  const std::vector<TPropertyCase>& events = {}) {
  TStreamObject object{className, name, {}, {}};
  for (const std::vector<TPropertyCase>* list : {&values, &events})
    for (const TPropertyCase& c : *list)
      object.Properties.push_back({c.Path, c.Value});
  return object;
}
