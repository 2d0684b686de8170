#include "engine/scene/bot_sleep.h"

namespace ORB {

OC_BOT_SLEEP::OC_BOT_SLEEP(void* target, const Callback* callback, float time, float value)
    : target_(target), time_(time), value_(value) {
  name = "bot_sleep";
  order = kBotOrder;
  flag = 0;
  completion_.Take(callback);
}

void OC_BOT_SLEEP::Finish() {
  time_ = 0.0f;
  if (target_ != nullptr) std::memcpy(target_, &value_, sizeof(value_));
  completion_.Fire();
}

int32_t OC_BOT_SLEEP::Handle(int32_t msg, float, float, float, void* data) {
  switch (msg) {
    case kBotTick:
      time_ -= GetFrameDelta();
      if (time_ > 0.0f) return kResultNone;
      Finish();
      return kResultFinished;
    case kBotTakeCallback: completion_.Take(data); return kResultNone;
    case kBotFinishNow: Finish(); return kResultNone;
    default: return kResultNone;
  }
}

}  // namespace ORB
