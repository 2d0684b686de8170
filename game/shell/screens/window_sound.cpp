#include "game/shell/screens/window_sound.h"

#include "engine/foundation/result_codes.h"
#include "game/shell/startup/game_singletons.h"

namespace game {

int32_t PlayWindowSound(const std::string& name) {
  if (name.empty()) return 0;
  ORB::OC_SOUND_BANK* bank = GetSoundBank();
  if (bank == nullptr) return ORB::kResultNotFound;
  return bank->Play("sounds", name);
}

}  // namespace game
