#pragma once
// OC_BOT_SCALE: scales a transform from its scale when the bot starts to an
// end scale at a constant rate, and sets the end scale exactly at the end.
#include <cstdint>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector3.h"
#include "engine/scene/delayed_bot.h"

namespace ORB {

class OC_BOT_SCALE : public OC_DELAYED_BOT {
 public:
  // The change D = end - the scale when the bot starts (at once for a delay
  // of 0 or less, else when the delay has run out). Neither time nor speed:
  // one second at speed 1 along D as it is; only a speed: time = |D| / speed;
  // only a time: speed = |D| / time; in both cases D becomes a unit vector.
  OC_BOT_SCALE(OS_TRANSFORM3* target, float time, float speed, float ex, float ey, float ez,
               float delay);

  // Time = 0, the end scale, the completion callback.
  void Finish();

  const Vector3& Change() const { return change_; }
  float TimeLeft() const { return time_; }
  float Speed() const { return speed_; }

 protected:
  void OnDelayTick(bool ran_out) override;
  int32_t OnTick(float delta) override;
  void OnFinishNow() override;

 private:
  void Capture();

  OS_TRANSFORM3* target_;
  Vector3 end_;
  Vector3 change_;
  float time_;
  float speed_;
};

}  // namespace ORB
