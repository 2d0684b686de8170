#include "engine/scene/bot_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "engine/foundation/callback.h"
#include "engine/foundation/timer.h"
#include "engine/scene/bot_base.h"

namespace ORB {
namespace {

// A bot whose tick does what the test scripts, and which records its ticks
// and its deletion.
class ScriptBot : public OC_BASE {
 public:
  ScriptBot(std::vector<std::string>* log, std::string label, float key = kBotOrder)
      : log_(log), label_(std::move(label)) {
    name = "script";
    order = key;
  }
  ~ScriptBot() override {
    if (log_ != nullptr) log_->push_back("~" + label_);
  }

  int32_t Handle(int32_t msg, float, float, float, void*) override {
    if (log_ != nullptr) log_->push_back(label_ + ":" + std::to_string(msg));
    if (on_handle) return on_handle(msg);
    return results.empty() ? 0 : Next();
  }

  int32_t Next() {
    const int32_t r = results.front();
    results.erase(results.begin());
    return r;
  }

  std::vector<int32_t> results;  // answered to successive calls, then 0
  std::function<int32_t(int32_t)> on_handle;

 private:
  std::vector<std::string>* log_;
  std::string label_;
};

TEST(BotListTest, EmptyListDoesNothing) {
  OC_BOT_LIST list;
  list.Update();
  EXPECT_EQ(list.SendMessage(1, 0, 0, 0, nullptr), 0);
  EXPECT_EQ(list.FindById(0), nullptr);
  EXPECT_EQ(list.FindByName("script"), nullptr);
  list.Add(nullptr);  // ignored
  EXPECT_TRUE(list.Empty());
}

TEST(BotListTest, FinishedBotsAreDeletedAndTheNextStillTicks) {
  std::vector<std::string> log;
  OC_BOT_LIST list;
  auto* a = new ScriptBot(&log, "a");
  auto* b = new ScriptBot(&log, "b");
  auto* c = new ScriptBot(&log, "c");
  a->results = {kResultFinished};
  b->results = {kResultFinished};
  list.Add(a);
  list.Add(b);
  list.Add(c);
  list.Update();
  EXPECT_EQ(log, (std::vector<std::string>{"a:1", "~a", "b:1", "~b", "c:1"}));
  ASSERT_EQ(list.Size(), 1u);
  EXPECT_EQ(list.At(0), c);
}

TEST(BotListTest, StopPassLeavesTheRestUntickedAndUnsorted) {
  std::vector<std::string> log;
  OC_BOT_LIST list;
  auto* low = new ScriptBot(&log, "low", 1.0f);
  auto* high = new ScriptBot(&log, "high", 5.0f);
  auto* stop = new ScriptBot(&log, "stop", 9.0f);
  auto* behind = new ScriptBot(&log, "behind", 0.0f);
  stop->results = {kResultStopPass};
  list.Add(low);
  list.Add(high);  // an inversion is seen here
  list.Add(stop);
  list.Add(behind);
  list.Update();
  EXPECT_EQ(log, (std::vector<std::string>{"low:1", "high:1", "stop:1"}));
  EXPECT_EQ(list.At(0), low);  // no sort after a stopped pass
  log.clear();
  list.Update();  // this pass completes and sorts
  EXPECT_EQ(list.At(0), stop);
  EXPECT_EQ(list.At(1), high);
  EXPECT_EQ(list.At(2), low);
  EXPECT_EQ(list.At(3), behind);
}

TEST(BotListTest, EqualKeysAreNeverReordered) {
  OC_BOT_LIST list;
  std::vector<ScriptBot*> bots;
  for (int i = 0; i < 5; ++i) {
    bots.push_back(new ScriptBot(nullptr, "x", 2.0f));
    list.Add(bots.back());
  }
  list.Update();
  for (size_t i = 0; i < bots.size(); ++i) EXPECT_EQ(list.At(i), bots[i]);
}

TEST(BotListTest, SortIsAStrictWeakOrderEvenWithNaNKeys) {
  OC_BOT_LIST list;
  const float keys[] = {1.0f, std::nanf(""), 3.0f, -2.0f, std::nanf(""), 3.0f, 0.5f};
  for (float key : keys) list.Add(new ScriptBot(nullptr, "x", key));
  list.Sort();
  EXPECT_EQ(list.At(0)->order, 3.0f);
  EXPECT_EQ(list.At(1)->order, 3.0f);
  EXPECT_EQ(list.At(2)->order, 1.0f);
  EXPECT_EQ(list.At(3)->order, 0.5f);
  EXPECT_EQ(list.At(4)->order, -2.0f);
  EXPECT_TRUE(std::isnan(list.At(5)->order));
  EXPECT_TRUE(std::isnan(list.At(6)->order));
}

TEST(BotListTest, FilterModes) {
  std::vector<std::string> log;
  OC_BOT_LIST list;
  auto* off = new ScriptBot(&log, "off");
  auto* on = new ScriptBot(&log, "on");
  off->enabled = 0;
  list.Add(off);
  list.Add(on);
  list.Update();  // default: skip bytes below 1
  EXPECT_EQ(log, (std::vector<std::string>{"on:1"}));
  log.clear();
  list.SendMessage(7, 0, 0, 0, nullptr);  // messages ignore the filter
  EXPECT_EQ(log, (std::vector<std::string>{"off:7", "on:7"}));

  const struct {
    int32_t mode;
    std::vector<std::string> ticked;
  } cases[] = {
      {OC_BOT_LIST::kSkipGreater, {"off:1", "on:1"}},
      {OC_BOT_LIST::kSkipDifferent, {"on:1"}},
      {OC_BOT_LIST::kSkipEqual, {"off:1"}},
      {0, {"off:1", "on:1"}},
  };
  for (const auto& c : cases) {
    log.clear();
    list.SetFilter(c.mode, 1);
    list.Update();
    EXPECT_EQ(log, c.ticked) << "mode " << c.mode;
  }
}

TEST(BotListTest, MessagesFindAndDelete) {
  std::vector<std::string> log;
  OC_BOT_LIST list;
  auto* a = new ScriptBot(&log, "a");
  auto* b = new ScriptBot(&log, "b");
  auto* c = new ScriptBot(&log, "c");
  a->name = "mover";
  a->id = 7;
  b->name = "mover";
  b->lastname = "second";
  b->id = 8;
  c->name = "other";
  c->id = 0;
  list.Add(a);
  list.Add(b);
  list.Add(c);

  b->results = {5};
  EXPECT_EQ(list.SendMessage(9, 0, 0, 0, nullptr, "mover"), 5);  // the last bot called
  EXPECT_EQ(log, (std::vector<std::string>{"a:9", "b:9"}));
  log.clear();
  EXPECT_EQ(list.SendMessage(9, 0, 0, 0, nullptr, nullptr, "second"), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"b:9"}));
  log.clear();
  EXPECT_EQ(list.SendMessage(9, 0, 0, 0, nullptr, "nobody"), 0);
  EXPECT_TRUE(log.empty());

  // kResultFinished from a plain message does not remove the bot.
  a->results = {kResultFinished};
  list.SendMessage(9, 0, 0, 0, nullptr, nullptr, nullptr, 7);
  EXPECT_EQ(list.Size(), 3u);

  EXPECT_EQ(list.FindByName("mover"), a);
  EXPECT_EQ(list.FindByName(nullptr), nullptr);
  EXPECT_EQ(list.FindById(0), c);
  EXPECT_EQ(list.FindById(8), b);

  log.clear();
  list.Delete("mover", 9);  // name matches, id does not
  EXPECT_EQ(list.Size(), 3u);
  list.Delete("mover", 8);
  EXPECT_EQ(log, (std::vector<std::string>{"~b"}));
  EXPECT_EQ(list.Size(), 2u);

  a->link = &log;
  OC_BASE* detached = list.Detach("mover", "", 0);
  EXPECT_EQ(detached, a);
  EXPECT_EQ(a->link, nullptr);
  EXPECT_EQ(list.Size(), 1u);
  delete detached;
}

TEST(BotListTest, ReapingMessagesCountDeleteAndStop) {
  std::vector<std::string> log;
  OC_BOT_LIST list;
  auto* a = new ScriptBot(&log, "a");
  auto* b = new ScriptBot(&log, "b");
  auto* c = new ScriptBot(&log, "c");
  auto* d = new ScriptBot(&log, "d");
  a->results = {kResultFinished};
  c->results = {kResultStopPass};
  list.Add(a);
  list.Add(b);
  list.Add(c);
  list.Add(d);
  EXPECT_EQ(list.SendMessageReaping(45, 0, 0, 0, nullptr), 3);
  EXPECT_EQ(log, (std::vector<std::string>{"a:45", "~a", "b:45", "c:45"}));
  EXPECT_EQ(list.Size(), 3u);
}

TEST(BotListTest, DeleteAllClearAndDestructor) {
  std::vector<std::string> log;
  auto* kept = new ScriptBot(&log, "kept");
  {
    OC_BOT_LIST list;
    list.Add(new ScriptBot(&log, "a"));
    list.DeleteAll();
    EXPECT_EQ(log, (std::vector<std::string>{"~a"}));
    list.Add(kept);
    list.Clear();  // kept is not deleted
    EXPECT_TRUE(list.Empty());
    list.Add(new ScriptBot(&log, "left"));
  }
  // Bots still in a list are deleted with it.
  EXPECT_EQ(log, (std::vector<std::string>{"~a", "~left"}));
  delete kept;
}

TEST(BotListTest, BroadcastMessage4) {
  std::vector<std::string> log;
  ScriptBot a(&log, "a");
  ScriptBot b(&log, "b");
  std::vector<OC_BASE*> bots{&a, nullptr, &b};
  BroadcastMessage4(&bots);
  BroadcastMessage4(nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"a:4", "b:4"}));
  log.clear();
}

// Completion callbacks run inside a bot's tick and may change the very list
// that is ticking it. These run clean under the address sanitizer only if no
// bot is freed while still in use and none is deleted twice.
class MutatingCallbacks : public ::testing::Test {
 protected:
  std::vector<std::string> log_;
};

TEST_F(MutatingCallbacks, FinishedBotIsFoundByIdentityAfterInsertions) {
  OC_BOT_LIST list;
  auto* first = new ScriptBot(&log_, "first");
  auto* finisher = new ScriptBot(&log_, "finisher");
  auto* tail = new ScriptBot(&log_, "tail");
  list.Add(first);
  list.Add(finisher);
  list.Add(tail);
  ScriptBot* added = nullptr;
  finisher->on_handle = [&](int32_t) {
    // Two new bots ahead of the finisher would shift it if it were found by
    // position.
    OC_BASE* taken = list.Detach("script", "", 0);  // the first bot
    EXPECT_EQ(taken, first);
    added = new ScriptBot(&log_, "added");
    list.Add(added);
    list.Add(taken);
    return kResultFinished;
  };
  list.Update();
  // The finisher is gone, everything else is still there and the bots added
  // behind were ticked in the same pass.
  EXPECT_EQ(list.Size(), 3u);
  EXPECT_EQ(list.At(0), tail);
  EXPECT_EQ(list.At(1), added);
  EXPECT_EQ(list.At(2), first);
  EXPECT_EQ(log_, (std::vector<std::string>{"first:1", "finisher:1", "~finisher", "tail:1",
                                            "added:1", "first:1"}));
}

TEST_F(MutatingCallbacks, BotThatDeletesItselfIsFreedOnceAfterItsCall) {
  OC_BOT_LIST list;
  auto* self = new ScriptBot(&log_, "self");
  self->id = 11;
  auto* next = new ScriptBot(&log_, "next");
  list.Add(self);
  list.Add(next);
  self->on_handle = [&](int32_t) {
    list.Delete("script", 11);
    // Still alive here: the list frees it after this call returns.
    log_.push_back("after delete");
    return kResultFinished;
  };
  list.Update();
  EXPECT_EQ(log_, (std::vector<std::string>{"self:1", "after delete", "~self", "next:1"}));
  EXPECT_EQ(list.Size(), 1u);
}

TEST_F(MutatingCallbacks, DeleteAllInsideATick) {
  OC_BOT_LIST list;
  auto* a = new ScriptBot(&log_, "a");
  auto* b = new ScriptBot(&log_, "b");
  list.Add(a);
  list.Add(b);
  a->on_handle = [&](int32_t) {
    list.DeleteAll();
    list.Add(new ScriptBot(&log_, "fresh"));
    return kResultFinished;
  };
  list.Update();
  EXPECT_EQ(log_, (std::vector<std::string>{"a:1", "~b", "~a", "fresh:1"}));
  EXPECT_EQ(list.Size(), 1u);
}

TEST_F(MutatingCallbacks, DetachedFinisherIsNotDeleted) {
  OC_BOT_LIST list;
  auto* a = new ScriptBot(&log_, "a");
  list.Add(a);
  OC_BASE* taken = nullptr;
  a->on_handle = [&](int32_t) {
    taken = list.Detach("script", "", 0);
    return kResultFinished;
  };
  list.Update();
  EXPECT_EQ(taken, a);
  EXPECT_TRUE(list.Empty());
  delete taken;
  EXPECT_EQ(log_, (std::vector<std::string>{"a:1", "~a"}));
}

TEST_F(MutatingCallbacks, ListDestroyedInsideATick) {
  auto* list = new OC_BOT_LIST;
  auto* a = new ScriptBot(&log_, "a");
  auto* b = new ScriptBot(&log_, "b");
  list->Add(a);
  list->Add(b);
  a->on_handle = [&](int32_t) {
    delete list;
    log_.push_back("list gone");
    return 0;
  };
  list->Update();
  EXPECT_EQ(log_, (std::vector<std::string>{"a:1", "~b", "list gone", "~a"}));
}

TEST_F(MutatingCallbacks, ReapingMessageWithSelfDelete) {
  OC_BOT_LIST list;
  auto* a = new ScriptBot(&log_, "a");
  a->id = 3;
  list.Add(a);
  list.Add(new ScriptBot(&log_, "b"));
  a->on_handle = [&](int32_t) {
    list.Delete("script", 3);
    return kResultFinished;
  };
  EXPECT_EQ(list.SendMessageReaping(45, 0, 0, 0, nullptr), 2);
  EXPECT_EQ(log_, (std::vector<std::string>{"a:45", "~a", "b:45"}));
}

TEST_F(MutatingCallbacks, RealCompletionCallbackDeletingItsOwnBot) {
  // A bot reporting completion through a Callback that removes it by name.
  class Finisher : public OC_BASE {
   public:
    int32_t Handle(int32_t msg, float, float, float, void* data) override {
      if (msg == kBotTakeCallback && data != nullptr) callback = *static_cast<Callback*>(data);
      if (msg != kBotTick) return 0;
      InvokeCallback(&callback);
      ++ticks_after;  // touches the bot after its callback ran
      return kResultFinished;
    }
    Callback callback;
    int ticks_after = 0;
  };
  OC_BOT_LIST list;
  auto* bot = new Finisher;
  bot->name = "finisher";
  bot->id = 1;
  auto callback = CreateCallback([&](intptr_t) {
    list.Delete("finisher", 1);
    return 0;
  });
  bot->Handle(kBotTakeCallback, 0, 0, 0, callback.get());
  list.Add(bot);
  list.Update();
  EXPECT_TRUE(list.Empty());
}

}  // namespace
}  // namespace ORB
