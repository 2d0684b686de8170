#pragma once
// OC_DELAYED_BOT: the message handling the motion bots share. Each tick first
// spends the delay, one frame delta at a time; once it has run out, each tick
// steps the bot until the step reports that it has finished. Message 38 takes
// the completion callback and message 45 asks the bot to finish at once.
#include <cstdint>

#include "engine/scene/bot_base.h"
#include "engine/scene/bot_completion.h"

namespace ORB {

class OC_DELAYED_BOT : public OC_BASE {
 public:
  int32_t Handle(int32_t msg, float a, float b, float c, void* data) final;

  // The delay still to spend; 0 or less once the bot steps.
  float Delay() const { return delay_; }
  BotCompletion& Completion() { return completion_; }

 protected:
  explicit OC_DELAYED_BOT(float delay) : delay_(delay) {}

  // Each tick spent in the delay, after the frame delta has been taken off
  // it; `ran_out` is true on the tick that ends the delay.
  virtual void OnDelayTick(bool /*ran_out*/) {}
  // Each tick after the delay: one step by the frame delta. Answers
  // kResultFinished when the bot is done, else kResultNone.
  virtual int32_t OnTick(float delta) = 0;
  // Message 45.
  virtual void OnFinishNow() = 0;

 private:
  float delay_;
  BotCompletion completion_;
};

}  // namespace ORB
