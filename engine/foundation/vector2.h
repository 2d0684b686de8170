#pragma once
// A two-component float vector.
#include <string>
#include <string_view>

namespace ORB {

struct Vector2 {
  float x = 0.0f;
  float y = 0.0f;

  constexpr Vector2() = default;
  constexpr Vector2(float x_value, float y_value) : x(x_value), y(y_value) {}
  // Both components the same.
  constexpr explicit Vector2(float value) : x(value), y(value) {}

  constexpr void Set(float x_value, float y_value) {
    x = x_value;
    y = y_value;
  }
  constexpr void Assign(const Vector2& other) { *this = other; }

  // Reads "x y" (split at single blanks); fewer than two parts leave the
  // vector unchanged and answer false.
  bool Parse(std::string_view text);
  // "%.3f %.3f".
  std::string ToString() const;

  float Length() const;
  constexpr float LengthSquared() const { return x * x + y * y; }
  // Scales to length 1 and answers the old length; a zero vector is left as
  // it is and answers 0.
  float Normalize();
  constexpr bool IsZero() const { return x == 0.0f && y == 0.0f; }
  // Component 0 or 1; any other index answers 0.
  constexpr float operator[](int index) const {
    return index == 0 ? x : index == 1 ? y : 0.0f;
  }

  static constexpr float Dot(const Vector2& a, const Vector2& b) { return a.x * b.x + a.y * b.y; }
  // The length of a - b.
  static float Distance(const Vector2& a, const Vector2& b);
  // The angle from a to b in [0, 2*pi), counted in the direction in which
  // a.x*b.y - a.y*b.x is positive: (1, 0) to (0, 1) is pi/2, (0, 1) to
  // (1, 0) is 3*pi/2. Parallel vectors give 0, opposite ones pi; a zero
  // vector gives 6.2831855.
  static float AngleBetween(const Vector2& a, const Vector2& b);

  // The length against an integer.
  bool operator<(int value) const { return Length() < static_cast<float>(value); }
  bool operator>(int value) const { return Length() > static_cast<float>(value); }
  bool operator<=(int value) const { return Length() <= static_cast<float>(value); }
  bool operator>=(int value) const { return Length() >= static_cast<float>(value); }
  bool operator==(int value) const { return Length() == static_cast<float>(value); }
  constexpr bool operator==(const Vector2& other) const { return x == other.x && y == other.y; }

  constexpr Vector2 operator-() const { return {-x, -y}; }
  constexpr Vector2 operator+(const Vector2& o) const { return {x + o.x, y + o.y}; }
  constexpr Vector2 operator-(const Vector2& o) const { return {x - o.x, y - o.y}; }
  constexpr Vector2 operator*(float s) const { return {x * s, y * s}; }
  // Division by 0 leaves the vector unchanged.
  constexpr Vector2 operator/(float s) const { return s == 0.0f ? *this : Vector2{x / s, y / s}; }
  constexpr Vector2& operator+=(const Vector2& o) { return *this = *this + o; }
  constexpr Vector2& operator-=(const Vector2& o) { return *this = *this - o; }
  constexpr Vector2& operator*=(float s) { return *this = *this * s; }
  constexpr Vector2& operator/=(float s) { return *this = *this / s; }
};

constexpr Vector2 operator*(float s, const Vector2& v) { return v * s; }

}  // namespace ORB
