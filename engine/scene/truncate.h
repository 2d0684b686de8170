#pragma once
// Float to int the way drawing and layout convert: toward zero, held to the
// range of an int, and 0 for a value that is not a number, so that no input
// can make the conversion undefined. Integer layout sums go through 64 bits
// for the same reason.
#include <cmath>
#include <cstdint>
#include <limits>

namespace ORB {

inline int32_t TruncateToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

// A sum or product worked out in 64 bits, held to the range of an int.
inline int32_t ClampToInt(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

}  // namespace ORB
