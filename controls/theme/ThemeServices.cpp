#include "ThemeServices.h"

#include "ThemeResolution.h"
#include "Themes.h"

namespace {

constexpr std::array<const wchar_t*, kThemedElementCount> kThemeClasses{L"BUTTON", L"EDIT", L"STATUS",
                                                                        L"TOOLBAR", L"WINDOW"};

constexpr wchar_t kWindowClass[] = L"OvantaThemeServices";

const wchar_t* TextOf(std::u16string_view text) {
  return reinterpret_cast<const wchar_t*>(text.data());
}

int LengthOf(std::u16string_view text) {
  return static_cast<int>(text.size());
}

}  // namespace

TThemeServices::TThemeServices() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  if (!GetClassInfoW(instance, kWindowClass, &windowClass)) {
    windowClass.lpfnWndProc = &TThemeServices::WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassW(&windowClass);
  }
  // A hidden top-level window: the system's theme change is sent to top-level windows only.
  FWindow.Reset(
      CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr));
  if (FWindow)
    SetWindowLongPtrW(FWindow.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TThemeServices::~TThemeServices() {
  if (FWindow)
    SetWindowLongPtrW(FWindow.Get(), GWLP_USERDATA, 0);
}

TThemeMode TThemeServices::UseTheme(TThemeMode mode) const {
  constexpr bool rendererEnabled = false;
  return ::UseTheme(mode, rendererEnabled, ThemeApplication().GetUseXPThemes());
}

TThemeMode TThemeServices::ControlThemeMode(bool followGlobalMode, TThemeMode controlMode) const {
  return UseTheme(RequestedThemeMode(followGlobalMode, controlMode, ThemeApplication().GetThemeGlobalMode()));
}

HTHEME TThemeServices::Theme(TThemeMode mode, TThemedElement element) {
  if (UseTheme(mode) != TThemeMode::ttmPlatform)
    return nullptr;
  TThemeHandle& theme = FThemes[static_cast<std::size_t>(element)];
  if (!theme)
    theme.Reset(UxTheme().OpenThemeData(FWindow.Get(), kThemeClasses[static_cast<std::size_t>(element)]));
  return theme.Get();
}

void TThemeServices::CloseThemes() {
  for (TThemeHandle& theme : FThemes)
    theme.Reset();
}

bool TThemeServices::DrawElement(TThemeMode mode, HDC dc, const TThemedElementDetails& details,
                                 const RECT& rect, const RECT* clip) {
  const HTHEME theme = Theme(mode, details.Element);
  return theme &&
         SUCCEEDED(UxTheme().DrawThemeBackground(theme, dc, details.Part, details.State, &rect, clip));
}

bool TThemeServices::DrawThemeEdge(TThemeMode mode, HDC dc, const TThemedElementDetails& details,
                                   const RECT& rect, UINT edge, UINT flags, RECT* content) {
  const HTHEME theme = Theme(mode, details.Element);
  return theme && SUCCEEDED(UxTheme().DrawThemeEdge(theme, dc, details.Part, details.State, &rect, edge,
                                                    flags, content));
}

bool TThemeServices::DrawThemeText(TThemeMode mode, HDC dc, const TThemedElementDetails& details,
                                   std::u16string_view text, DWORD flags, const RECT& rect) {
  const HTHEME theme = Theme(mode, details.Element);
  return theme && SUCCEEDED(UxTheme().DrawThemeText(theme, dc, details.Part, details.State, TextOf(text),
                                                    LengthOf(text), flags, 0, &rect));
}

bool TThemeServices::DrawThemeParentBackground(TThemeMode mode, HWND window, HDC dc, const RECT* rect) {
  if (UseTheme(mode) != TThemeMode::ttmPlatform)
    return false;
  RECT area{};
  if (rect)
    area = *rect;
  return SUCCEEDED(UxTheme().DrawThemeParentBackground(window, dc, rect ? &area : nullptr));
}

TColor TThemeServices::GetThemeColor(TThemeMode mode, const TThemedElementDetails& details, int property) {
  const HTHEME theme = Theme(mode, details.Element);
  COLORREF color = 0;
  if (!theme || FAILED(UxTheme().GetThemeColor(theme, details.Part, details.State, property, &color)))
    return clNone;
  return ColorValue(color);
}

TColor TThemeServices::GetThemeSysColor(TThemeMode mode, TThemedElement element, int colorIndex) {
  const HTHEME theme = Theme(mode, element);
  if (!theme)
    return clNone;
  return ColorValue(UxTheme().GetThemeSysColor(theme, colorIndex));
}

std::optional<LOGFONTW> TThemeServices::GetThemeFont(TThemeMode mode, HDC dc,
                                                     const TThemedElementDetails& details, int property) {
  const HTHEME theme = Theme(mode, details.Element);
  LOGFONTW font{};
  if (!theme || FAILED(UxTheme().GetThemeFont(theme, dc, details.Part, details.State, property, &font)))
    return std::nullopt;
  return font;
}

std::optional<RECT> TThemeServices::GetThemeTextExtent(TThemeMode mode, HDC dc,
                                                       const TThemedElementDetails& details,
                                                       std::u16string_view text, DWORD flags,
                                                       const RECT* bounds) {
  const HTHEME theme = Theme(mode, details.Element);
  RECT extent{};
  if (!theme || FAILED(UxTheme().GetThemeTextExtent(theme, dc, details.Part, details.State, TextOf(text),
                                                    LengthOf(text), flags, bounds, &extent)))
    return std::nullopt;
  return extent;
}

std::optional<SIZE> TThemeServices::GetThemePartSize(TThemeMode mode, HDC dc,
                                                     const TThemedElementDetails& details, THEMESIZE size) {
  const HTHEME theme = Theme(mode, details.Element);
  SIZE result{};
  if (!theme ||
      FAILED(UxTheme().GetThemePartSize(theme, dc, details.Part, details.State, nullptr, size, &result)))
    return std::nullopt;
  return result;
}

std::optional<RECT> TThemeServices::GetThemeBackgroundExtent(TThemeMode mode, HDC dc,
                                                             const TThemedElementDetails& details,
                                                             const RECT& content) {
  const HTHEME theme = Theme(mode, details.Element);
  RECT extent{};
  if (!theme ||
      FAILED(UxTheme().GetThemeBackgroundExtent(theme, dc, details.Part, details.State, &content, &extent)))
    return std::nullopt;
  return extent;
}

std::optional<RECT> TThemeServices::ContentRect(TThemeMode mode, HDC dc, const TThemedElementDetails& details,
                                                const RECT& bounds) {
  const HTHEME theme = Theme(mode, details.Element);
  RECT content{};
  if (!theme || FAILED(UxTheme().GetThemeBackgroundContentRect(theme, dc, details.Part, details.State,
                                                               &bounds, &content)))
    return std::nullopt;
  return content;
}

// The handles belong to the old theme: they are closed and opened again on the next request.
void TThemeServices::SystemThemeChanged() {
  if (!ThemeApplication().GetUseXPThemes())
    return;
  FSystemThemeChanging = true;
  struct TEndChange {
    bool& Changing;
    ~TEndChange() { Changing = false; }
  } endChange{FSystemThemeChanging};
  CloseThemes();
  ThemeApplication().DoThemeChange();
}

LRESULT CALLBACK TThemeServices::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_THEMECHANGED) {
    if (auto* services = reinterpret_cast<TThemeServices*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
      services->SystemThemeChanged();
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

TThemeServices& ThemeServices() {
  static TThemeServices services;
  return services;
}
