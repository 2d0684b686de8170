#pragma once
// OC_BOT_LIST: owns bots and ticks them once per frame for its owner, in
// descending order of their order keys, deleting every bot that reports it
// has finished.
//
// Bots run arbitrary completion callbacks in the middle of a pass, and those
// may add, delete or detach bots of this very list, or even destroy the list.
// Every call into a bot goes through the list's DispatchGuard: the list finds
// a finished bot again by identity after its call, and a bot that is deleted
// while one of its own calls is still running is only taken out of the list
// then; it is freed once that call has returned.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/foundation/dispatch_guard.h"
#include "engine/scene/bot_base.h"

namespace ORB {

class OC_BOT_LIST {
 public:
  // Filter modes, applied to each bot's enabled byte against the filter value.
  static constexpr int32_t kSkipGreater = 2;
  static constexpr int32_t kSkipDifferent = 3;
  static constexpr int32_t kSkipLess = 5;
  static constexpr int32_t kSkipEqual = 6;

  OC_BOT_LIST();
  // Deletes the bots still in the list.
  ~OC_BOT_LIST();
  OC_BOT_LIST(const OC_BOT_LIST&) = delete;
  OC_BOT_LIST& operator=(const OC_BOT_LIST&) = delete;

  // Appends at the back; the list owns the bot from then on. Null is ignored.
  void Add(OC_BASE* bot);

  // One frame: ticks every bot that passes the filter, deletes those that
  // answer kResultFinished, stops at kResultStopPass, and re-sorts when an order
  // inversion was seen.
  void Update();

  // Handle(msg, a, b, c, data) on every bot, front to back, whose name,
  // lastname and id equal the given ones (null names and id 0 match any).
  // Answers the last bot's result, 0 when none was called. Results are not
  // interpreted.
  int32_t SendMessage(int32_t msg, float a, float b, float c, void* data,
                      const char* name = nullptr, const char* lastname = nullptr, uint32_t id = 0);
  // The same calls, but deletes each bot that answers kResultFinished and stops
  // at kResultStopPass; answers the number of bots called.
  int32_t SendMessageReaping(int32_t msg, float a, float b, float c, void* data,
                             const char* name = nullptr, const char* lastname = nullptr,
                             uint32_t id = 0);

  // The first bot with that name (null finds nothing) or that id (exact).
  OC_BASE* FindByName(const char* name) const;
  OC_BASE* FindById(uint32_t id) const;

  // Deletes the first bot whose name and id both equal the given ones.
  void Delete(const char* name, uint32_t id);
  // Takes the first bot out without deleting it: name equal, lastname equal
  // unless empty, id equal unless 0. Clears its link; the caller owns it.
  OC_BASE* Detach(const char* name, const std::string& lastname, uint32_t id);
  // Deletes every bot and empties the list.
  void DeleteAll();
  // Empties the list without deleting anything.
  void Clear();
  // Order key, largest first.
  void Sort();

  size_t Size() const { return bots_.size(); }
  bool Empty() const { return bots_.empty(); }
  OC_BASE* At(size_t index) const { return index < bots_.size() ? bots_[index] : nullptr; }

  void SetFilter(int32_t mode, uint8_t value) {
    filter_mode_ = mode;
    filter_value_ = value;
  }
  int32_t FilterMode() const { return filter_mode_; }
  uint8_t FilterValue() const { return filter_value_; }
  OC_BASE* Current() const { return current_; }

 private:
  using CallResult = DispatchGuard<OC_BASE>::Outcome<int32_t>;

  bool Skipped(const OC_BASE& bot) const;
  CallResult Call(OC_BASE* bot, int32_t msg, float a, float b, float c, void* data);
  // Deletes the bot now, or after its running call returns.
  void Dispose(OC_BASE* bot);
  // The position of the bot, looked for at `hint` first; -1 when absent.
  ptrdiff_t Locate(const OC_BASE* bot, size_t hint) const;
  // Where a pass goes on after calling `bot`, found at `index` before the
  // call with `next` behind it: after the bot, or at the bot that followed it
  // when the call took it out of the list. With `reap`, a bot that answered
  // kResultFinished is erased and deleted first. `removed` tells whether the bot
  // is out of the list now.
  size_t Advance(OC_BASE* bot, OC_BASE* next, size_t index, const CallResult& call, bool reap,
                 bool& removed);
  // One message to every matching bot, front to back. Reaping, a bot that
  // answers kResultFinished is deleted and kResultStopPass ends the pass.
  struct Delivery {
    int32_t last_result = 0;  // the last bot's answer
    int32_t count = 0;        // bots called
  };
  Delivery Deliver(int32_t msg, float a, float b, float c, void* data, const char* name,
                   const char* lastname, uint32_t id, bool reaping);
  bool Matches(const OC_BASE& bot, const char* name, const char* lastname, uint32_t id) const;

  OC_BASE* current_ = nullptr;
  int32_t unsorted_ = 0;
  OC_BASE* previous_ = nullptr;
  uint8_t filter_value_ = 1;
  int32_t filter_mode_ = kSkipLess;
  std::deque<OC_BASE*> bots_;
  DispatchGuard<OC_BASE> guard_;
};

}  // namespace ORB
