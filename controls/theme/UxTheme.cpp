#include "UxTheme.h"

namespace {

template <class F>
void Load(HMODULE library, const char* name, F& function) {
  // Through the generic function pointer type, which converts to any other without a cast warning.
  function = reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

TUxTheme LoadUxTheme() {
  TUxTheme ux;
  const HMODULE library = LoadLibraryW(L"uxtheme.dll");
  if (!library)
    return ux;
  Load(library, "OpenThemeData", ux.OpenThemeData);
  Load(library, "CloseThemeData", ux.CloseThemeData);
  Load(library, "DrawThemeBackground", ux.DrawThemeBackground);
  Load(library, "DrawThemeEdge", ux.DrawThemeEdge);
  Load(library, "DrawThemeText", ux.DrawThemeText);
  Load(library, "DrawThemeParentBackground", ux.DrawThemeParentBackground);
  Load(library, "GetThemeColor", ux.GetThemeColor);
  Load(library, "GetThemeSysColor", ux.GetThemeSysColor);
  Load(library, "GetThemeFont", ux.GetThemeFont);
  Load(library, "GetThemeTextExtent", ux.GetThemeTextExtent);
  Load(library, "GetThemePartSize", ux.GetThemePartSize);
  Load(library, "GetThemeBackgroundExtent", ux.GetThemeBackgroundExtent);
  Load(library, "GetThemeBackgroundContentRect", ux.GetThemeBackgroundContentRect);
  Load(library, "IsThemeActive", ux.IsThemeActive);
  Load(library, "IsAppThemed", ux.IsAppThemed);
  Load(library, "SetThemeAppProperties", ux.SetThemeAppProperties);
  return ux;
}

}  // namespace

bool TUxTheme::Available() const {
  return OpenThemeData && CloseThemeData && DrawThemeBackground && DrawThemeEdge && DrawThemeText &&
         DrawThemeParentBackground && GetThemeColor && GetThemeSysColor && GetThemeFont &&
         GetThemeTextExtent && GetThemePartSize && GetThemeBackgroundExtent &&
         GetThemeBackgroundContentRect && IsThemeActive && IsAppThemed && SetThemeAppProperties;
}

const TUxTheme& UxTheme() {
  static const TUxTheme ux = LoadUxTheme();
  return ux;
}
