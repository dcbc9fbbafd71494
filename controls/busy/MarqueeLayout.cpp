#include "MarqueeLayout.h"

#include <cmath>

float MarqueeTrainLength(const TMarqueeTrain& train) {
  const float count = static_cast<float>(train.Count);
  const float bullets = count * static_cast<float>(train.Width);
  const float spacings = count * static_cast<float>(train.Spacing) - 1.0f;
  return bullets + spacings;
}

float WrapMarqueePosition(float value, int controlWidth, float trainLength) {
  const float halfWidth = static_cast<float>(controlWidth) / 2.0f;
  const float halfTrain = trainLength / 2.0f;
  const float upperBound = halfWidth + halfTrain;
  if (value > upperBound)
    return -halfWidth - halfTrain;
  return value;
}

std::optional<float> NextMarqueePosition(float position, float step, float factor) {
  const float target = position + step;
  const float distance = std::fabs(position - target) / factor;
  if (target - kMarqueeMinimumStep < position && position < target + kMarqueeMinimumStep)
    return std::nullopt;
  const float delta = kMarqueeMinimumStep <= distance ? distance : kMarqueeMinimumStep;
  if (position >= target)
    return position - delta;
  return position + delta;
}

std::vector<TGPRectF> MarqueeBulletRects(float position, int controlWidth, int controlHeight,
                                         float stretchFactor, const TMarqueeTrain& train) {
  std::vector<TGPRectF> rects;
  if (train.Count <= 0)
    return rects;
  rects.reserve(static_cast<std::size_t>(train.Count));

  const float bulletWidth = static_cast<float>(train.Width);
  const float bulletHeight = static_cast<float>(train.Height);
  const float spacing = static_cast<float>(train.Spacing);
  const float width = static_cast<float>(controlWidth);
  const float height = static_cast<float>(controlHeight);
  const float bandWidth = MarqueeTrainLength(train) * stretchFactor;
  const float bandLeft = ((width - 1.0f) - bandWidth) / 2.0f;
  const float bandRight = bandLeft + bandWidth;
  const float start = bandLeft + position;
  const float top = ((height - 1.0f) - bulletHeight) / 2.0f;
  const float pull = position / width;

  for (int b = 0; b < train.Count; ++b) {
    const float index = static_cast<float>(b);
    float x = index * bulletWidth + start + index * spacing;
    if (x < bandLeft) {
      const float behind = static_cast<float>(train.Count - b);
      x = x + std::fabs(x - bandLeft) * pull * behind;
    } else if (x > bandRight) {
      const float ahead = static_cast<float>(b + 1);
      x = x + std::fabs(x - bandRight) * pull * ahead;
    }
    rects.push_back(TGPRectF{x, top, bulletWidth, bulletHeight});
  }
  return rects;
}
