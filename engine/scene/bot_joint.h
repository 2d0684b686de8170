#pragma once
// Joints that keep a follower transform tied to an anchor transform:
// OC_BOT_RIGID_JOINT keeps it at a fixed offset, OC_BOT_DISTANCE_JOINT at a
// fixed distance in x and y, free to turn about the anchor. While the delay
// runs, the offset or distance is re-read every frame, so the tie holds what
// lies between them when it takes hold. A time of 0 ties them forever.
#include <cstdint>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector2.h"
#include "engine/foundation/vector3.h"
#include "engine/scene/delayed_bot.h"

namespace ORB {

class OC_BOT_RIGID_JOINT : public OC_DELAYED_BOT {
 public:
  OC_BOT_RIGID_JOINT(OS_TRANSFORM3* follower, OS_TRANSFORM3* anchor, float time, float delay);

  const Vector3& Offset() const { return offset_; }
  bool Forever() const { return forever_; }

 protected:
  void OnDelayTick(bool ran_out) override;
  int32_t OnTick(float delta) override;
  void OnFinishNow() override;

 private:
  void ReadOffset();

  OS_TRANSFORM3* follower_;
  OS_TRANSFORM3* anchor_;
  float time_;
  bool forever_;
  Vector3 offset_;
};

class OC_BOT_DISTANCE_JOINT : public OC_DELAYED_BOT {
 public:
  OC_BOT_DISTANCE_JOINT(OS_TRANSFORM3* follower, OS_TRANSFORM3* anchor, float time, float delay);

  float Distance() const { return distance_; }
  bool Forever() const { return forever_; }

 protected:
  void OnDelayTick(bool ran_out) override;
  int32_t OnTick(float delta) override;
  void OnFinishNow() override;

 private:
  void ReadDistance();

  OS_TRANSFORM3* follower_;
  OS_TRANSFORM3* anchor_;
  float time_;
  bool forever_;
  Vector2 offset_;
  float distance_ = 0.0f;
};

// The direction of (x, y) in [0, 2 pi): atan(y / x) moved into the right
// quadrant; straight up or down for x = 0, and 0 for the zero vector.
float DirectionAngle(float x, float y);

}  // namespace ORB
