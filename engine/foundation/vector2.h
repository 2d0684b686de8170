#pragma once
// A two-component float vector.

namespace ORB {

struct Vector2 {
  float x = 0.0f;
  float y = 0.0f;

  constexpr Vector2() = default;
  constexpr Vector2(float x_value, float y_value) : x(x_value), y(y_value) {}

  constexpr bool operator==(const Vector2&) const = default;
};

}  // namespace ORB
