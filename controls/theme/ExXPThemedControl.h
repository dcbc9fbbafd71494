#pragma once
// TExXPThemedControl: the windowed base of the family's themed controls. It holds the control's theme
// settings (its own mode, or the application's), resolves them to the mode it draws with, reacts to theme
// changes, draws its non-client frame themed, and takes its style from a style manager.

#include <string>

#include "ControlBevel.h"
#include "Controls.h"
#include "ExStyleMan.h"
#include "ThemeMode.h"
#include "ThemeServices.h"

class TExXPThemedControl : public TCustomControl {
  OVANTA_CLASS(TExXPThemedControl)

 public:
  explicit TExXPThemedControl(TComponent* owner);

  // Design-time text; it has no effect at run time.
  const std::u16string& GetAbout() const { return FAbout; }
  void SetAbout(const std::u16string& about) { FAbout = about; }
  // The manager the control takes its style from; the default manager unless set otherwise.
  TExStyleManager* GetStyleManager() const { return FStyle.Manager(); }
  virtual void SetStyleManager(TExStyleManager* manager);
  // The style the style manager applies to the control.
  const std::u16string& GetStyleName() const { return FStyle.StyleName(); }
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

  // The bevel of the non-client area.
  TBevelKind GetBevelKind() const { return FBevel.Kind; }
  void SetBevelKind(TBevelKind kind);
  TBevelCut GetBevelInner() const { return FBevel.Inner; }
  void SetBevelInner(TBevelCut cut);
  TBevelCut GetBevelOuter() const { return FBevel.Outer; }
  void SetBevelOuter(TBevelCut cut);
  TBevelEdges GetBevelEdges() const { return FBevel.Edges; }
  void SetBevelEdges(TBevelEdges edges);
  int GetBevelWidth() const { return FBevel.Width; }
  // At least 1.
  void SetBevelWidth(int width);

 protected:
  // The theme element the frame is drawn with.
  virtual TThemedElement ThemeElement() const { return TThemedElement::teEdit; }
  // Whether the frame has the 3-D look; without it a bevel is drawn flat (mono).
  virtual bool HasCtl3DLook() const { return true; }
  // The theme settings changed: a themed, showing control recomputes and repaints its frame; any other
  // control is invalidated.
  virtual void ThemeModeChanged();
  void WndProc(TMessage& message) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  // While set, the window keeps its styles: style-change messages are swallowed.
  bool FPreventStyleChange = false;

 private:
  void ReapplyScrollPositions();
  void PaintNonClient(TMessage& message);
  // The bevel changed: the non-client area is computed and drawn again.
  void BevelChanged();

  std::u16string FAbout;
  TExStyleHook FStyle{*this};
  int FCreating = 0;
  bool FThemeGlobalMode = false;
  TThemeMode FThemeMode = TThemeMode::ttmPlatform;
  TControlBevel FBevel;
};
