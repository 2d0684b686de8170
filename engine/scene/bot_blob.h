#pragma once
// OC_BOT_BLOB: a "pop": a transform's uniform scale grows from a start scale
// towards an end scale, then wobbles about the end with a damped oscillation
// until the duration is over and settles on the end scale. With the loop
// flag it starts again after its pause for as long as it lives.
#include <cstdint>

#include "engine/foundation/transform.h"
#include "engine/scene/bot_base.h"
#include "engine/scene/bot_completion.h"

namespace ORB {

class OC_BOT_BLOB : public OC_BASE {
 public:
  // The scale is set to the start scale at once (x = y, z = 0). The pause
  // passes before each round. The growth covers frequency x the way per
  // duration, so the end is reached after 1 / frequency of the duration;
  // from then on the scale is end + DampedOscillation(t, frequency,
  // amplitude, damping) with t the share of the duration gone.
  OC_BOT_BLOB(OS_TRANSFORM3* target, float duration, float amplitude, float frequency,
              float damping, float start_scale, float end_scale, float pause, uint8_t loop);

  int32_t Handle(int32_t msg, float a, float b, float c, void* data) override;

  // Elapsed = duration, the end scale, the completion callback.
  void Finish();

  float Elapsed() const { return elapsed_; }
  bool Reached() const { return reached_; }
  float PauseLeft() const { return pause_left_; }

 private:
  int32_t Tick(float delta);
  void SetScale(float scale);

  OS_TRANSFORM3* target_;
  float duration_;
  float amplitude_;
  float frequency_;
  float damping_;
  float start_;
  float end_;
  float pause_;
  uint8_t loop_;
  float pause_left_;
  float elapsed_ = 0.0f;
  bool reached_ = false;
  BotCompletion completion_;
};

}  // namespace ORB
