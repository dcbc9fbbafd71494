#pragma once
// The standard static label (a graphic control drawing its caption) and push button (the system's button).

#include "Controls.h"

class TCustomLabel : public TGraphicControl {
  OVANTA_CLASS(TCustomLabel)

 public:
  explicit TCustomLabel(TComponent* owner);

  const std::u16string& GetCaption() const { return GetText(); }
  void SetCaption(const std::u16string& caption) { SetText(caption); }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  bool GetAutoSize() const { return FAutoSize; }
  virtual void SetAutoSize(bool value);
  TTextLayout GetLayout() const { return FLayout; }
  void SetLayout(TTextLayout layout);
  bool GetWordWrap() const { return FWordWrap; }
  virtual void SetWordWrap(bool value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool GetShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);
  TWinControl* GetFocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* control);

 protected:
  void Paint() override;
  // Draws (or with DT_CALCRECT measures) the caption in `rect` with the label's font.
  virtual void DoDrawText(RECT& rect, UINT flags);
  // With AutoSize, fits the bounds to the caption (the right edge stays for taRightJustify).
  virtual void AdjustBounds();
  void TextChanged() override;
  void FontChanged() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TAlignment FAlignment = TAlignment::taLeftJustify;
  bool FAutoSize = true;
  TTextLayout FLayout = TTextLayout::tlTop;
  bool FWordWrap = false;
  bool FTransparent = false;
  bool FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
  OVANTA_CLASS(TLabel)

 public:
  explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};

class TButton : public TWinControl {
  OVANTA_CLASS(TButton)

 public:
  explicit TButton(TComponent* owner);

  const std::u16string& GetCaption() const { return GetText(); }
  void SetCaption(const std::u16string& caption) { SetText(caption); }
  bool GetDefault() const { return FDefault; }
  void SetDefault(bool value);
  bool GetCancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  int GetModalResult() const { return FModalResult; }
  void SetModalResult(int value) { FModalResult = value; }
  // Clicks the button as the user would (BM_CLICK).
  void ClickButton();

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  bool FDefault = false;
  bool FCancel = false;
  int FModalResult = 0;
};
