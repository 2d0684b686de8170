#pragma once
// The one lock of the sound code. The main thread and the audio thread both
// take it around the sound list and around every OpenAL and decoder call; it
// is re-entrant because a sound stops itself from inside its own update.
//
// Beside it, the signal the audio thread waits on while no sound needs it:
// whoever starts or schedules a sound, or asks the audio thread to stop,
// notifies it while holding the lock, so the wake-up cannot fall between the
// audio thread's look at the sounds and its wait.
#include <condition_variable>

#include "engine/foundation/lock.h"

namespace ORB {

Lock& AudioLock();
std::condition_variable_any& AudioWorkSignal();

}  // namespace ORB
