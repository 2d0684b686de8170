#include "engine/scene/bot_follow.h"

namespace ORB {

OC_BOT_FOLLOW::OC_BOT_FOLLOW(OS_TRANSFORM3* follower, OS_TRANSFORM3* leader, float speed,
                             float time, uint8_t stop_when_close, float delay)
    : OC_DELAYED_BOT(delay),
      follower_(follower),
      leader_(leader),
      speed_(speed),
      time_(time),
      stop_when_close_(stop_when_close),
      forever_(time == 0.0f) {
  name = "bot_follow";
  order = kBotOrder;
  flag = 0;
}

int32_t OC_BOT_FOLLOW::OnTick(float delta) {
  if (!forever_ && !(time_ > 0.0f)) {
    Completion().Fire();
    return kResultFinished;
  }
  if (follower_ != nullptr && leader_ != nullptr) {
    const Vector3 gap = leader_->position - follower_->position;
    if (stop_when_close_ != 0 && gap.Length() < 1.0f) {
      time_ = 0.0f;
      forever_ = false;
    }
    follower_->position += gap * (delta * speed_);
  }
  time_ -= delta;
  return kResultNone;
}

void OC_BOT_FOLLOW::OnFinishNow() {
  // A follower without end ignores it.
  if (!forever_) {
    time_ = 0.0f;
    Completion().Fire();
  }
}

}  // namespace ORB
