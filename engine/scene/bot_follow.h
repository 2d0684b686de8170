#pragma once
// OC_BOT_FOLLOW: pulls a follower transform towards a leader each frame by a
// share (speed x frame time) of the distance between them.
#include <cstdint>

#include "engine/foundation/transform.h"
#include "engine/scene/bot_base.h"
#include "engine/scene/bot_completion.h"

namespace ORB {

class OC_BOT_FOLLOW : public OC_BASE {
 public:
  // A time of 0 follows forever. With `stop_when_close`, the bot ends on the
  // tick after the follower came within 1.0 of the leader.
  OC_BOT_FOLLOW(OS_TRANSFORM3* follower, OS_TRANSFORM3* leader, float speed, float time,
                uint8_t stop_when_close, float delay);

  int32_t Handle(int32_t msg, float a, float b, float c, void* data) override;

  bool Forever() const { return forever_; }
  float TimeLeft() const { return time_; }
  BotCompletion& Completion() { return completion_; }

 private:
  OS_TRANSFORM3* follower_;
  OS_TRANSFORM3* leader_;
  float speed_;
  float time_;
  uint8_t stop_when_close_;
  float delay_;
  bool forever_;
  BotCompletion completion_;
};

}  // namespace ORB
