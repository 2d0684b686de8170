#include "engine/scene/bot_transform.h"

namespace ORB {

namespace {

Vector3 Straight(const Vector3& a, const Vector3& b, float f) { return a + (b - a) * f; }

}  // namespace

OC_BOT_TRANSFORM::OC_BOT_TRANSFORM(OS_TRANSFORM3* target, const OS_TRANSFORM3& end, float duration,
                                   float delay)
    : OC_DELAYED_BOT(delay), target_(target), end_(end), duration_(duration) {
  name = "bot_transform";
  order = kBotOrder;
  flag = 0;
  end_.parent = nullptr;
  if (Delay() <= 0.0f) Capture();
}

void OC_BOT_TRANSFORM::Capture() {
  if (target_ != nullptr) start_ = *target_;
}

void OC_BOT_TRANSFORM::Finish() {
  if (target_ != nullptr) {
    target_->position = end_.position;
    target_->rotation = end_.rotation;
    target_->scale = end_.scale;
    target_ = nullptr;
  }
  Completion().Fire();
  elapsed_ = duration_ + 1.0f;
}

void OC_BOT_TRANSFORM::OnDelayTick(bool ran_out) {
  if (ran_out) Capture();
}

int32_t OC_BOT_TRANSFORM::OnTick(float delta) {
  elapsed_ += delta;
  if (!(duration_ > 0.0f) || duration_ < elapsed_) {
    Finish();
    return kResultFinished;
  }
  if (target_ != nullptr) {
    const float f = elapsed_ / duration_;
    target_->position = Straight(start_.position, end_.position, f);
    target_->rotation = Straight(start_.rotation, end_.rotation, f);
    target_->scale = Straight(start_.scale, end_.scale, f);
  }
  return kResultNone;
}

void OC_BOT_TRANSFORM::OnFinishNow() { Finish(); }

}  // namespace ORB
