#pragma once
// OC_BOT_FOLLOW: pulls a follower transform towards a leader each frame by a
// share (speed x frame time) of the distance between them.
#include <cstdint>

#include "engine/foundation/transform.h"
#include "engine/scene/delayed_bot.h"

namespace ORB {

class OC_BOT_FOLLOW : public OC_DELAYED_BOT {
 public:
  // A time of 0 follows forever. With `stop_when_close`, the bot ends on the
  // tick after the follower came within 1.0 of the leader.
  OC_BOT_FOLLOW(OS_TRANSFORM3* follower, OS_TRANSFORM3* leader, float speed, float time,
                uint8_t stop_when_close, float delay);

  bool Forever() const { return forever_; }
  float TimeLeft() const { return time_; }

 protected:
  int32_t OnTick(float delta) override;
  void OnFinishNow() override;

 private:
  OS_TRANSFORM3* follower_;
  OS_TRANSFORM3* leader_;
  float speed_;
  float time_;
  uint8_t stop_when_close_;
  bool forever_;
};

}  // namespace ORB
