#pragma once
// OC_BOT_SWING: swings a float variable to and fro for as long as the bot
// lives (a cosine velocity); it never ends and has no completion callback.
#include <cstdint>

#include "engine/scene/bot_base.h"

namespace ORB {

class OC_BOT_SWING : public OC_BASE {
 public:
  // The phase clock starts at -delay. When it reaches 0 it jumps to the
  // restart phase and the variable gets a kick of
  // (restart phase / period) x amplitude x 0.85; afterwards every frame adds
  // cos(clock / period) x (amplitude / period) x frame time. A period of 0
  // leaves the variable alone.
  OC_BOT_SWING(float* target, float amplitude, float restart_phase, float period, float delay);

  int32_t Handle(int32_t msg, float a, float b, float c, void* data) override;

  float Clock() const { return clock_; }

 private:
  float* target_;
  float amplitude_;
  float restart_phase_;
  float period_;
  float clock_;
};

}  // namespace ORB
