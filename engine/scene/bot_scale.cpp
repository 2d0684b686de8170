#include "engine/scene/bot_scale.h"

#include <algorithm>

namespace ORB {

OC_BOT_SCALE::OC_BOT_SCALE(OS_TRANSFORM3* target, float time, float speed, float ex, float ey,
                           float ez, float delay)
    : OC_DELAYED_BOT(delay), target_(target), end_(ex, ey, ez), time_(time), speed_(speed) {
  name = "bot_scale";
  order = kBotOrder;
  flag = 0;
  if (Delay() <= 0.0f) Capture();
}

void OC_BOT_SCALE::Capture() {
  change_ = end_ - (target_ != nullptr ? target_->scale : Vector3(1.0f));
  if (time_ == 0.0f && speed_ == 0.0f) {
    time_ = 1.0f;
    speed_ = 1.0f;
  } else if (time_ == 0.0f) {
    time_ = change_.Normalize() / speed_;
  } else if (speed_ == 0.0f) {
    speed_ = change_.Normalize() / time_;
  }
}

void OC_BOT_SCALE::Finish() {
  time_ = 0.0f;
  if (target_ != nullptr) target_->SetScale(end_.x, end_.y, end_.z);
  Completion().Fire();
}

void OC_BOT_SCALE::OnDelayTick(bool ran_out) {
  if (ran_out) Capture();
}

int32_t OC_BOT_SCALE::OnTick(float delta) {
  // No time left, or none to begin with (nothing to scale timed by
  // speed, a negative time or speed): the end scale.
  if (!(time_ > 0.0f)) {
    Finish();
    return kResultFinished;
  }
  const float step = std::min(delta, time_);
  if (target_ != nullptr) target_->scale += change_ * (step * speed_);
  time_ -= delta;
  return kResultNone;
}

void OC_BOT_SCALE::OnFinishNow() { Finish(); }

}  // namespace ORB
