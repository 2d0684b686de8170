#include "engine/scene/delayed_bot.h"

#include "engine/foundation/timer.h"

namespace ORB {

int32_t OC_DELAYED_BOT::Handle(int32_t msg, float, float, float, void* data) {
  switch (msg) {
    case kBotTick: {
      const float delta = GetFrameDelta();
      if (delay_ > 0.0f) {
        delay_ -= delta;
        OnDelayTick(delay_ <= 0.0f);
        return kResultNone;
      }
      return OnTick(delta);
    }
    case kBotTakeCallback: completion_.Take(data); return kResultNone;
    case kBotFinishNow: OnFinishNow(); return kResultNone;
    default: return kResultNone;
  }
}

}  // namespace ORB
