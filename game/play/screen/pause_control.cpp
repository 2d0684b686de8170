#include "game/play/screen/pause_control.h"

#include "engine/foundation/result_codes.h"

namespace game {

int32_t GG_PAUSE::OnButtonDown(int32_t /*button*/) {
  return PassDown() == ORB::kGuiEventPressed ? ORB::kEventSwallowed : ORB::kResultNone;
}

int32_t GG_PAUSE::OnButtonUp(int32_t /*button*/) {
  if (PassUp() != ORB::kGuiEventClicked) return ORB::kResultNone;
  RunAction();
  return ORB::kEventSwallowed;
}

int32_t GG_PAUSE::OnPointerMove() {
  PassMove();
  return ORB::kResultNone;
}

}  // namespace game
