#include "engine/scene/bot_move_on.h"

#include "engine/foundation/timer.h"
#include "engine/scene/bot_timing.h"

namespace ORB {

OC_BOT_MOVE_ON::OC_BOT_MOVE_ON(OS_TRANSFORM3* target, float time, float speed, float dx, float dy,
                               float dz, float unused)
    : target_(target), displacement_(dx, dy, dz), unused_(unused) {
  // No class word: the name stays "nonamed".
  order = kBotOrder;
  flag = 0;
  const BotTiming timing = ApplyTimeSpeedRule(time, speed, displacement_.Length());
  time_ = timing.time;
  total_ = timing.time;
  speed_ = timing.speed;
}

int32_t OC_BOT_MOVE_ON::Handle(int32_t msg, float, float, float, void* data) {
  if (msg == kBotTakeCallback) {
    completion_.Take(data);
    return kResultNone;
  }
  if (msg != kBotTick) return kResultNone;
  if (NoTimeToRun(total_)) {
    // No time to spread the move over: the whole way at once.
    if (target_ != nullptr) {
      target_->position.x += displacement_.x;
      target_->position.y += displacement_.y;
    }
    target_ = nullptr;
    completion_.Fire();
    return kResultFinished;
  }
  const float delta = GetFrameDelta();
  time_ -= delta;
  if (time_ < 0.0f) {
    completion_.Fire();
    return kResultFinished;
  }
  if (target_ != nullptr) {
    target_->position.x += displacement_.x / total_ * delta;
    target_->position.y += displacement_.y / total_ * delta;
  }
  return kResultNone;
}

}  // namespace ORB
