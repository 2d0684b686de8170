#pragma once
#include <cstdint>

namespace game {

// The game's entry hook: sets the engine up, runs it and answers the engine's
// exit code (100500 after a normal run, -100500 after a failed start).
int32_t GameMain(intptr_t argument);

}  // namespace game
