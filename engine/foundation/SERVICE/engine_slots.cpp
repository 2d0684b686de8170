#include "engine/foundation/SERVICE/engine_slots.h"

namespace ORB {

EngineSlots& Engine() {
  static EngineSlots slots;
  return slots;
}

}  // namespace ORB
