#pragma once
// The dialog exactly as its stored description makes it: read from the program's resources, without running
// its creation handler.

#include <memory>

#include "Forms.h"
#include "Reader.h"
#include "Resources.h"
#include "UnitOvanta.h"

inline std::unique_ptr<TForm1> StoredDialog() {
  RegisterStandardClasses();
  RegisterDialogClasses();
  auto form = std::make_unique<TForm1>(nullptr);
  ReadComponentTree(*form, LoadDescription(nullptr, u"TFORM1"), RegisteredClasses());
  return form;
}
