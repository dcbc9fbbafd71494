#include "ExHTMLLbl.h"

#include <optional>

#include "AsciiCase.h"

namespace {

bool IsAsciiLetterOrDigit(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

void AppendCodePoint(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
}

// "#65", "#x41" or a name such as "amp" (without '&' and ';'); none for what is not a character reference.
std::optional<char32_t> CharacterReference(std::u16string_view name) {
  if (name.size() >= 2 && name[0] == u'#') {
    const bool hex = name[1] == u'x' || name[1] == u'X';
    std::u16string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8)
      return std::nullopt;
    char32_t value = 0;
    for (char16_t c : digits) {
      int digit = -1;
      if (c >= u'0' && c <= u'9')
        digit = c - u'0';
      if (hex && c >= u'a' && c <= u'f')
        digit = c - u'a' + 10;
      if (hex && c >= u'A' && c <= u'F')
        digit = c - u'A' + 10;
      if (digit < 0)
        return std::nullopt;
      value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
    }
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
      return std::nullopt;
    return value;
  }
  static constexpr struct {
    std::string_view Name;
    char32_t Value;
  } kNamed[] = {{"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'}, {"apos", U'\''}, {"nbsp", 0xA0}};
  for (const auto& entity : kNamed)
    if (SameIgnoringAsciiCase(name, entity.Name))
      return entity.Value;
  return std::nullopt;
}

// Until the HTML renderer lays the markup out, a caption is shown as its text: tags are dropped, <br> breaks
// the line, and character references are decoded. A '<' without a closing '>' and an '&' that starts no known
// reference stay as they are.
std::u16string MarkupToPlainText(std::u16string_view markup) {
  std::u16string text;
  std::size_t i = 0;
  while (i < markup.size()) {
    const char16_t c = markup[i];
    if (c == u'<') {
      const std::size_t close = markup.find(u'>', i + 1);
      if (close != std::u16string_view::npos) {
        std::size_t nameStart = i + 1;
        std::size_t nameEnd = nameStart;
        while (nameEnd < close && IsAsciiLetterOrDigit(markup[nameEnd]))
          ++nameEnd;
        if (SameIgnoringAsciiCase(markup.substr(nameStart, nameEnd - nameStart), std::string_view("br")))
          text += u'\n';
        i = close + 1;
        continue;
      }
    } else if (c == u'&') {
      const std::size_t semicolon = markup.find(u';', i + 1);
      if (semicolon != std::u16string_view::npos) {
        if (auto cp = CharacterReference(markup.substr(i + 1, semicolon - i - 1))) {
          AppendCodePoint(text, *cp);
          i = semicolon + 1;
          continue;
        }
      }
    }
    text += c;
    ++i;
  }
  return text;
}

}  // namespace

const TClassInfo& TExHTMLLabel::StaticClass() {
  using C = TExHTMLLabel;
  static const TClassInfo info =
      TClassBuilder<C>("TExHTMLLabel", &TCustomExLabel::StaticClass())
          .Creatable()
          .Reference<TExHTMLContainer>("Container", &C::GetContainer, &C::SetContainer)
          .Property<int>("ContainerIndex", &C::GetContainerIndex, &C::SetContainerIndex)
          .Property<bool>("CheckContainerLinks", &C::GetCheckContainerLinks, &C::SetCheckContainerLinks)
          .Property<bool>("IsHTML", &C::GetIsHTML, &C::SetIsHTML)
          .Property<TColor>("LinkColor", &C::GetLinkColor, &C::SetLinkColor)
          .Property<TFontStyles>("LinkStyle", &C::GetLinkStyle, &C::SetLinkStyle)
          .Property<bool>("EndEllipsis", &C::GetEndEllipsis, &C::SetEndEllipsis)
          .Reference<TWinControl>("FocusControl", &C::GetFocusControl, &C::SetFocusControl)
          .Event("OnLinkClick", &C::OnLinkClick)
          .Build();
  return info;
}

TExHTMLLabel::TExHTMLLabel(TComponent* owner) : TCustomExLabel(owner) {
  FChangeLink.OnChange = [this](TObject*) { SourceChanged(); };
}

void TExHTMLLabel::SetContainer(TExHTMLContainer* container) {
  if (container == FContainer)
    return;
  if (FContainer) {
    FContainer->UnRegisterChanges(FChangeLink);
    RemoveFreeNotification(FContainer);
  }
  FContainer = container;
  if (FContainer) {
    FContainer->RegisterChanges(FChangeLink);
    FreeNotification(FContainer);
  }
  SourceChanged();
}

void TExHTMLLabel::SetContainerIndex(int index) {
  if (index == FIndex)
    return;
  FIndex = index;
  if (FContainer)
    SourceChanged();
}

void TExHTMLLabel::SetIsHTML(bool value) {
  if (value == FIsHTML)
    return;
  FIsHTML = value;
  SourceChanged();
}

void TExHTMLLabel::SetLinkColor(TColor color) {
  if (color == FLinkColor)
    return;
  FLinkColor = color;
  if (FIsHTML)
    Invalidate();
}

void TExHTMLLabel::SetLinkStyle(TFontStyles style) {
  if (style == FLinkStyle)
    return;
  FLinkStyle = style;
  if (FIsHTML)
    Invalidate();
}

// A negative index counts as no item.
bool TExHTMLLabel::UsesOwnCaption() const {
  return !FContainer || FIndex < 0 || FIndex >= FContainer->ItemCount();
}

const std::u16string& TExHTMLLabel::GetSourceText() const {
  return UsesOwnCaption() ? GetCaption() : FContainer->Items().Items(FIndex).GetCaption();
}

std::u16string TExHTMLLabel::PlainText() const {
  return FIsHTML ? MarkupToPlainText(GetSourceText()) : GetSourceText();
}

void TExHTMLLabel::SourceChanged() {
  AdjustBounds();
  Invalidate();
}

// An HTML caption is drawn as its plain text; a '&' in it is no accelerator mark.
UINT TExHTMLLabel::TextFlags() const {
  return FIsHTML ? DT_NOPREFIX : PrefixFlags();
}

void TExHTMLLabel::Paint() {
  PaintBackground();
  PaintPlainText(PlainText(), TextFlags());
}

void TExHTMLLabel::AdjustBounds() {
  FitBoundsToText(PlainText(), TextFlags());
}

void TExHTMLLabel::Click() {
  if (!FIsHTML)
    TCustomExLabel::Click();
}

void TExHTMLLabel::Notification(TComponent* component, TOperation operation) {
  TCustomExLabel::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FContainer)
    SetContainer(nullptr);
}

void RegisterHtmlLabelClasses() {
  RegisteredClasses().Register(TExHTMLLabel::StaticClass());
  RegisteredClasses().Register(TExHTMLContainer::StaticClass());
}
