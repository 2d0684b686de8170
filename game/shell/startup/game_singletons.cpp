#include "game/shell/startup/game_singletons.h"

#include <memory>

#include "framework/game_singleton.h"
#include "game/shell/startup/repository_sounds.h"

namespace game {

namespace {

using LocalizationSlot = ORB_GF::GameSingleton<ORB::OC_LOCALIZATION>;
using PlayersSlot = ORB_GF::GameSingleton<PlayersList>;

// The bank gives its sounds back to its provider when it goes, so the
// provider lives as long as the process.
RepositorySounds& Sounds() {
  static RepositorySounds sounds;
  return sounds;
}

std::unique_ptr<ORB::OC_SOUND_BANK>& BankSlot() {
  static std::unique_ptr<ORB::OC_SOUND_BANK> bank;
  return bank;
}

}  // namespace

ORB::OC_SOUND_BANK* GetSoundBank() { return BankSlot().get(); }
ORB::OC_LOCALIZATION* GetLocalization() { return LocalizationSlot::Get(); }
PlayersList* GetPlayersList() { return PlayersSlot::Get(); }

ORB::OC_SOUND_BANK& CreateSoundBank() {
  BankSlot() = std::make_unique<ORB::OC_SOUND_BANK>(&Sounds());
  return *BankSlot();
}
ORB::OC_LOCALIZATION& CreateLocalization() { return LocalizationSlot::Create(); }
PlayersList& CreatePlayersList() { return PlayersSlot::Create(); }

void DestroySoundBank() { BankSlot().reset(); }
void DestroyLocalization() { LocalizationSlot::Destroy(); }
void DestroyPlayersList() { PlayersSlot::Destroy(); }

}  // namespace game
