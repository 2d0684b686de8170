#include "game/records/hearts.h"

#include <algorithm>
#include <cmath>

#include "engine/platform/clock.h"
#include "framework/player.h"

namespace game {

namespace {

constexpr const char* kMaximumItem = "health";

uint32_t SecondsFromFloat(float value) {
  if (!(value > 0.0f)) return 0;  // negative and NaN alike
  if (value >= 4294967296.0f) return UINT32_MAX;
  return static_cast<uint32_t>(value);
}

}  // namespace

int64_t gHearts::Now() {
  // The queue holds unsigned 32-bit seconds; keep the clock inside them.
  const int64_t now = ORB::platform::GetCalendarTime();
  if (now < 0) return 0;
  if (now > static_cast<int64_t>(UINT32_MAX)) return UINT32_MAX;
  return now;
}

int32_t gHearts::GetMaximum() const {
  return owner_ != nullptr ? owner_->GetItemCount(kMaximumItem) : 0;
}

void gHearts::HoldToMaximum() { count_ = std::clamp(count_, 0, std::max(0, GetMaximum())); }

void gHearts::Arrive() {
  ++count_;
  if (!queue_.empty()) {
    queue_.pop_front();
  } else {
    // A heart announced without a queued time (a template's countdown): once
    // it is here, nothing else is on its way.
    refilling_ = false;
    countdown_ = 0.0;
  }
}

bool gHearts::Refresh() {
  const int64_t now = Now();
  bool moved_back = false;
  // Each pass returns, adds a heart and drops a queued time, or moves the
  // oldest time to now (after which the next pass does one of the others), so
  // this ends after at most twice the queue's length.
  for (;;) {
    if (count_ >= GetMaximum()) {
      refilling_ = false;
      countdown_ = 0.0;
      return false;
    }
    if (queue_.empty()) return refilling_;
    const int64_t oldest = queue_.front();
    if (oldest > now) {
      if (!moved_back) {
        // The whole chain moves, keeping one refill time between its hearts.
        const int64_t shift = oldest - now;
        for (uint32_t& time : queue_) {
          time = static_cast<int64_t>(time) > shift ? static_cast<uint32_t>(time - shift) : 0;
        }
        moved_back = true;
      } else {
        queue_.front() = static_cast<uint32_t>(now);  // a queue out of order
      }
      continue;
    }
    const int64_t elapsed = now - oldest;
    if (elapsed < static_cast<int64_t>(refill_time_)) {
      refilling_ = true;
      countdown_ = static_cast<double>(oldest + refill_time_ - now);
      return true;
    }
    Arrive();
  }
}

bool gHearts::Add() {
  if (count_ >= GetMaximum()) return false;
  Arrive();
  Refresh();
  return true;
}

void gHearts::Update(float frame_seconds) {
  if (!refilling_) return;
  countdown_ -= frame_seconds;
  if (countdown_ <= 0.0) Add();
}

bool gHearts::Spend() {
  if (count_ <= 0) return false;
  if (count_ >= GetMaximum()) {
    // Nothing is missing, so nothing queued can still be owed.
    queue_.clear();
  } else {
    Refresh();  // what came back while nobody looked lands first
  }
  --count_;
  const int64_t now = Now();
  int64_t time = queue_.empty() ? now : static_cast<int64_t>(queue_.back()) + refill_time_;
  if (time > static_cast<int64_t>(UINT32_MAX)) time = UINT32_MAX;
  queue_.push_back(static_cast<uint32_t>(time));
  Refresh();
  return true;
}

int32_t gHearts::Fill() {
  int32_t added = 0;
  while (Add()) ++added;
  return added;
}

void gHearts::Load(const pugi::xml_node& element) {
  refilling_ = element.attribute("increment").as_bool();
  count_ = element.attribute("count").as_int();
  const double countdown = element.attribute("countdown").as_double();
  countdown_ = std::isfinite(countdown) && countdown > 0.0 ? countdown : 0.0;
  refill_time_ = SecondsFromFloat(element.attribute("time_refill_heart").as_float());
}

void gHearts::Save(pugi::xml_node element) const {
  element.append_attribute("increment").set_value(refilling_);
  element.append_attribute("count").set_value(count_);
  element.append_attribute("countdown").set_value(countdown_);
  element.append_attribute("time_refill_heart").set_value(refill_time_);
}

void gHearts::WriteToStream(ORB::SaveFile& stream) const {
  stream.Write(refilling_);
  stream.Write(count_);
  stream.Write(countdown_);
  stream.Write(refill_time_);
  stream.Write(static_cast<uint32_t>(queue_.size()));
  for (const uint32_t time : queue_) stream.Write(time);
}

bool gHearts::ReadFromStream(ORB::SaveFile& stream) {
  bool refilling = false;
  int32_t count = 0;
  double countdown = 0.0;
  uint32_t refill_time = 0;
  uint32_t length = 0;
  if (!stream.Read(refilling) || !stream.Read(count) || !stream.Read(countdown) ||
      !stream.Read(refill_time) || !stream.Read(length)) {
    return false;
  }
  if (length > stream.BytesLeft() / 4) return false;
  std::deque<uint32_t> queue;
  for (uint32_t i = 0; i < length; ++i) {
    uint32_t time = 0;
    if (!stream.Read(time)) return false;
    queue.push_back(time);
  }
  refilling_ = refilling;
  count_ = count;
  countdown_ = std::isfinite(countdown) && countdown > 0.0 ? countdown : 0.0;
  refill_time_ = refill_time;
  queue_ = std::move(queue);
  return true;
}

}  // namespace game
