#pragma once
// TBusyMarquee: an indeterminate busy indicator, a train of bullets that a 10 ms timer sweeps from left to
// right across the control, over and over. TBusyMarqueeBullets holds the bullets' settings.

#include <memory>
#include <vector>

#include "Controls.h"
#include "ExtCtrls.h"
#include "GDIPFill.h"
#include "GPGeometry.h"

enum class TBusyMarqueeBulletShape : std::uint8_t { bsEllipse, bsRectangle, bsTriangle, bsCustom };
template <>
struct TEnumNames<TBusyMarqueeBulletShape> {
  static constexpr std::array<std::string_view, 4> Names{"bsEllipse", "bsRectangle", "bsTriangle",
                                                         "bsCustom"};
  static_assert(NamesEveryValue(Names, TBusyMarqueeBulletShape::bsCustom));
};

// The colour styles of the component family.
enum class TKSVStyle : std::uint8_t {
  tsOffice2003Blue,
  tsOffice2003Silver,
  tsOffice2003Olive,
  tsOffice2003Classic,
  tsOffice2007Luna,
  tsOffice2007Obsidian,
  tsWindowsXP,
  tsWhidbey,
  tsCustom,
  tsOffice2007Silver,
  tsWindowsVista,
  tsWindows7,
  tsTerminal,
  tsOffice2010Blue,
  tsOffice2010Silver,
  tsOffice2010Black,
  tsWindows8,
  tsOffice2013White,
  tsOffice2013LightGray,
  tsOffice2013Gray,
  tsWindows10,
  tsOffice2016White,
  tsOffice2016Gray,
  tsOffice2016Black
};
template <>
struct TEnumNames<TKSVStyle> {
  static constexpr std::array<std::string_view, 24> Names{
      "tsOffice2003Blue", "tsOffice2003Silver",   "tsOffice2003Olive",     "tsOffice2003Classic",
      "tsOffice2007Luna", "tsOffice2007Obsidian", "tsWindowsXP",           "tsWhidbey",
      "tsCustom",         "tsOffice2007Silver",   "tsWindowsVista",        "tsWindows7",
      "tsTerminal",       "tsOffice2010Blue",     "tsOffice2010Silver",    "tsOffice2010Black",
      "tsWindows8",       "tsOffice2013White",    "tsOffice2013LightGray", "tsOffice2013Gray",
      "tsWindows10",      "tsOffice2016White",    "tsOffice2016Gray",      "tsOffice2016Black"};
  static_assert(NamesEveryValue(Names, TKSVStyle::tsOffice2016Black));
};

class TBusyMarquee;

// The bullets' settings. Every setter stores its value as given and asks the control to repaint.
class TBusyMarqueeBullets : public TPersistent {
  OVANTA_CLASS(TBusyMarqueeBullets)

 public:
  explicit TBusyMarqueeBullets(TBusyMarquee& owner) : FOwner(owner) {}

  TColor GetColor() const { return FColor; }
  void SetColor(TColor value);
  // clNone: no outline.
  TColor GetBorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor value);
  std::uint8_t GetOpacity() const { return FOpacity; }
  void SetOpacity(std::uint8_t value);
  std::uint8_t GetBorderOpacity() const { return FBorderOpacity; }
  void SetBorderOpacity(std::uint8_t value);
  int GetCount() const { return FCount; }
  void SetCount(int value);
  int GetWidth() const { return FWidth; }
  void SetWidth(int value);
  int GetHeight() const { return FHeight; }
  void SetHeight(int value);
  int GetSpacing() const { return FSpacing; }
  void SetSpacing(int value);
  TBusyMarqueeBulletShape GetShape() const { return FShape; }
  void SetShape(TBusyMarqueeBulletShape value);

  // From other bullet settings: all of them, without a repaint request. Any other source changes nothing.
  void Assign(const TPersistent& source) override;

 private:
  void Changed();

  TBusyMarquee& FOwner;
  int FCount = 6;
  int FWidth = 10;
  int FHeight = 10;
  int FSpacing = 3;
  TColor FBorderColor = clNone;
  TColor FColor = ColorValue(0x00E16941);
  std::uint8_t FOpacity = 255;
  std::uint8_t FBorderOpacity = 255;
  TBusyMarqueeBulletShape FShape = TBusyMarqueeBulletShape::bsEllipse;
};

class TBusyMarquee : public TCustomControl {
  OVANTA_CLASS(TBusyMarquee)

 public:
  explicit TBusyMarquee(TComponent* owner);
  ~TBusyMarquee() override;

  // Width of the central band, relative to the train length.
  float GetAnimationStretchFactor() const { return FAnimationStretchFactor; }
  void SetAnimationStretchFactor(float value);
  // No background fill.
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool value);
  // Runs the animation timer.
  bool GetAnimate() const { return FAnimate; }
  void SetAnimate(bool value);
  // Each tick moves the train by AnimationStep / AnimationFactor pixels; AnimationFactor must not be 0.
  float GetAnimationFactor() const { return FAnimationFactor; }
  void SetAnimationFactor(float value) { FAnimationFactor = value; }
  float GetAnimationStep() const { return FAnimationStep; }
  void SetAnimationStep(float value) { FAnimationStep = value; }
  // The control keeps its own fill and bullets; the setters copy the given settings into them.
  TGDIPFill* GetFill() { return FFill.get(); }
  void SetFill(const TGDIPFill& fill);
  TBusyMarqueeBullets* GetBullets() { return FBullets.get(); }
  void SetBullets(const TBusyMarqueeBullets& bullets);

  // Offset of the train from the left edge of the central band, in pixels; writing wraps at the right end.
  float GetPosition() const { return FPosition; }
  void SetPosition(float value);
  void Step(float value) { SetPosition(FPosition + value); }
  float GetTrainLength() const;
  // One rectangle per bullet at the current position, trailing bullet first.
  std::vector<TGPRectF> GetBulletRects() const;

  // The colour style last read from a stored description.
  TKSVStyle GetComponentStyle() const { return FKSVStyle; }

  // From another busy indicator: its bullets and fill settings.
  void Assign(const TPersistent& source) override;
  // Requests a repaint of the whole control.
  void Changed();

 protected:
  void Paint() override;

 private:
  void ReadKSVStyle(int value) { FKSVStyle = static_cast<TKSVStyle>(value); }
  void AnimationTimerTick(TObject* sender);
  void DrawBullets(TCanvas& canvas) const;

  TKSVStyle FKSVStyle = TKSVStyle::tsOffice2003Blue;
  std::unique_ptr<TTimer> FAnimationTimer;
  std::unique_ptr<TGDIPFill> FFill;
  std::unique_ptr<TBusyMarqueeBullets> FBullets;
  float FPosition = 0.0f;
  float FAnimationFactor = 0.0f;
  float FAnimationStep = 0.0f;
  bool FAnimate = false;
  bool FTransparent = false;
  float FAnimationStretchFactor = 0.0f;
};

void RegisterBusyClasses();
