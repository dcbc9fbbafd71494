#pragma once
// Text metrics on GDI: the renderer's fonts are selected into a memory device context of its own and measured
// with GetTextMetricsW and DrawTextW, so that captions can be measured before and apart from painting.

#include <windows.h>

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
  // The screen's pixels per inch (ScreenPixelsPerInch), asked once: 100 when no screen device context can be
  // had.
  int ScreenLogPixelsY() override;

  // Re-bases the measuring surface on a memory device context compatible with DC; ignored when DC is none.
  void SetDC(HDC DC);
  HDC Handle() const { return FSurface->DC.Get(); }

 private:
  struct TFontEntry {
    std::u16string Face;
    int Height;
    TFontStyles Style;
    TFontCharset Charset;
    TFontHandle Font;
    TEXTMETRICW Metrics;
  };
  // The memory device context measured on, with a one-pixel bitmap and the font measured last selected; both
  // are deselected before the context is released.
  struct TSurface {
    explicit TSurface(HDC Compatible);
    TMemoryDC DC;
    TBitmapHandle Bitmap;
    TSelectedObject BitmapSelection;
    std::optional<TSelectedObject> FontSelection;
  };

  const TFontEntry& Select(const THtmlFontSpec& font);
  void SelectFont(const TFontEntry& entry);

  // Declared before the surface, so that the fonts are deselected before they are released.
  std::vector<TFontEntry> FFonts;
  std::optional<TSurface> FSurface;
  std::size_t FSelected = 0;  // index into FFonts of the selected font; FFonts.size() while none is
};
