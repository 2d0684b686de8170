#pragma once
// OC_BOT_MOVE: moves a transform's position in a straight line from where it
// is when the bot starts to an end point over a duration.
#include <cstdint>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector3.h"
#include "engine/scene/delayed_bot.h"

namespace ORB {

class OC_BOT_MOVE : public OC_DELAYED_BOT {
 public:
  // End = (x, y, z). A duration of 0 means one second when the speed is 0
  // too, else the distance from the start to the end divided by the speed
  // (measured when the start is taken). The start is taken at once when the
  // delay is 0 or less, else when the delay has run out.
  OC_BOT_MOVE(OS_TRANSFORM3* target, float duration, float speed, float x, float y, float z,
              float delay);

  // Puts the target at the end (once), lets go of it and invokes the
  // completion callback.
  void Finish();

  OS_TRANSFORM3* Target() const { return target_; }
  const Vector3& Start() const { return start_; }
  const Vector3& End() const { return end_; }
  float Elapsed() const { return elapsed_; }
  float Duration() const { return duration_; }

 protected:
  void OnDelayTick(bool ran_out) override;
  int32_t OnTick(float delta) override;
  void OnFinishNow() override;

 private:
  void Capture();

  OS_TRANSFORM3* target_;
  Vector3 start_;
  Vector3 end_;
  float elapsed_ = 0.0f;
  float duration_;
  float inverse_duration_ = 0.0f;
  float speed_;
};

}  // namespace ORB
