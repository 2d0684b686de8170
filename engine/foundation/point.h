#pragma once
// An integer point or size.
#include <cstdint>

namespace ORB {

struct Point {
  int32_t x = 0;
  int32_t y = 0;

  constexpr Point() = default;
  constexpr Point(int32_t x_value, int32_t y_value) : x(x_value), y(y_value) {}

  constexpr bool operator==(const Point&) const = default;
};

}  // namespace ORB
