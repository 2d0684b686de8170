#include "engine/scene/bot_transform.h"

#include "engine/foundation/timer.h"

namespace ORB {

namespace {

Vector3 Straight(const Vector3& a, const Vector3& b, float f) { return a + (b - a) * f; }

}  // namespace

OC_BOT_TRANSFORM::OC_BOT_TRANSFORM(OS_TRANSFORM3* target, const OS_TRANSFORM3& end,
                                   float duration, float delay)
    : target_(target), end_(end), duration_(duration), delay_(delay) {
  name = "bot_transform";
  order = kBotOrder;
  flag = 0;
  end_.parent = nullptr;
  if (delay_ <= 0.0f) Capture();
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
  completion_.Fire();
  elapsed_ = duration_ + 1.0f;
}

int32_t OC_BOT_TRANSFORM::Handle(int32_t msg, float, float, float, void* data) {
  switch (msg) {
    case kBotTick: {
      const float delta = GetFrameDelta();
      if (delay_ > 0.0f) {
        delay_ -= delta;
        if (delay_ <= 0.0f) Capture();
        return kBotContinue;
      }
      elapsed_ += delta;
      if (!(duration_ > 0.0f) || duration_ < elapsed_) {
        Finish();
        return kBotFinished;
      }
      if (target_ != nullptr) {
        const float f = elapsed_ / duration_;
        target_->position = Straight(start_.position, end_.position, f);
        target_->rotation = Straight(start_.rotation, end_.rotation, f);
        target_->scale = Straight(start_.scale, end_.scale, f);
      }
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
