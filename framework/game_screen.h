#pragma once
// The size of the game's own coordinate space (1024 x 768 for this game):
// the running service's resolution, or the default one before a service
// runs. Screen-relative positions and page steps are fractions of it.
#include "engine/foundation/point.h"

namespace ORB_GF {

ORB::Point GameScreenSize();

}  // namespace ORB_GF
