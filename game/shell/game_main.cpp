#include "game/shell/game_main.h"

#include "engine/foundation/SERVICE/register_application.h"

namespace game {

int32_t GameMain(intptr_t) { return ORB::kExitNormal; }

}  // namespace game
