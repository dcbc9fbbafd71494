#pragma once
// THtmlRender: turns captions in the family's small HTML dialect into a laid-out THtmlData. Bad markup is
// skipped; a standard exception from a host event ends the parse with an empty document, anything else thrown
// there reaches the caller after the same cleanup.
//
// Dialect: style tags (b, strong, i, em, u, s, strikeout, var, cite, sub, sup), br, p with align and indent,
// a href, font (face, name, size, color, bgcolor, background), lists (ul, ol, li), hr, ind, img, input,
// variables written as ~~Name between angle brackets, comments and character references.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "HtmlData.h"
#include "HtmlTextMetrics.h"
#include "HtmlWrapRule.h"
#include "Object.h"

struct THtmlPictureSize {
  int Width = 0;
  int Height = 0;
};

// Supplies the pictures of "img" tags. The renderer only needs a picture's size while parsing.
class IHtmlImageSource {
 public:
  virtual ~IHtmlImageSource() = default;
  // The size of the picture named Src, or none when there is no such picture.
  virtual std::optional<THtmlPictureSize> GetImage(const std::u16string& Src) = 0;
};

// Sender, the variable's name, and its value: "~~" on entry, the text shown on return.
using THtmlVariableNeededEvent = TEvent<const std::u16string& /*aVarName*/, std::u16string& /*aVarValue*/>;

class THtmlRender : public TObject {
 public:
  // Without metrics every measurement is 0.
  explicit THtmlRender(std::unique_ptr<IHtmlTextMetrics> Metrics);
  ~THtmlRender() override;

  // The current document: the internal one, one set with SetData, or none after DestroyData of the current
  // one.
  THtmlData* Data() const { return FData; }
  // Makes NewData current (none selects the internal document) and binds it to this renderer: measured with
  // its metrics, raising Change when its active item changes.
  void SetData(THtmlData* NewData);
  // A new document bound to this renderer; the renderer owns it until DestroyData or its own end.
  THtmlData* CreateData();
  void DestroyData(THtmlData* Data);

  // Parses Text into the current document; nothing without one.
  void PrepareText(const std::u16string& Text, int MaxWidth, bool AutoWrap);
  // Parses Text into CurData, wrapping runs at MaxWidth with AutoWrap, and lays it out. CurData is current
  // while the parse runs; the previous document is current again afterwards. When a host event throws,
  // CurData is left empty: a std::exception ends there, anything else is thrown on.
  void PrepareToData(const std::u16string& Text, int MaxWidth, bool AutoWrap, THtmlData& CurData);
  // The current document as plain text: runs, CR LF per break, two per paragraph after the first, "- " per
  // list item.
  std::u16string AsText() const;

  IHtmlTextMetrics* Metrics() const { return FMetrics.get(); }
  // The rule that decides the wrap check; none (the default) is the parser's own, which measures seldom.
  IHtmlWrapRule* WrapRule() const { return FWrapRule; }
  void SetWrapRule(IHtmlWrapRule* Rule) { FWrapRule = Rule; }
  void SetImageSource(IHtmlImageSource* Source) { FImageSource = Source; }
  // The size of picture Src from the image source; none without a source or picture.
  virtual std::optional<THtmlPictureSize> GetImage(const std::u16string& Src);
  // Raises OnVariableNeeded.
  void GetVariable(const std::u16string& Name, std::u16string& Value);
  // Raises OnChange.
  void Change();

  TNotifyEvent OnChange;
  THtmlVariableNeededEvent OnVariableNeeded;

 private:
  void Bind(THtmlData& Document);

  std::unique_ptr<IHtmlTextMetrics> FMetrics;
  THtmlData FIntData;
  std::vector<std::unique_ptr<THtmlData>> FCreatedData;
  THtmlData* FData;
  IHtmlImageSource* FImageSource = nullptr;
  IHtmlWrapRule* FWrapRule = nullptr;
};
