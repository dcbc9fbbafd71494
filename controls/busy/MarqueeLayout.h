#pragma once
// The busy indicator's motion and layout: the train of bullets, its per-tick step, its wrap-around at the
// right end, and the rectangle of each bullet. All arithmetic is in 32-bit float, every named intermediate
// rounded.

#include <optional>
#include <vector>

#include "GPGeometry.h"

struct TMarqueeTrain {
  int Count = 0;    // number of bullets
  int Width = 0;    // of one bullet, pixels
  int Height = 0;   // of one bullet, pixels
  int Spacing = 0;  // between neighbouring bullets, pixels
};

// Count x Width + (Count x Spacing - 1): Count spacings, less one pixel.
float MarqueeTrainLength(const TMarqueeTrain& train);

// The position actually stored for `value`: beyond Width / 2 + L / 2 the train starts again at
// -Width / 2 - L / 2. There is no lower bound.
float WrapMarqueePosition(float value, int controlWidth, float trainLength);

// The least distance the train moves in one tick.
inline constexpr float kMarqueeMinimumStep = 0.01f;

// The position after one animation tick, before wrapping: towards position + step by |step| / factor, at
// least kMarqueeMinimumStep. None when the target is within the minimum step: the train stands still.
std::optional<float> NextMarqueePosition(float position, float step, float factor);

// One rectangle per bullet, trailing bullet first. Inside the central band (the train length times
// `stretchFactor`, centred in the control) the bullets keep their pitch; outside it they are pulled apart in
// the direction of `position`.
std::vector<TGPRectF> MarqueeBulletRects(float position, int controlWidth, int controlHeight,
                                         float stretchFactor, const TMarqueeTrain& train);
