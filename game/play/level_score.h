#pragma once
// gLevelScore: the running count of one level: what it allows (errors, the
// hint awards), what it pays (coins per cell), and what the player has done
// so far (time, errors, coins, hints awarded, held and used). The gameplay
// screen keeps one, feeds it the frame time and every opened cell, and
// reads the stars and the result block from it when the level ends. It
// reads no globals, so the rules are tested on it alone.
//
// The store flag: in editions that sell hints through an in-app store the
// level neither gives nor takes hints (the level start, the progress
// awards, a hint used and a refill leave hints held unchanged).
#include <cstdint>

#include "game/play/level_result.h"

namespace game {

class gLevelScore {
 public:
  // The rule values of "settings.xml" (the defaults stand without it).
  struct Rules {
    int32_t coins_per_cell = 0;
    int32_t bonus_coins = 0;
    uint32_t max_hints = 4;
  };

  void SetRules(const Rules& rules) { rules_ = rules; }
  const Rules& GetRules() const { return rules_; }
  void SetStoreFlag(bool on) { store_flag_ = on; }
  bool GetStoreFlag() const { return store_flag_; }

  // The level starts: it allows `allowedErrors` (the first error that
  // reaches it loses) and brings `startHints` (unless the store flag is
  // set) on top of the hints held.
  void Start(int32_t allowedErrors, int32_t startHints);
  // Everything the player did goes back to 0 (the rules and the allowed
  // errors stay).
  void Reset();

  // The level's clock.
  void AddTime(float frameSeconds);

  // A filled cell was revealed (rightly or by a wrong cross): the coins per
  // cell go to the level's coins. Answers them.
  int32_t PayCell();
  // A bonus cell was rightly found: its bonus coins go to the level's coins
  // at once (whenever the coin that shows them lands). Answers them.
  int32_t PayBonus();
  // The hint award after a rightly found filled cell, at `progress` (found
  // over cells to find): true when the next threshold (awarded + 1) / (max
  // hints + 1) is reached while fewer than the maximum are held; the award
  // itself (awarded + 1, held + 1) is left out under the store flag. The
  // caller refreshes the hint display whenever this is true.
  bool AwardHintAt(double progress);
  // One more error; true when the errors reach the allowed ones.
  bool CountError();
  // A hint starts: unless the store flag is set, one held hint becomes a
  // used one (when one is held).
  void TakeHint();
  // Hints bought: `count` more held, unless the store flag is set.
  void AddHints(int32_t count);
  // A second chance: the errors start again from 0.
  void ClearErrors() { errors_ = 0; }

  void SetAllowedErrors(int32_t errors) { allowed_errors_ = errors; }
  int32_t GetAllowedErrors() const { return allowed_errors_; }

  // Stars of a won level: 3 without an error, 2 with one, 1 with more.
  int32_t Stars() const;

  // The result block of the level.
  LevelResult Result(int32_t packId, int32_t levelId) const;

  float GetElapsedTime() const { return elapsed_time_; }
  int32_t GetErrors() const { return errors_; }
  int32_t GetHintsAwarded() const { return hints_awarded_; }
  int32_t GetHintsHeld() const { return hints_held_; }
  int32_t GetHintsUsed() const { return hints_used_; }
  int32_t GetLevelCoins() const { return level_coins_; }

 private:
  Rules rules_;
  bool store_flag_ = false;
  int32_t allowed_errors_ = 6;
  float elapsed_time_ = 0.0f;
  int32_t errors_ = 0;
  int32_t hints_awarded_ = 0;
  int32_t hints_held_ = 0;
  int32_t hints_used_ = 0;
  int32_t level_coins_ = 0;
};

}  // namespace game
