#include "engine/scene/bot_move.h"

#include <algorithm>

namespace ORB {

OC_BOT_MOVE::OC_BOT_MOVE(OS_TRANSFORM3* target, float duration, float speed, float x, float y,
                         float z, float delay)
    : OC_DELAYED_BOT(delay), target_(target), end_(x, y, z), duration_(duration), speed_(speed) {
  name = "bot_move";
  order = kBotOrder;
  flag = 0;
  if (duration_ == 0.0f && speed_ == 0.0f) duration_ = 1.0f;
  if (duration_ != 0.0f) inverse_duration_ = 1.0f / duration_;
  if (Delay() <= 0.0f) Capture();
}

void OC_BOT_MOVE::Capture() {
  if (target_ != nullptr) start_ = target_->position;
  if (duration_ == 0.0f) {
    // Timed by speed: the way from where the target actually is.
    duration_ = (end_ - start_).Length() / speed_;
    inverse_duration_ = duration_ != 0.0f ? 1.0f / duration_ : 0.0f;
  }
}

void OC_BOT_MOVE::Finish() {
  elapsed_ = duration_ + 1.0f;
  if (target_ != nullptr) {
    target_->position = end_;
    target_ = nullptr;
  }
  Completion().Fire();
}

void OC_BOT_MOVE::OnDelayTick(bool ran_out) {
  if (ran_out) Capture();
}

int32_t OC_BOT_MOVE::OnTick(float delta) {
  // A duration of 0 or less (a zero way timed by speed, a negative
  // speed) ends at once at the end point.
  if (!(duration_ > 0.0f) || duration_ < elapsed_) {
    Finish();
    return kResultFinished;
  }
  const float t = std::clamp(elapsed_ * inverse_duration_, 0.0f, 1.0f);
  if (target_ != nullptr) target_->position = Vector3::Lerp(start_, end_, t);
  elapsed_ += delta;
  return kResultNone;
}

void OC_BOT_MOVE::OnFinishNow() { Finish(); }

}  // namespace ORB
