#include "engine/scene/bot_scale.h"

#include <algorithm>

#include "engine/foundation/timer.h"

namespace ORB {

OC_BOT_SCALE::OC_BOT_SCALE(OS_TRANSFORM3* target, float time, float speed, float ex, float ey,
                           float ez, float delay)
    : target_(target), end_(ex, ey, ez), time_(time), speed_(speed), delay_(delay) {
  name = "bot_scale";
  order = kBotOrder;
  flag = 0;
  if (delay_ <= 0.0f) Capture();
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
  completion_.Fire();
}

int32_t OC_BOT_SCALE::Handle(int32_t msg, float, float, float, void* data) {
  switch (msg) {
    case kBotTick: {
      const float delta = GetFrameDelta();
      if (delay_ > 0.0f) {
        delay_ -= delta;
        if (delay_ <= 0.0f) Capture();
        return kBotContinue;
      }
      // No time left, or none to begin with (nothing to scale timed by
      // speed, a negative time or speed): the end scale.
      if (!(time_ > 0.0f)) {
        Finish();
        return kBotFinished;
      }
      const float step = std::min(delta, time_);
      if (target_ != nullptr) target_->scale += change_ * (step * speed_);
      time_ -= delta;
      return kBotContinue;
    }
    case kBotTakeCallback:
      completion_.Take(data);
      return kBotContinue;
    case kBotFinishNow:
      Finish();
      return kBotContinue;
    default:
      return kBotContinue;
  }
}

}  // namespace ORB
