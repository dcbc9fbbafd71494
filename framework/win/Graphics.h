#pragma once
// Fonts, brushes, pens, canvases over device contexts and memory bitmaps.

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Handles.h"
#include "Persistent.h"
#include "Types.h"

// A call that the object's state does not allow (drawing without a device context, focusing a hidden
// control).
class EInvalidOperation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// GDI or the window system could not create an object.
class EOutOfResources : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The RGB value of a colour: system colours are resolved now; clNone and clDefault give black.
COLORREF ColorToRGB(TColor color);

// Fills `rect` with a solid brush of `color`, made for this one fill.
void FillSolidRect(HDC dc, const RECT& rect, TColor color);

// The screen's pixels per inch (LOGPIXELSY); 100 when no screen device context can be had.
int ScreenPixelsPerInch();

// The GDI description of a font of this face, height (as LOGFONT's lfHeight), style and character set, with
// default precision, quality and pitch.
LOGFONTW FontDescription(std::u16string_view face, int height, TFontStyles style, TFontCharset charset);

// The DrawText flag that places text as `alignment` says.
UINT AlignmentTextFlags(TAlignment alignment);

// Something whose settings changed: fonts, brushes and pens tell their users through OnChange.
class TGraphicsObject : public TPersistent {
  OVANTA_CLASS(TGraphicsObject)

 public:
  TNotifyEvent OnChange;
  // Raised before a change releases the GDI object, so that a device context holding it can let go first.
  TNotifyEvent OnChanging;

 protected:
  void Changing();
  void Changed();
  // Applies a change of settings: users are told before and after, and the cached GDI object is dropped.
  template <class F>
  void Modify(F change) {
    Changing();
    change();
    ReleaseHandle();
    Changed();
  }
  virtual void ReleaseHandle() const = 0;
};

class TFont : public TGraphicsObject {
  OVANTA_CLASS(TFont)

 public:
  TFont();
  void Assign(const TPersistent& source) override;

  const std::u16string& GetName() const { return FName; }
  void SetName(const std::u16string& name);
  // Negative: character height in pixels; positive: cell height.
  int GetHeight() const { return FHeight; }
  void SetHeight(int height);
  // Points at the screen's pixels per inch (Height = -Size * ppi / 72).
  int GetSize() const;
  void SetSize(int size);
  TFontStyles GetStyle() const { return FStyle; }
  void SetStyle(TFontStyles style);
  TFontCharset GetCharset() const { return FCharset; }
  void SetCharset(TFontCharset charset);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor color);

  // The GDI font for these settings, created on first use and kept until they change.
  HFONT Handle() const;

 private:
  void ReleaseHandle() const override;
  std::u16string FName = u"Tahoma";
  int FHeight = -11;
  TFontStyles FStyle;
  TFontCharset FCharset = DefaultCharset;
  TColor FColor = clWindowText;
  mutable TFontHandle FHandle;
};

enum class TBrushStyle : std::uint8_t { bsSolid, bsClear };
template <>
struct TEnumNames<TBrushStyle> {
  static constexpr std::array<std::string_view, 2> Names{"bsSolid", "bsClear"};
  static_assert(NamesEveryValue(Names, TBrushStyle::bsClear));
};

class TBrush : public TGraphicsObject {
  OVANTA_CLASS(TBrush)

 public:
  TBrush() = default;
  void Assign(const TPersistent& source) override;
  TColor GetColor() const { return FColor; }
  void SetColor(TColor color);
  TBrushStyle GetStyle() const { return FStyle; }
  void SetStyle(TBrushStyle style);
  // A solid brush of Color, or the hollow stock brush for bsClear.
  HBRUSH Handle() const;

 private:
  void ReleaseHandle() const override;
  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
  mutable TBrushHandle FHandle;
};

class TPen : public TGraphicsObject {
  OVANTA_CLASS(TPen)

 public:
  TPen() = default;
  void Assign(const TPersistent& source) override;
  TColor GetColor() const { return FColor; }
  void SetColor(TColor color);
  int GetWidth() const { return FWidth; }
  void SetWidth(int width);
  HPEN Handle() const;

 private:
  void ReleaseHandle() const override;
  TColor FColor = clBlack;
  int FWidth = 1;
  mutable TPenHandle FHandle;
};

// Drawing on a device context with the canvas's font, brush and pen. The canvas does not own the context;
// objects it selects are deselected again when the context is unbound.
class TCanvas : public TObject {
 public:
  TCanvas();
  ~TCanvas() override;

  HDC Handle() const { return FHandle; }
  void SetHandle(HDC dc);  // binds (or with nullptr unbinds) a device context
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont& Font() { return FFont; }
  TBrush& Brush() { return FBrush; }
  TPen& Pen() { return FPen; }

  void FillRect(const RECT& rect);  // with Brush; nothing for bsClear
  void FrameRect(const RECT& rect);
  void Rectangle(const RECT& rect);  // outline with Pen, inside with Brush
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void TextOut(int x, int y, const std::u16string& text);
  // DrawTextW with the canvas's font and font colour; the background is transparent unless Brush is solid.
  int DrawText(const std::u16string& text, RECT& rect, UINT flags);
  SIZE TextExtent(const std::u16string& text);
  void CopyRect(const RECT& dest, TCanvas& source,
                const RECT& sourceRect);  // BitBlt (or StretchBlt), SRCCOPY
  RECT ClipRect() const;

  // Selects font, brush and pen into the context as needed before drawing; raises EInvalidOperation when no
  // context is bound.
  void RequireState();

 private:
  // One GDI object slot of the context: what the canvas selected, and what was selected before.
  struct TSelection {
    HGDIOBJ Selected = nullptr;
    HGDIOBJ Previous = nullptr;
  };
  void Select(TSelection& slot, HGDIOBJ object);
  void Unselect(TSelection& slot);
  void Deselect();
  void PrepareText();
  HDC FHandle = nullptr;
  TFont FFont;
  TBrush FBrush;
  TPen FPen;
  TSelection FFontSlot, FBrushSlot, FPenSlot;
};

// A device-dependent memory bitmap selected into a memory device context of its own, with a canvas on it.
class TBitmap : public TObject {
 public:
  // `compatibleWith` nullptr: compatible with the screen. Raises EOutOfResources when GDI refuses; then
  // nothing is left behind.
  TBitmap(HDC compatibleWith, int width, int height);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  TCanvas& Canvas() { return FCanvas; }
  HBITMAP Handle() const { return FBitmap.Get(); }
  HDC DC() const { return FDC.Get(); }

 private:
  int FWidth, FHeight;
  TMemoryDC FDC;
  TBitmapHandle FBitmap;
  TSelectedObject FSelection;
  TCanvas FCanvas;  // last: it lets go of the context before the bitmap is deselected and both are released
};
