#pragma once
// Which of the stored layouts a players file (and each record in it) uses.
// Two things change the layout: files written before the score maximum existed
// lack it, and editions that sell packs keep each pack's lock and store key.
#include <cstdint>

namespace game {

// The settings file's version for files that carry the score maximum; the
// version before it (kPlayersFileVersionOld) did not.
inline constexpr int32_t kPlayersFileVersionOld = 0x10000;
inline constexpr int32_t kPlayersFileVersion = 0x10100;

struct PlayersFileLayout {
  bool has_max_score = true;
  bool in_app = false;

  friend bool operator==(const PlayersFileLayout&, const PlayersFileLayout&) = default;
};

}  // namespace game
