#include "engine/scene/bot_change_float.h"

#include <algorithm>

#include "engine/scene/bot_timing.h"

namespace ORB {

OC_BOT_CHANGE_FLOAT::OC_BOT_CHANGE_FLOAT(float* target, float change, float time, float speed,
                                         float delay)
    : OC_DELAYED_BOT(delay), target_(target), change_(change) {
  name = "bot_blink_change_float";
  order = kBotOrder;
  flag = 0;
  // The rule measures a signed change, not a length.
  const BotTiming timing = ApplyTimeSpeedRule(time, speed, change);
  time_ = timing.time;
  speed_ = timing.speed;
  if (NoTimeToRun(time_)) {
    // Nothing to spread the change over: the first step adds it whole.
    time_ = 0.0f;
    speed_ = 0.0f;
    whole_at_once_ = true;
  }
}

void OC_BOT_CHANGE_FLOAT::Finish() {
  time_ = 0.0f;
  whole_at_once_ = false;
  Completion().Fire();
}

int32_t OC_BOT_CHANGE_FLOAT::OnTick(float delta) {
  if (whole_at_once_ && target_ != nullptr) *target_ += change_;
  if (!(time_ > 0.0f)) {
    Finish();
    return kResultFinished;
  }
  // The last step covers only the time that was left, so the variable
  // ends on start + speed x time and not a frame beyond it.
  const float step = std::min(delta, time_);
  if (target_ != nullptr) *target_ += speed_ * step;
  time_ -= delta;
  return kResultNone;
}

}  // namespace ORB
