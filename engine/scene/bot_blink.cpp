#include "engine/scene/bot_blink.h"

#include <algorithm>

#include "engine/scene/bot_timing.h"
#include "engine/scene/byte_channel.h"
#include "engine/scene/mesh.h"
#include "engine/scene/random_source.h"

namespace ORB {

OC_BLINK_BOT::OC_BLINK_BOT(OC_MESH* target, int32_t alpha_min, int32_t alpha_max, float phase_min,
                           float phase_max, int32_t phases_per_burst, float pause,
                           uint8_t keep_running, float run_time, float delay, bool jumps)
    : OC_DELAYED_BOT(delay),
      target_(target),
      alpha_min_(alpha_min),
      alpha_max_(alpha_max),
      phase_min_(phase_min),
      phase_max_(phase_max),
      phases_per_burst_(phases_per_burst),
      pause_(pause),
      keep_running_(keep_running),
      run_time_(run_time),
      jumps_(jumps) {
  order = kBotOrder;
  flag = 0;
  if (Delay() <= 0.0f) Capture();
}

void OC_BLINK_BOT::Capture() {
  if (target_ == nullptr) return;
  alpha_ = static_cast<float>(target_->GetVertexColor(0) >> 24);
  from_ = alpha_;
  to_ = alpha_;
}

void OC_BLINK_BOT::DrawPhaseTime() { phase_left_ = RandomSource().RangeF(phase_min_, phase_max_); }

void OC_BLINK_BOT::StartPhase() {
  DrawPhaseTime();
  from_ = to_;
  to_ = static_cast<float>(RandomSource().Range(alpha_min_, alpha_max_));
  ++counter_;
  if (jumps_ || NoTimeToRun(phase_left_)) {
    // A pulse, or a glide with no time to glide in: straight to the value.
    alpha_ = to_;
    rate_ = 0.0f;
  } else {
    rate_ = (to_ - from_) / phase_left_;
  }
}

void OC_BLINK_BOT::WriteAlpha(float alpha) {
  if (target_ != nullptr) {
    target_->SetVertexColor(WithAlpha(target_->GetVertexColor(0), ChannelByte(alpha)));
  }
}

void OC_BLINK_BOT::OnDelayTick(bool ran_out) {
  if (ran_out) Capture();
}

int32_t OC_BLINK_BOT::OnTick(float delta) {
  if (!(run_time_ > 0.0f) && keep_running_ == 0) {
    if (phases_per_burst_ == 0) return kResultNone;  // rests for good
    WriteAlpha(255.0f);
    return kResultFinished;
  }
  if (!pausing_ && !(phase_left_ > 0.0f) && phases_per_burst_ != 0 &&
      counter_ == phases_per_burst_) {
    // The burst is over: rest, then begin the next.
    counter_ = 0;
    pausing_ = pause_ > 0.0f;
    pause_left_ = pause_;
  }
  if (pausing_) {
    pause_left_ -= delta;
    run_time_ -= delta;
    if (!(pause_left_ > 0.0f)) pausing_ = false;
    return kResultNone;
  }
  if (!(phase_left_ > 0.0f)) StartPhase();
  // A glide never passes the value it glides to, so a phase cut short by
  // the frame step leaves no drift for the next.
  alpha_ =
      to_ >= from_ ? std::min(alpha_ + rate_ * delta, to_) : std::max(alpha_ + rate_ * delta, to_);
  WriteAlpha(alpha_);
  run_time_ -= delta;
  phase_left_ -= delta;
  return kResultNone;
}

OC_BOT_BLINK_ANALOG::OC_BOT_BLINK_ANALOG(OC_MESH* target, int32_t alpha_min, int32_t alpha_max,
                                         float phase_min, float phase_max, int32_t phases_per_burst,
                                         float pause, uint8_t keep_running, float run_time,
                                         float delay)
    : OC_BLINK_BOT(target, alpha_min, alpha_max, phase_min, phase_max, phases_per_burst, pause,
                   keep_running, run_time, delay, false) {
  name = "bot_blink_analog";
}

OC_BOT_BLINK_PULSE::OC_BOT_BLINK_PULSE(OC_MESH* target, int32_t alpha_min, int32_t alpha_max,
                                       float phase_min, float phase_max, int32_t phases_per_burst,
                                       float pause, uint8_t keep_running, float run_time,
                                       float delay)
    : OC_BLINK_BOT(target, alpha_min, alpha_max, phase_min, phase_max, phases_per_burst, pause,
                   keep_running, run_time, delay, true) {
  name = "bot_blink_pulse";
  DrawPhaseTime();
}

}  // namespace ORB
