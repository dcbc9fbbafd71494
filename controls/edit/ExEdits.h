#pragma once
// TCustomExEdit / TExEdit: the family's text box. It keeps its own text, draws it on its own background and
// draws its own flat frame in the non-client area; TExEdit publishes the settings.

#include <string>

#include "ExXPThemedControl.h"
#include "FlatBorderTypes.h"
#include "FlatFrame.h"

enum class TExEditCharCase : std::uint8_t { eecNormal, eecUpperCase, eecLowerCase };
template <>
struct TEnumNames<TExEditCharCase> {
  static constexpr std::array<std::string_view, 3> Names{"eecNormal", "eecUpperCase", "eecLowerCase"};
  static_assert(NamesEveryValue(Names, TExEditCharCase::eecLowerCase));
};

enum class TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
template <>
struct TEnumNames<TScrollStyle> {
  static constexpr std::array<std::string_view, 4> Names{"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
  static_assert(NamesEveryValue(Names, TScrollStyle::ssBoth));
};

// Sender and the typed text, which the handler may change (empty: nothing is inserted).
using TExKeyPressExEvent = TEvent<std::u16string& /*Key*/>;
// Sender and the clipboard text about to be pasted, which the handler may change.
using TExPasteClipboardEvent = TEvent<std::u16string& /*AClipboardText*/>;

class TCustomExEdit : public TExXPThemedControl {
  OVANTA_CLASS(TCustomExEdit)

 public:
  explicit TCustomExEdit(TComponent* owner);
  // The text and the cue text are drawn over the background: buffered, the box never flickers.
  bool PaintsBuffered() const override { return true; }

  // The whole text. Set by code: CharCase applies, and OnChange is raised only without NotifyUserChangeOnly.
  void SetText(const std::u16string& text);
  // 0: no limit. A shorter limit truncates the text.
  int GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(int value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  TExEditCharCase GetCharCase() const { return FCharCase; }
  void SetCharCase(TExEditCharCase value);
  // Empty, or the one character every character is shown as.
  const std::u16string& GetPasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(const std::u16string& value);
  bool GetMultiline() const { return FMultiline; }
  void SetMultiline(bool value) { FMultiline = value; }
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value) { FWordWrap = value; }
  bool GetWantTabs() const { return FWantTabs; }
  void SetWantTabs(bool value) { FWantTabs = value; }
  bool GetWantReturns() const { return FWantReturns; }
  void SetWantReturns(bool value) { FWantReturns = value; }
  int GetTabSpaces() const { return FTabSpaces; }
  void SetTabSpaces(int value) { FTabSpaces = value; }
  int GetMaxUndoLevel() const { return FMaxUndoLevel; }
  void SetMaxUndoLevel(int value) { FMaxUndoLevel = value; }
  bool GetNotifyUserChangeOnly() const { return FNotifyUserChangeOnly; }
  void SetNotifyUserChangeOnly(bool value) { FNotifyUserChangeOnly = value; }
  bool GetAutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value) { FAutoSelect = value; }
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value) { SetAndRepaint(FHideSelection, value); }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  int GetLeftMargin() const { return FLeftMargin; }
  void SetLeftMargin(int value);
  int GetRightMargin() const { return FRightMargin; }
  void SetRightMargin(int value);
  // Kept at 0 while AlignBottom is set.
  int GetTopMargin() const { return FTopMargin; }
  void SetTopMargin(int value);
  bool GetAlignBottom() const { return FAlignBottom; }
  void SetAlignBottom(bool value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value) { FAutoSize = value; }

  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  // The frame is drawn by the control itself (unthemed, bsSingle).
  bool GetFlat() const { return FFlat; }
  void SetFlat(bool value);
  bool GetCtl3D() const { return FCtl3D; }
  void SetCtl3D(bool value);
  // The flat frame's kind while focused or under the mouse, and otherwise.
  TExFlatBorderType GetActiveBorderType() const { return FActiveBorderType; }
  void SetActiveBorderType(TExFlatBorderType value) { SetAndRedrawFrame(FActiveBorderType, value); }
  TExFlatBorderType GetInactiveBorderType() const { return FInactiveBorderType; }
  void SetInactiveBorderType(TExFlatBorderType value) { SetAndRedrawFrame(FInactiveBorderType, value); }
  TExBorderSides GetBorderSides() const { return FBorderSides; }
  void SetBorderSides(TExBorderSides value);
  TColor GetBorderColorDkShadow() const { return FBorderColors.DkShadow; }
  void SetBorderColorDkShadow(TColor value) { SetAndRedrawFrame(FBorderColors.DkShadow, value); }
  TColor GetBorderColorFace() const { return FBorderColors.Face; }
  void SetBorderColorFace(TColor value) { SetAndRedrawFrame(FBorderColors.Face, value); }
  TColor GetBorderColorShadow() const { return FBorderColors.Shadow; }
  void SetBorderColorShadow(TColor value) { SetAndRedrawFrame(FBorderColors.Shadow, value); }
  TColor GetBorderColorHighlight() const { return FBorderColors.Highlight; }
  void SetBorderColorHighlight(TColor value) { SetAndRedrawFrame(FBorderColors.Highlight, value); }
  TColor GetBorderColorWindow() const { return FBorderColors.Window; }
  void SetBorderColorWindow(TColor value) { SetAndRedrawFrame(FBorderColors.Window, value); }
  TColor GetLineBorderActiveColor() const { return FLineBorderActiveColor; }
  void SetLineBorderActiveColor(TColor value) { SetAndRedrawFrame(FLineBorderActiveColor, value); }
  TColor GetLineBorderInactiveColor() const { return FLineBorderInactiveColor; }
  void SetLineBorderInactiveColor(TColor value) { SetAndRedrawFrame(FLineBorderInactiveColor, value); }

  TColor GetFocusedSelectColor() const { return FFocusedSelectColor; }
  void SetFocusedSelectColor(TColor value) { SetAndRepaint(FFocusedSelectColor, value); }
  TColor GetFocusedSelectTextColor() const { return FFocusedSelectTextColor; }
  void SetFocusedSelectTextColor(TColor value) { SetAndRepaint(FFocusedSelectTextColor, value); }
  TColor GetHideSelectColor() const { return FHideSelectColor; }
  void SetHideSelectColor(TColor value) { SetAndRepaint(FHideSelectColor, value); }
  TColor GetHideSelectTextColor() const { return FHideSelectTextColor; }
  void SetHideSelectTextColor(TColor value) { SetAndRepaint(FHideSelectTextColor, value); }
  int GetHighlightAlphaLevel() const { return FHighlightAlphaLevel; }
  void SetHighlightAlphaLevel(int value) { SetAndRepaint(FHighlightAlphaLevel, value); }
  bool GetUseDisabledColors() const { return FUseDisabledColors; }
  void SetUseDisabledColors(bool value) { SetAndRepaint(FUseDisabledColors, value); }
  TColor GetDisabledColor() const { return FDisabledColor; }
  void SetDisabledColor(TColor value) { SetAndRepaint(FDisabledColor, value); }
  TColor GetDisabledFontColor() const { return FDisabledFontColor; }
  void SetDisabledFontColor(TColor value) { SetAndRepaint(FDisabledFontColor, value); }
  // Shown while the control is empty and unfocused.
  const std::u16string& GetCueBanner() const { return FCueBanner; }
  void SetCueBanner(const std::u16string& value) { SetAndRepaint(FCueBanner, value); }
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool value) { SetAndRepaint(FTransparent, value); }
  bool GetUseSystemMenu() const { return FUseSystemMenu; }
  void SetUseSystemMenu(bool value) { FUseSystemMenu = value; }
  bool GetLocalizedSystemMenu() const { return FLocalizedSystemMenu; }
  void SetLocalizedSystemMenu(bool value) { FLocalizedSystemMenu = value; }
  // Ask the dialog manager for every key.
  bool GetHandleDialogKeys() const { return FHandleDialogKeys; }
  void SetHandleDialogKeys(bool value) { FHandleDialogKeys = value; }
  bool GetUseCustomScrollBars() const { return FUseCustomScrollBars; }
  void SetUseCustomScrollBars(bool value) { FUseCustomScrollBars = value; }
  TScrollStyle GetScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value) { FScrollBars = value; }
  bool GetRightAlignedText() const { return FRightAlignedText; }
  void SetRightAlignedText(bool value) { SetAndRepaint(FRightAlignedText, value); }
  bool GetRightAlignedView() const { return FRightAlignedView; }
  void SetRightAlignedView(bool value) { SetAndRepaint(FRightAlignedView, value); }

  // Set by every user edit.
  bool GetModified() const { return FModified; }
  void SetModified(bool value) { FModified = value; }
  bool GetMouseOver() const { return FMouseOver; }

  TNotifyEvent OnChange;
  TNotifyEvent OnSelectionChange;
  TExKeyPressExEvent OnKeyPressEx;
  TExPasteClipboardEvent OnPasteClipboardText;
  TNotifyEvent OnAfterPasteClipboardText;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char16_t& key) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void ThemeModeChanged() override;

  virtual void DoChange();
  virtual void DoSelectionChange();
  virtual void DoKeyPressEx(std::u16string& key);
  virtual void PaintText(TCanvas& canvas);
  virtual void PaintCueBanner(TCanvas& canvas);
  virtual TColor GetBackgroundColor() const;
  virtual TColor GetTextColor() const;
  // Paints the flat frame into the non-client area, in the kind of the current focus and hover state.
  void DrawFlatBorder();

 private:
  template <class V>
  void SetAndRepaint(V& field, const V& value) {
    if (field == value)
      return;
    field = value;
    Invalidate();
  }
  template <class V>
  void SetAndRedrawFrame(V& field, const V& value) {
    if (field == value)
      return;
    field = value;
    DrawFlatBorder();
  }

  // The frame is the control's own: flat, bsSingle and not themed.
  bool HasOwnFlatFrame() const;
  int FrameWidth() const;
  int FrameHeight() const;
  void ReserveFrame(RECT& windowRect) const;
  LRESULT DialogCode(LRESULT defaultCode) const;
  // The border styles of the window for the frame settings: the system's edge unless the frame is our own.
  void ApplyFrameStyles(DWORD& style, DWORD& exStyle) const;
  // Brings the window's border styles and non-client area in line with the frame settings.
  void FrameStyleChanged();

  std::u16string ApplyCharCase(std::u16string text) const;
  // The text as it is shown: every character as the password character when one is set.
  std::u16string DisplayText() const;
  void StoreText(const std::u16string& text);
  void InsertTypedText(std::u16string text);
  void Backspace();
  void FinishEdit();

  int LineHeight() const;
  RECT TextClipRect() const;
  int TextLeft(int textWidth) const;
  void CreateEditCaret();
  void DestroyEditCaret();
  void PlaceCaret();

  int FMaxLength = 0;
  bool FReadOnly = false;
  TExEditCharCase FCharCase = TExEditCharCase::eecNormal;
  std::u16string FPasswordChar;
  bool FMultiline = false;
  bool FWordWrap = false;
  bool FWantTabs = false;
  bool FWantReturns = false;
  int FTabSpaces = 4;
  int FMaxUndoLevel = 0;
  bool FNotifyUserChangeOnly = true;
  bool FAutoSelect = false;
  bool FHideSelection = true;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  int FLeftMargin = 1;
  int FRightMargin = 1;
  int FTopMargin = 0;
  bool FAlignBottom = true;
  bool FAutoSize = true;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  bool FFlat = false;
  bool FCtl3D = true;
  TExFlatBorderType FActiveBorderType = TExFlatBorderType::fbtSunken;
  TExFlatBorderType FInactiveBorderType = TExFlatBorderType::fbtSunkenOuter;
  TExBorderSides FBorderSides = AllBorderSides;
  TFlatFrameColors FBorderColors;
  TColor FLineBorderActiveColor = clBtnFace;
  TColor FLineBorderInactiveColor = clBtnFace;
  TColor FFocusedSelectColor = clHighlight;
  TColor FFocusedSelectTextColor = clHighlightText;
  TColor FHideSelectColor = clBtnFace;
  TColor FHideSelectTextColor = clBtnShadow;
  int FHighlightAlphaLevel = 255;
  bool FUseDisabledColors = false;
  TColor FDisabledColor = clBtnFace;
  TColor FDisabledFontColor = clGrayText;
  std::u16string FCueBanner;
  bool FTransparent = false;
  bool FUseSystemMenu = true;
  bool FLocalizedSystemMenu = false;
  bool FHandleDialogKeys = false;
  bool FUseCustomScrollBars = true;
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
  bool FRightAlignedText = false;
  bool FRightAlignedView = false;
  bool FModified = false;
  bool FMouseOver = false;
  bool FCaretCreated = false;
};

class TExEdit : public TCustomExEdit {
  OVANTA_CLASS(TExEdit)

 public:
  explicit TExEdit(TComponent* owner) : TCustomExEdit(owner) {}
};

void RegisterEditClasses();
