#pragma once
// A colour channel or alpha worked out as a float, made a byte: truncated
// toward zero and held to 0..255, so a value a step past its end, or one that
// is not a number at all (which gives 0), never wraps into a wrong colour.
#include <cstdint>

namespace ORB {

inline uint8_t ChannelByte(float value) {
  if (!(value > 0.0f)) return 0;  // also NaN
  if (value >= 255.0f) return 255;
  return static_cast<uint8_t>(value);
}

// The ARGB word with its alpha byte replaced.
constexpr uint32_t WithAlpha(uint32_t argb, uint8_t alpha) {
  return (argb & 0x00FFFFFFu) | static_cast<uint32_t>(alpha) << 24;
}

}  // namespace ORB
