#pragma once
// The fixture of the tests that read components from stored descriptions: a description root to read them
// into, with the classes that `RegisterClasses` registers.

#include <gtest/gtest.h>

#include "DescriptionRoot.h"
#include "StoredValues.h"

template <void (*RegisterClasses)()>
class StoredDescriptionTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterClasses(); }

  // Reads `child` into the root and gives it.
  template <class T>
  T& Read(const TStreamObject& child) {
    return FRoot.ReadChild<T>({child}, child.Name);
  }

  TDescriptionRoot FRoot{nullptr};
};
