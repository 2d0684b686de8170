#pragma once
// An integer point or size.
#include <cstdint>
#include <string>
#include <string_view>

namespace ORB {

struct Point {
  int32_t x = 0;
  int32_t y = 0;

  constexpr Point() = default;
  constexpr Point(int32_t x_value, int32_t y_value) : x(x_value), y(y_value) {}

  constexpr void Set(int32_t x_value, int32_t y_value) {
    x = x_value;
    y = y_value;
  }
  constexpr void Assign(const Point& other) { *this = other; }

  // Reads "x y" (split at single blanks, atoi of each); fewer than two parts
  // leave the point unchanged and answer false.
  bool Parse(std::string_view text);
  // "%.3i %.3i": at least three digits each, (5, 60) gives "005 060".
  std::string ToString() const;

  // Component 0 or 1; any other index answers 0.
  constexpr int32_t operator[](int index) const {
    return index == 0 ? x : index == 1 ? y : 0;
  }
  // Distance to (px, py): the square root of the summed squares.
  float Distance(int32_t px, int32_t py) const;
  // Strictly inside: left < x < right and top < y < bottom.
  constexpr bool IsInside(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
    return left < x && x < right && top < y && y < bottom;
  }

  // The arithmetic wraps around on overflow instead of being undefined.
  constexpr Point operator-() const { return {Wrap(0u - Bits(x)), Wrap(0u - Bits(y))}; }
  constexpr Point operator+(const Point& o) const {
    return {Wrap(Bits(x) + Bits(o.x)), Wrap(Bits(y) + Bits(o.y))};
  }
  constexpr Point operator-(const Point& o) const {
    return {Wrap(Bits(x) - Bits(o.x)), Wrap(Bits(y) - Bits(o.y))};
  }
  // Component by component.
  constexpr Point operator*(const Point& o) const {
    return {Wrap(Bits(x) * Bits(o.x)), Wrap(Bits(y) * Bits(o.y))};
  }
  // Component by component; a component divided by 0 is left unchanged.
  constexpr Point operator/(const Point& o) const { return {Divide(x, o.x), Divide(y, o.y)}; }
  // Both components; a divisor of 0 leaves the point unchanged.
  constexpr Point operator/(int32_t divisor) const {
    return {Divide(x, divisor), Divide(y, divisor)};
  }
  constexpr Point& operator+=(const Point& o) { return *this = *this + o; }
  constexpr Point& operator-=(const Point& o) { return *this = *this - o; }

  constexpr bool operator==(const Point&) const = default;

 private:
  static constexpr uint32_t Bits(int32_t v) { return static_cast<uint32_t>(v); }
  static constexpr int32_t Wrap(uint32_t v) { return static_cast<int32_t>(v); }
  static constexpr int32_t Divide(int32_t value, int32_t divisor) {
    if (divisor == 0) return value;
    if (divisor == -1) return Wrap(0u - Bits(value));  // INT32_MIN / -1 wraps
    return value / divisor;
  }
};

// The distance between (x1, y1) and (x2, y2) as a float.
float PointDistance(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

}  // namespace ORB
