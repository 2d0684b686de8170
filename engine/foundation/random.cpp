#include "engine/foundation/random.h"

#include <algorithm>

namespace ORB {

namespace {
Random* g_default = nullptr;
}  // namespace

Random* GetDefaultRandom() { return g_default; }
void SetDefaultRandom(Random* random) { g_default = random; }

void Random::Seed(uint32_t seed) {
  state_ = seed;
  g_default = this;
}

int32_t Random::Next() {
  state_ = state_ * 1664525u + 1013904223u;
  return static_cast<int32_t>(state_ & 0x7FFFFFFFu);
}

int32_t Random::Range(int32_t a, int32_t b) {
  if (a == b) return a;
  // The span of two 32-bit bounds can exceed what a 32-bit difference holds.
  const int64_t low = std::min(a, b);
  const int64_t span = static_cast<int64_t>(std::max(a, b)) - low;
  return static_cast<int32_t>(low + static_cast<int64_t>(Next()) % span);
}

float Random::RangeF(float a, float b) {
  Next();
  const uint32_t upper = state_ >> 16;
  return a + static_cast<float>(upper) * 1.5259022e-05f * (b - a);
}

Point Random::RandomPoint(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const int32_t x = Range(x1, x2);
  return Point(x, Range(y1, y2));
}

}  // namespace ORB
