#include "engine/scene/bot_switch.h"

#include "engine/foundation/timer.h"

namespace ORB {

OC_BOT_SWITCH::OC_BOT_SWITCH(OS_TRANSFORM3* target, float time, const OS_TRANSFORM3& a,
                             const OS_TRANSFORM3& b, float delay)
    : target_(target), time_(time), a_(a), b_(b), delay_setting_(delay), delay_(delay) {
  name = "bot_switch";
  order = kBotOrder;
  flag = 0;
  enabled = 0;
}

void OC_BOT_SWITCH::SwitchTo(bool to_b) {
  if (target_ != nullptr) start_ = *target_;
  duration_ = Running() ? elapsed_ : time_;
  to_b_ = to_b;
  elapsed_ = 0.0f;
  delay_ = delay_setting_;
  enabled = 1;
}

void OC_BOT_SWITCH::Toggle() { SwitchTo(!to_b_); }

int32_t OC_BOT_SWITCH::Handle(int32_t msg, float, float, float, void*) {
  if (msg != kBotTick || !Running()) return kResultNone;
  const float delta = GetFrameDelta();
  if (delay_ > 0.0f) {
    delay_ -= delta;
    return kResultNone;
  }
  elapsed_ += delta;
  // A switch without time (a reversal at its very start) lands at once.
  const float f = duration_ > 0.0f ? elapsed_ / duration_ : 1.0f;
  if (target_ != nullptr) OS_TRANSFORM3::Lerp(*target_, start_, to_b_ ? b_ : a_, f);
  if (f >= 1.0f) enabled = 0;
  return kResultNone;
}

}  // namespace ORB
