#pragma once
// Run-time class information: the published properties, the component fields and the event handlers of a
// class, looked up by name when a stored description is read. Each class builds its TClassInfo once with
// TClassBuilder, in its StaticClass().

#include <any>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "Object.h"
#include "StreamConvert.h"
#include "stream/StreamObject.h"

class TComponent;
class TPersistent;

// One published (or stored-only) property.
class TPropertyInfo {
 public:
  explicit TPropertyInfo(std::string name) : FName(std::move(name)) {}
  virtual ~TPropertyInfo() = default;
  const std::string& Name() const { return FName; }

  // Assigns a stored value. `root` is the component whose description is being read (event handlers are its
  // methods). Raises EReadError when the value does not fit.
  virtual void Read(TPersistent& instance, const TStreamValue& value, TComponent& root) const = 0;
  // The current value in stored form; none for events and stored-only properties.
  virtual std::optional<TStreamValue> Value(const TPersistent&) const { return std::nullopt; }
  // For properties that hold a sub-object (Font, Fill, Bullets): the object whose properties "Font.Name" etc.
  // reach.
  virtual TPersistent* SubObject(TPersistent&) const { return nullptr; }
  // Properties that refer to another component by name are assigned once every component of the description
  // exists; false when `target` is not of the property's class.
  virtual bool IsReference() const { return false; }
  virtual bool AssignReference(TPersistent&, TComponent*) const { return false; }

 private:
  std::string FName;
};

// A published field of a form that receives the component of the same name while the form is read.
struct TFieldInfo {
  std::string Name;
  // Stores the component in the field; false when the component's class does not fit the field.
  std::function<bool(TPersistent& owner, TComponent* component)> Assign;
};

// A published method of a form, bindable to an event by name. Bind returns a TEvent<...> bound to the
// instance.
struct TMethodInfo {
  std::string Name;
  std::function<std::any(TPersistent& instance)> Bind;
};

class TClassInfo {
 public:
  using TFactory = TComponent* (*)(TComponent* owner);

  TClassInfo(std::string name, const TClassInfo* parent, TFactory factory,
             std::vector<std::unique_ptr<TPropertyInfo>> properties, std::vector<TFieldInfo> fields,
             std::vector<TMethodInfo> methods);

  const std::string& Name() const { return FName; }
  const TClassInfo* Parent() const { return FParent; }
  bool InheritsFrom(const TClassInfo& other) const;

  // Lookups search this class first, then its ancestors.
  const TPropertyInfo* FindProperty(std::string_view name) const;
  const TFieldInfo* FindField(std::string_view name) const;
  const TMethodInfo* FindMethod(std::string_view name) const;

  bool IsCreatable() const { return FFactory != nullptr; }
  TComponent* Create(TComponent* owner) const;

 private:
  std::string FName;
  const TClassInfo* FParent;
  TFactory FFactory;
  std::vector<std::unique_ptr<TPropertyInfo>> FProperties;
  std::vector<TFieldInfo> FFields;
  std::vector<TMethodInfo> FMethods;
};

// Declares the class-information members; place at the top of a class body.
#define OVANTA_CLASS(Self)                   \
 public:                                     \
  static const TClassInfo& StaticClass();    \
  const TClassInfo& Class() const override { \
    return Self::StaticClass();              \
  }                                          \
                                             \
 private:

namespace class_info_detail {

template <class C, class V, class Getter, class Setter>
class TAccessorProperty final : public TPropertyInfo {
 public:
  TAccessorProperty(std::string name, Getter getter, Setter setter)
      : TPropertyInfo(std::move(name)), FGetter(getter), FSetter(setter) {}
  void Read(TPersistent& instance, const TStreamValue& value, TComponent&) const override {
    std::invoke(FSetter, static_cast<C&>(instance), TStreamConvert<V>::From(value));
  }
  std::optional<TStreamValue> Value(const TPersistent& instance) const override {
    if constexpr (std::is_same_v<Getter, std::nullptr_t>) {
      return std::nullopt;
    } else {
      return TStreamConvert<V>::To(std::invoke(FGetter, static_cast<const C&>(instance)));
    }
  }

 private:
  Getter FGetter;
  Setter FSetter;
};

template <class C, class Getter>
class TObjectProperty final : public TPropertyInfo {
 public:
  TObjectProperty(std::string name, Getter getter) : TPropertyInfo(std::move(name)), FGetter(getter) {}
  void Read(TPersistent&, const TStreamValue&, TComponent&) const override {
    throw EReadError("Invalid property value: " + Name() + " is an object; set its properties instead");
  }
  TPersistent* SubObject(TPersistent& instance) const override {
    return std::invoke(FGetter, static_cast<C&>(instance));
  }

 private:
  Getter FGetter;
};

template <class C, class T, class Getter, class Setter>
class TReferenceProperty final : public TPropertyInfo {
 public:
  TReferenceProperty(std::string name, Getter getter, Setter setter)
      : TPropertyInfo(std::move(name)), FGetter(getter), FSetter(setter) {}
  void Read(TPersistent&, const TStreamValue&, TComponent&) const override {
    throw EReadError("Invalid property value: " + Name() + " refers to a component");
  }
  bool IsReference() const override { return true; }
  bool AssignReference(TPersistent& instance, TComponent* target) const override {
    T* typed = target ? dynamic_cast<T*>(target) : nullptr;
    if (target && !typed)
      return false;
    std::invoke(FSetter, static_cast<C&>(instance), typed);
    return true;
  }
  std::optional<TStreamValue> Value(const TPersistent& instance) const override {
    const T* target = std::invoke(FGetter, static_cast<const C&>(instance));
    if (!target)
      return stream_convert::TypedValue(TValueType::vaNil);
    return stream_convert::IdentValue(target->GetName());
  }

 private:
  Getter FGetter;
  Setter FSetter;
};

[[noreturn]] void HandlerMismatch(const std::string& handler, const std::string& event);
// The root's method `handler`, bound to the root; raises EReadError when the root has none of that name.
std::any BindHandler(TComponent& root, const std::string& handler);

template <class C, class Slot>
class TEventProperty final : public TPropertyInfo {
 public:
  TEventProperty(std::string name, Slot C::*slot) : TPropertyInfo(std::move(name)), FSlot(slot) {}
  void Read(TPersistent& instance, const TStreamValue& value, TComponent& root) const override;

 private:
  Slot C::*FSlot;
};

}  // namespace class_info_detail

template <class C>
class TClassBuilder {
 public:
  TClassBuilder(std::string name, const TClassInfo* parent) : FName(std::move(name)), FParent(parent) {}

  // The class can be created by name from a stored description.
  TClassBuilder& Creatable() {
    FFactory = [](TComponent* owner) -> TComponent* { return new C(owner); };
    return *this;
  }

  // A property read with `getter` (a const member function, or nullptr for a stored-only property) and
  // written with `setter` (a member function taking the value).
  template <class V, class Getter, class Setter>
  TClassBuilder& Property(std::string name, Getter getter, Setter setter) {
    FProperties.push_back(std::make_unique<class_info_detail::TAccessorProperty<C, V, Getter, Setter>>(
        std::move(name), getter, setter));
    return *this;
  }

  // A property holding an owned sub-object; `getter` returns a pointer to it.
  template <class Getter>
  TClassBuilder& Object(std::string name, Getter getter) {
    FProperties.push_back(
        std::make_unique<class_info_detail::TObjectProperty<C, Getter>>(std::move(name), getter));
    return *this;
  }

  // A reference to another component of type T, stored by its name (nil for none).
  template <class T, class Getter, class Setter>
  TClassBuilder& Reference(std::string name, Getter getter, Setter setter) {
    FProperties.push_back(std::make_unique<class_info_detail::TReferenceProperty<C, T, Getter, Setter>>(
        std::move(name), getter, setter));
    return *this;
  }

  // An event slot, bound by name to a method of the root component when a description is read.
  template <class Slot>
  TClassBuilder& Event(std::string name, Slot C::*slot) {
    FProperties.push_back(
        std::make_unique<class_info_detail::TEventProperty<C, Slot>>(std::move(name), slot));
    return *this;
  }

  // A field that receives the owned component of the same name.
  template <class F>
  TClassBuilder& Field(std::string name, F* C::*field) {
    FFields.push_back(TFieldInfo{std::move(name), [field](TPersistent& owner, TComponent* component) {
                                   auto* typed = dynamic_cast<F*>(component);
                                   if (!typed)
                                     return false;
                                   static_cast<C&>(owner).*field = typed;
                                   return true;
                                 }});
    return *this;
  }

  // A method that stored event properties can name.
  template <class... Args>
  TClassBuilder& Method(std::string name, void (C::*method)(TObject*, Args...)) {
    FMethods.push_back(TMethodInfo{std::move(name), [method](TPersistent& instance) -> std::any {
                                     auto* self = &static_cast<C&>(instance);
                                     return TEvent<Args...>([self, method](TObject* sender, Args... args) {
                                       (self->*method)(sender, std::forward<Args>(args)...);
                                     });
                                   }});
    return *this;
  }

  TClassInfo Build() {
    return TClassInfo(std::move(FName), FParent, FFactory, std::move(FProperties), std::move(FFields),
                      std::move(FMethods));
  }

 private:
  std::string FName;
  const TClassInfo* FParent;
  TClassInfo::TFactory FFactory = nullptr;
  std::vector<std::unique_ptr<TPropertyInfo>> FProperties;
  std::vector<TFieldInfo> FFields;
  std::vector<TMethodInfo> FMethods;
};

template <class C, class Slot>
void class_info_detail::TEventProperty<C, Slot>::Read(TPersistent& instance, const TStreamValue& value,
                                                      TComponent& root) const {
  if (value.Type != TValueType::vaIdent)
    stream_convert::Mismatch("a handler name");
  std::any bound = BindHandler(root, value.Bytes);
  auto* handler = std::any_cast<Slot>(&bound);
  if (!handler)
    HandlerMismatch(value.Bytes, Name());
  static_cast<C&>(instance).*FSlot = std::move(*handler);
}

// The classes a stored description may name, registered by the program before it reads one.
class TClassRegistry {
 public:
  void Register(const TClassInfo& info);
  const TClassInfo* Find(std::string_view name) const;

 private:
  std::vector<const TClassInfo*> FClasses;
};

// The classes of the program, registered before the first description is read.
TClassRegistry& RegisteredClasses();
