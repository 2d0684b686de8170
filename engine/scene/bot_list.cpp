#include "engine/scene/bot_list.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ORB {

namespace {

bool SameText(const char* a, const std::string& b) { return a != nullptr && b == a; }

// NaN keys sort as the smallest, so the order stays a strict weak order.
float SortKey(const OC_BASE* bot) {
  return std::isnan(bot->order) ? -std::numeric_limits<float>::infinity() : bot->order;
}

}  // namespace

OC_BOT_LIST::OC_BOT_LIST() = default;

OC_BOT_LIST::~OC_BOT_LIST() {
  std::deque<OC_BASE*> bots;
  bots.swap(bots_);
  for (OC_BASE* bot : bots) {
    if (bot != nullptr) Dispose(bot);
  }
}

void OC_BOT_LIST::Add(OC_BASE* bot) {
  if (bot != nullptr) bots_.push_back(bot);
}

bool OC_BOT_LIST::Skipped(const OC_BASE& bot) const {
  switch (filter_mode_) {
    case kSkipGreater: return bot.enabled > filter_value_;
    case kSkipDifferent: return bot.enabled != filter_value_;
    case kSkipLess: return bot.enabled < filter_value_;
    case kSkipEqual: return bot.enabled == filter_value_;
    default: return false;
  }
}

OC_BOT_LIST::CallResult OC_BOT_LIST::Call(OC_BASE* bot, int32_t msg, float a, float b, float c,
                                          void* data) {
  return guard_.Call(bot, [&] { return bot->Handle(msg, a, b, c, data); });
}

void OC_BOT_LIST::Dispose(OC_BASE* bot) {
  if (current_ == bot) current_ = nullptr;
  if (previous_ == bot) previous_ = nullptr;
  guard_.Dispose(bot);
}

ptrdiff_t OC_BOT_LIST::Locate(const OC_BASE* bot, size_t hint) const {
  if (bot == nullptr) return -1;
  if (hint < bots_.size() && bots_[hint] == bot) return static_cast<ptrdiff_t>(hint);
  auto it = std::find(bots_.begin(), bots_.end(), bot);
  return it == bots_.end() ? -1 : it - bots_.begin();
}

bool OC_BOT_LIST::Matches(const OC_BASE& bot, const char* name, const char* lastname,
                          uint32_t id) const {
  if (name != nullptr && bot.name != name) return false;
  if (lastname != nullptr && bot.lastname != lastname) return false;
  return id == 0 || bot.id == id;
}

void OC_BOT_LIST::Update() {
  if (bots_.empty()) return;
  current_ = nullptr;
  // The key of the bot handled before; a bot after a deleted one is compared
  // with itself.
  float previous_order = 0.0f;
  bool have_previous = false;
  size_t i = 0;
  while (i < bots_.size()) {
    OC_BASE* bot = bots_[i];
    if (bot == nullptr) {
      ++i;
      continue;
    }
    previous_ = have_previous ? current_ : bot;
    if (!have_previous) previous_order = bot->order;
    current_ = bot;
    if (bot->order > previous_order) ++unsorted_;
    previous_order = bot->order;
    have_previous = true;
    if (Skipped(*bot)) {
      ++i;
      continue;
    }
    OC_BASE* next = i + 1 < bots_.size() ? bots_[i + 1] : nullptr;
    const CallResult call = Call(bot, kBotTick, 0.0f, 0.0f, 0.0f, nullptr);
    if (call.owner_gone) return;
    if (call.result == kResultStopPass) return;
    bool removed = false;
    i = Advance(bot, next, i, call, true, removed);
    if (removed) {
      current_ = nullptr;
      have_previous = false;
    }
  }
  if (unsorted_ != 0) Sort();
  unsorted_ = 0;
}

size_t OC_BOT_LIST::Advance(OC_BASE* bot, OC_BASE* next, size_t index, const CallResult& call,
                            bool reap, bool& removed) {
  const ptrdiff_t at = call.item_gone ? -1 : Locate(bot, index);
  if (at >= 0) {
    removed = reap && call.result == kResultFinished;
    if (!removed) return static_cast<size_t>(at) + 1;
    bots_.erase(bots_.begin() + at);
    Dispose(bot);
    return static_cast<size_t>(at);
  }
  // The bot left the list during its call (deleted or detached by a
  // callback): go on with the one that followed it.
  removed = true;
  const ptrdiff_t follower = guard_.FreedInLastCall(next) ? -1 : Locate(next, index);
  return follower >= 0 ? static_cast<size_t>(follower) : std::min(index, bots_.size());
}

OC_BOT_LIST::Delivery OC_BOT_LIST::Deliver(int32_t msg, float a, float b, float c, void* data,
                                           const char* name, const char* lastname, uint32_t id,
                                           bool reaping) {
  Delivery delivery;
  size_t i = 0;
  while (i < bots_.size()) {
    OC_BASE* bot = bots_[i];
    if (bot == nullptr || !Matches(*bot, name, lastname, id)) {
      ++i;
      continue;
    }
    current_ = bot;
    OC_BASE* next = i + 1 < bots_.size() ? bots_[i + 1] : nullptr;
    const CallResult call = Call(bot, msg, a, b, c, data);
    delivery.last_result = call.result;
    ++delivery.count;
    if (call.owner_gone) return delivery;
    if (reaping && call.result == kResultStopPass) return delivery;
    bool removed = false;
    i = Advance(bot, next, i, call, reaping, removed);
  }
  return delivery;
}

int32_t OC_BOT_LIST::SendMessage(int32_t msg, float a, float b, float c, void* data,
                                 const char* name, const char* lastname, uint32_t id) {
  return Deliver(msg, a, b, c, data, name, lastname, id, false).last_result;
}

int32_t OC_BOT_LIST::SendMessageReaping(int32_t msg, float a, float b, float c, void* data,
                                        const char* name, const char* lastname, uint32_t id) {
  return Deliver(msg, a, b, c, data, name, lastname, id, true).count;
}

OC_BASE* OC_BOT_LIST::FindByName(const char* name) const {
  for (OC_BASE* bot : bots_) {
    if (bot != nullptr && SameText(name, bot->name)) return bot;
  }
  return nullptr;
}

OC_BASE* OC_BOT_LIST::FindById(uint32_t id) const {
  for (OC_BASE* bot : bots_) {
    if (bot != nullptr && bot->id == id) return bot;
  }
  return nullptr;
}

void OC_BOT_LIST::Delete(const char* name, uint32_t id) {
  for (auto it = bots_.begin(); it != bots_.end(); ++it) {
    OC_BASE* bot = *it;
    if (bot != nullptr && SameText(name, bot->name) && bot->id == id) {
      bots_.erase(it);
      Dispose(bot);
      return;
    }
  }
}

OC_BASE* OC_BOT_LIST::Detach(const char* name, const std::string& lastname, uint32_t id) {
  for (auto it = bots_.begin(); it != bots_.end(); ++it) {
    OC_BASE* bot = *it;
    if (bot == nullptr || !SameText(name, bot->name)) continue;
    if (!lastname.empty() && bot->lastname != lastname) continue;
    if (id != 0 && bot->id != id) continue;
    bots_.erase(it);
    bot->link = nullptr;
    if (current_ == bot) current_ = nullptr;
    if (previous_ == bot) previous_ = nullptr;
    return bot;
  }
  return nullptr;
}

void OC_BOT_LIST::DeleteAll() {
  std::deque<OC_BASE*> bots;
  bots.swap(bots_);
  for (OC_BASE* bot : bots) {
    if (bot != nullptr) Dispose(bot);
  }
}

void OC_BOT_LIST::Clear() {
  bots_.clear();
  current_ = nullptr;
  previous_ = nullptr;
}

void OC_BOT_LIST::Sort() {
  std::stable_sort(bots_.begin(), bots_.end(), [](const OC_BASE* a, const OC_BASE* b) {
    if (a == nullptr) return false;
    if (b == nullptr) return true;
    return SortKey(a) > SortKey(b);
  });
}

}  // namespace ORB
