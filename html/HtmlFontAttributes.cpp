#include "HtmlFontAttributes.h"

#include <cstdint>
#include <cstdlib>

#include "AsciiCase.h"
#include "IntegerMath.h"

namespace {

struct TColorName {
  std::string_view Name;
  std::uint32_t Value;
};

constexpr TColorName ColorNames[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", 0xFF000000},
    {"clBackground", 0xFF000001},
    {"clActiveCaption", 0xFF000002},
    {"clInactiveCaption", 0xFF000003},
    {"clMenu", 0xFF000004},
    {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},
    {"clMenuText", 0xFF000007},
    {"clWindowText", 0xFF000008},
    {"clCaptionText", 0xFF000009},
    {"clActiveBorder", 0xFF00000A},
    {"clInactiveBorder", 0xFF00000B},
    {"clAppWorkSpace", 0xFF00000C},
    {"clHighlight", 0xFF00000D},
    {"clHighlightText", 0xFF00000E},
    {"clBtnFace", 0xFF00000F},
    {"clBtnShadow", 0xFF000010},
    {"clGrayText", 0xFF000011},
    {"clBtnText", 0xFF000012},
    {"clInactiveCaptionText", 0xFF000013},
    {"clBtnHighlight", 0xFF000014},
    {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},
    {"clInfoText", 0xFF000017},
    {"clInfoBk", 0xFF000018},
    {"clHotLight", 0xFF00001A},
    {"clGradientActiveCaption", 0xFF00001B},
    {"clGradientInactiveCaption", 0xFF00001C},
    {"clMenuHighlight", 0xFF00001D},
    {"clMenuBar", 0xFF00001E},
};

// Hexadecimal with an optional sign and "$", any number of digits (the low 32 bits count).
std::optional<std::uint32_t> ParseHex(std::u16string_view text) {
  bool negative = false;
  bool sawSign = false;
  bool sawDollar = false;
  while (!text.empty()) {
    const char16_t c = text.front();
    if ((c == u'+' || c == u'-') && !sawSign) {
      sawSign = true;
      negative = c == u'-';
    } else if (c == u'$' && !sawDollar) {
      sawDollar = true;
    } else {
      break;
    }
    text.remove_prefix(1);
  }
  if (text.empty())
    return std::nullopt;
  std::uint32_t value = 0;
  for (char16_t c : text) {
    std::uint32_t digit;
    if (c >= u'0' && c <= u'9')
      digit = c - u'0';
    else if (AsciiLower(c) >= u'a' && AsciiLower(c) <= u'f')
      digit = AsciiLower(c) - u'a' + 10u;
    else
      return std::nullopt;
    value = (value << 4) | digit;
  }
  return negative ? 0u - value : value;
}

// 0xRRGGBB as written in the markup becomes 0x00BBGGRR: shifted left by a byte, then all four bytes reversed.
TColor FromMarkupRGB(std::uint32_t number) {
  const std::uint32_t shifted = number << 8;
  const std::uint32_t reversed =
      (shifted >> 24) | ((shifted >> 8) & 0xFF00u) | ((shifted << 8) & 0xFF0000u) | (shifted << 24);
  return ColorValue(reversed);
}

void ApplySize(TFontSettings& settings, std::u16string_view value, int defaultHeight, int logPixelsY) {
  const int current = settings.Height;
  const std::int64_t defaultMagnitude = std::llabs(defaultHeight);
  if (value.front() == u'+' || value.front() == u'-') {
    const int points = IntegerOr(value, 0);
    settings.Height = static_cast<int>(Sign(current) * (MulDiv(points, logPixelsY, 72) + defaultMagnitude));
    return;
  }
  std::u16string text(value);
  const std::size_t px = text.find(u"px");
  const bool pixels = px != std::u16string::npos;
  if (pixels)
    text.erase(px, 2);
  const int n = IntegerOr(TrimText(text), defaultHeight);
  if (n > 0 && n < 10 && !pixels)
    settings.Height = static_cast<int>(Sign(current) * (defaultMagnitude + 5 * n));
  else
    settings.Height = n;
}

}  // namespace

int MulDiv(int Value, int Numerator, int Denominator) {
  if (Denominator == 0)
    return -1;
  std::int64_t product = std::int64_t{Value} * Numerator;
  const bool negative = (product < 0) != (Denominator < 0);
  const std::int64_t magnitude =
      (std::llabs(product) + std::llabs(Denominator) / 2) / std::llabs(Denominator);
  const std::int64_t result = negative ? -magnitude : magnitude;
  if (result > INT32_MAX || result < INT32_MIN)
    return -1;
  return static_cast<int>(result);
}

std::optional<TColor> MarkupColor(std::u16string_view Value, TColor Fallback) {
  if (Value.empty())
    return std::nullopt;
  if (Value.front() == u'#') {
    const std::optional<std::uint32_t> number = ParseHex(Value.substr(1));
    return FromMarkupRGB(number ? *number : static_cast<std::uint32_t>(Fallback));
  }
  const bool prefixed = Value.substr(0, 2) == u"cl";
  for (const TColorName& color : ColorNames) {
    std::string_view name = color.Name;
    if (!prefixed)
      name.remove_prefix(2);
    if (SameIgnoringAsciiCase(Value, name))
      return ColorValue(color.Value);
  }
  return std::nullopt;
}

void ApplyFontAttributes(TFontSettings& Settings, const THtmlAttributes& Attributes,
                         const THtmlData& Document, int ScreenLogPixelsY) {
  for (std::u16string_view name : {u"face", u"name"}) {
    std::u16string face = Attributes.Value(name);
    if (!face.empty())
      Settings.FontName = std::move(face);
  }
  const std::u16string size = Attributes.Value(u"size");
  if (!size.empty())
    ApplySize(Settings, size, Document.GetDefaultHeight(), ScreenLogPixelsY);

  const std::u16string color = Attributes.Value(u"color");
  if (!color.empty())
    Settings.Color = MarkupColor(color, Document.GetDefaultColor()).value_or(Settings.Color);
  std::u16string background = Attributes.Value(u"bgcolor");
  if (background.empty())
    background = Attributes.Value(u"background");
  if (!background.empty())
    Settings.BgColor = MarkupColor(background, Document.GetDefaultBgColor()).value_or(Settings.BgColor);
}
