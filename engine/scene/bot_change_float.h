#pragma once
// OC_BOT_CHANGE_FLOAT: changes a float variable by an amount at a steady
// speed over a time (both worked out from the change when one is missing).
#include <cstdint>

#include "engine/scene/delayed_bot.h"

namespace ORB {

class OC_BOT_CHANGE_FLOAT : public OC_DELAYED_BOT {
 public:
  // Only a time: speed = change / time; neither: one second at speed =
  // change; only a speed: time = change / speed; both: kept. A time that
  // works out as 0, below 0 or not a number (a change of 0, a speed against
  // the change) adds the whole change at the first step and ends.
  OC_BOT_CHANGE_FLOAT(float* target, float change, float time, float speed, float delay);

  // Time = 0 and the completion callback; the variable stays as it is.
  void Finish();

  float TimeLeft() const { return time_; }
  float Speed() const { return speed_; }

 protected:
  int32_t OnTick(float delta) override;
  void OnFinishNow() override { Finish(); }

 private:
  float* target_;
  float change_;
  float time_;
  float speed_;
  bool whole_at_once_ = false;
};

}  // namespace ORB
