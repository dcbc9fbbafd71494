#include "BusyMarquee.h"

#include <cmath>

#include "MarqueeLayout.h"

const TClassInfo& TBusyMarqueeBullets::StaticClass() {
  using B = TBusyMarqueeBullets;
  static const TClassInfo info =
      TClassBuilder<B>("TBusyMarqueeBullets", &TPersistent::StaticClass())
          .Property<TColor>("Color", &B::GetColor, &B::SetColor)
          .Property<TColor>("BorderColor", &B::GetBorderColor, &B::SetBorderColor)
          .Property<std::uint8_t>("Opacity", &B::GetOpacity, &B::SetOpacity)
          .Property<std::uint8_t>("BorderOpacity", &B::GetBorderOpacity, &B::SetBorderOpacity)
          .Property<int>("Count", &B::GetCount, &B::SetCount)
          .Property<int>("Width", &B::GetWidth, &B::SetWidth)
          .Property<int>("Height", &B::GetHeight, &B::SetHeight)
          .Property<int>("Spacing", &B::GetSpacing, &B::SetSpacing)
          .Property<TBusyMarqueeBulletShape>("Shape", &B::GetShape, &B::SetShape)
          .Build();
  return info;
}

void TBusyMarqueeBullets::SetColor(TColor value) {
  FColor = value;
  Changed();
}

void TBusyMarqueeBullets::SetBorderColor(TColor value) {
  FBorderColor = value;
  Changed();
}

void TBusyMarqueeBullets::SetOpacity(std::uint8_t value) {
  FOpacity = value;
  Changed();
}

void TBusyMarqueeBullets::SetBorderOpacity(std::uint8_t value) {
  FBorderOpacity = value;
  Changed();
}

void TBusyMarqueeBullets::SetCount(int value) {
  FCount = value;
  Changed();
}

void TBusyMarqueeBullets::SetWidth(int value) {
  FWidth = value;
  Changed();
}

void TBusyMarqueeBullets::SetHeight(int value) {
  FHeight = value;
  Changed();
}

void TBusyMarqueeBullets::SetSpacing(int value) {
  FSpacing = value;
  Changed();
}

void TBusyMarqueeBullets::SetShape(TBusyMarqueeBulletShape value) {
  FShape = value;
  Changed();
}

void TBusyMarqueeBullets::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TBusyMarqueeBullets*>(&source);
  if (!other)
    return;
  FCount = other->FCount;
  FWidth = other->FWidth;
  FHeight = other->FHeight;
  FSpacing = other->FSpacing;
  FColor = other->FColor;
  FBorderColor = other->FBorderColor;
  FOpacity = other->FOpacity;
  FBorderOpacity = other->FBorderOpacity;
  FShape = other->FShape;
}

void TBusyMarqueeBullets::Changed() {
  FOwner.Changed();
}

const TClassInfo& TBusyMarquee::StaticClass() {
  using M = TBusyMarquee;
  static const TClassInfo info =
      TClassBuilder<M>("TBusyMarquee", &TCustomControl::StaticClass())
          .Creatable()
          .Property<float>("AnimationStretchFactor", &M::GetAnimationStretchFactor,
                           &M::SetAnimationStretchFactor)
          .Property<bool>("Transparent", &M::GetTransparent, &M::SetTransparent)
          .Property<bool>("Animate", &M::GetAnimate, &M::SetAnimate)
          .Property<float>("AnimationFactor", &M::GetAnimationFactor, &M::SetAnimationFactor)
          .Property<float>("AnimationStep", &M::GetAnimationStep, &M::SetAnimationStep)
          .Object("Fill", &M::GetFill)
          .Object("Bullets", &M::GetBullets)
          // The colour style is stored as a plain number; reading it applies no colours.
          .Property<int>("KSVStyle", nullptr, &M::ReadKSVStyle)
          .Build();
  return info;
}

TBusyMarquee::TBusyMarquee(TComponent* owner) : TCustomControl(owner) {
  FAnimationStretchFactor = 1.7f;
  FTransparent = false;
  FAnimationFactor = 3.0f;
  FAnimationStep = 10.0f;
  FAnimate = true;
  FFill = std::make_unique<TGDIPFill>();
  FFill->OnChange = [this](TObject*) { Changed(); };
  FBullets = std::make_unique<TBusyMarqueeBullets>(*this);
  // Every animation step repaints the whole control: buffered, the bullets never flicker.
  SetDoubleBuffered(true);
  SetBounds(GetLeft(), GetTop(), 400, 20);
  FAnimationTimer = std::make_unique<TTimer>(nullptr);
  FAnimationTimer->SetInterval(10);
  FAnimationTimer->OnTimer = [this](TObject* sender) { AnimationTimerTick(sender); };
  SetTabStop(true);
  FPosition = 0.0f;
  FAnimationTimer->SetEnabled(true);
}

TBusyMarquee::~TBusyMarquee() {
  FAnimationTimer.reset();
  FFill.reset();
  FBullets.reset();
}

void TBusyMarquee::SetAnimationStretchFactor(float value) {
  FAnimationStretchFactor = value;
  Changed();
}

void TBusyMarquee::SetTransparent(bool value) {
  FTransparent = value;
  Changed();
}

void TBusyMarquee::SetAnimate(bool value) {
  FAnimate = value;
  FAnimationTimer->SetEnabled(value);
  Changed();
}

void TBusyMarquee::SetFill(const TGDIPFill& fill) {
  FFill->Assign(fill);
}

void TBusyMarquee::SetBullets(const TBusyMarqueeBullets& bullets) {
  FBullets->Assign(bullets);
  Changed();
}

void TBusyMarquee::SetPosition(float value) {
  FPosition = WrapMarqueePosition(value, GetWidth(), GetTrainLength());
  Changed();
}

float TBusyMarquee::GetTrainLength() const {
  return MarqueeTrainLength(TMarqueeTrain{FBullets->GetCount(), FBullets->GetWidth(), FBullets->GetHeight(),
                                          FBullets->GetSpacing()});
}

std::vector<TGPRectF> TBusyMarquee::GetBulletRects() const {
  return MarqueeBulletRects(FPosition, GetWidth(), GetHeight(), FAnimationStretchFactor,
                            TMarqueeTrain{FBullets->GetCount(), FBullets->GetWidth(), FBullets->GetHeight(),
                                          FBullets->GetSpacing()});
}

void TBusyMarquee::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TBusyMarquee*>(&source);
  if (!other) {
    TCustomControl::Assign(source);
    return;
  }
  FBullets->Assign(*other->FBullets);
  FFill->Assign(*other->FFill);
  Changed();
}

void TBusyMarquee::Changed() {
  Invalidate();
}

void TBusyMarquee::AnimationTimerTick(TObject*) {
  if (const auto next = NextMarqueePosition(FPosition, FAnimationStep, FAnimationFactor))
    SetPosition(*next);
}

// A plain picture until the GDI+ painting takes over: the fill's colour as background, the bullets as filled
// ellipses in their colour.
void TBusyMarquee::Paint() {
  TCanvas& canvas = Canvas();
  const TColor background = FFill->GetColor();
  if (!FTransparent && background != clNone) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(background);
    canvas.FillRect(ClientRect());
  }
  DrawBullets(canvas);
}

void TBusyMarquee::DrawBullets(TCanvas& canvas) const {
  const TColor color = FBullets->GetColor();
  if (color == clNone)
    return;
  const TColor border = FBullets->GetBorderColor();
  canvas.Brush().SetColor(color);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Pen().SetColor(border == clNone ? color : border);
  canvas.Pen().SetWidth(1);
  canvas.RequireState();
  for (const TGPRectF& r : GetBulletRects()) {
    const int left = static_cast<int>(std::lround(r.X));
    const int top = static_cast<int>(std::lround(r.Y));
    const int right = static_cast<int>(std::lround(r.X + r.Width));
    const int bottom = static_cast<int>(std::lround(r.Y + r.Height));
    Ellipse(canvas.Handle(), left, top, right, bottom);
  }
}

void RegisterBusyClasses() {
  RegisteredClasses().Register(TBusyMarquee::StaticClass());
}
