#include "HtmlTextMetricsWin.h"

#include <algorithm>

#include "Graphics.h"

namespace {

constexpr UINT MeasuringFlags = DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE | DT_BOTTOM;

HFONT CreateFontOf(const THtmlFontSpec& font) {
  const LOGFONTW description = FontDescription(font.Face, font.Height, font.Style, font.Charset);
  return CreateFontIndirectW(&description);
}

}  // namespace

THtmlTextMetricsWin::TSurface::TSurface(HDC Compatible)
    : DC(CreateCompatibleDC(Compatible)),
      Bitmap(DC ? CreateCompatibleBitmap(Compatible ? Compatible : DC.Get(), 1, 1) : nullptr),
      BitmapSelection(DC.Get(), Bitmap.Get()) {}

THtmlTextMetricsWin::TFontEntry::TFontEntry(HDC Surface, const THtmlFontSpec& font)
    : Face(font.Face),
      Height(font.Height),
      Style(font.Style),
      Charset(font.Charset),
      Font(CreateFontOf(font)),
      DC(Surface ? CreateCompatibleDC(Surface) : nullptr),
      Selection(DC.Get(), Font ? static_cast<HGDIOBJ>(Font.Get()) : GetStockObject(DEFAULT_GUI_FONT)) {
  if (DC)
    GetTextMetricsW(DC.Get(), &Metrics);
}

THtmlTextMetricsWin::THtmlTextMetricsWin(HWND Window) {
  const TWindowDC windowDC(Window);
  FSurface.emplace(windowDC.Get());
}

THtmlTextMetricsWin::~THtmlTextMetricsWin() = default;

void THtmlTextMetricsWin::SetDC(HDC DC) {
  if (!DC)
    return;
  FFonts.clear();
  FLastUsed = 0;
  FSurface.reset();
  FSurface.emplace(DC);
}

THtmlTextMetricsWin::TFontEntry& THtmlTextMetricsWin::Entry(const THtmlFontSpec& font) {
  auto matches = [&font](const std::unique_ptr<TFontEntry>& entry) {
    return entry->Height == font.Height && entry->Style == font.Style && entry->Charset == font.Charset &&
           entry->Face == font.Face;
  };
  if (FLastUsed < FFonts.size() && matches(FFonts[FLastUsed]))
    return *FFonts[FLastUsed];
  auto found = std::find_if(FFonts.begin(), FFonts.end(), matches);
  if (found == FFonts.end()) {
    FFonts.push_back(std::make_unique<TFontEntry>(FSurface->DC.Get(), font));
    found = FFonts.end() - 1;
  }
  FLastUsed = static_cast<std::size_t>(found - FFonts.begin());
  return **found;
}

THtmlFontMetrics THtmlTextMetricsWin::FontMetrics(const THtmlFontSpec& font) {
  const TEXTMETRICW& tm = Entry(font).Metrics;
  return {tm.tmHeight, tm.tmDescent, tm.tmAveCharWidth, tm.tmMaxCharWidth};
}

int THtmlTextMetricsWin::TextExtent(const THtmlFontSpec& font, std::u16string_view text) {
  const TFontEntry& entry = Entry(font);
  if (!entry.DC)
    return 0;
  RECT rect{};
  DrawTextW(entry.DC.Get(), reinterpret_cast<LPCWSTR>(text.data()), static_cast<int>(text.size()), &rect,
            MeasuringFlags);
  return rect.right - rect.left;
}

std::size_t THtmlTextMetricsWin::FittingLength(const THtmlFontSpec& font, std::u16string_view text,
                                               int maxExtent) {
  const TFontEntry& entry = Entry(font);
  if (!entry.DC || maxExtent < 0)
    return 0;
  INT fit = 0;
  SIZE size{};
  if (!GetTextExtentExPointW(entry.DC.Get(), reinterpret_cast<LPCWSTR>(text.data()),
                             static_cast<int>(text.size()), maxExtent, &fit, nullptr, &size))
    return 0;
  return static_cast<std::size_t>(std::max(fit, 0));
}

int THtmlTextMetricsWin::ScreenLogPixelsY() {
  static const int pixels = ScreenPixelsPerInch();
  return pixels;
}
