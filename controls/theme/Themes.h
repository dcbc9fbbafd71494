#pragma once
// TThemeApplication: the application's theme settings, one per process, created at program start. It
// decides whether the family may draw with the platform's visual styles and tells every form and control
// when the theme settings change.

#include <windows.h>

#include "Component.h"
#include "ThemeMode.h"

// The family's own theme-change notification, sent to each form and broadcast to its controls.
constexpr UINT CM_EXTHEMECHANGED = 0xB0D6;

class TThemeApplication : public TComponent {
  OVANTA_CLASS(TThemeApplication)

 public:
  TThemeApplication();

  // Reads True when the application allows visual styles and the platform uses them for this process.
  // Writing switches the process's visual styles on or off and tells every form (see DoThemeChange).
  bool GetUseXPThemes() const;
  void SetUseXPThemes(bool value);
  // True: switching visual styles off concerns the family only; the process's windows and the forms keep
  // theirs.
  bool GetUseXPThemesFamilyOnly() const { return FFamilyOnly; }
  void SetUseXPThemesFamilyOnly(bool value) { FFamilyOnly = value; }
  bool GetThemeUseColorProperty() const { return FThemeUseColorProperty; }
  void SetThemeUseColorProperty(bool value) { FThemeUseColorProperty = value; }
  // The mode of the controls whose ThemeGlobalMode is True; a new value runs DoThemeChange.
  TThemeMode GetThemeGlobalMode() const { return FGlobalThemeMode; }
  void SetThemeGlobalMode(TThemeMode mode);

  // The platform has the visual-style library.
  bool XPThemesSupported() const;
  // The program runs with version 6 of the common controls, which its manifest asks for.
  bool XPManifestAvailable() const { return FManifest; }

  // Tells every form of the application: the family's notification to the form; for a visible form also to
  // its controls, then WM_THEMECHANGED to each windowed descendant with a window (each before its own
  // children) and, unless for the family only, to the form.
  void DoThemeChange();

 private:
  bool FFamilyOnly = false;
  bool FUseXPThemes = true;
  bool FManifest = false;
  bool FThemeUseColorProperty = true;
  TThemeMode FGlobalThemeMode = TThemeMode::ttmPlatform;
};

// The process's theme settings, which live from program start to end.
TThemeApplication& ThemeApplication();
