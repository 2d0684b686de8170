#pragma once
// Rotation bots: OC_BOT_ROTATE_ON turns a transform by a rotation amount,
// OC_BOT_ROTATE_TO turns it to an end rotation. Both turn at a constant rate
// over a time; the time and speed follow the time and speed rule over the
// length of the amount.
//
// The last frame turns only by what the remaining time allows, so the
// rotation ends on the amount instead of overshooting by part of a frame.
// When the rule leaves no time to run (nothing to turn timed by speed, a
// negative time or speed), the bot turns by the whole amount at once and
// ends.
#include <cstdint>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector3.h"
#include "engine/scene/delayed_bot.h"

namespace ORB {

class OC_BOT_ROTATE_ON : public OC_DELAYED_BOT {
 public:
  OC_BOT_ROTATE_ON(OS_TRANSFORM3* target, float time, float speed, float rx, float ry, float rz,
                   float delay);

  // Time = 0 and the completion callback (no snap).
  void Finish();

  OS_TRANSFORM3* Target() const { return target_; }
  // The direction turned along (a unit vector unless time and speed were
  // both given) and the rate.
  const Vector3& Direction() const { return direction_; }
  const Vector3& Amount() const { return amount_; }
  float TimeLeft() const { return time_; }
  float Speed() const { return speed_; }

 protected:
  // For OC_BOT_ROTATE_TO: the amount is only known from the target.
  OC_BOT_ROTATE_ON(OS_TRANSFORM3* target, float time, float speed, const Vector3& amount,
                   float delay, bool);

  int32_t OnTick(float delta) override;
  void OnFinishNow() override;

 private:
  void Setup(float time, float speed);

  OS_TRANSFORM3* target_;
  Vector3 amount_;
  Vector3 direction_;
  float time_ = 0.0f;
  float speed_ = 0.0f;
  bool instant_ = false;
};

class OC_BOT_ROTATE_TO : public OC_BOT_ROTATE_ON {
 public:
  // Amount = end rotation - the target's rotation now.
  OC_BOT_ROTATE_TO(OS_TRANSFORM3* target, float time, float speed, float ex, float ey, float ez,
                   float delay);

  const Vector3& EndRotation() const { return end_; }

 private:
  Vector3 end_;
};

}  // namespace ORB
