#include "game/play/level_progress.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "game/play/level_score.h"
#include "game/records/game_player.h"
#include "game/records/level_record.h"
#include "game/records/pack_state.h"
#include "game/records/statistics.h"

namespace game {

namespace {

// n + 1, stopping at the largest value.
void Increment(uint32_t& n) {
  if (n < std::numeric_limits<uint32_t>::max()) ++n;
}

}  // namespace

void RecordWinStatistics(gStatistics& statistics, const gLevelScore& score) {
  if (score.GetHintsUsed() == 0) {
    Increment(statistics.without_hint);
    statistics.without_hint_max = std::max(statistics.without_hint_max, statistics.without_hint);
  } else {
    statistics.without_hint = 0;
  }
  if (score.GetErrors() == 0) {
    Increment(statistics.without_error);
    statistics.without_error_max = std::max(statistics.without_error_max, statistics.without_error);
  } else {
    statistics.without_error = 0;
  }
  statistics.bad_level = 0;
  statistics.AddScore(static_cast<uint32_t>(std::max(score.GetLevelCoins(), 0)));
  const float time = score.GetElapsedTime();
  if (time > 0.0f && std::isfinite(time) &&
      (!(statistics.min_level_time > 0.0f) || time < statistics.min_level_time)) {
    statistics.min_level_time = time;
  }
}

void RecordLossStatistics(gStatistics& statistics) {
  Increment(statistics.bad_level);
  statistics.bad_level_max = std::max(statistics.bad_level_max, statistics.bad_level);
  statistics.without_error = 0;
  statistics.without_hint = 0;
}

void RecordLevelWin(gLevelRecord& record, const gLevelScore& score) {
  record.SetStars(score.Stars());
  record.SetBestTime(score.GetElapsedTime());
}

void UnlockAfterWin(GG_PLAYER& player, gPackState& pack, const gLevelRecord* record,
                    int32_t levelId, bool packLogicStars, const PackDescriptions& descriptions) {
  const bool last = record != nullptr && pack.IsLastLevel(record);
  if (record != nullptr && !last && levelId < std::numeric_limits<int32_t>::max()) {
    if (gLevelRecord* next = pack.FindLevel(levelId + 1)) next->SetLock(false);
  }
  if (packLogicStars) {
    const uint32_t total = player.TotalStars();
    for (int32_t id = pack.GetId(); id < std::numeric_limits<int32_t>::max();) {
      ++id;
      gPackState* following = player.FindPack(id);
      if (following == nullptr) break;
      following->UpdateFirstLevelLock(total, descriptions ? descriptions(id) : nullptr);
    }
  } else if (last && pack.GetId() < std::numeric_limits<int32_t>::max()) {
    if (gPackState* next = player.FindPack(pack.GetId() + 1)) {
      if (gLevelRecord* first = next->GetLevelAt(0)) first->SetLock(false);
    }
  }
}

}  // namespace game
