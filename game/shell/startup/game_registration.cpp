// The game's registration with the engine, made during static construction.
#include "engine/foundation/SERVICE/register_application.h"
#include "game/shell/startup/game_main.h"

namespace {
const ORB::RegisterApplication kRegistration(game::GameMain, "", "");
}  // namespace
