#pragma once
// The one lock of the sound code. The main thread and the audio thread both
// take it around the sound list and around every OpenAL and decoder call; it
// is re-entrant because a sound stops itself from inside its own update.
#include "engine/foundation/lock.h"

namespace ORB {

Lock& AudioLock();

}  // namespace ORB
