#pragma once
// A stored value that a component cannot take, and the check that reading it fails with an error naming the
// property.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "DescriptionRoot.h"
#include "StoredValues.h"

struct TBadValue {
  const char* ClassName;
  TPropertyCase Property;
  const char* Named;  // the error names this
};

inline void PrintTo(const TBadValue& c, std::ostream* out) {
  *out << c.ClassName << "." << c.Property.Path;
}

// Reads a child of class c.ClassName storing c.Property into `root`: it fails with an error that names it.
inline void ExpectReadErrorNamingTheProperty(TDescriptionRoot& root, const TBadValue& c) {
  try {
    root.ReadChild<TComponent>({StoredObject(c.ClassName, "Child", {c.Property})}, "Child");
    FAIL() << "read without error";
  } catch (const EReadError& e) {
    EXPECT_NE(std::string(e.what()).find(c.Named), std::string::npos) << e.what();
  }
}
