#include <gtest/gtest.h>

#include <climits>

#include "engine/foundation/random.h"
#include "engine/foundation/timer.h"
#include "engine/platform/clock.h"

namespace ORB {
namespace {

TEST(RandomTest, SequenceFromSeedZero) {
  Random random;
  random.Seed(0);
  EXPECT_EQ(GetDefaultRandom(), &random);
  EXPECT_EQ(random.Next(), 1013904223);
  EXPECT_EQ(random.Next(), 1196435762);
  EXPECT_EQ(random.Next(), 1372387049);
  EXPECT_EQ(random.Next(), 720982836);
  SetDefaultRandom(nullptr);
}

TEST(RandomTest, RangeBounds) {
  Random random(7);
  const uint32_t before = random.State();
  EXPECT_EQ(random.Range(5, 5), 5);
  EXPECT_EQ(random.State(), before) << "an empty range does not advance the state";
  for (int i = 0; i < 1000; ++i) {
    ASSERT_EQ(random.Range(0, 1), 0);
    const int32_t forward = random.Range(-3, 4);
    ASSERT_GE(forward, -3);
    ASSERT_LT(forward, 4);
    const int32_t reversed = random.Range(10, 2);
    ASSERT_GE(reversed, 2);
    ASSERT_LT(reversed, 10);
    const int32_t wide = random.Range(INT_MIN, INT_MAX);
    ASSERT_LT(wide, INT_MAX);
    const int32_t wide_reversed = random.Range(INT_MAX, -100);
    ASSERT_GE(wide_reversed, -100);
  }
}

TEST(RandomTest, RangeFReachesBothEnds) {
  Random random;
  // Choose states whose next value has the upper 16 bits all ones or zeros:
  // next = s * 1664525 + 1013904223, solved for s by the modular inverse.
  const uint32_t inverse = 4276115653u;  // 1664525 * inverse == 1 (mod 2^32)
  random.SetSeed((0xFFFF0000u - 1013904223u) * inverse);
  EXPECT_EQ(random.RangeF(0.0f, 1.0f), 1.0f);
  random.SetSeed((0x00000000u - 1013904223u) * inverse);
  EXPECT_EQ(random.RangeF(2.0f, 5.0f), 2.0f);
}

class TimerTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetClock(&clock); }
  void TearDown() override { platform::SetClock(nullptr); }
  platform::ManualClock clock;
};

TEST_F(TimerTest, FirstTickMeasuresFromReset) {
  clock.SetNowMs(1000);
  Timer timer;
  clock.AdvanceMs(250);
  EXPECT_FLOAT_EQ(timer.Tick(), 0.25f);
  clock.AdvanceMs(10);
  EXPECT_FLOAT_EQ(timer.Tick(), 0.01f);
  EXPECT_FLOAT_EQ(timer.Total(), 0.26f);
}

TEST_F(TimerTest, ClampAndOutput) {
  std::atomic<float> output{0.0f};
  Timer timer;
  timer.SetOutput(&output);
  timer.SetMaxDelta(1.0f / 30.0f);
  clock.AdvanceMs(500);
  EXPECT_FLOAT_EQ(timer.Tick(), 1.0f / 30.0f);
  EXPECT_FLOAT_EQ(output.load(), 1.0f / 30.0f);
  timer.Reset();
  clock.AdvanceMs(500);
  EXPECT_FLOAT_EQ(timer.Tick(), 0.5f) << "reset drops the clamp";
}

TEST_F(TimerTest, ClockWrapStillGivesTheStep) {
  clock.SetNowMs(0xFFFFFFF0u);
  Timer timer;
  clock.AdvanceMs(0x20);
  EXPECT_FLOAT_EQ(timer.Tick(), 0.032f);
}

}  // namespace
}  // namespace ORB
