#include "engine/scene/bot_lazy_blinker.h"

#include "engine/foundation/timer.h"
#include "engine/scene/bot_timing.h"
#include "engine/scene/mesh.h"

namespace ORB {

OC_BOT_LAZY_BLINKER::OC_BOT_LAZY_BLINKER(OC_MESH* target, int32_t direction, float fade_time,
                                         float hold_time, float reload)
    : target_(target),
      direction_(direction),
      fade_time_(fade_time),
      hold_time_(hold_time),
      reload_(reload) {
  name = "bot_lazy_blinker";
  order = kBotOrder;
  flag = 0;
}

void OC_BOT_LAZY_BLINKER::Start(int32_t switches, float delay) {
  started_ = true;
  unlimited_ = switches == 0;
  switches_left_ = switches;
  delay_ = delay;
  if (!(delay_ > 0.0f)) Capture();
}

void OC_BOT_LAZY_BLINKER::StartOnce(int32_t direction, float delay) {
  direction_ = direction;
  Start(1, delay);
}

void OC_BOT_LAZY_BLINKER::Capture() {
  from_ = ColourF(target_ != nullptr ? target_->GetVertexColor(0) : 0xFFFFFFFFu);
  to_ = from_;
  to_.a = direction_ != 0 ? 0.0f : 1.0f;
  difference_ = to_ - from_;
  fade_left_ = fade_time_;
  hold_left_ = hold_time_;
  // No time to fade in: the end colour at once.
  if (NoTimeToRun(fade_time_)) {
    fade_left_ = 0.0f;
    Write(to_);
  }
}

void OC_BOT_LAZY_BLINKER::Write(const ColourF& colour) {
  if (target_ != nullptr) target_->SetVertexColor(colour.ToColour());
}

int32_t OC_BOT_LAZY_BLINKER::Handle(int32_t msg, float, float, float, void*) {
  if (msg != kBotTick || !started_) return kResultNone;
  const float delta = GetFrameDelta();
  if (delay_ > 0.0f) {
    delay_ -= delta;
    if (!(delay_ > 0.0f)) Capture();
    return kResultNone;
  }
  if (!unlimited_ && switches_left_ <= 0) return kResultNone;
  if (fade_left_ > 0.0f) {
    Write(from_ + difference_ * ((fade_time_ - fade_left_) / fade_time_));
    fade_left_ -= delta;
    // The fade's last frame shows its end colour, not one a step short.
    if (!(fade_left_ > 0.0f)) Write(to_);
    return kResultNone;
  }
  if (hold_left_ > 0.0f) {
    hold_left_ -= delta;
    return kResultNone;
  }
  direction_ = direction_ != 0 ? 0 : 1;
  if (!unlimited_ && --switches_left_ <= 0) return kResultNone;  // done for good
  Capture();
  return kResultNone;
}

}  // namespace ORB
