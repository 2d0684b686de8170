#include "game/play/screen/play_locks.h"

#include "game/play/gameplay.h"
#include "game/play/screen/control_bar.h"

namespace game {

void ApplyPlayLocks(GG_GAMEPLAY& gameplay, gControlBar& controls, const gPlayLocks& locks) {
  gameplay.Board().SetCellsLocked(locks.cells);
  controls.SetLocks(locks.hint, locks.tool, locks.store, locks.reset);
}

}  // namespace game
