#pragma once
// Text metrics on GDI: the renderer's fonts are measured with GetTextMetricsW and DrawTextW on memory device
// contexts of its own, so that captions can be measured before and apart from painting.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Handles.h"
#include "HtmlTextMetrics.h"

class THtmlTextMetricsWin : public IHtmlTextMetrics {
 public:
  // The memory device context is made compatible with Window's device context (the screen's without a
  // window).
  explicit THtmlTextMetricsWin(HWND Window = nullptr);
  ~THtmlTextMetricsWin() override;
  THtmlTextMetricsWin(const THtmlTextMetricsWin&) = delete;
  THtmlTextMetricsWin& operator=(const THtmlTextMetricsWin&) = delete;

  THtmlFontMetrics FontMetrics(const THtmlFontSpec& font) override;
  // DrawTextW with DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE | DT_BOTTOM on an empty rectangle: right - left.
  int TextExtent(const THtmlFontSpec& font, std::u16string_view text) override;
  // GetTextExtentExPointW's count of characters that fit.
  std::size_t FittingLength(const THtmlFontSpec& font, std::u16string_view text, int maxExtent) override;
  // The screen's pixels per inch (ScreenPixelsPerInch), asked once: 100 when no screen device context can be
  // had.
  int ScreenLogPixelsY() override;

  // Re-bases the measuring surface on a memory device context compatible with DC; ignored when DC is none.
  void SetDC(HDC DC);
  HDC Handle() const { return FSurface->DC.Get(); }

 private:
  // One font, made when first asked for, with its metrics and a memory device context of its own, compatible
  // with the surface, that it stays selected into: selecting another font into a context costs far more than
  // measuring a short text (under Wine some twenty times as much), and captions switch fonts run by run.
  struct TFontEntry {
    TFontEntry(HDC Surface, const THtmlFontSpec& font);
    std::u16string Face;
    int Height;
    TFontStyles Style;
    TFontCharset Charset;
    // Declared in this order so that the font is deselected before its context goes, and that before the
    // font.
    TFontHandle Font;
    TMemoryDC DC;
    TSelectedObject Selection;
    TEXTMETRICW Metrics{};
  };
  // The memory device context the fonts' contexts are made compatible with, with a one-pixel bitmap.
  struct TSurface {
    explicit TSurface(HDC Compatible);
    TMemoryDC DC;
    TBitmapHandle Bitmap;
    TSelectedObject BitmapSelection;
  };

  TFontEntry& Entry(const THtmlFontSpec& font);

  std::optional<TSurface> FSurface;
  std::vector<std::unique_ptr<TFontEntry>> FFonts;
  std::size_t FLastUsed = 0;  // index into FFonts of the font asked for last, looked at first
};
