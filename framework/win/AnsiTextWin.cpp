#include <windows.h>

#include "AnsiText.h"

std::u16string AnsiToUnicode(std::string_view text) {
  if (text.empty())
    return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::u16string result(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, reinterpret_cast<wchar_t*>(result.data()), length);
  return result;
}

std::string UnicodeToAnsi(std::u16string_view text, bool* lossless) {
  if (lossless)
    *lossless = true;
  if (text.empty())
    return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, wide, size, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length), '\0');
  BOOL defaultUsed = FALSE;
  WideCharToMultiByte(CP_ACP, 0, wide, size, result.data(), length, nullptr,
                      lossless ? &defaultUsed : nullptr);
  if (lossless)
    *lossless = !defaultUsed;
  return result;
}
