#pragma once
// The platform's visual-style library, loaded at run time so that the program also starts where it is
// missing. Every entry is null when the library or the function is not there.

#include <windows.h>
// Only the declarations' types are taken from the header; nothing links against the library.
#include <uxtheme.h>

#include "Handles.h"

struct TUxTheme {
  decltype(&::OpenThemeData) OpenThemeData = nullptr;
  decltype(&::CloseThemeData) CloseThemeData = nullptr;
  decltype(&::DrawThemeBackground) DrawThemeBackground = nullptr;
  decltype(&::DrawThemeEdge) DrawThemeEdge = nullptr;
  decltype(&::DrawThemeText) DrawThemeText = nullptr;
  decltype(&::DrawThemeParentBackground) DrawThemeParentBackground = nullptr;
  decltype(&::GetThemeColor) GetThemeColor = nullptr;
  decltype(&::GetThemeSysColor) GetThemeSysColor = nullptr;
  decltype(&::GetThemeFont) GetThemeFont = nullptr;
  decltype(&::GetThemeTextExtent) GetThemeTextExtent = nullptr;
  decltype(&::GetThemePartSize) GetThemePartSize = nullptr;
  decltype(&::GetThemeBackgroundExtent) GetThemeBackgroundExtent = nullptr;
  decltype(&::GetThemeBackgroundContentRect) GetThemeBackgroundContentRect = nullptr;
  decltype(&::IsThemeActive) IsThemeActive = nullptr;
  decltype(&::IsAppThemed) IsAppThemed = nullptr;
  decltype(&::SetThemeAppProperties) SetThemeAppProperties = nullptr;

  // The library was found with every function the program uses.
  bool Available() const;
};

// The library of this process, loaded on first use and kept until the process ends.
const TUxTheme& UxTheme();

// A theme handle of the library, closed with it.
struct TThemeHandleTraits {
  using Handle = HTHEME;
  static constexpr Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle theme) noexcept { UxTheme().CloseThemeData(theme); }
};
using TThemeHandle = TUniqueHandle<TThemeHandleTraits>;
