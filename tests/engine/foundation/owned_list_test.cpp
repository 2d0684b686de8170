#include "engine/foundation/owned_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ORB {
namespace {

// An object that records its updates and deletion in a shared log and runs
// an optional action inside its update.
struct Logged : OwnedListItem {
  Logged(std::vector<std::string>& log, std::string name, bool finishes,
         std::function<void()> action = nullptr)
      : log_(log), name_(std::move(name)), finishes_(finishes), action_(std::move(action)) {}
  ~Logged() override { log_.push_back("~" + name_); }
  bool Update() override {
    log_.push_back(name_);
    if (action_) action_();
    return finishes_;
  }
  std::vector<std::string>& log_;
  std::string name_;
  bool finishes_;
  std::function<void()> action_;
};

using Log = std::vector<std::string>;

TEST(OwnedList, UpdatesAllThenPrunesFinished) {
  Log log;
  OwnedList list;
  list.Add(new Logged(log, "a", true));
  list.Add(nullptr);  // ignored
  list.Add(std::make_unique<Logged>(log, "b", false));
  list.Add(new Logged(log, "c", false));
  EXPECT_EQ(list.Size(), 3u);
  list.UpdateAndErase();
  EXPECT_EQ(log, (Log{"a", "~a", "b", "c"}));
  EXPECT_EQ(list.Size(), 2u);
  log.clear();
  list.UpdateAndErase();
  EXPECT_EQ(log, (Log{"b", "c"}));
  log.clear();
  list.DeleteAll();
  EXPECT_EQ(log, (Log{"~b", "~c"}));
  EXPECT_TRUE(list.Empty());
}

TEST(OwnedList, AddingDuringUpdateIsSafe) {
  Log log;
  OwnedList list;
  int added = 0;
  // Each pass the first object adds many more, forcing the storage to move.
  list.Add(new Logged(log, "spawner", false, [&] {
    for (int i = 0; i < 64; ++i) list.Add(new Logged(log, "child", true));
    ++added;
  }));
  list.Add(new Logged(log, "last", false));
  list.UpdateAndErase();
  // The new objects wait for the next pass.
  EXPECT_EQ(log, (Log{"spawner", "last"}));
  EXPECT_EQ(list.Size(), 66u);
  log.clear();
  list.UpdateAndErase();
  EXPECT_EQ(list.Size(), 66u);  // 64 children finished, 64 new ones added
  EXPECT_EQ(added, 2);
  EXPECT_EQ(log.front(), "spawner");
  EXPECT_EQ(log[1], "last");
  EXPECT_EQ(log[2], "child");
}

TEST(OwnedList, ReentrantCallsAreHarmless) {
  Log log;
  OwnedList list;
  list.Add(new Logged(log, "nested", false, [&] { list.UpdateAndErase(); }));
  list.Add(new Logged(log, "clearer", false, [&] { list.DeleteAll(); }));
  list.Add(new Logged(log, "never", false));
  list.UpdateAndErase();
  // The nested pass did nothing; the clear waited for the update to return
  // and stopped the pass.
  EXPECT_EQ(log, (Log{"nested", "clearer", "~nested", "~clearer", "~never"}));
  EXPECT_TRUE(list.Empty());
}

TEST(OwnedList, DestructorDeletesEverything) {
  Log log;
  {
    OwnedList list;
    list.Add(new Logged(log, "x", false));
    list.Add(new Logged(log, "y", false));
    EXPECT_NE(list.At(1), nullptr);
    EXPECT_EQ(list.At(2), nullptr);
  }
  EXPECT_EQ(log, (Log{"~x", "~y"}));
}

}  // namespace
}  // namespace ORB
