#pragma once
// Where the game's sound bank gets its sounds: the engine's resource
// repository by resource name, counting the uses the bank holds. CreateGame
// makes one beside the bank; it must outlive the bank, which gives its uses
// back when it goes.
#include <cstdint>
#include <string>

#include "engine/foundation/sound_provider.h"

namespace game {

class RepositorySounds : public ORB::SoundProvider {
 public:
  // The engine's repository at each call (null: no sounds).
  ORB::OC_SOUND* GetSound(const std::string& name, int32_t bufferCount, bool whole) override;
  void ReleaseSound(ORB::OC_SOUND* sound) override;
};

}  // namespace game
