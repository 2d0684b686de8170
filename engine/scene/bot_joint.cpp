#include "engine/scene/bot_joint.h"

#include <cmath>

namespace ORB {

namespace {

constexpr float kPi = 3.1415927f;

}  // namespace

float DirectionAngle(float x, float y) {
  if (x > 0.0f) return y >= 0.0f ? std::atan(y / x) : std::atan(y / x) + 2.0f * kPi;
  if (x < 0.0f) return std::atan(y / x) + kPi;
  if (y > 0.0f) return kPi / 2.0f;
  if (y < 0.0f) return 3.0f * kPi / 2.0f;
  return 0.0f;
}

OC_BOT_RIGID_JOINT::OC_BOT_RIGID_JOINT(OS_TRANSFORM3* follower, OS_TRANSFORM3* anchor, float time,
                                       float delay)
    : OC_DELAYED_BOT(delay),
      follower_(follower),
      anchor_(anchor),
      time_(time),
      forever_(time == 0.0f) {
  name = "bot_rigid_joint";
  order = kBotOrder;
  flag = 0;
  ReadOffset();
}

void OC_BOT_RIGID_JOINT::ReadOffset() {
  if (follower_ != nullptr && anchor_ != nullptr) offset_ = follower_->position - anchor_->position;
}

void OC_BOT_RIGID_JOINT::OnDelayTick(bool) { ReadOffset(); }

int32_t OC_BOT_RIGID_JOINT::OnTick(float delta) {
  if (!forever_ && !(time_ > 0.0f)) {
    Completion().Fire();
    return kResultFinished;
  }
  if (follower_ != nullptr && anchor_ != nullptr) {
    follower_->SetPositionV3(anchor_->position + offset_);
  }
  time_ -= delta;
  return kResultNone;
}

void OC_BOT_RIGID_JOINT::OnFinishNow() {
  if (!forever_) {
    time_ = 0.0f;
    Completion().Fire();
  }
}

OC_BOT_DISTANCE_JOINT::OC_BOT_DISTANCE_JOINT(OS_TRANSFORM3* follower, OS_TRANSFORM3* anchor,
                                             float time, float delay)
    : OC_DELAYED_BOT(delay),
      follower_(follower),
      anchor_(anchor),
      time_(time),
      forever_(time == 0.0f) {
  name = "bot_distance_joint";
  order = kBotOrder;
  flag = 0;
  ReadDistance();
}

void OC_BOT_DISTANCE_JOINT::ReadDistance() {
  if (follower_ == nullptr || anchor_ == nullptr) return;
  offset_ = Vector2(follower_->position.x - anchor_->position.x,
                    follower_->position.y - anchor_->position.y);
  distance_ = offset_.Length();
}

void OC_BOT_DISTANCE_JOINT::OnDelayTick(bool) { ReadDistance(); }

int32_t OC_BOT_DISTANCE_JOINT::OnTick(float delta) {
  if (!forever_ && !(time_ > 0.0f)) {
    Completion().Fire();
    return kResultFinished;
  }
  if (follower_ != nullptr && anchor_ != nullptr) {
    const float angle = DirectionAngle(follower_->position.x - anchor_->position.x,
                                       follower_->position.y - anchor_->position.y);
    offset_ = Vector2(std::cos(angle) * distance_, std::sin(angle) * distance_);
    follower_->SetPosition(anchor_->position.x + offset_.x, anchor_->position.y + offset_.y, 0.0f);
  }
  time_ -= delta;
  return kResultNone;
}

// Message 45 leaves the distance joint running: it ends only when its time
// runs out (never, for a time of 0) or when it is taken off its list.
void OC_BOT_DISTANCE_JOINT::OnFinishNow() {}

}  // namespace ORB
