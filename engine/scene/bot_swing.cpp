#include "engine/scene/bot_swing.h"

#include <cmath>

#include "engine/foundation/timer.h"

namespace ORB {

OC_BOT_SWING::OC_BOT_SWING(float* target, float amplitude, float restart_phase, float period,
                           float delay)
    : target_(target),
      amplitude_(amplitude),
      restart_phase_(restart_phase),
      period_(period),
      clock_(-delay) {
  name = "bot_swing";
  order = kBotOrder;
  flag = 0;
}

int32_t OC_BOT_SWING::Handle(int32_t msg, float, float, float, void*) {
  if (msg != kBotTick) return kResultNone;
  const float delta = GetFrameDelta();
  const bool moves = target_ != nullptr && period_ != 0.0f;
  if (clock_ < 0.0f) {
    clock_ += delta;
    if (clock_ >= 0.0f) {
      clock_ = restart_phase_;
      if (moves) *target_ += restart_phase_ / period_ * amplitude_ * 0.85f;
    }
    return kResultNone;
  }
  clock_ += delta;
  if (moves) *target_ += std::cos(clock_ / period_) * (amplitude_ / period_) * delta;
  return kResultNone;
}

}  // namespace ORB
