#include "engine/scene/bot_zoom_into.h"

#include <algorithm>
#include <cmath>

namespace ORB {

OC_BOT_ZOOM_INTO::OC_BOT_ZOOM_INTO(OS_TRANSFORM3* target, OS_TRANSFORM3* focus,
                                   const Vector3& point, float duration, float delay,
                                   float screen_width, float screen_height)
    : OC_DELAYED_BOT(delay),
      target_(target),
      focus_(focus),
      point_(point),
      duration_(duration),
      screen_width_(screen_width),
      screen_height_(screen_height) {
  // No class word: the name stays "nonamed".
  order = kBotOrder;
  flag = 0;
  if (Delay() <= 0.0f) Capture();
}

void OC_BOT_ZOOM_INTO::Capture() {
  if (target_ != nullptr) start_position_ = target_->position;
  if (focus_ != nullptr) focus_copy_ = *focus_;
  const Vector3 at = focus_ != nullptr ? focus_->position : point_;
  const float w = screen_width_;
  const float h = screen_height_;
  shift_ = Vector3(w / 2.0f - at.x, h / 2.0f - at.y, 0.0f);
  if (at.x <= w / 2.0f) shift_.x = 0.0f;
  if (at.y <= h / 2.0f) shift_.y = 0.0f;
  // An empty screen size gives no zoom along that axis.
  const float zx = w != 0.0f ? std::fabs(shift_.x) / w : 0.0f;
  const float zy = h != 0.0f ? std::fabs(shift_.y) / h : 0.0f;
  zoom_ = std::max(zx, zy);
}

void OC_BOT_ZOOM_INTO::Step() {
  if (target_ == nullptr) return;
  const float f = duration_ > 0.0f ? elapsed_ / duration_ : 1.0f;
  const float s = zoom_ * f + 1.0f;
  target_->SetScale(s, s, 0.0f);
  const Vector3 p = start_position_ + shift_ * f;
  target_->SetPosition(p.x, p.y, 0.0f);
}

void OC_BOT_ZOOM_INTO::Finish() {
  elapsed_ = duration_;
  Step();
  if (focus_ != nullptr) {
    focus_->pivot = focus_copy_.pivot;
    focus_->position = focus_copy_.position;
    focus_->scale = focus_copy_.scale;
  }
  Completion().Fire();
}

void OC_BOT_ZOOM_INTO::OnDelayTick(bool ran_out) {
  if (ran_out) Capture();
}

int32_t OC_BOT_ZOOM_INTO::OnTick(float delta) {
  if (!(duration_ > elapsed_)) {
    Finish();
    return kResultFinished;
  }
  Step();
  elapsed_ += delta;
  return kResultNone;
}

void OC_BOT_ZOOM_INTO::OnFinishNow() { Finish(); }

}  // namespace ORB
