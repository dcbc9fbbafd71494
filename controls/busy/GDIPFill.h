#pragma once
// TGDIPFill: the settings that describe how a rectangular area is painted with GDI+ (solid or gradient body,
// optional mirrored lower half, opacities, rounding, shadow, glow, border, pictures). TGDIPPicture: the
// encoded image such a fill places.

#include <cstdint>
#include <vector>

#include "Persistent.h"
#include "Types.h"

enum class TGradientType : std::uint8_t {
  gtSolid,
  gtRadial,
  gtVertical,
  gtHorizontal,
  gtForwardDiagonal,
  gtBackwardDiagonal,
  gtAngle,
  gtHatch,
  gtPath,
  gtTexture,
  gtNone
};
template <>
struct TEnumNames<TGradientType> {
  static constexpr std::array<std::string_view, 11> Names{"gtSolid",
                                                          "gtRadial",
                                                          "gtVertical",
                                                          "gtHorizontal",
                                                          "gtForwardDiagonal",
                                                          "gtBackwardDiagonal",
                                                          "gtAngle",
                                                          "gtHatch",
                                                          "gtPath",
                                                          "gtTexture",
                                                          "gtNone"};
  static_assert(NamesEveryValue(Names, TGradientType::gtNone));
};

enum class TFillRoundingType : std::uint8_t { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
template <>
struct TEnumNames<TFillRoundingType> {
  static constexpr std::array<std::string_view, 6> Names{"rtNone", "rtTop",  "rtBottom",
                                                         "rtBoth", "rtLeft", "rtRight"};
  static_assert(NamesEveryValue(Names, TFillRoundingType::rtRight));
};

enum class TShadowType : std::uint8_t { stRightBottom, stBottom, stSurround };
template <>
struct TEnumNames<TShadowType> {
  static constexpr std::array<std::string_view, 3> Names{"stRightBottom", "stBottom", "stSurround"};
  static_assert(NamesEveryValue(Names, TShadowType::stSurround));
};

enum class TGlowMode : std::uint8_t { gmNone, gmGradient, gmRadial, gmRadialGradient };
template <>
struct TEnumNames<TGlowMode> {
  static constexpr std::array<std::string_view, 4> Names{"gmNone", "gmGradient", "gmRadial",
                                                         "gmRadialGradient"};
  static_assert(NamesEveryValue(Names, TGlowMode::gmRadialGradient));
};

enum class TFillPicturePosition : std::uint8_t {
  ppTopLeft,
  ppTopCenter,
  ppTopRight,
  ppBottomLeft,
  ppBottomCenter,
  ppBottomRight,
  ppTiled,
  ppStretched,
  ppCenterLeft,
  ppCenterCenter,
  ppCenterRight,
  ppCustom
};
template <>
struct TEnumNames<TFillPicturePosition> {
  static constexpr std::array<std::string_view, 12> Names{
      "ppTopLeft", "ppTopCenter", "ppTopRight",   "ppBottomLeft",   "ppBottomCenter", "ppBottomRight",
      "ppTiled",   "ppStretched", "ppCenterLeft", "ppCenterCenter", "ppCenterRight",  "ppCustom"};
  static_assert(NamesEveryValue(Names, TFillPicturePosition::ppCustom));
};

enum class TFillPictureMode : std::uint8_t { pmInsideFill, pmOutsideFill };
template <>
struct TEnumNames<TFillPictureMode> {
  static constexpr std::array<std::string_view, 2> Names{"pmInsideFill", "pmOutsideFill"};
  static_assert(NamesEveryValue(Names, TFillPictureMode::pmOutsideFill));
};

enum class TPictureMode : std::uint8_t { pmStretch, pmNormal };
template <>
struct TEnumNames<TPictureMode> {
  static constexpr std::array<std::string_view, 2> Names{"pmStretch", "pmNormal"};
  static_assert(NamesEveryValue(Names, TPictureMode::pmNormal));
};

enum class TFillPictureSize : std::uint8_t { psOriginal, psCustom };
template <>
struct TEnumNames<TFillPictureSize> {
  static constexpr std::array<std::string_view, 2> Names{"psOriginal", "psCustom"};
  static_assert(NamesEveryValue(Names, TFillPictureSize::psCustom));
};

// The GDI+ hatch patterns, in GDI+'s order (the values are passed to GDI+ unchanged).
enum class HatchStyle : std::uint8_t {
  HatchStyleHorizontal,
  HatchStyleVertical,
  HatchStyleForwardDiagonal,
  HatchStyleBackwardDiagonal,
  HatchStyleCross,
  HatchStyleDiagonalCross,
  HatchStyle05Percent,
  HatchStyle10Percent,
  HatchStyle20Percent,
  HatchStyle25Percent,
  HatchStyle30Percent,
  HatchStyle40Percent,
  HatchStyle50Percent,
  HatchStyle60Percent,
  HatchStyle70Percent,
  HatchStyle75Percent,
  HatchStyle80Percent,
  HatchStyle90Percent,
  HatchStyleLightDownwardDiagonal,
  HatchStyleLightUpwardDiagonal,
  HatchStyleDarkDownwardDiagonal,
  HatchStyleDarkUpwardDiagonal,
  HatchStyleWideDownwardDiagonal,
  HatchStyleWideUpwardDiagonal,
  HatchStyleLightVertical,
  HatchStyleLightHorizontal,
  HatchStyleNarrowVertical,
  HatchStyleNarrowHorizontal,
  HatchStyleDarkVertical,
  HatchStyleDarkHorizontal,
  HatchStyleDashedDownwardDiagonal,
  HatchStyleDashedUpwardDiagonal,
  HatchStyleDashedHorizontal,
  HatchStyleDashedVertical,
  HatchStyleSmallConfetti,
  HatchStyleLargeConfetti,
  HatchStyleZigZag,
  HatchStyleWave,
  HatchStyleDiagonalBrick,
  HatchStyleHorizontalBrick,
  HatchStyleWeave,
  HatchStylePlaid,
  HatchStyleDivot,
  HatchStyleDottedGrid,
  HatchStyleDottedDiamond,
  HatchStyleShingle,
  HatchStyleTrellis,
  HatchStyleSphere,
  HatchStyleSmallGrid,
  HatchStyleSmallCheckerBoard,
  HatchStyleLargeCheckerBoard,
  HatchStyleOutlinedDiamond,
  HatchStyleSolidDiamond,
  HatchStyleTotal
};
template <>
struct TEnumNames<HatchStyle> {
  static constexpr std::array<std::string_view, 54> Names{"HatchStyleHorizontal",
                                                          "HatchStyleVertical",
                                                          "HatchStyleForwardDiagonal",
                                                          "HatchStyleBackwardDiagonal",
                                                          "HatchStyleCross",
                                                          "HatchStyleDiagonalCross",
                                                          "HatchStyle05Percent",
                                                          "HatchStyle10Percent",
                                                          "HatchStyle20Percent",
                                                          "HatchStyle25Percent",
                                                          "HatchStyle30Percent",
                                                          "HatchStyle40Percent",
                                                          "HatchStyle50Percent",
                                                          "HatchStyle60Percent",
                                                          "HatchStyle70Percent",
                                                          "HatchStyle75Percent",
                                                          "HatchStyle80Percent",
                                                          "HatchStyle90Percent",
                                                          "HatchStyleLightDownwardDiagonal",
                                                          "HatchStyleLightUpwardDiagonal",
                                                          "HatchStyleDarkDownwardDiagonal",
                                                          "HatchStyleDarkUpwardDiagonal",
                                                          "HatchStyleWideDownwardDiagonal",
                                                          "HatchStyleWideUpwardDiagonal",
                                                          "HatchStyleLightVertical",
                                                          "HatchStyleLightHorizontal",
                                                          "HatchStyleNarrowVertical",
                                                          "HatchStyleNarrowHorizontal",
                                                          "HatchStyleDarkVertical",
                                                          "HatchStyleDarkHorizontal",
                                                          "HatchStyleDashedDownwardDiagonal",
                                                          "HatchStyleDashedUpwardDiagonal",
                                                          "HatchStyleDashedHorizontal",
                                                          "HatchStyleDashedVertical",
                                                          "HatchStyleSmallConfetti",
                                                          "HatchStyleLargeConfetti",
                                                          "HatchStyleZigZag",
                                                          "HatchStyleWave",
                                                          "HatchStyleDiagonalBrick",
                                                          "HatchStyleHorizontalBrick",
                                                          "HatchStyleWeave",
                                                          "HatchStylePlaid",
                                                          "HatchStyleDivot",
                                                          "HatchStyleDottedGrid",
                                                          "HatchStyleDottedDiamond",
                                                          "HatchStyleShingle",
                                                          "HatchStyleTrellis",
                                                          "HatchStyleSphere",
                                                          "HatchStyleSmallGrid",
                                                          "HatchStyleSmallCheckerBoard",
                                                          "HatchStyleLargeCheckerBoard",
                                                          "HatchStyleOutlinedDiamond",
                                                          "HatchStyleSolidDiamond",
                                                          "HatchStyleTotal"};
  static_assert(NamesEveryValue(Names, HatchStyle::HatchStyleTotal));
};

// An image kept as its encoded bytes (decoded only when drawn); empty until bytes are given.
class TGDIPPicture : public TPersistent {
  OVANTA_CLASS(TGDIPPicture)

 public:
  TGDIPPicture() = default;
  bool Empty() const { return FData.empty(); }
  const std::vector<std::uint8_t>& Data() const { return FData; }
  void SetData(std::vector<std::uint8_t> data);
  // From another picture: takes its bytes.
  void Assign(const TPersistent& source) override;

  TNotifyEvent OnChange;

 private:
  void Changed();
  std::vector<std::uint8_t> FData;
};

class TGDIPFill : public TPersistent {
  OVANTA_CLASS(TGDIPFill)

 public:
  TGDIPFill();

  TColor GetColor() const { return FColor; }
  void SetColor(TColor v) { Update(FColor, v); }
  TColor GetColorTo() const { return FColorTo; }
  void SetColorTo(TColor v) { Update(FColorTo, v); }
  TColor GetColorMirror() const { return FColorMirror; }
  void SetColorMirror(TColor v) { Update(FColorMirror, v); }
  TColor GetColorMirrorTo() const { return FColorMirrorTo; }
  void SetColorMirrorTo(TColor v) { Update(FColorMirrorTo, v); }
  TGradientType GetGradientType() const { return FGradientType; }
  void SetGradientType(TGradientType v) { Update(FGradientType, v); }
  TGradientType GetGradientMirrorType() const { return FGradientMirrorType; }
  void SetGradientMirrorType(TGradientType v) { Update(FGradientMirrorType, v); }
  HatchStyle GetHatchStyle() const { return FHatchStyle; }
  void SetHatchStyle(HatchStyle v) { Update(FHatchStyle, v); }
  HatchStyle GetHatchStyleMirror() const { return FHatchStyleMirror; }
  void SetHatchStyleMirror(HatchStyle v) { Update(FHatchStyleMirror, v); }
  std::uint8_t GetOpacity() const { return FOpacity; }
  void SetOpacity(std::uint8_t v) { Update(FOpacity, v); }
  std::uint8_t GetOpacityTo() const { return FOpacityTo; }
  void SetOpacityTo(std::uint8_t v) { Update(FOpacityTo, v); }
  std::uint8_t GetOpacityMirror() const { return FOpacityMirror; }
  void SetOpacityMirror(std::uint8_t v) { Update(FOpacityMirror, v); }
  std::uint8_t GetOpacityMirrorTo() const { return FOpacityMirrorTo; }
  void SetOpacityMirrorTo(std::uint8_t v) { Update(FOpacityMirrorTo, v); }
  TColor GetBorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor v) { Update(FBorderColor, v); }
  std::uint8_t GetBorderOpacity() const { return FBorderOpacity; }
  void SetBorderOpacity(std::uint8_t v) { Update(FBorderOpacity, v); }
  int GetBorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int v) { Update(FBorderWidth, v); }
  int GetRounding() const { return FRounding; }
  void SetRounding(int v) { Update(FRounding, v); }
  TFillRoundingType GetRoundingType() const { return FRoundingType; }
  void SetRoundingType(TFillRoundingType v) { Update(FRoundingType, v); }
  TColor GetShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor v) { Update(FShadowColor, v); }
  int GetShadowOffset() const { return FShadowOffset; }
  void SetShadowOffset(int v) { Update(FShadowOffset, v); }
  TShadowType GetShadowType() const { return FShadowType; }
  void SetShadowType(TShadowType v) { Update(FShadowType, v); }
  int GetAngle() const { return FAngle; }
  void SetAngle(int v) { Update(FAngle, v); }
  TGlowMode GetGlow() const { return FGlow; }
  void SetGlow(TGlowMode v) { Update(FGlow, v); }
  TColor GetGlowGradientColor() const { return FGlowGradientColor; }
  void SetGlowGradientColor(TColor v) { Update(FGlowGradientColor, v); }
  TColor GetGlowRadialColor() const { return FGlowRadialColor; }
  void SetGlowRadialColor(TColor v) { Update(FGlowRadialColor, v); }

  TGDIPPicture* GetPicture() { return &FPicture; }
  void SetPicture(const TGDIPPicture& picture);
  TFillPicturePosition GetPicturePosition() const { return FPicturePosition; }
  void SetPicturePosition(TFillPicturePosition v) { Update(FPicturePosition, v); }
  int GetPictureLeft() const { return FPictureLeft; }
  void SetPictureLeft(int v) { Update(FPictureLeft, v); }
  int GetPictureTop() const { return FPictureTop; }
  void SetPictureTop(int v) { Update(FPictureTop, v); }
  TFillPictureSize GetPictureSize() const { return FPictureSize; }
  void SetPictureSize(TFillPictureSize v) { Update(FPictureSize, v); }
  int GetPictureWidth() const { return FPictureWidth; }
  void SetPictureWidth(int v) { Update(FPictureWidth, v); }
  int GetPictureHeight() const { return FPictureHeight; }
  void SetPictureHeight(int v) { Update(FPictureHeight, v); }
  bool GetPictureAspectRatio() const { return FPictureAspectRatio; }
  void SetPictureAspectRatio(bool v) { Update(FPictureAspectRatio, v); }
  TPictureMode GetPictureAspectMode() const { return FPictureAspectMode; }
  void SetPictureAspectMode(TPictureMode v) { Update(FPictureAspectMode, v); }

  TGDIPPicture* GetBackGroundPicture() { return &FBackGroundPicture; }
  void SetBackGroundPicture(const TGDIPPicture& picture);
  TFillPictureMode GetBackGroundPictureMode() const { return FBackGroundPictureMode; }
  void SetBackGroundPictureMode(TFillPictureMode v) { Update(FBackGroundPictureMode, v); }
  TFillPicturePosition GetBackGroundPicturePosition() const { return FBackGroundPicturePosition; }
  void SetBackGroundPicturePosition(TFillPicturePosition v) { Update(FBackGroundPicturePosition, v); }
  int GetBackGroundPictureLeft() const { return FBackGroundPictureLeft; }
  void SetBackGroundPictureLeft(int v) { Update(FBackGroundPictureLeft, v); }
  int GetBackGroundPictureTop() const { return FBackGroundPictureTop; }
  void SetBackGroundPictureTop(int v) { Update(FBackGroundPictureTop, v); }
  bool GetBackGroundPictureAspectRatio() const { return FBackGroundPictureAspectRatio; }
  void SetBackGroundPictureAspectRatio(bool v) { Update(FBackGroundPictureAspectRatio, v); }
  TPictureMode GetBackGroundPictureAspectMode() const { return FBackGroundPictureAspectMode; }
  void SetBackGroundPictureAspectMode(TPictureMode v) { Update(FBackGroundPictureAspectMode, v); }

  // A dotted focus outline inside the border; public, not stored.
  bool GetFocus() const { return FFocus; }
  void SetFocus(bool v) { Update(FFocus, v); }
  TColor GetFocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor v) { Update(FFocusColor, v); }

  // From another fill: every stored setting, both pictures included; not Focus, FocusColor or OnChange. Any
  // other source changes nothing.
  void Assign(const TPersistent& source) override;

  // Between BeginUpdate and the matching EndUpdate, changes raise no OnChange; EndUpdate raises none either.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();

  TNotifyEvent OnChange;

 private:
  template <class V>
  void Update(V& field, V value) {
    if (field == value)
      return;
    field = value;
    Changed();
  }
  void Changed();

  TColor FBorderColor = clNone;
  std::uint8_t FOpacity = 255;
  TFillPicturePosition FPicturePosition = TFillPicturePosition::ppTopLeft;
  TGradientType FGradientType = TGradientType::gtVertical;
  std::uint8_t FOpacityTo = 255;
  TGDIPPicture FPicture;
  HatchStyle FHatchStyle = HatchStyle::HatchStyleHorizontal;
  TColor FColor = clSilver;
  int FShadowOffset = 0;
  TShadowType FShadowType = TShadowType::stRightBottom;
  std::uint8_t FOpacityMirror = 255;
  TGradientType FGradientMirrorType = TGradientType::gtSolid;
  std::uint8_t FOpacityMirrorTo = 255;
  int FRounding = 0;
  TColor FShadowColor = clGray;
  int FBorderWidth = 1;
  TColor FColorMirror = clNone;
  TColor FColorMirrorTo = clNone;
  TColor FColorTo = clGray;
  HatchStyle FHatchStyleMirror = HatchStyle::HatchStyleHorizontal;
  int FPictureTop = 0;
  int FPictureLeft = 0;
  int FBackGroundPictureTop = 0;
  int FBackGroundPictureLeft = 0;
  TFillPicturePosition FBackGroundPicturePosition = TFillPicturePosition::ppTopLeft;
  TGDIPPicture FBackGroundPicture;
  int FPictureWidth = 50;
  TFillPictureSize FPictureSize = TFillPictureSize::psOriginal;
  int FPictureHeight = 50;
  TFillRoundingType FRoundingType = TFillRoundingType::rtBoth;
  int FUpdateCount = 0;
  bool FFocus = false;
  TColor FFocusColor = clBlack;
  int FAngle = 0;
  std::uint8_t FBorderOpacity = 255;
  TFillPictureMode FBackGroundPictureMode = TFillPictureMode::pmOutsideFill;
  TColor FGlowGradientColor = clWhite;
  TGlowMode FGlow = TGlowMode::gmNone;
  TColor FGlowRadialColor = clWhite;
  bool FBackGroundPictureAspectRatio = false;
  bool FPictureAspectRatio = false;
  TPictureMode FBackGroundPictureAspectMode = TPictureMode::pmStretch;
  TPictureMode FPictureAspectMode = TPictureMode::pmStretch;
};
