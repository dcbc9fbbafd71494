#pragma once
// TCustomExLabel: a label with an inner border, an opaque/transparent switch and the theme settings shared
// with the family's other controls.

#include <string>

#include "ExStyleMan.h"
#include "StdCtrls.h"
#include "ThemeResolution.h"

class TCustomExLabel : public TCustomLabel {
  OVANTA_CLASS(TCustomExLabel)

 public:
  explicit TCustomExLabel(TComponent* owner);

  // Inner margin in pixels on all four sides (at least 0).
  int GetBorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value);

  // The end-ellipsis flag of the plain caption text; stored, not applied by the plain painting.
  bool GetEndEllipsis() const { return FEndEllipsis; }
  void SetEndEllipsis(bool value) { FEndEllipsis = value; }

  TThemeMode GetThemeMode() const { return FThemeMode; }
  void SetThemeMode(TThemeMode value);
  bool GetThemeGlobalMode() const { return FThemeGlobalMode; }
  void SetThemeGlobalMode(bool value);
  // Reads True exactly when ThemeMode is ttmPlatform; writing the other value selects ttmPlatform (True) or
  // ttmNone (False). Stored descriptions of older forms carry it.
  bool GetUseXPThemes() const { return UseXPThemesOf(FThemeMode); }
  void SetUseXPThemes(bool value);
  // The manager the label takes its style from, and the style's name.
  TExStyleManager* GetStyleManager() const { return FStyle.Manager(); }
  void SetStyleManager(TExStyleManager* manager) { FStyle.SetManager(manager); }
  const std::u16string& GetStyleName() const { return FStyle.StyleName(); }
  void SetStyleName(const std::u16string& value) { FStyle.SetStyleName(value); }

 protected:
  // After loading, the label takes its style.
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  // The plain label: the background unless Transparent, then the caption.
  void Paint() override;
  // With AutoSize: fits the bounds to the caption plus the border.
  void AdjustBounds() override;

  // Fills the client rectangle with Color unless the label is transparent.
  void PaintBackground();
  // Draws `text` inside the border as Alignment, Layout and WordWrap place it, in the label's font and font
  // colour; `flags` adds DrawTextW flags such as DT_NOPREFIX.
  void PaintPlainText(const std::u16string& text, UINT flags);
  // Sets the bounds to the extent of `text` (measured as PaintPlainText draws it) plus the border; the right
  // edge stays for taRightJustify. Nothing while loading or without AutoSize.
  void FitBoundsToText(const std::u16string& text, UINT flags);
  // DT_NOPREFIX when '&' is no accelerator mark.
  UINT PrefixFlags() const { return GetShowAccelChar() ? 0 : DT_NOPREFIX; }

 private:
  bool FEndEllipsis = false;
  int FBorderWidth = 0;
  TThemeMode FThemeMode = TThemeMode::ttmPlatform;
  bool FThemeGlobalMode = false;
  TExStyleHook FStyle{*this};
};
