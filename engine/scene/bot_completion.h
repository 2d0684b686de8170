#pragma once
// The completion notice every bot carries: a callback copied in through
// message 38 and invoked by the bot's finish step.
#include "engine/foundation/callback.h"

namespace ORB {

class BotCompletion {
 public:
  // Copies argument, name and function; null is ignored.
  void Take(const void* data) {
    if (data != nullptr) callback_ = *static_cast<const Callback*>(data);
  }
  void Take(const Callback* callback) { Take(static_cast<const void*>(callback)); }
  // Invokes with the stored argument; an empty callback does nothing. The
  // callback is copied first, so it may safely end the bot that holds it.
  void Fire() const {
    if (!callback_.function) return;
    const Callback copy = callback_;
    InvokeCallback(&copy);
  }
  const Callback& Get() const { return callback_; }

 private:
  Callback callback_;
};

}  // namespace ORB
