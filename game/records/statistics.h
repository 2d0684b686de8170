#pragma once
// A player's running statistics: hearts lost, score and its maximum, hints
// used, streaks without hints, without errors and of lost levels, and the
// shortest level time.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/save_file.h"
#include "game/records/players_file_layout.h"

namespace game {

struct gStatistics {
  uint32_t health = 0;
  uint32_t score = 0;
  uint32_t max_score = 0;
  uint32_t hint_use = 0;
  uint32_t without_hint_max = 0;
  uint32_t without_hint = 0;
  uint32_t without_error_max = 0;
  uint32_t without_error = 0;
  uint32_t bad_level_max = 0;
  uint32_t bad_level = 0;
  float min_level_time = 0.0f;

  // score += n (stopping at the largest value rather than wrapping), and the
  // maximum follows it.
  void AddScore(uint32_t n);
  // The score as decimal text.
  std::wstring GetScoreText() const;

  // XML: the attributes of the "statisctic" element; absent ones keep their
  // values.
  void Load(const pugi::xml_node& element);
  void Save(pugi::xml_node element) const;

  // Binary: nine counters (all but max_score), the level time, then
  // max_score in files that carry it; an older file takes score as maximum.
  void WriteToStream(ORB::SaveFile& stream, const PlayersFileLayout& layout) const;
  [[nodiscard]] bool ReadFromStream(ORB::SaveFile& stream, const PlayersFileLayout& layout);

  friend bool operator==(const gStatistics&, const gStatistics&) = default;
};

}  // namespace game
