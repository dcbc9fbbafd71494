#include "StyleStore.h"

#include <algorithm>

#include "AsciiCase.h"
#include "Reader.h"
#include "StreamConvert.h"

namespace {

template <class Char>
bool SameName(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
  return SameIgnoringAsciiCase(a, b);
}

// Puts `value` into `values`, replacing one of the same name in its place.
void Put(std::vector<TStreamProperty>& values, const TStreamProperty& value) {
  const auto same = std::find_if(values.begin(), values.end(), [&](const TStreamProperty& v) {
    return SameName<char>(v.Name, value.Name);
  });
  if (same != values.end())
    same->Value = value.Value;
  else
    values.push_back(value);
}

bool IsInheritsFrom(const TStreamProperty& value) {
  return SameName<char>(value.Name, kInheritsFromValue);
}

class TStyleMerger {
 public:
  explicit TStyleMerger(const TStyleStore& store) : FStore(store) {}

  void Merge(std::u16string_view key) {
    if (!FStore.HasKey(key) || Merged(key))
      return;
    FMerged.emplace_back(key);
    Merge(ParentOf(key));
    for (const TStreamProperty& value : FStore.Values(key))
      if (!IsInheritsFrom(value))
        Put(FResult, value);
  }

  std::vector<TStreamProperty> Take() { return std::move(FResult); }

 private:
  bool Merged(std::u16string_view key) const {
    return std::any_of(FMerged.begin(), FMerged.end(),
                       [&](const std::u16string& k) { return SameName<char16_t>(k, key); });
  }

  std::u16string ParentOf(std::u16string_view key) const {
    for (const TStreamProperty& value : FStore.Values(key))
      if (IsInheritsFrom(value))
        return TStreamConvert<std::u16string>::From(value.Value);
    return std::u16string(kDefaultStyleKey);
  }

  const TStyleStore& FStore;
  std::vector<std::u16string> FMerged;
  std::vector<TStreamProperty> FResult;
};

}  // namespace

TStyleStore::TStyleStore() {
  FKeys.push_back(TKey{std::u16string(kDefaultStyleKey), {}});
}

std::vector<TStyleStore::TKey>::const_iterator TStyleStore::FindKey(std::u16string_view key) const {
  return std::find_if(FKeys.begin(), FKeys.end(),
                      [&](const TKey& k) { return SameName<char16_t>(k.Name, key); });
}

bool TStyleStore::HasKey(std::u16string_view key) const {
  return FindKey(key) != FKeys.end();
}

void TStyleStore::SetValue(std::u16string_view key, std::string_view name, TStreamValue value) {
  auto found = FKeys.begin() + (FindKey(key) - FKeys.cbegin());
  if (found == FKeys.end())
    found = FKeys.insert(FKeys.end(), TKey{std::u16string(key), {}});
  Put(found->Values, TStreamProperty{std::string(name), std::move(value)});
}

const std::vector<TStreamProperty>& TStyleStore::Values(std::u16string_view key) const {
  static const std::vector<TStreamProperty> none;
  const auto found = FindKey(key);
  return found == FKeys.end() ? none : found->Values;
}

std::vector<TStreamProperty> MergedStyle(const TStyleStore& store, std::u16string_view className,
                                         std::u16string_view styleName) {
  TStyleMerger merger(store);
  merger.Merge(store.HasKey(className) ? className : kDefaultStyleKey);
  if (styleName.starts_with(u'.'))
    merger.Merge(styleName);
  return merger.Take();
}

void WriteStyleValues(TComponent& instance, const std::vector<TStreamProperty>& values) {
  for (const TStreamProperty& value : values) {
    TPersistent* target = &instance;
    const TPropertyInfo* info = ResolveProperty(target, value.Name);
    if (!info || info->IsReference())
      continue;
    info->Read(*target, value.Value, instance);
  }
}

void ApplyStoredStyle(const TStyleStore& store, TComponent& instance, std::u16string_view styleName) {
  // Class names are ASCII identifiers.
  const std::string& className = instance.ClassName();
  WriteStyleValues(instance,
                   MergedStyle(store, std::u16string(className.begin(), className.end()), styleName));
}
