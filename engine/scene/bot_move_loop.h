#pragma once
// OC_BOT_MOVE_LOOP: moves a transform back and forth between two points for
// as long as it lives, one OC_BOT_MOVE leg after another.
#include <cstdint>
#include <memory>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector3.h"
#include "engine/scene/bot_base.h"
#include "engine/scene/bot_completion.h"
#include "engine/scene/bot_move.h"

namespace ORB {

class OC_BOT_MOVE_LOOP : public OC_BASE {
 public:
  // The first leg runs to the end point; each following leg runs to the end
  // when the target stands exactly on the start, else back to the start. Each
  // leg has the given duration, speed and delay.
  OC_BOT_MOVE_LOOP(OS_TRANSFORM3* target, float duration, float speed, float start_x, float start_y,
                   float start_z, float end_x, float end_y, float end_z, float delay);

  // Ticks the current leg; message 45 ends the loop (the callback is invoked
  // then, once), after which the next tick answers kResultFinished.
  int32_t Handle(int32_t msg, float a, float b, float c, void* data) override;

  const OC_BOT_MOVE* Leg() const { return leg_.get(); }
  const Vector3& StartPoint() const { return start_; }
  const Vector3& EndPoint() const { return end_; }
  BotCompletion& Completion() { return completion_; }

 private:
  OS_TRANSFORM3* target_;
  float duration_;
  float speed_;
  Vector3 start_;
  Vector3 end_;
  float delay_;
  std::unique_ptr<OC_BOT_MOVE> leg_;
  BotCompletion completion_;
};

}  // namespace ORB
