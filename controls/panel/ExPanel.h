#pragma once
// TCustomExPanel / TExPanel: a windowed container that paints its own background and takes part in the
// family's theme model; TExPanelGrabHandle describes one of its four edge strips for moving or resizing.

#include <string>

#include "Controls.h"
#include "ExStyleMan.h"
#include "FlatBorderTypes.h"
#include "ThemeResolution.h"

enum class TPanelBackgroundType : std::uint8_t {
  bgtTileBitmap,
  bgtStretchBitmap,
  bgtColorFill,
  bgtCenterBitmap,
  bgtTopLeftBitmap,
  bgtHorzGradient,
  bgtVertGradient,
  bgtSquareGradient,
  bgtEllipticGradient,
  bgtTopLeftGradient,
  bgtTopRightGradient,
  bgtBottomLeftGradient,
  bgtBottomRightGradient,
  bgtTopLeftDiagonalGradient,
  bgtTopRightDiagonalGradient
};
template <>
struct TEnumNames<TPanelBackgroundType> {
  static constexpr std::array<std::string_view, 15> Names{
      "bgtTileBitmap",          "bgtStretchBitmap",           "bgtColorFill",
      "bgtCenterBitmap",        "bgtTopLeftBitmap",           "bgtHorzGradient",
      "bgtVertGradient",        "bgtSquareGradient",          "bgtEllipticGradient",
      "bgtTopLeftGradient",     "bgtTopRightGradient",        "bgtBottomLeftGradient",
      "bgtBottomRightGradient", "bgtTopLeftDiagonalGradient", "bgtTopRightDiagonalGradient"};
  static_assert(NamesEveryValue(Names, TPanelBackgroundType::bgtTopRightDiagonalGradient));
};

enum class TPanelBevelStyle : std::uint8_t {
  bvNone,
  bvLowered,
  bvRaised,
  bvFrameLowered,
  bvFrameRaised,
  bvNormal,
  bvShadow,
  bvSpace,
  bvFlat
};
template <>
struct TEnumNames<TPanelBevelStyle> {
  static constexpr std::array<std::string_view, 9> Names{"bvNone",         "bvLowered",     "bvRaised",
                                                         "bvFrameLowered", "bvFrameRaised", "bvNormal",
                                                         "bvShadow",       "bvSpace",       "bvFlat"};
  static_assert(NamesEveryValue(Names, TPanelBevelStyle::bvFlat));
};

enum class TExPanelGrabHandleKind : std::uint8_t { ghkNone, ghkMove, ghkResize, ghkMoveParent };
template <>
struct TEnumNames<TExPanelGrabHandleKind> {
  static constexpr std::array<std::string_view, 4> Names{"ghkNone", "ghkMove", "ghkResize", "ghkMoveParent"};
  static_assert(NamesEveryValue(Names, TExPanelGrabHandleKind::ghkMoveParent));
};

class TCustomExPanel;

// An edge strip of a panel. A visible and enabled handle takes Size pixels from the panel's child area on its
// side.
class TExPanelGrabHandle : public TPersistent {
  OVANTA_CLASS(TExPanelGrabHandle)

 public:
  explicit TExPanelGrabHandle(TCustomExPanel& panel) : FPanel(panel) {}

  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  int GetSize() const { return FSize; }
  void SetSize(int value);
  TExPanelGrabHandleKind GetKind() const { return FKind; }
  void SetKind(TExPanelGrabHandleKind value) { FKind = value; }
  TPanelBevelStyle GetBevelKind() const { return FBevelKind; }
  void SetBevelKind(TPanelBevelStyle value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool value);

  // Visible and enabled: the handle takes its strip.
  bool TakesSpace() const { return FVisible && FEnabled; }

 private:
  TCustomExPanel& FPanel;
  bool FEnabled = false;
  int FSize = 0;
  TExPanelGrabHandleKind FKind = TExPanelGrabHandleKind::ghkNone;
  TPanelBevelStyle FBevelKind = TPanelBevelStyle::bvNone;
  bool FVisible = false;
};

class TCustomExPanel : public TCustomControl {
  OVANTA_CLASS(TCustomExPanel)

 public:
  explicit TCustomExPanel(TComponent* owner);
  // The panel and its graphic children paint into a memory bitmap of the client size, copied in one go.
  bool PaintsBuffered() const override { return true; }

  const std::u16string& GetCaption() const { return GetText(); }
  void SetCaption(const std::u16string& caption) { SetText(caption); }

  TPanelBackgroundType GetBackgroundType() const { return FBackgroundType; }
  void SetBackgroundType(TPanelBackgroundType value);
  TColor GetGradientStartColor() const { return FGradientStartColor; }
  void SetGradientStartColor(TColor value);
  TColor GetGradientEndColor() const { return FGradientEndColor; }
  void SetGradientEndColor(TColor value);
  int GetGradientSteps() const { return FGradientSteps; }
  void SetGradientSteps(int value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool GetTransparentXPThemes() const { return FTransparentXPThemes; }
  void SetTransparentXPThemes(bool value);
  std::uint8_t GetAlphaLevel() const { return FAlphaLevel; }
  void SetAlphaLevel(std::uint8_t value);
  bool GetAlwaysPaintBackground() const { return FAlwaysPaintBackground; }
  void SetAlwaysPaintBackground(bool value);
  bool GetOwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool value);

  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  TExFlatBorderType GetBorderType() const { return FBorderType; }
  void SetBorderType(TExFlatBorderType value);
  TExBorderSides GetBorderSides() const { return FBorderSides; }
  void SetBorderSides(TExBorderSides value);
  TColor GetBorderColorDkShadow() const { return FBorderColorDkShadow; }
  void SetBorderColorDkShadow(TColor value);
  TColor GetBorderColorFace() const { return FBorderColorFace; }
  void SetBorderColorFace(TColor value);
  TColor GetBorderColorShadow() const { return FBorderColorShadow; }
  void SetBorderColorShadow(TColor value);
  TColor GetBorderColorHighlight() const { return FBorderColorHighlight; }
  void SetBorderColorHighlight(TColor value);
  TColor GetBorderColorWindow() const { return FBorderColorWindow; }
  void SetBorderColorWindow(TColor value);

  TPanelBevelStyle GetBevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevelStyle value);
  TPanelBevelStyle GetBevelInner() const { return FBevelInner; }
  void SetBevelInner(TPanelBevelStyle value);
  int GetBevelWidth() const { return FBevelWidth; }
  // At least 1.
  void SetBevelWidth(int value);
  TColor GetBevelSpaceColor() const { return FBevelSpaceColor; }
  void SetBevelSpaceColor(TColor value);

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TTextLayout GetLayout() const { return FLayout; }
  void SetLayout(TTextLayout value);
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool GetShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool value);

  TExPanelGrabHandle* GetTopGrabHandle() { return &FTopGrabHandle; }
  TExPanelGrabHandle* GetRightGrabHandle() { return &FRightGrabHandle; }
  TExPanelGrabHandle* GetLeftGrabHandle() { return &FLeftGrabHandle; }
  TExPanelGrabHandle* GetBottomGrabHandle() { return &FBottomGrabHandle; }

  bool GetResizable() const { return FResizable; }
  void SetResizable(bool value) { FResizable = value; }
  bool GetMovable() const { return FMovable; }
  void SetMovable(bool value) { FMovable = value; }
  bool GetSizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool value);
  // Kept for stored descriptions; it changes nothing.
  bool GetLocked() const { return FLocked; }
  void SetLocked(bool value) { FLocked = value; }

  TThemeMode GetThemeMode() const { return FThemeMode; }
  void SetThemeMode(TThemeMode value);
  bool GetThemeGlobalMode() const { return FThemeGlobalMode; }
  void SetThemeGlobalMode(bool value);
  // Reads True exactly when ThemeMode is ttmPlatform; writing the other value selects ttmPlatform (True) or
  // ttmNone (False). Stored descriptions of older forms carry it.
  bool GetUseXPThemes() const { return UseXPThemesOf(FThemeMode); }
  void SetUseXPThemes(bool value);
  // The mode the panel draws with: its own or the application's, as this process resolves it.
  TThemeMode UseThemeMode() const;
  bool IsThemed() const { return UseThemeMode() != TThemeMode::ttmNone; }
  // The manager the panel takes its style from, and the style's name.
  TExStyleManager* GetStyleManager() const { return FStyle.Manager(); }
  void SetStyleManager(TExStyleManager* manager) { FStyle.SetManager(manager); }
  const std::u16string& GetStyleName() const { return FStyle.StyleName(); }
  void SetStyleName(const std::u16string& value) { FStyle.SetStyleName(value); }

  TNotifyEvent OnPaint;
  TNotifyEvent OnMove;

 protected:
  void Paint() override;
  // The child area: the client rectangle less BorderWidth, the bevels and the strips of the grab handles.
  void AdjustClientRect(RECT& rect) override;
  // The theme settings changed: a themed, showing panel is made again with its new look; any other panel is
  // invalidated.
  virtual void ThemeModeChanged();
  void WndProc(TMessage& message) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TExPanelGrabHandle;
  // The child area changed (bevels, grab handles): the children are laid out again and the panel repainted.
  void ChildAreaChanged();
  // Stores a changed setting that affects only the look, and repaints.
  template <class V>
  void ChangeLook(V& field, V value) {
    if (field == value)
      return;
    field = value;
    Invalidate();
  }

  TThemeMode FThemeMode = TThemeMode::ttmPlatform;
  bool FThemeGlobalMode = false;
  bool FWordWrap = false;
  TColor FBorderColorShadow = clBtnShadow;
  TColor FBorderColorDkShadow = cl3DDkShadow;
  TColor FBorderColorWindow = clWindow;
  TColor FBorderColorHighlight = clBtnHighlight;
  TColor FBorderColorFace = clBtnFace;
  TExFlatBorderType FBorderType = TExFlatBorderType::fbtSunken;
  TExBorderSides FBorderSides = AllBorderSides;
  TBorderStyle FBorderStyle = TBorderStyle::bsNone;
  TPanelBevelStyle FBevelInner = TPanelBevelStyle::bvNone;
  TPanelBevelStyle FBevelOuter = TPanelBevelStyle::bvRaised;
  int FBevelWidth = 1;
  bool FOwnerDraw = false;
  bool FAlwaysPaintBackground = false;
  TTextLayout FLayout = TTextLayout::tlCenter;
  TAlignment FAlignment = TAlignment::taCenter;
  int FGradientSteps = 16;
  TColor FGradientStartColor = clBlack;
  TColor FGradientEndColor = clBlack;
  bool FTransparent = false;
  TPanelBackgroundType FBackgroundType = TPanelBackgroundType::bgtColorFill;
  bool FResizable = false;
  bool FMovable = false;
  TExPanelGrabHandle FTopGrabHandle{*this};
  TExPanelGrabHandle FRightGrabHandle{*this};
  TExPanelGrabHandle FLeftGrabHandle{*this};
  TExPanelGrabHandle FBottomGrabHandle{*this};
  std::uint8_t FAlphaLevel = 0;
  bool FTransparentXPThemes = true;
  bool FSizeGrip = false;
  TColor FBevelSpaceColor = clBtnFace;
  bool FShowFocus = false;
  bool FLocked = false;
  TExStyleHook FStyle{*this};
  int FCreating = 0;
};

class TExPanel : public TCustomExPanel {
  OVANTA_CLASS(TExPanel)

 public:
  explicit TExPanel(TComponent* owner) : TCustomExPanel(owner) {}
};

// Makes the panel known to the readers of stored descriptions.
void RegisterPanelClasses();
