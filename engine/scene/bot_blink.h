#pragma once
// Flicker: a quad's alpha wanders between random values in bursts of phases.
// OC_BOT_BLINK_ANALOG glides from one value to the next over each phase;
// OC_BOT_BLINK_PULSE jumps to each new value and holds it for the phase.
// After `phases per burst` phases the bot rests for the pause, then starts a
// new burst. It runs for its run time, or for good with the keep-running flag;
// with phases per burst 0 it never ends. Ending, it leaves the quad opaque.
// It takes a completion callback (message 38) but never invokes it.
#include <cstdint>

#include "engine/scene/delayed_bot.h"

namespace ORB {

class OC_MESH;

class OC_BLINK_BOT : public OC_DELAYED_BOT {
 public:
  float Alpha() const { return alpha_; }
  float PhaseTimeLeft() const { return phase_left_; }
  int32_t Phase() const { return counter_; }
  bool Pausing() const { return pausing_; }
  float RunTime() const { return run_time_; }

 protected:
  // The alpha starts where the quad's is when the bot starts (at once for
  // a delay of 0 or less, else when the delay runs out). New values are
  // drawn from [alpha_min, alpha_max) and phase times from
  // [phase_min, phase_max].
  OC_BLINK_BOT(OC_MESH* target, int32_t alpha_min, int32_t alpha_max, float phase_min,
               float phase_max, int32_t phases_per_burst, float pause, uint8_t keep_running,
               float run_time, float delay, bool jumps);

  void OnDelayTick(bool ran_out) override;
  int32_t OnTick(float delta) override;
  // Message 45 is not one of a blink's.
  void OnFinishNow() override {}

  // Draws the time of the phase about to run.
  void DrawPhaseTime();

 private:
  void Capture();
  void StartPhase();
  void WriteAlpha(float alpha);

  OC_MESH* target_;
  int32_t alpha_min_;
  int32_t alpha_max_;
  float phase_min_;
  float phase_max_;
  int32_t phases_per_burst_;
  float pause_;
  uint8_t keep_running_;
  float run_time_;
  bool jumps_;

  float alpha_ = 255.0f;
  float from_ = 255.0f;
  float to_ = 255.0f;
  float rate_ = 0.0f;
  float phase_left_ = 0.0f;
  int32_t counter_ = 0;
  bool pausing_ = false;
  float pause_left_ = 0.0f;
};

class OC_BOT_BLINK_ANALOG : public OC_BLINK_BOT {
 public:
  OC_BOT_BLINK_ANALOG(OC_MESH* target, int32_t alpha_min, int32_t alpha_max, float phase_min,
                      float phase_max, int32_t phases_per_burst, float pause,
                      uint8_t keep_running, float run_time, float delay);
};

class OC_BOT_BLINK_PULSE : public OC_BLINK_BOT {
 public:
  // The first phase's time is drawn here; the quad keeps its alpha for it.
  OC_BOT_BLINK_PULSE(OC_MESH* target, int32_t alpha_min, int32_t alpha_max, float phase_min,
                     float phase_max, int32_t phases_per_burst, float pause,
                     uint8_t keep_running, float run_time, float delay);
};

}  // namespace ORB
