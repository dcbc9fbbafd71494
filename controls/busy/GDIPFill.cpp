#include "GDIPFill.h"

#include <utility>

const TClassInfo& TGDIPPicture::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGDIPPicture>("TGDIPPicture", &TPersistent::StaticClass()).Build();
  return info;
}

void TGDIPPicture::SetData(std::vector<std::uint8_t> data) {
  FData = std::move(data);
  Changed();
}

void TGDIPPicture::Assign(const TPersistent& source) {
  if (const auto* picture = dynamic_cast<const TGDIPPicture*>(&source)) {
    if (picture != this)
      SetData(picture->FData);
    return;
  }
  TPersistent::Assign(source);
}

void TGDIPPicture::Changed() {
  Raise(OnChange, this);
}

const TClassInfo& TGDIPFill::StaticClass() {
  using F = TGDIPFill;
  static const TClassInfo info =
      TClassBuilder<F>("TGDIPFill", &TPersistent::StaticClass())
          .Property<TColor>("Color", &F::GetColor, &F::SetColor)
          .Property<TColor>("ColorTo", &F::GetColorTo, &F::SetColorTo)
          .Property<TColor>("ColorMirror", &F::GetColorMirror, &F::SetColorMirror)
          .Property<TColor>("ColorMirrorTo", &F::GetColorMirrorTo, &F::SetColorMirrorTo)
          .Property<TGradientType>("GradientType", &F::GetGradientType, &F::SetGradientType)
          .Property<TGradientType>("GradientMirrorType", &F::GetGradientMirrorType, &F::SetGradientMirrorType)
          .Property<HatchStyle>("HatchStyle", &F::GetHatchStyle, &F::SetHatchStyle)
          .Property<HatchStyle>("HatchStyleMirror", &F::GetHatchStyleMirror, &F::SetHatchStyleMirror)
          .Property<std::uint8_t>("Opacity", &F::GetOpacity, &F::SetOpacity)
          .Property<std::uint8_t>("OpacityTo", &F::GetOpacityTo, &F::SetOpacityTo)
          .Property<std::uint8_t>("OpacityMirror", &F::GetOpacityMirror, &F::SetOpacityMirror)
          .Property<std::uint8_t>("OpacityMirrorTo", &F::GetOpacityMirrorTo, &F::SetOpacityMirrorTo)
          .Property<TColor>("BorderColor", &F::GetBorderColor, &F::SetBorderColor)
          .Property<std::uint8_t>("BorderOpacity", &F::GetBorderOpacity, &F::SetBorderOpacity)
          .Property<int>("BorderWidth", &F::GetBorderWidth, &F::SetBorderWidth)
          .Property<int>("Rounding", &F::GetRounding, &F::SetRounding)
          .Property<TFillRoundingType>("RoundingType", &F::GetRoundingType, &F::SetRoundingType)
          .Property<TColor>("ShadowColor", &F::GetShadowColor, &F::SetShadowColor)
          .Property<int>("ShadowOffset", &F::GetShadowOffset, &F::SetShadowOffset)
          .Property<TShadowType>("ShadowType", &F::GetShadowType, &F::SetShadowType)
          .Property<int>("Angle", &F::GetAngle, &F::SetAngle)
          .Property<TGlowMode>("Glow", &F::GetGlow, &F::SetGlow)
          .Property<TColor>("GlowGradientColor", &F::GetGlowGradientColor, &F::SetGlowGradientColor)
          .Property<TColor>("GlowRadialColor", &F::GetGlowRadialColor, &F::SetGlowRadialColor)
          .Object("Picture", &F::GetPicture)
          .Property<TFillPicturePosition>("PicturePosition", &F::GetPicturePosition, &F::SetPicturePosition)
          .Property<int>("PictureLeft", &F::GetPictureLeft, &F::SetPictureLeft)
          .Property<int>("PictureTop", &F::GetPictureTop, &F::SetPictureTop)
          .Property<TFillPictureSize>("PictureSize", &F::GetPictureSize, &F::SetPictureSize)
          .Property<int>("PictureWidth", &F::GetPictureWidth, &F::SetPictureWidth)
          .Property<int>("PictureHeight", &F::GetPictureHeight, &F::SetPictureHeight)
          .Property<bool>("PictureAspectRatio", &F::GetPictureAspectRatio, &F::SetPictureAspectRatio)
          .Property<TPictureMode>("PictureAspectMode", &F::GetPictureAspectMode, &F::SetPictureAspectMode)
          .Object("BackGroundPicture", &F::GetBackGroundPicture)
          .Property<TFillPictureMode>("BackGroundPictureMode", &F::GetBackGroundPictureMode,
                                      &F::SetBackGroundPictureMode)
          .Property<TFillPicturePosition>("BackGroundPicturePosition", &F::GetBackGroundPicturePosition,
                                          &F::SetBackGroundPicturePosition)
          .Property<int>("BackGroundPictureLeft", &F::GetBackGroundPictureLeft, &F::SetBackGroundPictureLeft)
          .Property<int>("BackGroundPictureTop", &F::GetBackGroundPictureTop, &F::SetBackGroundPictureTop)
          .Property<bool>("BackGroundPictureAspectRatio", &F::GetBackGroundPictureAspectRatio,
                          &F::SetBackGroundPictureAspectRatio)
          .Property<TPictureMode>("BackGroundPictureAspectMode", &F::GetBackGroundPictureAspectMode,
                                  &F::SetBackGroundPictureAspectMode)
          .Event("OnChange", &F::OnChange)
          .Build();
  return info;
}

TGDIPFill::TGDIPFill() {
  FPicture.OnChange = [this](TObject*) { Changed(); };
  FBackGroundPicture.OnChange = [this](TObject*) { Changed(); };
}

void TGDIPFill::SetPicture(const TGDIPPicture& picture) {
  if (&picture != &FPicture)
    FPicture.Assign(picture);
  Changed();
}

void TGDIPFill::SetBackGroundPicture(const TGDIPPicture& picture) {
  if (&picture != &FBackGroundPicture)
    FBackGroundPicture.Assign(picture);
  Changed();
}

void TGDIPFill::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TGDIPFill*>(&source);
  if (!other || other == this)
    return;
  FBorderColor = other->FBorderColor;
  FOpacity = other->FOpacity;
  FPicturePosition = other->FPicturePosition;
  FGradientType = other->FGradientType;
  FOpacityTo = other->FOpacityTo;
  FHatchStyle = other->FHatchStyle;
  FColor = other->FColor;
  FShadowOffset = other->FShadowOffset;
  FShadowType = other->FShadowType;
  FOpacityMirror = other->FOpacityMirror;
  FGradientMirrorType = other->FGradientMirrorType;
  FOpacityMirrorTo = other->FOpacityMirrorTo;
  FRounding = other->FRounding;
  FShadowColor = other->FShadowColor;
  FBorderWidth = other->FBorderWidth;
  FColorMirror = other->FColorMirror;
  FColorMirrorTo = other->FColorMirrorTo;
  FColorTo = other->FColorTo;
  FHatchStyleMirror = other->FHatchStyleMirror;
  FPictureTop = other->FPictureTop;
  FPictureLeft = other->FPictureLeft;
  FBackGroundPictureTop = other->FBackGroundPictureTop;
  FBackGroundPictureLeft = other->FBackGroundPictureLeft;
  FBackGroundPicturePosition = other->FBackGroundPicturePosition;
  FPictureWidth = other->FPictureWidth;
  FPictureSize = other->FPictureSize;
  FPictureHeight = other->FPictureHeight;
  FRoundingType = other->FRoundingType;
  FAngle = other->FAngle;
  FBorderOpacity = other->FBorderOpacity;
  FBackGroundPictureMode = other->FBackGroundPictureMode;
  FGlowGradientColor = other->FGlowGradientColor;
  FGlow = other->FGlow;
  FGlowRadialColor = other->FGlowRadialColor;
  FBackGroundPictureAspectRatio = other->FBackGroundPictureAspectRatio;
  FPictureAspectRatio = other->FPictureAspectRatio;
  FBackGroundPictureAspectMode = other->FBackGroundPictureAspectMode;
  FPictureAspectMode = other->FPictureAspectMode;
  FPicture.Assign(other->FPicture);
  FBackGroundPicture.Assign(other->FBackGroundPicture);
  Changed();
}

void TGDIPFill::EndUpdate() {
  if (FUpdateCount > 0)
    --FUpdateCount;
}

void TGDIPFill::Changed() {
  if (FUpdateCount == 0)
    Raise(OnChange, this);
}
