#include "Registry.h"

#include <algorithm>
#include <vector>

#include "WinText.h"

TRegistry::TRegistry(REGSAM access) : FAccess(access) {}

TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(HKEY root) {
  if (root == FRootKey)
    return;
  CloseKey();
  FRootKey = root;
}

bool TRegistry::OpenKey(const std::u16string& key, bool canCreate) {
  const bool absolute = !key.empty() && key.front() == u'\\';
  const std::u16string path = absolute ? key.substr(1) : key;
  const HKEY parent = absolute || !FCurrentKey ? FRootKey : FCurrentKey.Get();
  HKEY opened = nullptr;
  const LSTATUS status = canCreate
                             ? RegCreateKeyExW(parent, WideText(path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                               FAccess, nullptr, &opened, nullptr)
                             : RegOpenKeyExW(parent, WideText(path), 0, FAccess, &opened);
  if (status != ERROR_SUCCESS)
    return false;
  FCurrentKey.Reset(opened);
  return true;
}

void TRegistry::CloseKey() {
  FCurrentKey.Reset();
}

void TRegistry::WriteString(const std::u16string& name, const std::u16string& value) {
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(char16_t));
  const LSTATUS status = RegSetValueExW(FCurrentKey.Get(), WideText(name), 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(value.c_str()), bytes);
  if (status != ERROR_SUCCESS)
    throw ERegistryException(u"Fehler beim Setzen der Daten für '" + name + u"'");
}

std::u16string TRegistry::ReadString(const std::u16string& name) {
  if (!FCurrentKey)
    return {};
  DWORD type = 0;
  DWORD size;
  std::vector<BYTE> data(256);
  LSTATUS status;
  // Asks again with the size it needs when the buffer is too small (the value may also grow meanwhile).
  do {
    size = static_cast<DWORD>(data.size());
    status = RegQueryValueExW(FCurrentKey.Get(), WideText(name), nullptr, &type, data.data(), &size);
    if (status == ERROR_MORE_DATA)
      data.resize(size);
  } while (status == ERROR_MORE_DATA);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
    return {};
  std::u16string text(size / sizeof(char16_t), u'\0');
  std::copy_n(data.data(), text.size() * sizeof(char16_t), reinterpret_cast<BYTE*>(text.data()));
  // The string ends at its terminating null, which may also be missing.
  if (const auto end = text.find(u'\0'); end != std::u16string::npos)
    text.resize(end);
  return text;
}

bool TRegistry::ValueExists(const std::u16string& name) {
  return FCurrentKey && RegQueryValueExW(FCurrentKey.Get(), WideText(name), nullptr, nullptr, nullptr,
                                         nullptr) == ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(const std::u16string& name) {
  return FCurrentKey && RegDeleteValueW(FCurrentKey.Get(), WideText(name)) == ERROR_SUCCESS;
}
