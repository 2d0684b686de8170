#pragma once
// The five locks of the play screen, which the tutorial sets per step and
// the game clears whenever a level starts or a tutorial ends: every cell of
// the board, the hint button, the tool switch, the store button and the
// reset target (pause is never locked). ApplyPlayLocks is the one place they
// are applied.
namespace game {

class GG_GAMEPLAY;
class gControlBar;

struct gPlayLocks {
  bool cells = false;
  bool hint = false;
  bool tool = false;
  bool store = false;
  bool reset = false;
  friend bool operator==(const gPlayLocks&, const gPlayLocks&) = default;
};

// Locks (or unlocks) every cell of the running level and the four controls.
void ApplyPlayLocks(GG_GAMEPLAY& gameplay, gControlBar& controls, const gPlayLocks& locks);

}  // namespace game
