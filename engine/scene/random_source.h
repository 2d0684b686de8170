#pragma once
// Where bots and particles draw their random numbers: the engine's default
// generator, or a stand-in of a fixed seed while none is published (a test or
// tool that never seeded one), so a draw never meets a null generator.
#include "engine/foundation/random.h"

namespace ORB {

Random& RandomSource();

}  // namespace ORB
