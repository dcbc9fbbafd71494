#include "HtmlTextMetricsWin.h"

#include <algorithm>

namespace {

constexpr UINT MeasuringFlags = DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE | DT_BOTTOM;
constexpr int LogPixelsWithoutScreen = 100;

int AskScreenLogPixelsY() {
  HDC screen = GetDC(nullptr);
  if (!screen)
    return LogPixelsWithoutScreen;
  const int pixels = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace

THtmlTextMetricsWin::THtmlTextMetricsWin(HWND Window) {
  HDC windowDC = GetDC(Window);
  CreateSurface(windowDC);
  if (windowDC)
    ReleaseDC(Window, windowDC);
}

THtmlTextMetricsWin::~THtmlTextMetricsWin() {
  ReleaseSurface();
}

LOGFONTW THtmlTextMetricsWin::FontDescription(const THtmlFontSpec& font) {
  LOGFONTW description{};
  description.lfHeight = font.Height;
  description.lfWeight = font.Style.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
  description.lfItalic = font.Style.Contains(TFontStyle::fsItalic);
  description.lfUnderline = font.Style.Contains(TFontStyle::fsUnderline);
  description.lfStrikeOut = font.Style.Contains(TFontStyle::fsStrikeOut);
  description.lfCharSet = static_cast<BYTE>(font.Charset);
  description.lfOutPrecision = OUT_DEFAULT_PRECIS;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::size_t length = std::min<std::size_t>(font.Face.size(), LF_FACESIZE - 1);
  std::copy_n(font.Face.begin(), length, description.lfFaceName);
  return description;
}

void THtmlTextMetricsWin::CreateSurface(HDC Compatible) {
  FDC = CreateCompatibleDC(Compatible);
  if (!FDC)
    return;
  FBitmap = CreateCompatibleBitmap(Compatible ? Compatible : FDC, 1, 1);
  FSaveObj = FBitmap ? SelectObject(FDC, FBitmap) : nullptr;
}

void THtmlTextMetricsWin::ReleaseSurface() {
  if (FDC) {
    if (FSavedFont)
      SelectObject(FDC, FSavedFont);
    if (FSaveObj)
      SelectObject(FDC, FSaveObj);
    DeleteDC(FDC);
  }
  if (FBitmap)
    DeleteObject(FBitmap);
  for (const TFontEntry& entry : FFonts)
    if (entry.Font)
      DeleteObject(entry.Font);
  FFonts.clear();
  FSelected = 0;
  FDC = nullptr;
  FBitmap = nullptr;
  FSaveObj = nullptr;
  FSavedFont = nullptr;
}

void THtmlTextMetricsWin::SetDC(HDC DC) {
  if (!DC)
    return;
  ReleaseSurface();
  CreateSurface(DC);
}

const THtmlTextMetricsWin::TFontEntry& THtmlTextMetricsWin::Select(const THtmlFontSpec& font) {
  auto matches = [&font](const TFontEntry& entry) {
    return entry.Height == font.Height && entry.Style == font.Style && entry.Charset == font.Charset &&
           entry.Face == font.Face;
  };
  if (FSelected < FFonts.size() && matches(FFonts[FSelected]))
    return FFonts[FSelected];

  auto found = std::find_if(FFonts.begin(), FFonts.end(), matches);
  if (found == FFonts.end()) {
    const LOGFONTW description = FontDescription(font);
    FFonts.push_back({std::u16string(font.Face), font.Height, font.Style, font.Charset,
                      CreateFontIndirectW(&description), TEXTMETRICW{}});
    found = FFonts.end() - 1;
    if (FDC) {
      HGDIOBJ previous = SelectObject(FDC, found->Font ? found->Font : GetStockObject(DEFAULT_GUI_FONT));
      if (!FSavedFont)
        FSavedFont = previous;
      GetTextMetricsW(FDC, &found->Metrics);
    }
  } else if (FDC) {
    SelectObject(FDC, found->Font ? found->Font : GetStockObject(DEFAULT_GUI_FONT));
  }
  FSelected = static_cast<std::size_t>(found - FFonts.begin());
  return *found;
}

THtmlFontMetrics THtmlTextMetricsWin::FontMetrics(const THtmlFontSpec& font) {
  const TEXTMETRICW& tm = Select(font).Metrics;
  return {tm.tmHeight, tm.tmDescent, tm.tmAveCharWidth, tm.tmMaxCharWidth};
}

int THtmlTextMetricsWin::TextExtent(const THtmlFontSpec& font, std::u16string_view text) {
  Select(font);
  if (!FDC)
    return 0;
  RECT rect{};
  DrawTextW(FDC, reinterpret_cast<LPCWSTR>(text.data()), static_cast<int>(text.size()), &rect,
            MeasuringFlags);
  return rect.right - rect.left;
}

int THtmlTextMetricsWin::ScreenLogPixelsY() {
  static const int pixels = AskScreenLogPixelsY();
  return pixels;
}
