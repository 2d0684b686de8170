// The appearance and timing bots: colour fades, blinks, the lazy blinker, the
// blob, change-float and the sleep bots, ticked under a set frame time, and
// the factories of every bot.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "engine/foundation/interpolation.h"
#include "engine/foundation/random.h"
#include "engine/scene/bot_change_float.h"
#include "engine/scene/bot_factories.h"
#include "engine/scene/bot_list.h"
#include "engine/scene/mesh.h"
#include "support/bot_fixture.h"

namespace ORB {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

class AppearanceBots : public test_support::BotFixture {
 protected:
  void SetUp() override {
    BotFixture::SetUp();
    random_.Seed(20240611u);
  }
  void TearDown() override {
    SetDefaultRandom(nullptr);
    BotFixture::TearDown();
  }

  // Every vertex of the quad holds the colour.
  static ::testing::AssertionResult AllVertices(const OC_MESH& mesh, uint32_t argb) {
    for (int32_t i = 0; i < mesh.VertexCount(); ++i) {
      if (mesh.GetVertexColor(i) != argb) {
        return ::testing::AssertionFailure() << "vertex " << i << " holds " << std::hex
                                             << mesh.GetVertexColor(i) << " instead of " << argb;
      }
    }
    return ::testing::AssertionSuccess();
  }
  static uint32_t Alpha(const OC_MESH& mesh) { return mesh.GetVertexColor(0) >> 24; }

  Random random_;
  OC_MESH mesh_;
};

// --- Colour fades.

TEST_F(AppearanceBots, ColourRunsChannelByChannelFromStartToEnd) {
  mesh_.SetVertexColor(0x80402010u);
  OC_BOT_COLOR bot(&mesh_, 1.0f, 0xFF806030u, 0.0f);
  EXPECT_EQ(bot.name, "bot_color");
  EXPECT_EQ(bot.order, kBotOrder);
  Watch(bot);
  mesh_.SetVertexColor(0x00000000u);  // the start was taken at construction
  // a: 128 -> 255, r: 64 -> 128, g: 32 -> 96, b: 16 -> 48; truncated.
  const struct {
    int tick;
    uint32_t argb;
  } rows[] = {
      {1, 0x80402010u},  // the first tick writes the start exactly
      {2, 0x9F503018u},  // 159.75, 80, 48, 24
      {3, 0xBF604020u},  // the middle: 191.5, 96, 64, 32
      {4, 0xDF705028u},  // 223.25, 112, 80, 40
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Tick(bot), kResultNone) << "tick " << row.tick;
    EXPECT_TRUE(AllVertices(mesh_, row.argb)) << "tick " << row.tick;
  }
  EXPECT_EQ(calls_, 0);
  EXPECT_EQ(Tick(bot), kResultFinished);
  EXPECT_TRUE(AllVertices(mesh_, 0xFF806030u));
  EXPECT_EQ(calls_, 1);
  EXPECT_EQ(last_argument_, 77);
}

TEST_F(AppearanceBots, ColourWithDelayTakesTheColourOfTheMomentItStarts) {
  mesh_.SetVertexColor(0xFF000000u);
  OC_BOT_COLOR bot(&mesh_, 0.5f, 0xFFC8C8C8u, 0.5f);
  Tick(bot);
  mesh_.SetVertexColor(0xFF646464u);  // changed by someone else meanwhile
  EXPECT_EQ(Tick(bot), kResultNone);  // the delay runs out: start taken, nothing written
  EXPECT_EQ(bot.StartColour().ToUInt(), 0xFF646464u);
  mesh_.SetVertexColor(0xFF010101u);
  Tick(bot);
  EXPECT_TRUE(AllVertices(mesh_, 0xFF646464u));
  Tick(bot);
  EXPECT_TRUE(AllVertices(mesh_, 0xFF969696u));  // 100 + 0.25 x 100 / 0.5
  EXPECT_EQ(RunToEnd(bot), 1);
  EXPECT_TRUE(AllVertices(mesh_, 0xFFC8C8C8u));
}

TEST_F(AppearanceBots, ColourWordFadesTheWordAndFinishNowCallsBackTwice) {
  uint32_t word = 0x00FF0000u;
  OC_BOT_COLOR_JS bot(&word, 0.5f, 0xFF0000FFu, 0.0f);
  EXPECT_EQ(bot.name, "bot_color");
  Watch(bot);
  Tick(bot);
  EXPECT_EQ(word, 0x00FF0000u);
  Tick(bot);
  EXPECT_EQ(word, 0x7F7F007Fu);  // halfway: 127.5 and 127.5 truncated
  EXPECT_EQ(bot.Handle(kBotFinishNow, 0, 0, 0, nullptr), kResultNone);
  EXPECT_EQ(word, 0xFF0000FFu);
  EXPECT_EQ(calls_, 1);
  EXPECT_EQ(Tick(bot), kResultFinished);
  EXPECT_EQ(calls_, 2);
}

TEST_F(AppearanceBots, ColourWithoutTimeEndsAtOnceOnTheEndColour) {
  for (const float duration : {0.0f, -1.0f, kNaN}) {
    mesh_.SetVertexColor(0x11223344u);
    OC_BOT_COLOR bot(&mesh_, duration, 0xFFEEDDCCu, 0.0f);
    calls_ = 0;
    Watch(bot);
    EXPECT_EQ(Tick(bot), kResultFinished) << duration;
    EXPECT_TRUE(AllVertices(mesh_, 0xFFEEDDCCu)) << duration;
    EXPECT_EQ(calls_, 1);
  }
}

TEST_F(AppearanceBots, FadesWithoutTargetOnlyCallBack) {
  OC_BOT_COLOR on_nothing(nullptr, 0.5f, 0xFF000000u, 0.25f);
  Watch(on_nothing);
  EXPECT_EQ(RunToEnd(on_nothing), 4);
  OC_BOT_COLOR_JS on_no_word(nullptr, 0.5f, 0xFF000000u, 0.0f);
  Watch(on_no_word);
  EXPECT_EQ(RunToEnd(on_no_word), 3);
  EXPECT_EQ(calls_, 2);
}

// --- Blinks.

TEST_F(AppearanceBots, PulseJumpsBetweenSeededValuesInBurstsThenEndsOpaque) {
  mesh_.SetVertexColor(0xFF102030u);
  // The same draws as the bot, in the same order, from a twin generator.
  Random twin(random_.State());
  OC_BOT_BLINK_PULSE bot(&mesh_, 50, 200, 0.5f, 0.5f, 2, 0.5f, 0, 3.0f, 0.0f);
  EXPECT_EQ(bot.name, "bot_blink_pulse");
  twin.RangeF(0.5f, 0.5f);  // the first phase's time, drawn at construction
  std::vector<uint32_t> values;
  auto next_value = [&] {
    twin.RangeF(0.5f, 0.5f);
    values.push_back(static_cast<uint32_t>(twin.Range(50, 200)));
    return values.back();
  };
  const uint32_t v1 = next_value();
  const uint32_t v2 = next_value();
  const uint32_t v3 = next_value();
  const uint32_t v4 = next_value();
  ASSERT_FALSE(v1 == v2 && v2 == v3 && v3 == v4);
  // Phases of two ticks; a burst of two phases, then a pause of two ticks.
  const struct {
    int tick;
    uint32_t alpha;
    bool pausing;
  } rows[] = {
      {1, 255, false}, {2, 255, false},  // the first phase keeps the quad's alpha
      {3, v1, false},  {4, v1, false},  {5, v2, false},  {6, v2, false},
      {7, v2, true},   {8, v2, false},  // the pause
      {9, v3, false},  {10, v3, false}, {11, v4, false}, {12, v4, false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Tick(bot), kResultNone) << "tick " << row.tick;
    EXPECT_EQ(Alpha(mesh_), row.alpha) << "tick " << row.tick;
    EXPECT_EQ(bot.Pausing(), row.pausing) << "tick " << row.tick;
    EXPECT_EQ(mesh_.GetVertexColor(0) & 0xFFFFFFu, 0x102030u);
  }
  EXPECT_EQ(Tick(bot), kResultFinished);  // the run time is used up
  EXPECT_TRUE(AllVertices(mesh_, 0xFF102030u));
  EXPECT_EQ(random_.State(), twin.State());
}

TEST_F(AppearanceBots, AnalogGlidesToEachValueWithoutPassingIt) {
  mesh_.SetVertexColor(0x00FFFFFFu);
  // Values from [100, 101): always 100; phases of 0.5 s.
  OC_BOT_BLINK_ANALOG bot(&mesh_, 100, 101, 0.5f, 0.5f, 0, 0.0f, 0, 1.0f, 0.0f);
  EXPECT_EQ(bot.name, "bot_blink_analog");
  Tick(bot);
  EXPECT_EQ(Alpha(mesh_), 50u);  // halfway from 0
  Tick(bot);
  EXPECT_EQ(Alpha(mesh_), 100u);
  Tick(bot);
  Tick(bot);
  EXPECT_EQ(Alpha(mesh_), 100u);
  // Run time used up, but with phases per burst 0 it never ends.
  for (int i = 0; i < 20; ++i) EXPECT_EQ(Tick(bot), kResultNone);
  EXPECT_EQ(Alpha(mesh_), 100u);
}

TEST_F(AppearanceBots, AnalogWithKeepRunningNeverEndsAndIgnoresFinishNow) {
  mesh_.SetVertexColor(0xFFFFFFFFu);
  OC_BOT_BLINK_ANALOG bot(&mesh_, 0, 256, 0.25f, 1.0f, 3, 0.5f, 1, 0.5f, 0.0f);
  Watch(bot);
  EXPECT_EQ(bot.Handle(kBotFinishNow, 0, 0, 0, nullptr), kResultNone);
  for (int i = 0; i < 200; ++i) ASSERT_EQ(Tick(bot), kResultNone) << i;
  EXPECT_EQ(calls_, 0);
}

TEST_F(AppearanceBots, BlinkWithoutPhaseTimeJumpsAndKeepsAlphaInRange) {
  mesh_.SetVertexColor(0xFF000000u);
  Random twin(random_.State());
  // Phase time 0: every tick is a new phase; no division by it.
  OC_BOT_BLINK_ANALOG zero(&mesh_, 10, 250, 0.0f, 0.0f, 0, 0.0f, 1, 0.0f, 0.0f);
  for (int i = 0; i < 5; ++i) {
    twin.RangeF(0.0f, 0.0f);
    const auto expected = static_cast<uint32_t>(twin.Range(10, 250));
    Tick(zero);
    EXPECT_EQ(Alpha(mesh_), expected) << i;
  }
  // Values outside a byte are held to it, never wrapped.
  OC_BOT_BLINK_PULSE low(&mesh_, -50, -10, 0.0f, 0.0f, 0, 0.0f, 1, 0.0f, 0.0f);
  Tick(low);
  EXPECT_EQ(Alpha(mesh_), 0u);
  OC_BOT_BLINK_PULSE high(&mesh_, 300, 400, 0.0f, 0.0f, 0, 0.0f, 1, 0.0f, 0.0f);
  Tick(high);
  EXPECT_EQ(Alpha(mesh_), 255u);
  OC_BOT_BLINK_ANALOG none(nullptr, 0, 255, 0.25f, 0.25f, 1, 0.0f, 0, 0.5f, 0.0f);
  EXPECT_EQ(RunToEnd(none), 3);
}

// --- Lazy blinker.

TEST_F(AppearanceBots, LazyBlinkerFadesOutHoldsFadesInAndStopsAfterItsSwitches) {
  mesh_.SetVertexColor(0xFF336699u);
  OC_BOT_LAZY_BLINKER bot(&mesh_, 1, 1.0f, 0.5f, 7.0f);
  EXPECT_EQ(bot.name, "bot_lazy_blinker");
  EXPECT_EQ(Tick(bot), kResultNone);  // not started: nothing happens
  EXPECT_EQ(Alpha(mesh_), 255u);
  bot.Start(2, 0.0f);
  const struct {
    int tick;
    uint32_t alpha;
  } rows[] = {
      {1, 255},  {2, 191},  {3, 128},  {4, 0},  // fading out; the last frame ends on 0
      {5, 0},    {6, 0},                        // holding
      {7, 0},                                   // the switch: turns to fade in
      {8, 0},    {9, 64},   {10, 128}, {11, 255},
      {12, 255}, {13, 255}, {14, 255},  // hold, then the last switch is used
      {15, 255}, {16, 255},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Tick(bot), kResultNone) << "tick " << row.tick;
    EXPECT_EQ(Alpha(mesh_), row.alpha) << "tick " << row.tick;
    EXPECT_EQ(mesh_.GetVertexColor(0) & 0xFFFFFFu, 0x336699u) << "tick " << row.tick;
  }
  EXPECT_EQ(bot.SwitchesLeft(), 0);
  mesh_.SetVertexColor(0x80336699u);
  for (int i = 0; i < 10; ++i) Tick(bot);
  EXPECT_EQ(Alpha(mesh_), 0x80u);  // done: it leaves the quad alone
}

TEST_F(AppearanceBots, LazyBlinkerOnceAfterADelayAndWithoutFadeTime) {
  mesh_.SetVertexColor(0x00FFFFFFu);
  OC_BOT_LAZY_BLINKER bot(&mesh_, 1, 0.5f, 0.0f, 0.0f);
  bot.StartOnce(0, 0.5f);  // fade in after half a second
  Tick(bot);
  Tick(bot);  // the delay runs out: the colour is taken
  EXPECT_EQ(Alpha(mesh_), 0u);
  Tick(bot);
  EXPECT_EQ(Alpha(mesh_), 0u);
  Tick(bot);
  EXPECT_EQ(Alpha(mesh_), 255u);

  mesh_.SetVertexColor(0xFFFFFFFFu);
  for (const float fade : {0.0f, -1.0f, kNaN}) {
    OC_BOT_LAZY_BLINKER sudden(&mesh_, 1, fade, 0.25f, 0.0f);
    sudden.StartOnce(1, 0.0f);  // no time to fade: out at once
    EXPECT_EQ(Alpha(mesh_), 0u) << fade;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Tick(sudden), kResultNone);
    EXPECT_EQ(mesh_.GetVertexColor(0), 0x00FFFFFFu) << fade;
    mesh_.SetVertexColor(0xFFFFFFFFu);
  }
}

// --- Blob.

TEST_F(AppearanceBots, BlobGrowsWobblesAndLoops) {
  OS_TRANSFORM3 t;
  OC_BOT_BLOB bot(&t, 1.0f, 0.5f, 2.0f, 1.0f, 0.0f, 1.0f, 0.25f, 1);
  EXPECT_EQ(bot.name, "bot_blob");
  EXPECT_EQ(t.scale, Vector3(0, 0, 0));
  auto wobble = [](float share) { return 1.0f + DampedOscillation(share, 2.0f, 0.5f, 1.0f); };
  const struct {
    int tick;
    float scale;
  } rows[] = {
      {1, 0.0f},                      // the pause
      {2, 0.0f},          {3, 0.5f},  // growing at twice the pace of the duration
      {4, 1.0f},                      // the end is reached
      {5, wobble(0.75f)}, {6, wobble(1.0f)}, {7, 0.0f},  // past the duration: the loop starts again
      {8, 0.0f},          {9, 0.0f},         {10, 0.5f},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Tick(bot), kResultNone) << "tick " << row.tick;
    EXPECT_NEAR(t.scale.x, row.scale, 1e-5f) << "tick " << row.tick;
    EXPECT_EQ(t.scale.y, t.scale.x);
    EXPECT_EQ(t.scale.z, 0.0f);
  }
  Watch(bot);
  bot.Handle(kBotFinishNow, 0, 0, 0, nullptr);  // ignored while looping
  EXPECT_EQ(calls_, 0);
  EXPECT_NEAR(t.scale.x, 0.5f, 1e-6f);
}

TEST_F(AppearanceBots, BlobWithoutLoopSettlesOnTheEnd) {
  OS_TRANSFORM3 t;
  OC_BOT_BLOB bot(&t, 1.0f, 0.5f, 2.0f, 1.0f, 0.0f, 1.0f, 0.0f, 0);
  Watch(bot);
  EXPECT_EQ(RunToEnd(bot), 6);
  EXPECT_EQ(t.scale, Vector3(1, 1, 0));
  EXPECT_EQ(calls_, 1);

  // Finish now: the end at once; one more step, then the end again.
  OC_BOT_BLOB early(&t, 1.0f, 0.5f, 2.0f, 1.0f, 0.0f, 1.0f, 0.0f, 0);
  Watch(early);
  Tick(early);
  early.Handle(kBotFinishNow, 0, 0, 0, nullptr);
  EXPECT_EQ(t.scale, Vector3(1, 1, 0));
  EXPECT_EQ(calls_, 2);
  EXPECT_EQ(Tick(early), kResultNone);
  EXPECT_EQ(Tick(early), kResultFinished);
  EXPECT_EQ(calls_, 3);
}

TEST_F(AppearanceBots, ShrinkingBlobGlidesDownAndBlobWithoutTimeEndsAtOnce) {
  OS_TRANSFORM3 t;
  OC_BOT_BLOB shrink(&t, 1.0f, 0.0f, 1.0f, 1.0f, 1.0f, 0.5f, 0.0f, 0);
  Tick(shrink);
  EXPECT_FLOAT_EQ(t.scale.x, 1.0f);
  Tick(shrink);
  EXPECT_FLOAT_EQ(t.scale.x, 0.875f);  // no jump to the end
  EXPECT_FALSE(shrink.Reached());

  for (const float duration : {0.0f, -2.0f, kNaN}) {
    for (const uint8_t loop : {uint8_t{0}, uint8_t{1}}) {
      OC_BOT_BLOB sudden(&t, duration, 1.0f, 1.0f, 1.0f, 0.0f, 2.0f, 0.0f, loop);
      EXPECT_EQ(Tick(sudden), kResultFinished) << duration;
      EXPECT_EQ(t.scale, Vector3(2, 2, 0)) << duration;
    }
  }
  OC_BOT_BLOB none(nullptr, 0.5f, 1.0f, 1.0f, 1.0f, 0.0f, 2.0f, 0.0f, 0);
  EXPECT_EQ(RunToEnd(none), 4);
}

// --- Change-float.

TEST_F(AppearanceBots, ChangeFloatWorksOutTimeAndSpeed) {
  const struct {
    const char* what;
    float change, time, speed;
    float expected_time, expected_speed;
    int ticks;  // until it answers finished
    float end;
  } rows[] = {
      {"neither: one second", 2.0f, 0.0f, 0.0f, 1.0f, 2.0f, 5, 2.0f},
      {"time only", 2.0f, 0.5f, 0.0f, 0.5f, 4.0f, 3, 2.0f},
      {"speed only", 2.0f, 0.0f, 8.0f, 0.25f, 8.0f, 2, 2.0f},
      {"both kept", 1.0f, 1.0f, 3.0f, 1.0f, 3.0f, 5, 3.0f},
      {"last step cut to the time left", 1.0f, 0.3f, 0.0f, 0.3f, 1.0f / 0.3f, 3, 1.0f},
      {"speed against the change", 2.0f, 0.0f, -4.0f, 0.0f, 0.0f, 1, 2.0f},
      {"negative time", -3.0f, -1.0f, 0.0f, 0.0f, 0.0f, 1, -3.0f},
      {"nothing to change", 0.0f, 0.0f, 5.0f, 0.0f, 0.0f, 1, 0.0f},
  };
  for (const auto& row : rows) {
    float value = 0.0f;
    OC_BOT_CHANGE_FLOAT bot(&value, row.change, row.time, row.speed, 0.0f);
    EXPECT_EQ(bot.name, "bot_blink_change_float");
    EXPECT_FLOAT_EQ(bot.TimeLeft(), row.expected_time) << row.what;
    EXPECT_FLOAT_EQ(bot.Speed(), row.expected_speed) << row.what;
    calls_ = 0;
    Watch(bot);
    EXPECT_EQ(RunToEnd(bot), row.ticks) << row.what;
    EXPECT_NEAR(value, row.end, 1e-5f) << row.what;
    EXPECT_TRUE(std::isfinite(value)) << row.what;
    EXPECT_EQ(calls_, 1) << row.what;
  }
}

TEST_F(AppearanceBots, ChangeFloatWaitsItsDelayAndFinishesNow) {
  float value = 10.0f;
  OC_BOT_CHANGE_FLOAT bot(&value, 1.0f, 1.0f, 0.0f, 0.5f);
  Watch(bot);
  Tick(bot);
  Tick(bot);
  EXPECT_EQ(value, 10.0f);
  Tick(bot);
  EXPECT_EQ(value, 10.25f);
  bot.Handle(kBotFinishNow, 0, 0, 0, nullptr);
  EXPECT_EQ(calls_, 1);
  EXPECT_EQ(Tick(bot), kResultFinished);
  EXPECT_EQ(value, 10.25f);  // finishing leaves the variable where it is
  EXPECT_EQ(calls_, 2);
  OC_BOT_CHANGE_FLOAT none(nullptr, 1.0f, 0.5f, 0.0f, 0.0f);
  EXPECT_EQ(RunToEnd(none), 3);
}

// --- Sleep bots.

TEST_F(AppearanceBots, SleepStoresTheValueBitsThenCallsBack) {
  float value = 0.0f;
  OC_BOT_SLEEP bot(&value, Counter(), 0.5f, 1.5f);
  EXPECT_EQ(bot.name, "bot_sleep");
  EXPECT_EQ(Tick(bot), kResultNone);
  EXPECT_EQ(value, 0.0f);
  EXPECT_EQ(Tick(bot), kResultFinished);
  EXPECT_EQ(value, 1.5f);
  EXPECT_EQ(calls_, 1);
  EXPECT_EQ(last_argument_, 77);

  uint32_t word = 0;
  OC_BOT_SLEEP into_word(&word, nullptr, 0.25f, 1.0f);
  EXPECT_EQ(RunToEnd(into_word), 1);
  EXPECT_EQ(word, 0x3F800000u);

  // A null target only calls back; a time that is not a number ends at once.
  OC_BOT_SLEEP callback_only(nullptr, Counter(), kNaN, 9.0f);
  EXPECT_EQ(Tick(callback_only), kResultFinished);
  EXPECT_EQ(calls_, 2);
}

TEST_F(AppearanceBots, SleepFinishNowThenTickCallsBackTwice) {
  int32_t flag = 0;
  OC_BOT_SLEEP bot(&flag, nullptr, 10.0f, 0.0f);
  Watch(bot);
  flag = 5;
  EXPECT_EQ(bot.Handle(kBotFinishNow, 0, 0, 0, nullptr), kResultNone);
  EXPECT_EQ(flag, 0);
  EXPECT_EQ(Tick(bot), kResultFinished);
  EXPECT_EQ(calls_, 2);
}

TEST_F(AppearanceBots, TemplateSleepCopiesWholeValues) {
  bool shown = false;
  int32_t page = 1;
  OS_TRANSFORM3 live;
  OS_TRANSFORM3 parent;
  OS_TRANSFORM3 saved;
  saved.position.Set(1, 2, 3);
  saved.scale.Set(2, 2, 1);
  saved.rotation.z = 0.5f;
  saved.parent = &parent;
  OT_BOT_SLEEP<bool> flag(&shown, true, 0.5f, Counter());
  OT_BOT_SLEEP<int32_t> number(&page, 4, 0.25f);
  OT_BOT_SLEEP<OS_TRANSFORM3> transform(&live, saved, 0.75f);
  EXPECT_EQ(flag.name, "bot_sleep_template");
  Watch(number);
  EXPECT_EQ(RunToEnd(number), 1);
  EXPECT_EQ(page, 4);
  EXPECT_EQ(calls_, 1);
  EXPECT_EQ(Tick(flag), kResultNone);
  EXPECT_FALSE(shown);
  EXPECT_EQ(Tick(flag), kResultFinished);
  EXPECT_TRUE(shown);
  EXPECT_EQ(calls_, 2);
  EXPECT_EQ(RunToEnd(transform), 3);
  EXPECT_EQ(live.position, saved.position);
  EXPECT_EQ(live.scale, saved.scale);
  EXPECT_EQ(live.rotation, saved.rotation);
  EXPECT_EQ(live.parent, &parent);

  OT_BOT_SLEEP<int32_t> nowhere(nullptr, 4, kNaN);
  EXPECT_EQ(Tick(nowhere), kResultFinished);
  // Finish now is not one of its messages.
  OT_BOT_SLEEP<int32_t> waiting(&page, 9, 1.0f);
  EXPECT_EQ(waiting.Handle(kBotFinishNow, 0, 0, 0, nullptr), kResultNone);
  EXPECT_EQ(page, 4);
}

TEST_F(AppearanceBots, ChartBoostIsDeletedAtItsFirstTick) {
  OC_BOT_CHART_BOOST bot;
  EXPECT_EQ(bot.name, "nonamed");
  EXPECT_EQ(bot.Handle(kBotTakeCallback, 0, 0, 0, Counter()), kResultNone);
  EXPECT_EQ(Tick(bot), kResultFinished);
  EXPECT_EQ(calls_, 0);
}

// --- Factories and the list.

TEST_F(AppearanceBots, EveryFactoryMakesItsBot) {
  OS_TRANSFORM3 a;
  OS_TRANSFORM3 b;
  Vector3 point(1, 2, 0);
  uint32_t word = 0;
  float value = 0.0f;
  const struct {
    OC_BASE* bot;
    const std::type_info& type;
    const char* name;
  } rows[] = {
      {BotMove(&a, 1, 0, 1, 1, 0, 0), typeid(OC_BOT_MOVE), "bot_move"},
      {BotMoveOn(&a, 1, 0, 1, 1, 0, 0), typeid(OC_BOT_MOVE_ON), "nonamed"},
      {BotMoveQuadBezier(&a, &point, &point, 1, 0, 0), typeid(OC_BOT_MOVE_QUADBEZIER),
       "bot_move_quadbezier"},
      {BotMoveCubeBezier(&a, &point, &point, &point, 1, 0, 0), typeid(OC_BOT_MOVE_CUBEBEZIER),
       "bot_move_cubebezier"},
      {BotMoveBezier(&a, {point}, point, 1, 0, 0), typeid(OC_BOT_MOVE_BEZIER), "bot_move_bezier"},
      {BotMoveLoop(&a, 1, 0, 0, 0, 0, 1, 1, 0, 0), typeid(OC_BOT_MOVE_LOOP), "bot_move_loop"},
      {BotRotateOn(&a, 1, 0, 0, 0, 1, 0), typeid(OC_BOT_ROTATE_ON), "bot_rotate"},
      {BotRotateTo(&a, 1, 0, 0, 0, 1, 0), typeid(OC_BOT_ROTATE_TO), "bot_rotate"},
      {BotScale(&a, 1, 0, 2, 2, 1, 0), typeid(OC_BOT_SCALE), "bot_scale"},
      {BotTransform(&a, b, 1, 0), typeid(OC_BOT_TRANSFORM), "bot_transform"},
      {BotSwitch(&a, 1, a, b, 0), typeid(OC_BOT_SWITCH), "bot_switch"},
      {BotZoomInto(&a, &b, point, 1, 0, 1024, 768), typeid(OC_BOT_ZOOM_INTO), "nonamed"},
      {BotFollow(&a, &b, 1, 1, 0, 0), typeid(OC_BOT_FOLLOW), "bot_follow"},
      {BotRigidJoint(&a, &b, 1, 0), typeid(OC_BOT_RIGID_JOINT), "bot_rigid_joint"},
      {BotDistanceJoint(&a, &b, 1, 0), typeid(OC_BOT_DISTANCE_JOINT), "bot_distance_joint"},
      {BotColor(&mesh_, 1, 0xFF000000u, 0), typeid(OC_BOT_COLOR), "bot_color"},
      {BotColorJs(&word, 1, 0xFF000000u, 0), typeid(OC_BOT_COLOR_JS), "bot_color"},
      {BotBlinkAnalog(&mesh_, 0, 255, 0.1f, 0.2f, 2, 0.1f, 0, 1, 0), typeid(OC_BOT_BLINK_ANALOG),
       "bot_blink_analog"},
      {BotBlinkPulse(&mesh_, 0, 255, 0.1f, 0.2f, 2, 0.1f, 0, 1, 0), typeid(OC_BOT_BLINK_PULSE),
       "bot_blink_pulse"},
      {BotLazyBlinker(&mesh_, 1, 0.5f, 0.5f, 0), typeid(OC_BOT_LAZY_BLINKER), "bot_lazy_blinker"},
      {BotBlob(&b, 1, 0.1f, 1, 1, 0, 1, 0, 0), typeid(OC_BOT_BLOB), "bot_blob"},
      {BotSleep(&value, nullptr, 1, 2.0f), typeid(OC_BOT_SLEEP), "bot_sleep"},
      {BotChartBoost(), typeid(OC_BOT_CHART_BOOST), "nonamed"},
  };
  EXPECT_EQ(std::size(rows), 23u);
  OC_BOT_LIST list;
  for (const auto& row : rows) {
    ASSERT_NE(row.bot, nullptr);
    EXPECT_EQ(typeid(*row.bot), row.type) << row.name;
    EXPECT_EQ(row.bot->name, row.name);
    EXPECT_EQ(row.bot->order, kBotOrder) << row.name;
    EXPECT_EQ(row.bot->flag, 0) << row.name;
    list.Add(row.bot);
  }
  for (int i = 0; i < 10; ++i) list.Update();
  list.DeleteAll();
}

TEST_F(AppearanceBots, WindowStyleFadeAndSleepRunThroughTheList) {
  // A background fades in while a sleep bot waits as long, then notices.
  mesh_.SetVertexColor(0x00FFFFFFu);
  OC_BOT_LIST list;
  list.Add(BotColor(&mesh_, 0.5f, 0xFFFFFFFFu, 0.25f));
  list.Add(BotSleep(nullptr, Counter(), 0.75f + 0.25f, 0.0f));
  int updates = 0;
  while (!list.Empty() && updates < 100) {
    list.Update();
    ++updates;
  }
  EXPECT_EQ(updates, 4);
  EXPECT_TRUE(AllVertices(mesh_, 0xFFFFFFFFu));
  EXPECT_EQ(calls_, 1);
}

}  // namespace
}  // namespace ORB
