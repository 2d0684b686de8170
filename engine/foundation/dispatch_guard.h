#pragma once
// DispatchGuard: the one way a list that owns its items calls out to them
// safely (bots, list items, widget trees, the window manager's open list,
// effect queues).
//
// An item's call runs code the list does not know: a callback may add
// items, delete any item (the one being called too), empty the list or
// destroy the list itself, all before the call returns. Three rules keep
// that safe:
//
//   1. Every call into an item goes through Call(item, fn). While fn runs
//      the item counts as busy, and Call reports what happened meanwhile.
//   2. The list frees an item only through Dispose(item): at once, or, when
//      a call into that very item is still running, right after that call
//      returns. A busy item is never freed under its own feet.
//   3. After Call, the list reads owner_gone first: when set, the list was
//      destroyed during the call and the caller must return at once without
//      touching any member. item_gone says the item was disposed during its
//      call (it is already out of the list, and freed by now).
//
// Positions move when callbacks add or remove items, so after a call the
// list finds the item (or the one that followed it) again by identity. A
// pointer kept from before the call may name an item freed during it, whose
// address a new item can take: FreedInLastCall tells, so such a pointer is
// never looked for.
//
//   Item* next = the item behind `item`;
//   const auto call = guard_.Call(item, [&] { return item->Update(); });
//   if (call.owner_gone) return;   // `this` is gone
//   if (call.item_gone) {          // go on with the item that followed it
//     if (!guard_.FreedInLastCall(next)) position = where `next` is now;
//   } else if (call.result) {
//     erase `item` from the list; guard_.Dispose(item);
//   }
//
// Main thread only, like everything it guards.
#include <algorithm>
#include <cstddef>
#include <memory>
#include <type_traits>
#include <vector>

namespace ORB {

template <typename Item>
class DispatchGuard {
 public:
  template <typename Result>
  struct Outcome {
    Result result{};
    bool owner_gone = false;  // the owner (and this guard) was destroyed during the call
    bool item_gone = false;   // the item was disposed during its call
  };

  DispatchGuard() : state_(std::make_shared<State>()) {}
  // Running calls learn that the owner is gone when they return.
  ~DispatchGuard() { state_->owner_alive = false; }
  DispatchGuard(const DispatchGuard&) = delete;
  DispatchGuard& operator=(const DispatchGuard&) = delete;

  // Calls fn() with the item marked busy; fn must return a value.
  template <typename Fn>
  Outcome<std::invoke_result_t<Fn&>> Call(Item* item, Fn&& fn) {
    static_assert(!std::is_void_v<std::invoke_result_t<Fn&>>, "the call must answer something");
    // The state outlives the guard when the call destroys the owner.
    const std::shared_ptr<State> state = state_;
    if (state->running.empty()) state->freed.clear();
    const size_t mark = state->freed.size();
    state->running.push_back(item);
    Outcome<std::invoke_result_t<Fn&>> out;
    try {
      out.result = fn();
    } catch (...) {
      state->EndCall(item);
      state->last_call_mark = mark;
      throw;
    }
    out.item_gone = state->EndCall(item);
    state->last_call_mark = mark;
    out.owner_gone = !state->owner_alive;
    return out;
  }

  // Takes the item (already out of the owner's list) and frees it now, or
  // once its running call returns. Null is ignored.
  void Dispose(Item* item) {
    if (item == nullptr) return;
    State& state = *state_;
    if (state.Busy(item)) {
      if (!state.Doomed(item)) state.doomed.push_back(item);
      return;
    }
    if (!state.running.empty()) state.freed.push_back(item);
    delete item;
  }

  // Some call into an item is running.
  bool Dispatching() const { return !state_->running.empty(); }
  // A call into this item is running.
  bool Busy(const Item* item) const { return state_->Busy(item); }
  // The item was freed during the call that returned last (calls nested in
  // it included); its address may belong to a new item now. Only the address
  // is compared.
  bool FreedInLastCall(const Item* item) const {
    const std::vector<const Item*>& freed = state_->freed;
    const auto from = freed.begin() + static_cast<std::ptrdiff_t>(state_->last_call_mark);
    return item != nullptr && std::find(from, freed.end(), item) != freed.end();
  }

 private:
  struct State {
    bool owner_alive = true;
    std::vector<Item*> running;      // innermost call last
    std::vector<Item*> doomed;       // disposed while busy
    std::vector<const Item*> freed;  // freed since the outermost call began
    size_t last_call_mark = 0;       // where the frees of the call that returned last begin

    bool Busy(const Item* item) const {
      return std::find(running.begin(), running.end(), item) != running.end();
    }
    bool Doomed(const Item* item) const {
      return std::find(doomed.begin(), doomed.end(), item) != doomed.end();
    }
    // Ends the innermost call into the item; frees the item when it was
    // disposed meanwhile and no outer call into it is still running.
    // Answers whether it was disposed.
    bool EndCall(Item* item) {
      running.erase(std::find(running.rbegin(), running.rend(), item).base() - 1);
      const auto doomed_at = std::find(doomed.begin(), doomed.end(), item);
      if (doomed_at == doomed.end()) return false;
      if (!Busy(item)) {
        doomed.erase(doomed_at);
        freed.push_back(item);
        delete item;
      }
      return true;
    }
  };

  std::shared_ptr<State> state_;
};

}  // namespace ORB
