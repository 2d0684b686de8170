#pragma once
// The game's process-wide objects that live in the shell's care: the sound
// bank, the localization (the texts in the game's language) and the players
// list. CreateGame makes them, everything reaches them through the getters,
// DestroyGame deletes them. (The shop catalogue, font, trophy and
// leaderboard lists keep their getters beside their classes.)
#include "engine/foundation/localization.h"
#include "engine/foundation/sound_bank.h"
#include "game/records/players_list.h"

namespace game {

// Each null before its Create and after its Destroy.
ORB::OC_SOUND_BANK* GetSoundBank();
ORB::OC_LOCALIZATION* GetLocalization();
PlayersList* GetPlayersList();

// Each makes a new, empty object (deleting one made before). The sound bank
// fetches its sounds from the engine's repository.
ORB::OC_SOUND_BANK& CreateSoundBank();
ORB::OC_LOCALIZATION& CreateLocalization();
PlayersList& CreatePlayersList();

void DestroySoundBank();
void DestroyLocalization();
void DestroyPlayersList();

}  // namespace game
