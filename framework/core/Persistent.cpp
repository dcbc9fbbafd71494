#include "Persistent.h"

const TClassInfo& TPersistent::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPersistent>("TPersistent", nullptr).Build();
  return info;
}

void TPersistent::Assign(const TPersistent& source) {
  source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& dest) const {
  throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest.ClassName());
}
