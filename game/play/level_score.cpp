#include "game/play/level_score.h"

#include <cmath>
#include <limits>

namespace game {

namespace {

// a + b without wrapping past the int range.
int32_t AddClamped(int32_t a, int32_t b) {
  const int64_t sum = static_cast<int64_t>(a) + b;
  if (sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(sum);
}

}  // namespace

void gLevelScore::Start(int32_t allowedErrors, int32_t startHints) {
  allowed_errors_ = allowedErrors;
  AddHints(startHints);
}

void gLevelScore::Reset() {
  elapsed_time_ = 0.0f;
  errors_ = 0;
  hints_awarded_ = 0;
  hints_held_ = 0;
  hints_used_ = 0;
  level_coins_ = 0;
}

void gLevelScore::AddTime(float frameSeconds) {
  // A broken frame time must not poison the level's time for good.
  if (frameSeconds > 0.0f && std::isfinite(frameSeconds)) elapsed_time_ += frameSeconds;
}

int32_t gLevelScore::PayCell() {
  level_coins_ = AddClamped(level_coins_, rules_.coins_per_cell);
  return rules_.coins_per_cell;
}

int32_t gLevelScore::PayBonus() {
  level_coins_ = AddClamped(level_coins_, rules_.bonus_coins);
  return rules_.bonus_coins;
}

bool gLevelScore::AwardHintAt(double progress) {
  if (hints_held_ < 0 || static_cast<uint32_t>(hints_held_) >= rules_.max_hints) return false;
  const double threshold =
      (static_cast<double>(hints_awarded_) + 1.0) / (static_cast<double>(rules_.max_hints) + 1.0);
  if (progress < threshold) return false;
  if (!store_flag_) {
    ++hints_awarded_;
    ++hints_held_;
  }
  return true;
}

bool gLevelScore::CountError() {
  errors_ = AddClamped(errors_, 1);
  return errors_ >= allowed_errors_;
}

void gLevelScore::TakeHint() {
  if (store_flag_ || hints_held_ <= 0) return;
  --hints_held_;
  ++hints_used_;
}

void gLevelScore::AddHints(int32_t count) {
  if (store_flag_ || count <= 0) return;
  hints_held_ = AddClamped(hints_held_, count);
}

int32_t gLevelScore::Stars() const { return StarsForErrors(errors_); }

LevelResult gLevelScore::Result(int32_t packId, int32_t levelId) const {
  LevelResult result;
  result.store_flag = store_flag_;
  result.pack_id = packId;
  result.level_id = levelId;
  result.elapsed_time = elapsed_time_;
  result.errors = errors_;
  result.hints_awarded = hints_awarded_;
  result.hints_held = hints_held_;
  result.hints_used = hints_used_;
  result.level_coins = level_coins_;
  return result;
}

}  // namespace game
