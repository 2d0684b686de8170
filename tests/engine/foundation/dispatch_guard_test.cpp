#include "engine/foundation/dispatch_guard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/owned_list.h"

namespace ORB {
namespace {

using Log = std::vector<std::string>;

struct Item {
  Item(Log& log, std::string name) : log(log), name(std::move(name)) {}
  ~Item() { log.push_back("~" + name); }
  Log& log;
  std::string name;
  std::function<void()> action;  // run inside the item's call
};

// The smallest list that follows the guard's rules, as widget trees and
// window lists do: every call through Call, every free through Dispose, and
// after a call the pass goes on from the item (or its follower) found again
// by identity.
class Roster {
 public:
  explicit Roster(Log& log) : log_(log) {}
  ~Roster() { DisposeAll(); }

  Item* Add(const std::string& name) {
    items_.push_back(new Item(log_, name));
    return items_.back();
  }
  void Remove(const std::string& name) {
    auto it = std::find_if(items_.begin(), items_.end(), [&](Item* i) { return i->name == name; });
    if (it == items_.end()) return;
    Item* item = *it;
    items_.erase(it);
    guard_.Dispose(item);
  }
  void Clear() { DisposeAll(); }

  void Walk() {
    for (size_t i = 0; i < items_.size();) {
      Item* item = items_[i];
      Item* next = i + 1 < items_.size() ? items_[i + 1] : nullptr;
      const auto call = guard_.Call(item, [item] {
        item->log.push_back(item->name);
        if (item->action) item->action();
        // Touches the item after its action: freed too early, the address
        // sanitizer stops here.
        item->log.push_back(item->name + " done");
        return 0;
      });
      if (call.owner_gone) return;
      const auto at = std::find(items_.begin(), items_.end(), item);
      if (!call.item_gone && at != items_.end()) {
        i = static_cast<size_t>(at - items_.begin()) + 1;
        continue;
      }
      // A follower freed during the call may share its address with a new item.
      const auto follower = guard_.FreedInLastCall(next)
                                ? items_.end()
                                : std::find(items_.begin(), items_.end(), next);
      i = follower != items_.end() ? static_cast<size_t>(follower - items_.begin())
                                   : std::min(i, items_.size());
    }
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const Item* item : items_) names.push_back(item->name);
    return names;
  }

 private:
  void DisposeAll() {
    std::vector<Item*> items;
    items.swap(items_);
    for (Item* item : items) guard_.Dispose(item);
  }

  Log& log_;
  std::vector<Item*> items_;
  DispatchGuard<Item> guard_;
};

TEST(DispatchGuardTest, MutationsDuringAPass) {
  const struct {
    const char* name;
    // What b does inside its call, in a list a, b, c.
    std::function<void(Roster*& roster, Log& log)> action;
    Log expected;
    std::vector<std::string> left;  // the list afterwards (when it still exists)
  } cases[] = {
      {"delete self",
       [](Roster*& r, Log&) { r->Remove("b"); },
       {"a", "a done", "b", "b done", "~b", "c", "c done"},
       {"a", "c"}},
      {"delete next",
       [](Roster*& r, Log&) { r->Remove("c"); },
       {"a", "a done", "b", "~c", "b done"},
       {"a", "b"}},
      {"delete the one before",
       [](Roster*& r, Log&) { r->Remove("a"); },
       {"a", "a done", "b", "~a", "b done", "c", "c done"},
       {"b", "c"}},
      {"add",
       [](Roster*& r, Log&) { r->Add("d"); },
       {"a", "a done", "b", "b done", "c", "c done", "d", "d done"},
       {"a", "b", "c", "d"}},
      {"clear",
       [](Roster*& r, Log&) { r->Clear(); },
       {"a", "a done", "b", "~a", "~c", "b done", "~b"},
       {}},
      {"clear and add",
       [](Roster*& r, Log&) {
         r->Clear();
         r->Add("fresh");
       },
       // The new item sits before the pass's place: its turn is the next pass.
       {"a", "a done", "b", "~a", "~c", "b done", "~b"},
       {"fresh"}},
      {"destroy the list",
       [](Roster*& r, Log& log) {
         delete r;
         r = nullptr;
         log.push_back("list gone");
       },
       {"a", "a done", "b", "~a", "~c", "list gone", "b done", "~b"},
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Log log;
    auto* roster = new Roster(log);
    roster->Add("a");
    Item* b = roster->Add("b");
    roster->Add("c");
    b->action = [&roster, &log, &c] { c.action(roster, log); };
    roster->Walk();
    EXPECT_EQ(log, c.expected);
    if (roster != nullptr) {
      EXPECT_EQ(roster->Names(), c.left);
      delete roster;
    }
  }
}

TEST(DispatchGuardTest, AnItemBusyTwiceIsFreedAfterTheOuterCall) {
  Log log;
  DispatchGuard<Item> guard;
  auto* item = new Item(log, "x");
  const auto outer = guard.Call(item, [&] {
    const auto inner = guard.Call(item, [&] {
      guard.Dispose(item);
      guard.Dispose(item);  // a second dispose while doomed changes nothing
      return 1;
    });
    EXPECT_TRUE(inner.item_gone);
    log.push_back("inner returned");
    return 2;
  });
  EXPECT_EQ(outer.result, 2);
  EXPECT_TRUE(outer.item_gone);
  EXPECT_FALSE(outer.owner_gone);
  EXPECT_EQ(log, (Log{"inner returned", "~x"}));
  EXPECT_FALSE(guard.Dispatching());
}

TEST(DispatchGuardTest, FreedInLastCallNamesOnlyThatCallsFrees) {
  Log log;
  DispatchGuard<Item> guard;
  auto* outer = new Item(log, "outer");
  auto* inner = new Item(log, "inner");
  auto* early = new Item(log, "early");
  auto* late = new Item(log, "late");
  const Item* early_address = early;
  const Item* late_address = late;
  static_cast<void>(guard.Call(outer, [&] {
    guard.Dispose(early);  // freed during the outer call, before the inner one
    static_cast<void>(guard.Call(inner, [&] {
      guard.Dispose(late);
      return 0;
    }));
    EXPECT_TRUE(guard.FreedInLastCall(late_address));
    EXPECT_FALSE(guard.FreedInLastCall(early_address)) << "not freed by the inner call";
    return 0;
  }));
  EXPECT_TRUE(guard.FreedInLastCall(early_address));
  EXPECT_TRUE(guard.FreedInLastCall(late_address));
  EXPECT_FALSE(guard.FreedInLastCall(nullptr));
  EXPECT_EQ(log, (Log{"~early", "~late"}));
  delete outer;
  delete inner;
}

// The owned list on the guard: destroyed from inside an object's update, the
// pass ends without touching it and every object is freed exactly once.
TEST(DispatchGuardTest, OwnedListDestroyedDuringItsPass) {
  struct Logged : OwnedListItem {
    Logged(Log& log, std::string name, std::function<void()> action = nullptr)
        : log(log), name(std::move(name)), action(std::move(action)) {}
    ~Logged() override { log.push_back("~" + name); }
    bool Update() override {
      log.push_back(name);
      if (action) action();
      log.push_back(name + " done");
      return false;
    }
    Log& log;
    std::string name;
    std::function<void()> action;
  };
  Log log;
  auto* list = new OwnedList;
  list->Add(new Logged(log, "first"));
  list->Add(new Logged(log, "killer", [&] { delete list; }));
  list->Add(new Logged(log, "last"));
  list->UpdateAndErase();
  EXPECT_EQ(log,
            (Log{"first", "first done", "killer", "~first", "~last", "killer done", "~killer"}));
}

}  // namespace
}  // namespace ORB
