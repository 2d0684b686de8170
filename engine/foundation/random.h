#pragma once
// The engine's linear congruential generator. One instance is published as
// the default generator that bots, particles and the board draw from.
#include <cstdint>

#include "engine/foundation/point.h"

namespace ORB {

class Random {
 public:
  explicit Random(uint32_t seed = 0) : state_(seed) {}

  // Sets the state and makes this generator the default one.
  void Seed(uint32_t seed);
  // Sets the state only.
  void SetSeed(uint32_t seed) { state_ = seed; }
  uint32_t State() const { return state_; }

  // 0 .. 2^31-1.
  int32_t Next();
  // a when a == b (state untouched); otherwise a value in [min, max) of the
  // two bounds, whatever their order and distance.
  int32_t Range(int32_t a, int32_t b);
  // a + u * (b - a) with u from the state's upper 16 bits over 65535, so both
  // ends are reachable.
  float RangeF(float a, float b);
  Point RandomPoint(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

 private:
  uint32_t state_;
};

// The default generator (null until one is seeded).
Random* GetDefaultRandom();
void SetDefaultRandom(Random* random);

}  // namespace ORB
