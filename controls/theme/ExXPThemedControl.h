#pragma once
// TExXPThemedControl: the windowed base of the family's themed controls. It holds the control's theme
// settings (its own mode, or the application's), resolves them to the mode it draws with, and reacts to theme
// changes.

#include <string>

#include "Controls.h"
#include "ThemeMode.h"

class TExXPThemedControl : public TCustomControl {
  OVANTA_CLASS(TExXPThemedControl)

 public:
  explicit TExXPThemedControl(TComponent* owner);

  // Design-time text; it has no effect at run time.
  const std::u16string& GetAbout() const { return FAbout; }
  void SetAbout(const std::u16string& about) { FAbout = about; }
  // The style the style manager applies to the control.
  const std::u16string& GetStyleName() const { return FStyleName; }
  virtual void SetStyleName(const std::u16string& name);

  bool GetThemeGlobalMode() const { return FThemeGlobalMode; }
  virtual void SetThemeGlobalMode(bool value);
  TThemeMode GetThemeMode() const { return FThemeMode; }
  virtual void SetThemeMode(TThemeMode mode);
  // True exactly when ThemeMode is ttmPlatform; writing True sets ttmPlatform, False sets ttmNone.
  bool GetUseXPThemes() const;
  virtual void SetUseXPThemes(bool value);

  // The mode the control draws with: its own or the application's, as this process resolves it.
  TThemeMode UseThemeMode() const;
  bool IsThemed() const { return UseThemeMode() != TThemeMode::ttmNone; }

 protected:
  // The theme settings changed: a themed, showing control recomputes and repaints its frame; any other
  // control is invalidated.
  virtual void ThemeModeChanged();
  void WndProc(TMessage& message) override;

  // While set, the window keeps its styles: style-change messages are swallowed.
  bool FPreventStyleChange = false;

 private:
  void ReapplyScrollPositions();

  std::u16string FAbout;
  std::u16string FStyleName;
  bool FThemeGlobalMode = false;
  TThemeMode FThemeMode = TThemeMode::ttmPlatform;
};
