// Effect step queues with fake bots that finish after a set number of
// ticks, and the star row.
#include "framework/effect.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/scene/mesh.h"
#include "framework/star_row.h"
#include "support/recording_renderer.h"

namespace ORB_GF {
namespace {

// Finishes at its k-th tick (at the first for k <= 1), running `on_finish`
// first; counts the bots alive.
class CountdownBot : public ORB::OC_BASE {
 public:
  explicit CountdownBot(int ticks, std::function<void()> on_finish = nullptr)
      : left_(ticks), on_finish_(std::move(on_finish)) {
    ++alive;
  }
  ~CountdownBot() override { --alive; }
  int32_t Handle(int32_t msg, float, float, float, void*) override {
    if (msg != ORB::kBotTick) return ORB::kResultNone;
    if (--left_ > 0) return ORB::kResultNone;
    if (on_finish_) on_finish_();
    return ORB::kResultFinished;
  }
  static inline int alive = 0;

 private:
  int left_;
  std::function<void()> on_finish_;
};

// What the callbacks saw, in order.
struct Journal {
  std::vector<std::string> calls;
};

void Record(void* context, const char* target) {
  static_cast<Journal*>(context)->calls.emplace_back(target == nullptr ? "(none)" : target);
}

class EffectTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(CountdownBot::alive, 0) << "every bot was freed"; }
  Journal journal_;
};

TEST_F(EffectTest, NoStepsAnswersFalseAndCallsNothing) {
  G_EFFECT_T<const char*> effect;
  EXPECT_FALSE(effect.Update());
  EXPECT_FALSE(effect.Update());
  EXPECT_TRUE(journal_.calls.empty());
  EXPECT_EQ(effect.NewestStep(), nullptr);
  effect.AddBot(new CountdownBot(1));  // no step to take it: deleted
}

TEST_F(EffectTest, AnEmptyStepEndsOnTheFirstUpdate) {
  G_EFFECT_T<const char*> effect;
  effect.PushStep(&journal_, &Record, "empty");
  effect.PushStep(&journal_, &Record, "two ticks");
  effect.AddBot(new CountdownBot(2));
  EXPECT_FALSE(effect.Update()) << "the first step ended, another is left";
  EXPECT_EQ(journal_.calls, std::vector<std::string>{"empty"});
  EXPECT_FALSE(effect.Update());  // the next step starts on the following update
  EXPECT_TRUE(effect.Update());
  EXPECT_EQ(journal_.calls, (std::vector<std::string>{"empty", "two ticks"}));
  EXPECT_FALSE(effect.Update()) << "nothing left";
}

TEST_F(EffectTest, ThreeStepsAnswerTrueOnceWithEachTargetInOrder) {
  G_EFFECT_T<const char*> effect;
  const std::pair<const char*, std::vector<int>> steps[] = {
      {"fly", {3, 1}}, {"land", {2}}, {"fade", {1, 4, 2}}};
  for (const auto& [target, bots] : steps) {
    effect.PushStep(&journal_, &Record, target);
    for (int ticks : bots) effect.NewestStep()->Add(new CountdownBot(ticks));
  }
  EXPECT_EQ(effect.StepCount(), 3u);
  std::vector<int> true_frames;
  for (int frame = 1; frame <= 15; ++frame) {
    if (effect.Update()) true_frames.push_back(frame);
  }
  // fly ends at frame 3, land at 3 + 2, fade at 5 + 4.
  EXPECT_EQ(true_frames, std::vector<int>{9});
  EXPECT_EQ(journal_.calls, (std::vector<std::string>{"fly", "land", "fade"}));
}

TEST_F(EffectTest, AddStepKeepsTheCallbacksInStep) {
  G_EFFECT_T<const char*> effect;
  effect.AddStep();  // a step without a callback
  effect.AddBot(new CountdownBot(1));
  effect.PushStep(&journal_, &Record, "second");
  effect.PushStep(&journal_, nullptr, "no function");
  EXPECT_FALSE(effect.Update());
  EXPECT_TRUE(journal_.calls.empty()) << "the first step had no callback";
  EXPECT_FALSE(effect.Update());
  EXPECT_EQ(journal_.calls, std::vector<std::string>{"second"})
      << "its own target, not a neighbour's";
  EXPECT_TRUE(effect.Update());
  EXPECT_EQ(journal_.calls.size(), 1u);
}

// The bonus coin's last callback deletes the effect it belongs to.
struct SelfDeleting {
  G_EFFECT_T<SelfDeleting*>* effect = nullptr;
  int finished = 0;
};

void DeleteEffect(void* context, SelfDeleting* target) {
  auto* owner = static_cast<SelfDeleting*>(context);
  EXPECT_EQ(owner, target);
  ++owner->finished;
  delete owner->effect;
  owner->effect = nullptr;
}

TEST_F(EffectTest, ACallbackMayDeleteItsOwnEffect) {
  SelfDeleting owner;
  owner.effect = new G_EFFECT_T<SelfDeleting*>();
  owner.effect->PushStep(&owner, nullptr, &owner);
  owner.effect->AddBot(new CountdownBot(1));
  owner.effect->PushStep(&owner, &DeleteEffect, &owner);
  owner.effect->AddBot(new CountdownBot(2));
  G_EFFECT_T<SelfDeleting*>* effect = owner.effect;
  EXPECT_FALSE(effect->Update());
  EXPECT_FALSE(effect->Update());
  // The last step ends: the callback deletes the effect, which answers that
  // it ended without touching itself afterwards (the sanitizers watch).
  EXPECT_TRUE(effect->Update());
  EXPECT_EQ(owner.finished, 1);
  EXPECT_EQ(owner.effect, nullptr);
}

TEST_F(EffectTest, ABotMayDeleteTheEffectWhileItsStepRuns) {
  auto* effect = new G_EFFECT_T<const char*>();
  effect->PushStep(&journal_, &Record, "never");
  effect->AddBot(new CountdownBot(2));
  effect->AddBot(new CountdownBot(1, [&effect] {
    delete effect;
    effect = nullptr;
  }));
  effect->AddBot(new CountdownBot(5));
  G_EFFECT_T<const char*>* running = effect;
  EXPECT_FALSE(running->Update()) << "the effect is gone: nothing of it is touched";
  EXPECT_EQ(effect, nullptr);
  EXPECT_TRUE(journal_.calls.empty());
}

TEST_F(EffectTest, APlainQueueNeverMovesOn) {
  G_EFFECT_BASE effect;
  EXPECT_FALSE(effect.Update());
  effect.AddStep();
  effect.AddBot(new CountdownBot(2));
  effect.AddStep();
  effect.AddBot(new CountdownBot(1));
  EXPECT_FALSE(effect.Update());
  EXPECT_TRUE(effect.Update());
  EXPECT_TRUE(effect.Update()) << "the first step stays, empty";
  EXPECT_EQ(effect.StepCount(), 2u);
  // The second step's bot is freed with the effect.
}

class StarRowTest : public test_support::RecordingRendererTest {};

TEST_F(StarRowTest, ReadingStopsAtTheFirstMissingItem) {
  struct Case {
    const char* xml;
    bool complete;
    float decay;
    int32_t stars;
  };
  const Case cases[] = {
      {"<s time='1' amplitude='2' frequency='3' decay='4' start_size='5' end_size='6' "
       "draw_empty='true' "
       "stars_max='3'><TRANSFORM>10 20 0 0 0 0 0 0 0 1 1 1</TRANSFORM></s>",
       true, 4.0f, 3},
      {"<s time='1' amplitude='2' frequency='3' decay='4' start_size='5' end_size='6' "
       "draw_empty='1' "
       "stars_max='3'/>",
       false, 4.0f, 3},
      {"<s time='1' amplitude='2' decay='4' stars_max='3'/>", false, 0.0f, 0},
      {"<s/>", false, 0.0f, 0},
  };
  for (const Case& c : cases) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(c.xml));
    StarRowParams params;
    EXPECT_EQ(StarRow::ReadParams(doc.first_child(), params), c.complete) << c.xml;
    EXPECT_EQ(params.decay, c.decay) << c.xml;
    EXPECT_EQ(params.stars_max, c.stars) << c.xml;
    StarRow row(doc.first_child());
    EXPECT_EQ(row.Params().stars_max, c.stars);
  }
}

TEST_F(StarRowTest, StarsLieSideBySideUnderTheRow) {
  StarRowParams params;
  params.stars_max = 3;
  StarRow row(params);
  ORB::OC_MESH star(renderer_->CreateBlank(20, 16), nullptr);
  ORB::OC_MESH empty(renderer_->CreateBlank(20, 16), nullptr);
  row.SetTemplates(star, empty);
  row.CreateStars();
  row.CreateStars();  // replaces, never adds
  ASSERT_EQ(row.Stars().size(), 3u);
  row.SetPosition(100.0f, 40.0f);
  row.Draw();
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 12u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(drawn[4 * i].x, 100.0f + 20.0f * static_cast<float>(i));
    EXPECT_FLOAT_EQ(drawn[4 * i].y, 40.0f);
  }
  row.Update();
  row.Clear();
  EXPECT_TRUE(row.Stars().empty());
}

}  // namespace
}  // namespace ORB_GF
