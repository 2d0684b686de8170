#include "engine/foundation/audio_lock.h"

namespace ORB {

Lock& AudioLock() {
  static Lock lock;
  return lock;
}

}  // namespace ORB
