#include "Graphics.h"

#include <algorithm>

#include "WinText.h"

namespace {

// Without a screen to ask, text is measured as the HTML renderer documents it.
constexpr int kPixelsPerInchWithoutScreen = 100;

bool DrawsNothing(const TBrush& brush) {
  return brush.GetStyle() == TBrushStyle::bsClear || brush.GetColor() == clNone;
}

}  // namespace

COLORREF ColorToRGB(TColor color) {
  if (color == clNone || color == clDefault)
    return RGB(0, 0, 0);
  if (IsSystemColor(color))
    return GetSysColor(SystemColorIndex(color));
  return static_cast<COLORREF>(color) & 0x00FFFFFF;
}

void FillSolidRect(HDC dc, const RECT& rect, TColor color) {
  const TBrushHandle brush(CreateSolidBrush(ColorToRGB(color)));
  if (brush)
    FillRect(dc, &rect, brush.Get());
}

int ScreenPixelsPerInch() {
  const TWindowDC screen;
  const int ppi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  return ppi > 0 ? ppi : kPixelsPerInchWithoutScreen;
}

LOGFONTW FontDescription(std::u16string_view face, int height, TFontStyles style, TFontCharset charset) {
  LOGFONTW description{};
  description.lfHeight = height;
  description.lfWeight = style.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
  description.lfItalic = style.Contains(TFontStyle::fsItalic);
  description.lfUnderline = style.Contains(TFontStyle::fsUnderline);
  description.lfStrikeOut = style.Contains(TFontStyle::fsStrikeOut);
  description.lfCharSet = static_cast<BYTE>(charset);
  description.lfOutPrecision = OUT_DEFAULT_PRECIS;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
  std::copy_n(face.begin(), length, description.lfFaceName);
  return description;
}

UINT AlignmentTextFlags(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify:
      return DT_RIGHT;
    case TAlignment::taCenter:
      return DT_CENTER;
    case TAlignment::taLeftJustify:
      break;
  }
  return DT_LEFT;
}

// --- TGraphicsObject ---

const TClassInfo& TGraphicsObject::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGraphicsObject>("TGraphicsObject", &TPersistent::StaticClass()).Build();
  return info;
}

void TGraphicsObject::Changing() {
  Raise(OnChanging, this);
}
void TGraphicsObject::Changed() {
  Raise(OnChange, this);
}

// --- TFont ---

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFont>("TFont", &TGraphicsObject::StaticClass())
          .Property<std::u16string>("Name", &TFont::GetName, &TFont::SetName)
          .Property<int>("Height", &TFont::GetHeight, &TFont::SetHeight)
          .Property<int>("Size", &TFont::GetSize, &TFont::SetSize)
          .Property<TFontStyles>("Style", &TFont::GetStyle, &TFont::SetStyle)
          .Property<TFontCharset>("Charset", &TFont::GetCharset, &TFont::SetCharset)
          .Property<TColor>("Color", &TFont::GetColor, &TFont::SetColor)
          .Build();
  return info;
}

TFont::TFont() = default;

void TFont::Assign(const TPersistent& source) {
  const auto* font = dynamic_cast<const TFont*>(&source);
  if (!font) {
    TGraphicsObject::Assign(source);
    return;
  }
  if (font == this || (font->FName == FName && font->FHeight == FHeight && font->FStyle == FStyle &&
                       font->FCharset == FCharset && font->FColor == FColor))
    return;
  Modify([&] {
    FName = font->FName;
    FHeight = font->FHeight;
    FStyle = font->FStyle;
    FCharset = font->FCharset;
    FColor = font->FColor;
  });
}

void TFont::SetName(const std::u16string& name) {
  if (name != FName)
    Modify([&] { FName = name; });
}

void TFont::SetHeight(int height) {
  if (height != FHeight)
    Modify([&] { FHeight = height; });
}

int TFont::GetSize() const {
  return -MulDiv(FHeight, 72, ScreenPixelsPerInch());
}

void TFont::SetSize(int size) {
  SetHeight(-MulDiv(size, ScreenPixelsPerInch(), 72));
}

void TFont::SetStyle(TFontStyles style) {
  if (style != FStyle)
    Modify([&] { FStyle = style; });
}

void TFont::SetCharset(TFontCharset charset) {
  if (charset != FCharset)
    Modify([&] { FCharset = charset; });
}

void TFont::SetColor(TColor color) {
  if (color == FColor)
    return;
  // The colour is applied when drawing; the GDI font stays.
  FColor = color;
  Changed();
}

HFONT TFont::Handle() const {
  if (!FHandle) {
    const LOGFONTW description = FontDescription(FName, FHeight, FStyle, FCharset);
    FHandle.Reset(CreateFontIndirectW(&description));
  }
  // Without a font of its own the canvas draws with the system's (not cached: it must never be deleted).
  if (!FHandle)
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  return FHandle.Get();
}

void TFont::ReleaseHandle() const {
  FHandle.Reset();
}

// --- TBrush ---

const TClassInfo& TBrush::StaticClass() {
  static const TClassInfo info = TClassBuilder<TBrush>("TBrush", &TGraphicsObject::StaticClass())
                                     .Property<TColor>("Color", &TBrush::GetColor, &TBrush::SetColor)
                                     .Property<TBrushStyle>("Style", &TBrush::GetStyle, &TBrush::SetStyle)
                                     .Build();
  return info;
}

void TBrush::Assign(const TPersistent& source) {
  const auto* brush = dynamic_cast<const TBrush*>(&source);
  if (!brush) {
    TGraphicsObject::Assign(source);
    return;
  }
  if (brush->FColor == FColor && brush->FStyle == FStyle)
    return;
  Modify([&] {
    FColor = brush->FColor;
    FStyle = brush->FStyle;
  });
}

void TBrush::SetColor(TColor color) {
  if (color == FColor)
    return;
  Modify([&] { FColor = color; });
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == FStyle)
    return;
  Modify([&] { FStyle = style; });
}

HBRUSH TBrush::Handle() const {
  if (DrawsNothing(*this))
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!FHandle)
    FHandle.Reset(CreateSolidBrush(ColorToRGB(FColor)));
  return FHandle ? FHandle.Get() : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void TBrush::ReleaseHandle() const {
  FHandle.Reset();
}

// --- TPen ---

const TClassInfo& TPen::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPen>("TPen", &TGraphicsObject::StaticClass())
                                     .Property<TColor>("Color", &TPen::GetColor, &TPen::SetColor)
                                     .Property<int>("Width", &TPen::GetWidth, &TPen::SetWidth)
                                     .Build();
  return info;
}

void TPen::Assign(const TPersistent& source) {
  const auto* pen = dynamic_cast<const TPen*>(&source);
  if (!pen) {
    TGraphicsObject::Assign(source);
    return;
  }
  if (pen->FColor == FColor && pen->FWidth == FWidth)
    return;
  Modify([&] {
    FColor = pen->FColor;
    FWidth = pen->FWidth;
  });
}

void TPen::SetColor(TColor color) {
  if (color == FColor)
    return;
  Modify([&] { FColor = color; });
}

void TPen::SetWidth(int width) {
  width = std::max(width, 0);
  if (width == FWidth)
    return;
  Modify([&] { FWidth = width; });
}

HPEN TPen::Handle() const {
  if (FColor == clNone)
    return static_cast<HPEN>(GetStockObject(NULL_PEN));
  if (!FHandle)
    FHandle.Reset(CreatePen(PS_SOLID, FWidth, ColorToRGB(FColor)));
  return FHandle ? FHandle.Get() : static_cast<HPEN>(GetStockObject(BLACK_PEN));
}

void TPen::ReleaseHandle() const {
  FHandle.Reset();
}

// --- TCanvas ---

TCanvas::TCanvas() {
  FFont.OnChanging = [this](TObject*) { Unselect(FFontSlot); };
  FBrush.OnChanging = [this](TObject*) { Unselect(FBrushSlot); };
  FPen.OnChanging = [this](TObject*) { Unselect(FPenSlot); };
}

TCanvas::~TCanvas() {
  Deselect();
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == FHandle)
    return;
  Deselect();
  FHandle = dc;
}

void TCanvas::Select(TSelection& slot, HGDIOBJ object) {
  if (slot.Selected == object)
    return;
  HGDIOBJ previous = SelectObject(FHandle, object);
  if (!slot.Previous)
    slot.Previous = previous;
  slot.Selected = object;
}

void TCanvas::Unselect(TSelection& slot) {
  if (FHandle && slot.Previous)
    SelectObject(FHandle, slot.Previous);
  slot = TSelection{};
}

void TCanvas::Deselect() {
  Unselect(FFontSlot);
  Unselect(FBrushSlot);
  Unselect(FPenSlot);
}

void TCanvas::RequireState() {
  if (!FHandle)
    throw EInvalidOperation("Canvas does not allow drawing");
  Select(FFontSlot, FFont.Handle());
  Select(FBrushSlot, FBrush.Handle());
  Select(FPenSlot, FPen.Handle());
}

void TCanvas::PrepareText() {
  RequireState();
  SetTextColor(FHandle, ColorToRGB(FFont.GetColor()));
  if (DrawsNothing(FBrush)) {
    SetBkMode(FHandle, TRANSPARENT);
  } else {
    SetBkMode(FHandle, OPAQUE);
    SetBkColor(FHandle, ColorToRGB(FBrush.GetColor()));
  }
}

void TCanvas::FillRect(const RECT& rect) {
  if (DrawsNothing(FBrush))
    return;
  RequireState();
  ::FillRect(FHandle, &rect, FBrush.Handle());
}

void TCanvas::FrameRect(const RECT& rect) {
  if (DrawsNothing(FBrush))
    return;
  RequireState();
  ::FrameRect(FHandle, &rect, FBrush.Handle());
}

void TCanvas::Rectangle(const RECT& rect) {
  RequireState();
  ::Rectangle(FHandle, rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::MoveTo(int x, int y) {
  RequireState();
  MoveToEx(FHandle, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  RequireState();
  ::LineTo(FHandle, x, y);
}

void TCanvas::TextOut(int x, int y, const std::u16string& text) {
  if (FFont.GetColor() == clNone)
    return;
  PrepareText();
  ::TextOutW(FHandle, x, y, WideText(text), TextLength(text));
}

int TCanvas::DrawText(const std::u16string& text, RECT& rect, UINT flags) {
  PrepareText();
  if (FFont.GetColor() == clNone && !(flags & DT_CALCRECT)) {
    // Nothing is drawn; the caller still learns the height the text takes.
    RECT measured = rect;
    return ::DrawTextW(FHandle, WideText(text), TextLength(text), &measured, flags | DT_CALCRECT);
  }
  return ::DrawTextW(FHandle, WideText(text), TextLength(text), &rect, flags);
}

SIZE TCanvas::TextExtent(const std::u16string& text) {
  RequireState();
  SIZE size{};
  GetTextExtentPoint32W(FHandle, WideText(text), TextLength(text), &size);
  return size;
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  RequireState();
  source.RequireState();
  const int width = dest.right - dest.left, height = dest.bottom - dest.top;
  const int sourceWidth = sourceRect.right - sourceRect.left,
            sourceHeight = sourceRect.bottom - sourceRect.top;
  if (width == sourceWidth && height == sourceHeight) {
    BitBlt(FHandle, dest.left, dest.top, width, height, source.FHandle, sourceRect.left, sourceRect.top,
           SRCCOPY);
  } else {
    SetStretchBltMode(FHandle, COLORONCOLOR);
    StretchBlt(FHandle, dest.left, dest.top, width, height, source.FHandle, sourceRect.left, sourceRect.top,
               sourceWidth, sourceHeight, SRCCOPY);
  }
}

RECT TCanvas::ClipRect() const {
  RECT rect{};
  if (FHandle)
    GetClipBox(FHandle, &rect);
  return rect;
}

// --- TBitmap ---

namespace {

TBitmapHandle CompatibleBitmap(HDC compatibleWith, int width, int height) {
  if (compatibleWith)
    return TBitmapHandle(CreateCompatibleBitmap(compatibleWith, width, height));
  const TWindowDC screen;
  return TBitmapHandle(screen ? CreateCompatibleBitmap(screen.Get(), width, height) : nullptr);
}

}  // namespace

TBitmap::TBitmap(HDC compatibleWith, int width, int height)
    : FWidth(std::max(width, 1)),
      FHeight(std::max(height, 1)),
      FDC(CreateCompatibleDC(compatibleWith)),
      FBitmap(FDC ? CompatibleBitmap(compatibleWith, FWidth, FHeight) : TBitmapHandle()),
      FSelection(FDC.Get(), FBitmap.Get()) {
  if (!FBitmap)
    throw EOutOfResources("Out of system resources: cannot create a bitmap of " + std::to_string(FWidth) +
                          " x " + std::to_string(FHeight));
  FCanvas.SetHandle(FDC.Get());
}
