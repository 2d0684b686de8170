#include "engine/scene/bot_move_loop.h"

namespace ORB {

OC_BOT_MOVE_LOOP::OC_BOT_MOVE_LOOP(OS_TRANSFORM3* target, float duration, float speed,
                                   float start_x, float start_y, float start_z, float end_x,
                                   float end_y, float end_z, float delay)
    : target_(target),
      duration_(duration),
      speed_(speed),
      start_(start_x, start_y, start_z),
      end_(end_x, end_y, end_z),
      delay_(delay) {
  name = "bot_move_loop";
  order = kBotOrder;
  flag = 0;
  leg_ = std::make_unique<OC_BOT_MOVE>(target_, duration_, speed_, end_.x, end_.y, end_.z, delay_);
}

int32_t OC_BOT_MOVE_LOOP::Handle(int32_t msg, float, float, float, void* data) {
  switch (msg) {
    case kBotTick: {
      if (!leg_) return kResultFinished;
      if (leg_->Handle(kBotTick, 0.0f, 0.0f, 0.0f, nullptr) == kResultFinished) {
        const bool at_start = target_ != nullptr && target_->position == start_;
        const Vector3& to = at_start ? end_ : start_;
        leg_ = std::make_unique<OC_BOT_MOVE>(target_, duration_, speed_, to.x, to.y, to.z, delay_);
      }
      return kResultNone;
    }
    case kBotTakeCallback: completion_.Take(data); return kResultNone;
    case kBotFinishNow:
      if (leg_) {
        leg_.reset();
        completion_.Fire();
      }
      return kResultNone;
    default: return kResultNone;
  }
}

}  // namespace ORB
