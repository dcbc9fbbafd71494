#include "Reader.h"

const TPropertyInfo* ResolveProperty(TPersistent*& instance, std::string_view path) {
  for (;;) {
    const auto dot = path.find('.');
    const TPropertyInfo* info = instance->Class().FindProperty(path.substr(0, dot));
    if (!info || dot == std::string_view::npos)
      return info;
    instance = info->SubObject(*instance);
    if (!instance)
      return nullptr;
    path.remove_prefix(dot + 1);
  }
}

namespace {

class TTreeReader {
 public:
  TTreeReader(TComponent& root, const TClassRegistry& classes) : FRoot(root), FClasses(classes) {}

  void Read(const TStreamObject& description) {
    if (description.ClassName != FRoot.ClassName())
      throw EReadError("The description is of class " + description.ClassName + ", not " + FRoot.ClassName());
    Begin(FRoot);
    try {
      FRoot.SetName(description.Name);
      ReadProperties(FRoot, description);
      for (const auto& child : description.Children)
        ReadChild(FRoot, child);
      ResolveFixups();
    } catch (...) {
      Finish(false);
      throw;
    }
    Finish(true);
  }

 private:
  void Begin(TComponent& component) {
    component.BeginLoading();
    FLoaded.push_back(&component);
  }

  void ReadChild(TComponent& parent, const TStreamObject& description) {
    const TClassInfo* info = FClasses.Find(description.ClassName);
    if (!info)
      throw EReadError("Class " + description.ClassName + " not found");
    TComponent* component = info->Create(&FRoot);
    Begin(*component);
    try {
      component->SetName(description.Name);
    } catch (const EComponentError& e) {
      throw EReadError("Error reading " + description.Name + ": " + e.what());
    }
    if (const TFieldInfo* field = FRoot.Class().FindField(description.Name)) {
      if (!field->Assign(FRoot, component))
        throw EReadError("Field " + description.Name + " of " + FRoot.ClassName() + " cannot hold a " +
                         description.ClassName);
    }
    component->SetParentComponent(&parent);
    ReadProperties(*component, description);
    for (const auto& child : description.Children)
      ReadChild(*component, child);
  }

  void ReadProperties(TComponent& component, const TStreamObject& description) {
    for (const auto& property : description.Properties) {
      const std::string where =
          "Error reading " + DisplayName(component, description) + "." + property.Name + ": ";
      TPersistent* target = &component;
      const TPropertyInfo* info = ResolveProperty(target, property.Name);
      if (!info)
        throw EReadError(where + "Property " + property.Name + " does not exist");
      if (info->IsReference()) {
        if (property.Value.Type != TValueType::vaIdent && property.Value.Type != TValueType::vaNil)
          throw EReadError(where + "Invalid property value: expected a component name");
        FFixups.push_back(TFixup{
            target, info, property.Value.Type == TValueType::vaNil ? "" : property.Value.Bytes, where});
        continue;
      }
      try {
        info->Read(*target, property.Value, FRoot);
      } catch (const EReadError& e) {
        throw EReadError(where + e.what());
      } catch (const std::exception& e) {
        throw EReadError(where + e.what());
      }
    }
  }

  // References name the root itself or one of the components it owns.
  void ResolveFixups() {
    for (const auto& fixup : FFixups) {
      TComponent* target = nullptr;
      if (!fixup.TargetName.empty()) {
        target = fixup.TargetName == FRoot.GetName() ? &FRoot : FRoot.FindComponent(fixup.TargetName);
        if (!target)
          throw EReadError(fixup.Where + "Component " + fixup.TargetName + " not found");
      }
      if (!fixup.Property->AssignReference(*fixup.Instance, target))
        throw EReadError(fixup.Where + "Component " + fixup.TargetName + " is of the wrong class");
    }
  }

  static std::string DisplayName(const TComponent& component, const TStreamObject& description) {
    return description.Name.empty() ? component.ClassName() : description.Name;
  }

  // Ends reading for every component read; on success each is told Loaded, in the order read.
  void Finish(bool success) {
    for (TComponent* c : FLoaded)
      c->EndReading();
    for (TComponent* c : FLoaded) {
      if (success)
        c->Loaded();
      else
        c->TComponent::Loaded();
    }
  }

  struct TFixup {
    TPersistent* Instance;
    const TPropertyInfo* Property;
    std::string TargetName;
    std::string Where;
  };

  TComponent& FRoot;
  const TClassRegistry& FClasses;
  std::vector<TFixup> FFixups;
  std::vector<TComponent*> FLoaded;
};

}  // namespace

void ReadComponentTree(TComponent& root, const TStreamObject& description, const TClassRegistry& classes) {
  TTreeReader(root, classes).Read(description);
}

std::optional<TStreamValue> ReadPropertyValue(TPersistent& instance, std::string_view path) {
  TPersistent* target = &instance;
  const TPropertyInfo* info = ResolveProperty(target, path);
  if (!info)
    return std::nullopt;
  return info->Value(*target);
}
