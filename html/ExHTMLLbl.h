#pragma once
// TExHTMLLabel: a label whose caption is a fragment of the family's small HTML dialect, or plain text when
// IsHTML is False; it can take its text from a shared TExHTMLContainer.

#include <string>

#include "ExCLabel.h"
#include "ExHTMLContainer.h"

// Sender and the target of the link clicked.
using TExHTMLLinkClickEvent = TEvent<const std::u16string& /*HRef*/>;

class TExHTMLLabel : public TCustomExLabel {
  OVANTA_CLASS(TExHTMLLabel)

 public:
  explicit TExHTMLLabel(TComponent* owner);

  TExHTMLContainer* GetContainer() const { return FContainer; }
  void SetContainer(TExHTMLContainer* container);
  int GetContainerIndex() const { return FIndex; }
  void SetContainerIndex(int index);
  bool GetCheckContainerLinks() const { return FCheck; }
  void SetCheckContainerLinks(bool value) { FCheck = value; }
  bool GetIsHTML() const { return FIsHTML; }
  void SetIsHTML(bool value);
  TColor GetLinkColor() const { return FLinkColor; }
  void SetLinkColor(TColor color);
  TFontStyles GetLinkStyle() const { return FLinkStyle; }
  void SetLinkStyle(TFontStyles style);

  // The caption of container item ContainerIndex when there is one, else the label's own caption.
  const std::u16string& GetSourceText() const;
  // The text without markup: tags removed, line breaks for <br>, character references decoded; the source
  // text itself when IsHTML is False.
  std::u16string PlainText() const;

  TExHTMLLinkClickEvent OnLinkClick;

 protected:
  void Paint() override;
  void AdjustBounds() override;
  // A plain label raises OnClick; an HTML label does not.
  void Click() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool UsesOwnCaption() const;
  UINT TextFlags() const;
  void SourceChanged();

  TExHTMLContainer* FContainer = nullptr;
  int FIndex = 0;
  TExHTMLChangeLink FChangeLink;
  bool FCheck = true;
  bool FIsHTML = true;
  TColor FLinkColor = clBlue;
  TFontStyles FLinkStyle{TFontStyle::fsUnderline};
};

// Makes the label classes and the container known to the readers of stored descriptions.
void RegisterHtmlLabelClasses();
