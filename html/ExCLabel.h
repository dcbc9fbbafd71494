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
  // Whether the label draws themed: the effective mode (the application's with ThemeGlobalMode, else its own)
  // as the theme services resolve it.
  bool IsThemed() const;

 protected:
  // After loading, the label takes its style.
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  // The plain label: the background unless Transparent, then the caption placed by Layout and Alignment.
  void Paint() override;
  // With AutoSize: fits the bounds to the text.
  void AdjustBounds() override;
  void TextChanged() override;

  // The text the label shows; its caption here.
  virtual const std::u16string& GetSourceText() const { return GetCaption(); }
  // Draws (or with DT_CALCRECT measures) the source text into `rect` on the label's canvas in its font; a
  // disabled label draws embossed. Nothing while the label is hidden.
  virtual void PaintCaptionText(RECT& rect, UINT flags);
  // With AutoSize: the bounds become the measured text plus the border (the right edge stays for
  // taRightJustify). Nothing while reading or loading.
  virtual void FitSizeToText();

  // Fills the client rectangle with Color unless the label is transparent; leaves the brush clear.
  void PaintBackground();
  // DT_NOPREFIX when '&' is no accelerator mark.
  UINT PrefixFlags() const { return GetShowAccelChar() ? 0 : DT_NOPREFIX; }
  // DT_RTLREADING for a right-to-left reading order.
  UINT ReadingOrderFlags() const;
  // Runs `draw` with the label's canvas bound to a screen device context, for measuring outside painting.
  template <class F>
  void WithScreenCanvas(F draw);

 private:
  bool FEndEllipsis = false;
  int FBorderWidth = 0;
  TThemeMode FThemeMode = TThemeMode::ttmPlatform;
  bool FThemeGlobalMode = false;
  TExStyleHook FStyle{*this};
};

template <class F>
void TCustomExLabel::WithScreenCanvas(F draw) {
  const TWindowDC screen;
  Canvas().SetHandle(screen.Get());
  try {
    draw();
  } catch (...) {
    Canvas().SetHandle(nullptr);
    throw;
  }
  Canvas().SetHandle(nullptr);
}
