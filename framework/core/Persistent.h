#pragma once
// Objects with published properties that can be read from stored descriptions and copied with Assign.

#include <string>

#include "ClassInfo.h"
#include "Object.h"

class TPersistent : public TObject {
 public:
  static const TClassInfo& StaticClass();
  virtual const TClassInfo& Class() const { return StaticClass(); }
  const std::string& ClassName() const { return Class().Name(); }

  // Copies the settings of `source`. The default asks the source to assign itself (AssignTo), which raises
  // EConvertError when neither side knows the other.
  virtual void Assign(const TPersistent& source);

 protected:
  virtual void AssignTo(TPersistent& dest) const;
};
