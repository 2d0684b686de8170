#include "engine/foundation/colour_f.h"

namespace ORB {

namespace {

constexpr float kByteScale = 0.003921569f;  // 1 / 255

uint32_t ToByte(float value) {
  if (value >= 1.0f) return 255;
  if (!(value > 0.0f)) return 0;  // also NaN
  return static_cast<uint32_t>(value * 255.0f + 0.5f);
}

}  // namespace

void ColourF::SetUInt(uint32_t argb) {
  r = static_cast<float>((argb >> 16) & 0xFF) * kByteScale;
  g = static_cast<float>((argb >> 8) & 0xFF) * kByteScale;
  b = static_cast<float>(argb & 0xFF) * kByteScale;
  a = static_cast<float>(argb >> 24) * kByteScale;
}

uint32_t ColourF::ToColour() const {
  return ToByte(a) << 24 | ToByte(r) << 16 | ToByte(g) << 8 | ToByte(b);
}

}  // namespace ORB
