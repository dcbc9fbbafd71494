#pragma once
// Small conversions between the framework's types and the Win32 API: UTF-16 strings as wide strings, and the
// points packed into mouse-message parameters.

#include <windows.h>

#include <string>

// MinGW's wchar_t is a UTF-16 code unit, so std::u16string and wide strings share their representation.
inline const wchar_t* WideText(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline std::u16string FromWide(const wchar_t* text) {
  return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : std::u16string();
}
inline int TextLength(const std::u16string& text) {
  return static_cast<int>(text.size());
}

// The signed client coordinates of a mouse message.
inline POINT PointFromLParam(LPARAM value) {
  return POINT{static_cast<short>(value & 0xFFFF), static_cast<short>((value >> 16) & 0xFFFF)};
}
inline LPARAM PointToLParam(int x, int y) {
  const auto low = static_cast<DWORD>(static_cast<WORD>(x));
  const auto high = static_cast<DWORD>(static_cast<WORD>(y));
  return static_cast<LPARAM>(low | (high << 16));
}
