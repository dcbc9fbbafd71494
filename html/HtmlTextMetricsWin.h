#pragma once
// Text metrics on GDI: the renderer's fonts are selected into a memory device context of its own and measured
// with GetTextMetricsW and DrawTextW, so that captions can be measured before and apart from painting.

#include <windows.h>

#include <string>
#include <vector>

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
  // GetDeviceCaps(LOGPIXELSY) of the screen, asked once; 100 when no screen device context can be had.
  int ScreenLogPixelsY() override;

  // Re-bases the measuring surface on a memory device context compatible with DC; ignored when DC is none.
  void SetDC(HDC DC);
  HDC Handle() const { return FDC; }

  // The GDI font description for a font of the markup, as the labels create their fonts.
  static LOGFONTW FontDescription(const THtmlFontSpec& font);

 private:
  struct TFontEntry {
    std::u16string Face;
    int Height;
    TFontStyles Style;
    TFontCharset Charset;
    HFONT Font;
    TEXTMETRICW Metrics;
  };

  const TFontEntry& Select(const THtmlFontSpec& font);
  void CreateSurface(HDC Compatible);
  void ReleaseSurface();

  HDC FDC = nullptr;
  HBITMAP FBitmap = nullptr;
  HGDIOBJ FSaveObj = nullptr;
  HGDIOBJ FSavedFont = nullptr;
  std::vector<TFontEntry> FFonts;
  std::size_t FSelected = 0;  // index into FFonts of the selected font; FFonts.size() while none is
};
