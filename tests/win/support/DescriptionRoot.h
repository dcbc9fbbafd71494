#pragma once
// A form to read stored descriptions into. Its published handlers, which the stored events of the components
// bind to by name, record every call, so that a test sees which handler a stored event reached.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "Forms.h"
#include "Reader.h"

class TDescriptionRoot : public TForm {
  OVANTA_CLASS(TDescriptionRoot)

 public:
  explicit TDescriptionRoot(TComponent* owner) : TForm(owner) {}

  // "click Link", "link Link ExHTMLSnip1", "paint Busy", "move Busy", "progress 1024/5000",
  // "file Get setup.exe 5000", "string Get body", "error Get", "change ExEdit1"
  std::vector<std::string> Calls;

  void Clicked(TObject* sender);
  void LinkClicked(TObject* sender, const std::u16string& href);
  void Painted(TObject* sender);
  void Moved(TObject* sender);
  void Progress(TObject* sender, std::int32_t total, std::int32_t received);
  void DoneFile(TObject* sender, const std::string& file, std::int32_t size);
  void DoneString(TObject* sender, const std::string& text);
  void Failed(TObject* sender);
  void EditChanged(TObject* sender);

  // Reads a description of this root holding `children` and gives the child named `name`; throws when there
  // is none of class T.
  template <class T>
  T& ReadChild(std::vector<TStreamObject> children, const std::string& name) {
    const TStreamObject description{"TDescriptionRoot", "Root", {}, std::move(children)};
    ReadComponentTree(*this, description, RegisteredClasses());
    auto* child = dynamic_cast<T*>(FindComponent(name));
    if (!child)
      throw std::runtime_error("no component " + name + " of the expected class");
    return *child;
  }
};
