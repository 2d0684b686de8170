#pragma once
// OC_BOT_SWITCH: moves a transform back and forth between two stored
// transforms A and B on request. It stays in its list for good; its own
// enabled byte is its running flag, so the list's default filter only ticks
// it while a switch is under way.
#include <cstdint>

#include "engine/foundation/transform.h"
#include "engine/scene/bot_base.h"

namespace ORB {

class OC_BOT_SWITCH : public OC_BASE {
 public:
  OC_BOT_SWITCH(OS_TRANSFORM3* target, float time, const OS_TRANSFORM3& a,
                const OS_TRANSFORM3& b, float delay);

  int32_t Handle(int32_t msg, float a, float b, float c, void* data) override;

  // Starts a switch from where the target is to B (true) or A (false). A
  // switch that reverses one still running takes as long as the way already
  // made.
  void SwitchTo(bool to_b);
  // Switches to the other one than the last destination (to B first).
  void Toggle();

  bool Running() const { return enabled != 0; }
  bool TowardsB() const { return to_b_; }
  float Duration() const { return duration_; }
  float Elapsed() const { return elapsed_; }

 private:
  OS_TRANSFORM3* target_;
  float time_;
  OS_TRANSFORM3 a_;
  OS_TRANSFORM3 b_;
  float delay_setting_;
  float delay_ = 0.0f;
  OS_TRANSFORM3 start_;
  bool to_b_ = false;
  float duration_ = 0.0f;
  float elapsed_ = 0.0f;
};

}  // namespace ORB
