#pragma once
// Access to registry keys, for the current user unless RootKey says otherwise.

#include <windows.h>

#include <string>

#include "ExceptionHandling.h"
#include "Handles.h"
#include "Object.h"

class ERegistryException : public EUnicodeException {
 public:
  using EUnicodeException::EUnicodeException;
};

class TRegistry : public TObject {
 public:
  explicit TRegistry(REGSAM access = KEY_ALL_ACCESS);
  ~TRegistry() override;

  HKEY GetRootKey() const { return FRootKey; }
  void SetRootKey(HKEY root);
  HKEY CurrentKey() const { return FCurrentKey.Get(); }

  // Opens `key` (a leading "\" starts at RootKey, otherwise relative to the open key), creating it when
  // `canCreate`; false when it cannot be opened.
  bool OpenKey(const std::u16string& key, bool canCreate);
  void CloseKey();
  // Raises ERegistryException "Fehler beim Setzen der Daten für '<name>'" when the value cannot be written.
  void WriteString(const std::u16string& name, const std::u16string& value);
  // The string value, or empty when there is none or the value is not a string.
  std::u16string ReadString(const std::u16string& name);
  bool ValueExists(const std::u16string& name);
  bool DeleteValue(const std::u16string& name);

 private:
  HKEY FRootKey = HKEY_CURRENT_USER;
  TRegistryKey FCurrentKey;
  REGSAM FAccess;
};
