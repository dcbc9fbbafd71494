#pragma once
// TExHTMLLabel: a label whose caption is a fragment of the family's small HTML dialect, laid out and painted
// by its own renderer, or plain text when IsHTML is False; it can take its text from a shared
// TExHTMLContainer and reacts to the links in its text.

#include <memory>
#include <string>

#include "ExCLabel.h"
#include "ExHTMLContainer.h"
#include "HtmlControlRender.h"
#include "Menus.h"

// Sender and the target of the link clicked.
using TExHTMLLinkClickEvent = TEvent<const std::u16string& /*HRef*/>;

class TExHTMLLabel : public TCustomExLabel {
  OVANTA_CLASS(TExHTMLLabel)

 public:
  explicit TExHTMLLabel(TComponent* owner);
  ~TExHTMLLabel() override;

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
  TPopupMenu* GetLinkPopupMenu() const { return FLinkPopupMenu; }
  void SetLinkPopupMenu(TPopupMenu* menu);

  void SetAutoSize(bool value) override;
  void SetWordWrap(bool value) override;
  // A word-wrapped HTML label lays its text out again for the new bounds.
  void SetBounds(int left, int top, int width, int height) override;
  // Stores the user's cursor and shows it at once, unless the mouse is over a link.
  void SetCursor(TCursor cursor) override;
  // The hand over a link of an HTML label, else the user's Cursor.
  TCursor DisplayedCursor() const override { return FDisplayedCursor; }
  // The caption follows the name while it still equals the old one.
  void SetName(const std::string& name) override;

  // The caption of container item ContainerIndex when there is one, else the label's own caption.
  const std::u16string& GetSourceText() const override;
  // The text without markup (the renderer's text of the parsed document); the caption when IsHTML is False.
  std::u16string PlainText() const;
  // The extent of the text: the laid-out size for HTML, else what DrawTextW measures for the caption.
  RECT TextRect();
  // Where the HTML text is drawn, in client coordinates; mouse positions are mapped through it.
  RECT GetHTMLTextRect() const;

  // Lays the source text out again for the current font, width and link settings, fits the size and repaints.
  void RebuildHTML();

  // The renderer and its parsed document.
  THtmlControlRender& Render() { return FRender; }

  TExHTMLLinkClickEvent OnLinkClick;
  THtmlVariableNeededEvent OnVariableNeeded;

 protected:
  // A link was clicked: a container item of that name is shown when container links are checked, else
  // OnLinkClick is raised.
  virtual void LinkClicked(const std::u16string& href);

  void Paint() override;
  void FitSizeToText() override;
  void Loaded() override;
  void TextChanged() override;
  void FontChanged() override;
  void EnabledChanged() override;
  // A plain label raises OnClick; an HTML label follows a link or hands the click to its document.
  void Click() override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  // A right-button release over a link shows the link popup (unless the release was already handled) and is
  // then marked handled, so that no context-menu request follows it.
  void WndProc(TMessage& message) override;
  // A request over a link shows the link popup unless OnContextPopup handled it.
  void DoContextPopup(POINT mousePos, bool& handled) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool UsesOwnCaption() const;
  void PaintHTML();
  // The point in the text's coordinates and the text rectangle moved to the origin, as the renderer sees
  // them.
  THtmlPoint TextPoint(int x, int y) const;
  THtmlRect TextArea() const;
  // The link target under the client point, when there is a link.
  bool LinkAt(int x, int y, std::u16string& href) const;
  void SetDisplayedCursor(TCursor cursor);
  // Whether the client point lies on a link that has the link popup.
  bool LinkMenuAt(POINT p) const;

  bool FAlreadyInSetBounds = false;
  TExHTMLContainer* FContainer = nullptr;
  int FIndex = 0;
  TExHTMLChangeLink FChangeLink;
  bool FCheck = true;
  TCursor FDisplayedCursor = crDefault;
  THtmlControlRender FRender;
  bool FIsHTML = true;
  TColor FLinkColor = clBlue;
  TPopupMenu* FLinkPopupMenu = nullptr;
  TFontStyles FLinkStyle{TFontStyle::fsUnderline};
};

// Makes the label classes and the container known to the readers of stored descriptions.
void RegisterHtmlLabelClasses();
