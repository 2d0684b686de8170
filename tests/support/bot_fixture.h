#pragma once
// A fixture for bot tests: a set frame time (binary fractions keep sums
// exact), single ticks, runs to the end and a completion callback that counts
// its calls.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "engine/foundation/callback.h"
#include "engine/foundation/timer.h"
#include "engine/scene/bot_base.h"

namespace test_support {

class BotFixture : public ::testing::Test {
 protected:
  void SetUp() override { SetDelta(0.25f); }
  void TearDown() override { ORB::FrameDelta().store(0.0f); }
  static void SetDelta(float seconds) { ORB::FrameDelta().store(seconds); }

  static int32_t Tick(ORB::OC_BASE& bot) { return bot.Handle(ORB::kBotTick, 0, 0, 0, nullptr); }
  // Hands the bot a callback that counts into calls_.
  void Watch(ORB::OC_BASE& bot) { bot.Handle(ORB::kBotTakeCallback, 0, 0, 0, Counter()); }
  // The counting callback (argument 77), made on first use.
  ORB::Callback* Counter() {
    if (!callback_) {
      callback_ = ORB::CreateCallback(
          [this](intptr_t argument) {
            ++calls_;
            last_argument_ = argument;
            return 0;
          },
          "done", 77);
    }
    return callback_.get();
  }
  // Ticks until the bot answers kResultFinished (at most `limit` ticks); the
  // number of ticks it took, -1 when it did not finish.
  static int RunToEnd(ORB::OC_BASE& bot, int limit = 1000) {
    for (int i = 1; i <= limit; ++i) {
      if (Tick(bot) == ORB::kResultFinished) return i;
    }
    return -1;
  }

  std::unique_ptr<ORB::Callback> callback_;
  int calls_ = 0;
  intptr_t last_argument_ = 0;
};

}  // namespace test_support
