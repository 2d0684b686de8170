#pragma once
// A player's hearts (lives). The maximum is the owner's "health" rule value.
// Every heart spent queues the calendar time from which its refill runs; the
// hearts come back one after another, each refill time after the previous
// one, by the calendar clock, so they also come back while the game is closed
// (Refresh catches up after loading and whenever the player changes).
#include <cstdint>
#include <deque>

#include <pugixml.hpp>

#include "engine/foundation/save_file.h"

namespace ORB_GF {
class gPlayer;
}

namespace game {

class gHearts {
 public:
  gHearts() = default;
  explicit gHearts(const ORB_GF::gPlayer* owner) : owner_(owner) {}

  // The player whose "health" value is the maximum.
  void SetOwner(const ORB_GF::gPlayer* owner) { owner_ = owner; }
  int32_t GetMaximum() const;

  // Catches up with the calendar clock: every queued refill that is due adds
  // its heart; then either the next refill counts down or, at the maximum,
  // nothing does. A clock set back before the oldest queued time moves the
  // queue back with it (the next heart is then one refill time away) rather
  // than refilling everything or counting down for years. Answers whether a
  // heart is on its way.
  bool Refresh();
  // One heart back: false at the maximum; otherwise the oldest queued time is
  // dropped and the state refreshed.
  bool Add();
  // The per-frame countdown: at 0 the heart arrives.
  void Update(float frame_seconds);
  // One heart spent: false with none left; otherwise its refill is queued one
  // refill time after the last queued one (or now, with none queued).
  bool Spend();
  // Drops every queued refill (before the hearts are filled after a
  // purchase).
  void ClearQueue() { queue_.clear(); }
  // Keeps the count between 0 and the maximum (a stored count is no more to
  // be trusted than stored stars or times).
  void HoldToMaximum();
  // Adds hearts until no more can be added; answers how many were added.
  int32_t Fill();

  bool IsRefilling() const { return refilling_; }
  int32_t GetCount() const { return count_; }
  void SetCount(int32_t count) { count_ = count; }
  uint32_t GetRefillTime() const { return refill_time_; }
  void SetRefillTime(uint32_t seconds) { refill_time_ = seconds; }
  // Seconds until the next heart; 0 when none is on its way.
  double GetCountdown() const { return countdown_; }
  const std::deque<uint32_t>& GetQueue() const { return queue_; }

  // XML: the "health" element's "increment", "count", "countdown" and
  // "time_refill_heart" (seconds, truncated); absent values read as 0/false.
  void Load(const pugi::xml_node& element);
  void Save(pugi::xml_node element) const;

  // Binary: refilling, count, countdown, refill time, queue length, queue.
  void WriteToStream(ORB::SaveFile& stream) const;
  [[nodiscard]] bool ReadFromStream(ORB::SaveFile& stream);

 private:
  static int64_t Now();
  // The heart itself: count + 1 and the oldest queued time gone.
  void Arrive();

  bool refilling_ = false;
  int32_t count_ = 0;
  uint32_t refill_time_ = 0;
  double countdown_ = 0.0;
  const ORB_GF::gPlayer* owner_ = nullptr;
  std::deque<uint32_t> queue_;
};

}  // namespace game
