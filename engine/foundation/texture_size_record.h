#pragma once
// A 32-bit value with a texture size, as the renderer's texture records keep
// them.
#include <cstdint>

#include "engine/foundation/point.h"

namespace ORB {

struct TextureSizeRecord {
  int32_t value = 0;
  Point size;

  // v / width; a record without width answers 0 rather than an infinity.
  double Ratio(double v) const { return size.x == 0 ? 0.0 : v / static_cast<double>(size.x); }
};

}  // namespace ORB
