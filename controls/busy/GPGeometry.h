#pragma once
// The float geometry records of GDI+ drawing.

struct TGPPointF {
  float X = 0.0f;
  float Y = 0.0f;
  friend bool operator==(const TGPPointF&, const TGPPointF&) = default;
};

struct TGPRectF {
  float X = 0.0f;
  float Y = 0.0f;
  float Width = 0.0f;
  float Height = 0.0f;
  friend bool operator==(const TGPRectF&, const TGPRectF&) = default;
};
