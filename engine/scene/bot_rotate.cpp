#include "engine/scene/bot_rotate.h"

#include <algorithm>

#include "engine/scene/bot_timing.h"

namespace ORB {

namespace {

Vector3 AmountTo(const OS_TRANSFORM3* target, const Vector3& end) {
  return end - (target != nullptr ? target->rotation : Vector3());
}

}  // namespace

OC_BOT_ROTATE_ON::OC_BOT_ROTATE_ON(OS_TRANSFORM3* target, float time, float speed, float rx,
                                   float ry, float rz, float delay)
    : OC_DELAYED_BOT(delay), target_(target), amount_(rx, ry, rz) {
  Setup(time, speed);
}

OC_BOT_ROTATE_ON::OC_BOT_ROTATE_ON(OS_TRANSFORM3* target, float time, float speed,
                                   const Vector3& amount, float delay, bool)
    : OC_DELAYED_BOT(delay), target_(target), amount_(amount) {
  Setup(time, speed);
}

void OC_BOT_ROTATE_ON::Setup(float time, float speed) {
  name = "bot_rotate";
  order = kBotOrder;
  flag = 0;
  const BotTiming timing = ApplyTimeSpeedRule(time, speed, amount_.Length());
  time_ = timing.time;
  speed_ = timing.speed;
  direction_ = amount_;
  if (!timing.both_given) direction_.Normalize();
  instant_ = NoTimeToRun(time_);
}

void OC_BOT_ROTATE_ON::Finish() {
  time_ = 0.0f;
  Completion().Fire();
}

int32_t OC_BOT_ROTATE_ON::OnTick(float delta) {
  if (instant_) {
    instant_ = false;
    if (target_ != nullptr) target_->rotation += amount_;
    Finish();
    return kResultFinished;
  }
  if (time_ <= 0.0f) {
    Finish();
    return kResultFinished;
  }
  const float step = std::min(delta, time_);
  if (target_ != nullptr) target_->rotation += direction_ * (step * speed_);
  time_ -= delta;
  return kResultNone;
}

void OC_BOT_ROTATE_ON::OnFinishNow() {
  instant_ = false;
  Finish();
}

OC_BOT_ROTATE_TO::OC_BOT_ROTATE_TO(OS_TRANSFORM3* target, float time, float speed, float ex,
                                   float ey, float ez, float delay)
    : OC_BOT_ROTATE_ON(target, time, speed, AmountTo(target, Vector3(ex, ey, ez)), delay, true),
      end_(ex, ey, ez) {}

}  // namespace ORB
