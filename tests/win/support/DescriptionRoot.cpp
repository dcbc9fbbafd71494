#include "DescriptionRoot.h"

namespace {

std::string NameOf(TObject* sender) {
  return static_cast<TComponent*>(sender)->GetName();
}

}  // namespace

const TClassInfo& TDescriptionRoot::StaticClass() {
  using C = TDescriptionRoot;
  static const TClassInfo info = TClassBuilder<C>("TDescriptionRoot", &TForm::StaticClass())
                                     .Method("Clicked", &C::Clicked)
                                     .Method("LinkClicked", &C::LinkClicked)
                                     .Method("Painted", &C::Painted)
                                     .Method("Moved", &C::Moved)
                                     .Method("Progress", &C::Progress)
                                     .Method("DoneFile", &C::DoneFile)
                                     .Method("DoneString", &C::DoneString)
                                     .Method("Failed", &C::Failed)
                                     .Method("EditChanged", &C::EditChanged)
                                     .Build();
  return info;
}

void TDescriptionRoot::Clicked(TObject* sender) {
  Calls.push_back("click " + NameOf(sender));
}
void TDescriptionRoot::LinkClicked(TObject* sender, const std::u16string& href) {
  Calls.push_back("link " + NameOf(sender) + " " + std::string(href.begin(), href.end()));
}
void TDescriptionRoot::Painted(TObject* sender) {
  Calls.push_back("paint " + NameOf(sender));
}
void TDescriptionRoot::Moved(TObject* sender) {
  Calls.push_back("move " + NameOf(sender));
}
void TDescriptionRoot::Progress(TObject*, std::int32_t total, std::int32_t received) {
  Calls.push_back("progress " + std::to_string(received) + "/" + std::to_string(total));
}
void TDescriptionRoot::DoneFile(TObject* sender, const std::string& file, std::int32_t size) {
  Calls.push_back("file " + NameOf(sender) + " " + file + " " + std::to_string(size));
}
void TDescriptionRoot::DoneString(TObject* sender, const std::string& text) {
  Calls.push_back("string " + NameOf(sender) + " " + text);
}
void TDescriptionRoot::Failed(TObject* sender) {
  Calls.push_back("error " + NameOf(sender));
}
void TDescriptionRoot::EditChanged(TObject* sender) {
  Calls.push_back("change " + NameOf(sender));
}
