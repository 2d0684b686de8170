#pragma once
// OC_BOT_TRANSFORM: takes a transform's position, rotation and scale in a
// straight line from their values when the bot starts to those of an end
// transform over a duration.
#include <cstdint>

#include "engine/foundation/transform.h"
#include "engine/scene/delayed_bot.h"

namespace ORB {

class OC_BOT_TRANSFORM : public OC_DELAYED_BOT {
 public:
  // The end's position, rotation and scale are copied. The start is taken at
  // once for a delay of 0 or less, else when the delay has run out. A
  // duration of 0 or less ends at once on the end values.
  OC_BOT_TRANSFORM(OS_TRANSFORM3* target, const OS_TRANSFORM3& end, float duration, float delay);

  // Writes the end values (once), lets go of the target and invokes the
  // completion callback.
  void Finish();

  OS_TRANSFORM3* Target() const { return target_; }
  float Elapsed() const { return elapsed_; }
  float Duration() const { return duration_; }

 protected:
  void OnDelayTick(bool ran_out) override;
  int32_t OnTick(float delta) override;
  void OnFinishNow() override;

 private:
  void Capture();

  OS_TRANSFORM3* target_;
  OS_TRANSFORM3 start_;
  OS_TRANSFORM3 end_;
  float duration_;
  float elapsed_ = 0.0f;
};

}  // namespace ORB
