#include "HtmlTextMetricsWin.h"

#include <algorithm>

#include "Graphics.h"

namespace {

constexpr UINT MeasuringFlags = DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE | DT_BOTTOM;

}  // namespace

THtmlTextMetricsWin::TSurface::TSurface(HDC Compatible)
    : DC(CreateCompatibleDC(Compatible)),
      Bitmap(DC ? CreateCompatibleBitmap(Compatible ? Compatible : DC.Get(), 1, 1) : nullptr),
      BitmapSelection(DC.Get(), Bitmap.Get()) {}

THtmlTextMetricsWin::THtmlTextMetricsWin(HWND Window) {
  const TWindowDC windowDC(Window);
  FSurface.emplace(windowDC.Get());
}

THtmlTextMetricsWin::~THtmlTextMetricsWin() = default;

void THtmlTextMetricsWin::SetDC(HDC DC) {
  if (!DC)
    return;
  FSurface.reset();
  FFonts.clear();
  FSelected = 0;
  FSurface.emplace(DC);
}

void THtmlTextMetricsWin::SelectFont(const TFontEntry& entry) {
  HDC dc = FSurface->DC.Get();
  // Deselecting the previous font first lets the new selection keep what the context had before the first
  // one, which is selected again when the surface goes.
  FSurface->FontSelection.reset();
  FSurface->FontSelection.emplace(dc, entry.Font ? entry.Font.Get() : GetStockObject(DEFAULT_GUI_FONT));
}

const THtmlTextMetricsWin::TFontEntry& THtmlTextMetricsWin::Select(const THtmlFontSpec& font) {
  auto matches = [&font](const TFontEntry& entry) {
    return entry.Height == font.Height && entry.Style == font.Style && entry.Charset == font.Charset &&
           entry.Face == font.Face;
  };
  if (FSelected < FFonts.size() && matches(FFonts[FSelected]))
    return FFonts[FSelected];

  auto found = std::find_if(FFonts.begin(), FFonts.end(), matches);
  const bool created = found == FFonts.end();
  if (created) {
    const LOGFONTW description = FontDescription(font.Face, font.Height, font.Style, font.Charset);
    TFontHandle handle(CreateFontIndirectW(&description));
    FFonts.push_back(
        {std::u16string(font.Face), font.Height, font.Style, font.Charset, std::move(handle), TEXTMETRICW{}});
    found = FFonts.end() - 1;
  }
  if (FSurface->DC) {
    SelectFont(*found);
    if (created)
      GetTextMetricsW(FSurface->DC.Get(), &found->Metrics);
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
  if (!FSurface->DC)
    return 0;
  RECT rect{};
  DrawTextW(FSurface->DC.Get(), reinterpret_cast<LPCWSTR>(text.data()), static_cast<int>(text.size()), &rect,
            MeasuringFlags);
  return rect.right - rect.left;
}

int THtmlTextMetricsWin::ScreenLogPixelsY() {
  static const int pixels = ScreenPixelsPerInch();
  return pixels;
}
