#pragma once
// The style store of a style manager and the rules that turn a control's class and style name into the
// property values it receives. Portable: values are written through the published-property information, the
// same way a stored description is read.

#include <string>
#include <string_view>
#include <vector>

#include "Component.h"
#include "stream/StreamObject.h"

// The key every store has; a key that names no parent inherits from it.
inline constexpr std::u16string_view kDefaultStyleKey = u"(Default)";
// The value of a key that names the key it inherits from.
inline constexpr std::string_view kInheritsFromValue = "InheritsFrom";

// Named keys, each holding named values (a property name, possibly dotted, and its stored value). Key and
// value names compare without regard to ASCII case.
class TStyleStore {
 public:
  // A store with the default key and nothing in it.
  TStyleStore();

  bool HasKey(std::u16string_view key) const;
  // Sets `name` in `key`, creating the key when needed; a value of that name is replaced.
  void SetValue(std::u16string_view key, std::string_view name, TStreamValue value);
  // The values of `key` in the order they were first set; empty for a missing key.
  const std::vector<TStreamProperty>& Values(std::u16string_view key) const;

 private:
  struct TKey {
    std::u16string Name;
    std::vector<TStreamProperty> Values;
  };
  std::vector<TKey>::const_iterator FindKey(std::u16string_view key) const;
  std::vector<TKey> FKeys;
};

// The values a control of class `className` with the style `styleName` receives, merged in order (a later
// value replaces an earlier one of the same name), without the InheritsFrom entries:
// - a name not starting with ".": the class key when the store has it, else the default key;
// - a name starting with ".": that key (class key or default) and then the key of that name.
// Before each key, the key it inherits from (InheritsFrom, default "(Default)") is merged; every key is
// merged at most once, so inheritance cycles end.
std::vector<TStreamProperty> MergedStyle(const TStyleStore& store, std::u16string_view className,
                                         std::u16string_view styleName);

// Writes each value into the published property of `instance` of that name (dotted names reach published
// sub-objects such as Font). Values naming no property of the instance, or a component reference, are
// skipped: one store serves every class. A value that does not fit its property raises EReadError.
void WriteStyleValues(TComponent& instance, const std::vector<TStreamProperty>& values);

// Writes the style `styleName` of `store` into `instance`, whose class names its class key.
void ApplyStoredStyle(const TStyleStore& store, TComponent& instance, std::u16string_view styleName);
