#pragma once
// TThemeServices: the process's theme services, created on first use. Every themed drawing and metric of the
// family goes through them: each operation takes the caller's theme mode first, resolves it, and for a mode
// that draws classic (or a platform without visual styles) draws nothing and returns the neutral result, so
// that the caller draws in classic style.

#include <windows.h>

#include <array>
#include <optional>
#include <string_view>

#include "Handles.h"
#include "ThemeMode.h"
#include "Types.h"
#include "UxTheme.h"

// The platform's theme classes the family draws with.
enum class TThemedElement : std::uint8_t { teButton, teEdit, teStatus, teToolBar, teWindow };
inline constexpr std::size_t kThemedElementCount = 5;

// A part and state of an element's theme class.
struct TThemedElementDetails {
  TThemedElement Element;
  int Part;
  int State;
};

class TThemeServices {
 public:
  TThemeServices();
  ~TThemeServices();
  TThemeServices(const TThemeServices&) = delete;
  TThemeServices& operator=(const TThemeServices&) = delete;

  // The mode a request for `mode` draws with: ttmNone (classic) or ttmPlatform; no custom renderer is ever
  // registered, so ttmNative behaves as ttmPlatform.
  TThemeMode UseTheme(TThemeMode mode) const;
  // The mode a control draws with: the application's global mode when the control follows it, else its own,
  // resolved as UseTheme does.
  TThemeMode ControlThemeMode(bool followGlobalMode, TThemeMode controlMode) const;

  // Drawing: true when something was drawn.
  bool DrawElement(TThemeMode mode, HDC dc, const TThemedElementDetails& details, const RECT& rect,
                   const RECT* clip = nullptr);
  // `content` receives the area inside the edge when BF_ADJUST is among the flags.
  bool DrawThemeEdge(TThemeMode mode, HDC dc, const TThemedElementDetails& details, const RECT& rect,
                     UINT edge, UINT flags, RECT* content = nullptr);
  bool DrawThemeText(TThemeMode mode, HDC dc, const TThemedElementDetails& details, std::u16string_view text,
                     DWORD flags, const RECT& rect);
  bool DrawThemeParentBackground(TThemeMode mode, HWND window, HDC dc, const RECT* rect);

  // Metrics: clNone or none when there is no themed answer.
  TColor GetThemeColor(TThemeMode mode, const TThemedElementDetails& details, int property);
  TColor GetThemeSysColor(TThemeMode mode, TThemedElement element, int colorIndex);
  std::optional<LOGFONTW> GetThemeFont(TThemeMode mode, HDC dc, const TThemedElementDetails& details,
                                       int property);
  std::optional<RECT> GetThemeTextExtent(TThemeMode mode, HDC dc, const TThemedElementDetails& details,
                                         std::u16string_view text, DWORD flags, const RECT* bounds);
  std::optional<SIZE> GetThemePartSize(TThemeMode mode, HDC dc, const TThemedElementDetails& details,
                                       THEMESIZE size);
  std::optional<RECT> GetThemeBackgroundExtent(TThemeMode mode, HDC dc, const TThemedElementDetails& details,
                                               const RECT& content);
  std::optional<RECT> ContentRect(TThemeMode mode, HDC dc, const TThemedElementDetails& details,
                                  const RECT& bounds);

  // True while a change of the system's theme is being passed on.
  bool SystemThemeChanging() const { return FSystemThemeChanging; }
  // The hidden window that hears of the system's theme changes.
  HWND NotificationWindow() const { return FWindow.Get(); }

 private:
  // The theme handle of the element's class for a request in `mode`, opened on first use and kept until the
  // system's theme changes; null when the request draws classic or the class has no theme.
  HTHEME Theme(TThemeMode mode, TThemedElement element);
  void CloseThemes();
  void SystemThemeChanged();
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::array<TThemeHandle, kThemedElementCount> FThemes;
  bool FSystemThemeChanging = false;
  TWindowHandle FWindow;
};

TThemeServices& ThemeServices();
