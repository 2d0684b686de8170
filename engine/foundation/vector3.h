#pragma once
// A three-component float vector.
#include <string>
#include <string_view>

namespace ORB {

struct Vector3 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;

  constexpr Vector3() = default;
  constexpr Vector3(float x_value, float y_value, float z_value)
      : x(x_value), y(y_value), z(z_value) {}
  // All three components the same.
  constexpr explicit Vector3(float value) : x(value), y(value), z(value) {}

  constexpr void Set(float x_value, float y_value, float z_value) {
    x = x_value;
    y = y_value;
    z = z_value;
  }
  constexpr void Assign(const Vector3& other) { *this = other; }

  // Reads "x y z" (split at single blanks); fewer than three parts leave the
  // vector unchanged and answer false.
  bool Parse(std::string_view text);
  // "%.3f %.3f %.3f".
  std::string ToString() const;

  float Length() const;
  constexpr float LengthSquared() const { return x * x + y * y + z * z; }
  // Scales to length 1 and answers the old length; a zero vector is left as
  // it is and answers 0.
  float Normalize();
  // (-y, x, z): a quarter turn in the x-y plane.
  constexpr Vector3 Perpendicular() const { return {-y, x, z}; }
  float MaxComponent() const;
  float MinComponent() const;
  // Component 0, 1 or 2; any other index answers 0.
  constexpr float operator[](int index) const {
    return index == 0 ? x : index == 1 ? y : index == 2 ? z : 0.0f;
  }

  static constexpr float Dot(const Vector3& a, const Vector3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
  }
  static constexpr Vector3 Cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  }
  // The angle from a to b in [0, 2*pi): the unsigned angle between them when
  // the turn a.x*b.y - a.y*b.x is positive, else 2*pi minus it. Parallel
  // vectors give 0; a zero vector gives 6.2831855.
  static float AngleBetween(const Vector3& a, const Vector3& b);
  // t <= 0 gives a, t >= 1 gives b, otherwise a + (b - a) * t per component.
  static Vector3 Lerp(const Vector3& a, const Vector3& b, float t);

  // The length against an integer.
  bool operator<(int value) const { return Length() < static_cast<float>(value); }
  bool operator>(int value) const { return Length() > static_cast<float>(value); }
  bool operator<=(int value) const { return Length() <= static_cast<float>(value); }
  bool operator>=(int value) const { return Length() >= static_cast<float>(value); }
  bool operator==(int value) const { return Length() == static_cast<float>(value); }
  constexpr bool operator==(const Vector3& other) const {
    return x == other.x && y == other.y && z == other.z;
  }

  constexpr Vector3 operator-() const { return {-x, -y, -z}; }
  constexpr Vector3 operator+(const Vector3& o) const { return {x + o.x, y + o.y, z + o.z}; }
  constexpr Vector3 operator-(const Vector3& o) const { return {x - o.x, y - o.y, z - o.z}; }
  constexpr Vector3 operator*(float s) const { return {x * s, y * s, z * s}; }
  // Division by 0 leaves the vector unchanged.
  constexpr Vector3 operator/(float s) const {
    return s == 0.0f ? *this : Vector3{x / s, y / s, z / s};
  }
  constexpr Vector3& operator+=(const Vector3& o) { return *this = *this + o; }
  constexpr Vector3& operator-=(const Vector3& o) { return *this = *this - o; }
  constexpr Vector3& operator*=(float s) { return *this = *this * s; }
  constexpr Vector3& operator/=(float s) { return *this = *this / s; }
};

constexpr Vector3 operator*(float s, const Vector3& v) { return v * s; }

}  // namespace ORB
