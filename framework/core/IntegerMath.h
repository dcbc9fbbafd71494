#pragma once
// Small integer helpers shared by the layout code.

// -1, 0 or 1 by the sign of Value.
constexpr int Sign(int Value) {
  return (Value > 0) - (Value < 0);
}
