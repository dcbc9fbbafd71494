#pragma once

#include <stdexcept>

// A stored description that does not fit the classes it names: an unknown class, property or handler, or a
// value of the wrong kind. The message names the object and the property.
class EReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Assigning one persistent object to another of an unrelated kind.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
