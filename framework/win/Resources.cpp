#include "Resources.h"

#include "AnsiText.h"
#include "WinText.h"
#include "stream/BinaryStream.h"

std::optional<std::vector<std::uint8_t>> LoadResourceData(HMODULE module, const std::u16string& name) {
  HRSRC info = FindResourceW(module, WideText(name), RT_RCDATA);
  if (!info)
    return std::nullopt;
  HGLOBAL resource = LoadResource(module, info);
  if (!resource)
    return std::nullopt;
  const DWORD size = SizeofResource(module, info);
  const auto* data = static_cast<const std::uint8_t*>(LockResource(resource));
  if (!data && size != 0)
    return std::nullopt;
  return std::vector<std::uint8_t>(data, data + size);
}

TStreamObject LoadDescription(HMODULE module, const std::u16string& name) {
  const auto data = LoadResourceData(module, name);
  if (!data)
    throw EStreamError("Resource " + UnicodeToUtf8(name) + " not found");
  return ReadObjectStream(data->data(), data->size());
}
