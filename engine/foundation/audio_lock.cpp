#include "engine/foundation/audio_lock.h"

namespace ORB {

Lock& AudioLock() {
  static Lock lock;
  return lock;
}

std::condition_variable_any& AudioWorkSignal() {
  static std::condition_variable_any signal;
  return signal;
}

}  // namespace ORB
