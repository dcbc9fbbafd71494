#include "ClassInfo.h"

#include "Component.h"

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, TFactory factory,
                       std::vector<std::unique_ptr<TPropertyInfo>> properties, std::vector<TFieldInfo> fields,
                       std::vector<TMethodInfo> methods)
    : FName(std::move(name)),
      FParent(parent),
      FFactory(factory),
      FProperties(std::move(properties)),
      FFields(std::move(fields)),
      FMethods(std::move(methods)) {}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    if (c == &other)
      return true;
  return false;
}

const TPropertyInfo* TClassInfo::FindProperty(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    for (const auto& p : c->FProperties)
      if (p->Name() == name)
        return p.get();
  return nullptr;
}

const TFieldInfo* TClassInfo::FindField(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    for (const auto& f : c->FFields)
      if (f.Name == name)
        return &f;
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    for (const auto& m : c->FMethods)
      if (m.Name == name)
        return &m;
  return nullptr;
}

TComponent* TClassInfo::Create(TComponent* owner) const {
  if (!FFactory)
    throw EReadError("Class " + FName + " cannot be created from a stored description");
  return FFactory(owner);
}

void TClassRegistry::Register(const TClassInfo& info) {
  if (Find(info.Name()) == &info)
    return;
  if (Find(info.Name()))
    throw EReadError("Class " + info.Name() + " is registered twice");
  FClasses.push_back(&info);
}

const TClassInfo* TClassRegistry::Find(std::string_view name) const {
  for (const TClassInfo* c : FClasses)
    if (c->Name() == name)
      return c;
  return nullptr;
}

TClassRegistry& RegisteredClasses() {
  static TClassRegistry registry;
  return registry;
}

namespace class_info_detail {

void HandlerMismatch(const std::string& handler, const std::string& event) {
  throw EReadError("Method " + handler + " does not fit the event " + event);
}

std::any BindHandler(TComponent& root, const std::string& handler) {
  const TMethodInfo* method = root.Class().FindMethod(handler);
  if (!method)
    throw EReadError("Method " + handler + " not found in " + root.ClassName());
  return method->Bind(root);
}

}  // namespace class_info_detail
