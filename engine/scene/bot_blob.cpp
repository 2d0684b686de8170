#include "engine/scene/bot_blob.h"

#include "engine/foundation/interpolation.h"
#include "engine/foundation/timer.h"
#include "engine/scene/bot_timing.h"

namespace ORB {

OC_BOT_BLOB::OC_BOT_BLOB(OS_TRANSFORM3* target, float duration, float amplitude, float frequency,
                         float damping, float start_scale, float end_scale, float pause,
                         uint8_t loop)
    : target_(target),
      duration_(duration),
      amplitude_(amplitude),
      frequency_(frequency),
      damping_(damping),
      start_(start_scale),
      end_(end_scale),
      pause_(pause),
      loop_(loop),
      pause_left_(pause) {
  name = "bot_blob";
  order = kBotOrder;
  flag = 0;
  SetScale(start_);
}

void OC_BOT_BLOB::SetScale(float scale) {
  if (target_ != nullptr) target_->SetScale(scale, scale, 0.0f);
}

void OC_BOT_BLOB::Finish() {
  elapsed_ = duration_;
  SetScale(end_);
  completion_.Fire();
}

int32_t OC_BOT_BLOB::Handle(int32_t msg, float, float, float, void* data) {
  switch (msg) {
    case kBotTick: return Tick(GetFrameDelta());
    case kBotTakeCallback: completion_.Take(data); return kResultNone;
    case kBotFinishNow:
      if (loop_ == 0) Finish();
      return kResultNone;
    default: return kResultNone;
  }
}

int32_t OC_BOT_BLOB::Tick(float delta) {
  if (pause_left_ > 0.0f) {
    pause_left_ -= delta;
    return kResultNone;
  }
  // A duration of 0, below or not a number has no share to work out: the
  // end scale at once, looping or not.
  if (NoTimeToRun(duration_)) {
    Finish();
    return kResultFinished;
  }
  if (elapsed_ <= duration_) {
    const float t = elapsed_ / duration_;
    if (!reached_) {
      const float scale = start_ + (end_ - start_) * t * frequency_;
      // Reached once the growth gets to the end, or past it: upwards for
      // a growing blob, downwards for a shrinking one.
      reached_ = end_ >= start_ ? scale >= end_ : scale <= end_;
      SetScale(scale);
    } else {
      SetScale(end_ + DampedOscillation(t, frequency_, amplitude_, damping_));
    }
    elapsed_ += delta;
    return kResultNone;
  }
  if (loop_ != 0) {
    elapsed_ = 0.0f;
    reached_ = false;
    pause_left_ = pause_;
    SetScale(start_);
    return kResultNone;
  }
  Finish();
  return kResultFinished;
}

}  // namespace ORB
