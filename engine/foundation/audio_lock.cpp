#include "engine/foundation/audio_lock.h"

namespace ORB {

Lock& AudioLock() {
  static Lock lock;
  return lock;
}

std::condition_variable_any& AudioWorkSignal() {
  // Never destroyed: when the process ends through exit (Xlib's default
  // handler does on an X error), static destructors may run before the exit
  // handler that stops the audio thread, which must still find the signal it
  // waits on intact.
  static auto* signal = new std::condition_variable_any;
  return *signal;
}

}  // namespace ORB
