#pragma once
// OC_BOT_MOVE_ON: moves a transform's position by a displacement at a
// constant velocity (x and y only; z is never moved).
#include <cstdint>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector3.h"
#include "engine/scene/bot_base.h"
#include "engine/scene/bot_completion.h"

namespace ORB {

class OC_BOT_MOVE_ON : public OC_BASE {
 public:
  // Time and speed follow the time and speed rule over the length of
  // (dx, dy, dz); the move spreads (dx, dy) evenly over the resulting time.
  // `unused` is kept but has no effect.
  OC_BOT_MOVE_ON(OS_TRANSFORM3* target, float time, float speed, float dx, float dy, float dz,
                 float unused);

  int32_t Handle(int32_t msg, float a, float b, float c, void* data) override;

  float TimeLeft() const { return time_; }
  float TotalTime() const { return total_; }
  float Speed() const { return speed_; }
  const Vector3& Displacement() const { return displacement_; }
  BotCompletion& Completion() { return completion_; }
  // The further value given at construction, kept as it came; the bot never reads it.
  float Unused() const { return unused_; }

 private:
  OS_TRANSFORM3* target_;
  Vector3 displacement_;
  float time_;
  float total_;
  float speed_;
  float unused_;
  BotCompletion completion_;
};

}  // namespace ORB
