#pragma once
// Value types shared by the controls: colours, cursors, font styles and charsets, shift states, alignment and
// anchors.

#include <cstdint>
#include <span>

#include "Enumerations.h"

// Colour: 0x00BBGGRR; 0xFF0000nn is system colour nn, resolved when drawn.
enum TColor : std::int32_t {};
constexpr TColor ColorValue(std::uint32_t bits) {
  return static_cast<TColor>(static_cast<std::int32_t>(bits));
}
constexpr bool IsSystemColor(TColor c) {
  return c < 0;
}
constexpr int SystemColorIndex(TColor c) {
  return static_cast<int>(c) & 0xFF;
}

constexpr TColor clBlack = ColorValue(0x000000);
constexpr TColor clMaroon = ColorValue(0x000080);
constexpr TColor clGreen = ColorValue(0x008000);
constexpr TColor clOlive = ColorValue(0x008080);
constexpr TColor clNavy = ColorValue(0x800000);
constexpr TColor clPurple = ColorValue(0x800080);
constexpr TColor clTeal = ColorValue(0x808000);
constexpr TColor clGray = ColorValue(0x808080);
constexpr TColor clSilver = ColorValue(0xC0C0C0);
constexpr TColor clRed = ColorValue(0x0000FF);
constexpr TColor clLime = ColorValue(0x00FF00);
constexpr TColor clYellow = ColorValue(0x00FFFF);
constexpr TColor clBlue = ColorValue(0xFF0000);
constexpr TColor clFuchsia = ColorValue(0xFF00FF);
constexpr TColor clAqua = ColorValue(0xFFFF00);
constexpr TColor clWhite = ColorValue(0xFFFFFF);
constexpr TColor clNone = ColorValue(0x1FFFFFFF);
constexpr TColor clDefault = ColorValue(0x20000000);
constexpr TColor clScrollBar = ColorValue(0xFF000000);
constexpr TColor clBackground = ColorValue(0xFF000001);
constexpr TColor clActiveCaption = ColorValue(0xFF000002);
constexpr TColor clInactiveCaption = ColorValue(0xFF000003);
constexpr TColor clMenu = ColorValue(0xFF000004);
constexpr TColor clWindow = ColorValue(0xFF000005);
constexpr TColor clWindowFrame = ColorValue(0xFF000006);
constexpr TColor clMenuText = ColorValue(0xFF000007);
constexpr TColor clWindowText = ColorValue(0xFF000008);
constexpr TColor clCaptionText = ColorValue(0xFF000009);
constexpr TColor clActiveBorder = ColorValue(0xFF00000A);
constexpr TColor clInactiveBorder = ColorValue(0xFF00000B);
constexpr TColor clAppWorkSpace = ColorValue(0xFF00000C);
constexpr TColor clHighlight = ColorValue(0xFF00000D);
constexpr TColor clHighlightText = ColorValue(0xFF00000E);
constexpr TColor clBtnFace = ColorValue(0xFF00000F);
constexpr TColor clBtnShadow = ColorValue(0xFF000010);
constexpr TColor clGrayText = ColorValue(0xFF000011);
constexpr TColor clBtnText = ColorValue(0xFF000012);
constexpr TColor clInactiveCaptionText = ColorValue(0xFF000013);
constexpr TColor clBtnHighlight = ColorValue(0xFF000014);
constexpr TColor cl3DDkShadow = ColorValue(0xFF000015);
constexpr TColor cl3DLight = ColorValue(0xFF000016);
constexpr TColor clInfoText = ColorValue(0xFF000017);
constexpr TColor clInfoBk = ColorValue(0xFF000018);
constexpr TColor clHotLight = ColorValue(0xFF00001A);

// The identifiers a stored colour may use.
std::span<const TIdentValue> ColorIdents();

enum TCursor : std::int16_t {};
constexpr TCursor crDefault = TCursor(0);
constexpr TCursor crNone = TCursor(-1);
constexpr TCursor crArrow = TCursor(-2);
constexpr TCursor crCross = TCursor(-3);
constexpr TCursor crIBeam = TCursor(-4);
constexpr TCursor crSizeNESW = TCursor(-6);
constexpr TCursor crSizeNS = TCursor(-7);
constexpr TCursor crSizeNWSE = TCursor(-8);
constexpr TCursor crSizeWE = TCursor(-9);
constexpr TCursor crUpArrow = TCursor(-10);
constexpr TCursor crHourGlass = TCursor(-11);
constexpr TCursor crNo = TCursor(-18);
constexpr TCursor crAppStart = TCursor(-19);
constexpr TCursor crHelp = TCursor(-20);
constexpr TCursor crHandPoint = TCursor(-21);
constexpr TCursor crSizeAll = TCursor(-22);
std::span<const TIdentValue> CursorIdents();

enum TFontCharset : std::uint8_t {};
constexpr TFontCharset DefaultCharset = TFontCharset(1);
std::span<const TIdentValue> CharsetIdents();

enum class TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
template <>
struct TEnumNames<TFontStyle> {
  static constexpr std::array<std::string_view, 4> Names{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
  static_assert(NamesEveryValue(Names, TFontStyle::fsStrikeOut));
};
using TFontStyles = TSet<TFontStyle>;

// Modifier keys and mouse buttons held during an input event.
enum class TShiftStateFlag : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
template <>
struct TEnumNames<TShiftStateFlag> {
  static constexpr std::array<std::string_view, 7> Names{"ssShift", "ssAlt",    "ssCtrl",  "ssLeft",
                                                         "ssRight", "ssMiddle", "ssDouble"};
  static_assert(NamesEveryValue(Names, TShiftStateFlag::ssDouble));
};
using TShiftState = TSet<TShiftStateFlag>;

enum class TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
template <>
struct TEnumNames<TAlign> {
  static constexpr std::array<std::string_view, 7> Names{"alNone",  "alTop",    "alBottom", "alLeft",
                                                         "alRight", "alClient", "alCustom"};
  static_assert(NamesEveryValue(Names, TAlign::alCustom));
};

enum class TAnchorKind : std::uint8_t { akLeft, akTop, akRight, akBottom };
template <>
struct TEnumNames<TAnchorKind> {
  static constexpr std::array<std::string_view, 4> Names{"akLeft", "akTop", "akRight", "akBottom"};
  static_assert(NamesEveryValue(Names, TAnchorKind::akBottom));
};
using TAnchors = TSet<TAnchorKind>;

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
template <>
struct TEnumNames<TAlignment> {
  static constexpr std::array<std::string_view, 3> Names{"taLeftJustify", "taRightJustify", "taCenter"};
  static_assert(NamesEveryValue(Names, TAlignment::taCenter));
};

enum class TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };
template <>
struct TEnumNames<TTextLayout> {
  static constexpr std::array<std::string_view, 3> Names{"tlTop", "tlCenter", "tlBottom"};
  static_assert(NamesEveryValue(Names, TTextLayout::tlBottom));
};

enum class TBorderStyle : std::uint8_t { bsNone, bsSingle };
template <>
struct TEnumNames<TBorderStyle> {
  static constexpr std::array<std::string_view, 2> Names{"bsNone", "bsSingle"};
  static_assert(NamesEveryValue(Names, TBorderStyle::bsSingle));
};

enum class TFormBorderStyle : std::uint8_t {
  bsNone,
  bsSingle,
  bsSizeable,
  bsDialog,
  bsToolWindow,
  bsSizeToolWin
};
template <>
struct TEnumNames<TFormBorderStyle> {
  static constexpr std::array<std::string_view, 6> Names{"bsNone",   "bsSingle",     "bsSizeable",
                                                         "bsDialog", "bsToolWindow", "bsSizeToolWin"};
  static_assert(NamesEveryValue(Names, TFormBorderStyle::bsSizeToolWin));
};

enum class TPosition : std::uint8_t {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
template <>
struct TEnumNames<TPosition> {
  static constexpr std::array<std::string_view, 8> Names{
      "poDesigned",     "poDefault",       "poDefaultPosOnly", "poDefaultSizeOnly",
      "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"};
  static_assert(NamesEveryValue(Names, TPosition::poOwnerFormCenter));
};

enum class TDockOrientation : std::uint8_t { doNoOrient, doHorizontal, doVertical };
template <>
struct TEnumNames<TDockOrientation> {
  static constexpr std::array<std::string_view, 3> Names{"doNoOrient", "doHorizontal", "doVertical"};
  static_assert(NamesEveryValue(Names, TDockOrientation::doVertical));
};

enum class TBiDiMode : std::uint8_t {
  bdLeftToRight,
  bdRightToLeft,
  bdRightToLeftNoAlign,
  bdRightToLeftReadingOnly
};
template <>
struct TEnumNames<TBiDiMode> {
  static constexpr std::array<std::string_view, 4> Names{"bdLeftToRight", "bdRightToLeft",
                                                         "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"};
  static_assert(NamesEveryValue(Names, TBiDiMode::bdRightToLeftReadingOnly));
};
