#include "HtmlRecordingCanvas.h"

#include <cstdio>
#include <utility>

#include "HtmlTestSupport.h"

std::string HexColor(TColor Color) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(Color));
  return text;
}

TColor TFixedColors::ColorToRGB(TColor Color) const {
  if (!IsSystemColor(Color))
    return ColorValue(static_cast<std::uint32_t>(Color) & 0xFFFFFF);
  if (Color == clWindow || Color == clHighlightText)
    return clWhite;
  if (Color == clWindowText)
    return clBlack;
  if (Color == clGrayText)
    return ColorValue(0x6D6D6D);
  if (Color == clHighlight)
    return ColorValue(0xD77800);
  return ColorValue(static_cast<std::uint32_t>(SystemColorIndex(Color)) * 0x010101);
}

THtmlPoint TRecordingCanvas::BeginPaint(const THtmlRect& R, bool Buffered) {
  Calls.push_back("begin " + std::to_string(R.Left) + "," + std::to_string(R.Top) + "," +
                  std::to_string(R.Right) + "," + std::to_string(R.Bottom) + (Buffered ? " buffered" : ""));
  return Buffered ? THtmlPoint{} : THtmlPoint{R.Left, R.Top};
}

void TRecordingCanvas::EndPaint() {
  Calls.emplace_back("end");
}

void TRecordingCanvas::SetFont(const THtmlFontSpec& Font) {
  FFont = Utf8(std::u16string(Font.Face)) + "/" + std::to_string(Font.Height);
  const std::pair<TFontStyle, const char*> styles[] = {{TFontStyle::fsBold, "b"},
                                                       {TFontStyle::fsItalic, "i"},
                                                       {TFontStyle::fsUnderline, "u"},
                                                       {TFontStyle::fsStrikeOut, "s"}};
  for (auto [style, name] : styles)
    if (Font.Style.Contains(style))
      FFont += name;
  FFont += "/cs" + std::to_string(Font.Charset);
}

void TRecordingCanvas::SetTextColor(TColor Color) {
  FColor = HexColor(Color);
}

void TRecordingCanvas::SetTextBackground(TColor Color) {
  FBackground = Color == clNone ? "none" : HexColor(Color);
}

void TRecordingCanvas::PaintText(int X, int Y, std::u16string_view Text) {
  Calls.push_back("text " + std::to_string(X) + "," + std::to_string(Y) + " '" + Utf8(std::u16string(Text)) +
                  "' " + FFont + " c=" + FColor + " bg=" + FBackground);
}

TColor TRecordingCanvas::ColorToRGB(TColor Color) const {
  return TFixedColors().ColorToRGB(Color);
}
