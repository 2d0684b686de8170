#pragma once
// Sleep bots wait, then set a value once and invoke their completion callback:
// windows fire their opened and closed notices with them, page turns set the
// page and put the grid's transform back, gameplay holds input for a moment.
//
// OC_BOT_SLEEP stores the 32 bits of a float into a 32-bit variable;
// OT_BOT_SLEEP<T> copies a whole value of any type (a flag, a number, a
// transform) into a variable of that type.
#include <cstdint>
#include <cstring>

#include "engine/foundation/callback.h"
#include "engine/foundation/timer.h"
#include "engine/scene/bot_base.h"
#include "engine/scene/bot_completion.h"

namespace ORB {

class OC_BOT_SLEEP : public OC_BASE {
 public:
  // target: null, or four bytes to receive the value's bits. callback: null,
  // or one to copy. Each tick takes the frame time off `time`; at 0 or
  // below (or when it is not a number) the bot finishes.
  OC_BOT_SLEEP(void* target, const Callback* callback, float time, float value);

  int32_t Handle(int32_t msg, float a, float b, float c, void* data) override;

  // Time = 0, the value stored, the completion callback.
  void Finish();

  float TimeLeft() const { return time_; }

 private:
  void* target_;
  float time_;
  float value_;
  BotCompletion completion_;
};

template <typename T>
class OT_BOT_SLEEP : public OC_BASE {
 public:
  // After the delay (spent one frame time per tick; one of 0 or less, or not
  // a number, ends at the first tick) *target = value, then the callback.
  OT_BOT_SLEEP(T* target, const T& value, float delay, const Callback* callback = nullptr)
      : target_(target), value_(value), delay_(delay) {
    name = "bot_sleep_template";
    order = kBotOrder;
    flag = 0;
    completion_.Take(callback);
  }

  int32_t Handle(int32_t msg, float, float, float, void* data) override {
    if (msg == kBotTakeCallback) {
      completion_.Take(data);
      return kResultNone;
    }
    if (msg != kBotTick) return kResultNone;
    delay_ -= GetFrameDelta();
    if (delay_ > 0.0f) return kResultNone;
    if (target_ != nullptr) *target_ = value_;
    completion_.Fire();
    return kResultFinished;
  }

  float DelayLeft() const { return delay_; }
  const T& Value() const { return value_; }

 private:
  T* target_;
  T value_;
  float delay_;
  BotCompletion completion_;
};

}  // namespace ORB
