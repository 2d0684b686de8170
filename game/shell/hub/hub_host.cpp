// The hub's answers to the gameplay screen (cGameplayHost) and its sounds.
#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/sound_bank.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/startup/edition_settings.h"
#include "game/shell/startup/game_singletons.h"

namespace game {

pugi::xml_document* gGame::GetDocument(const std::string& name) {
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  return repository != nullptr ? repository->GetXml(name) : nullptr;
}

void gGame::ReleaseDocument(pugi::xml_document* document) {
  if (ORB::OC_REPOSITORY* repository = ORB::Engine().repository) repository->ReleaseXml(document);
}

int32_t gGame::GetCurrentPackId() {
  return current_pack_ != nullptr ? current_pack_->GetId() : gPackRecord::kNoId;
}

int32_t gGame::GetCurrentLevelId() {
  return current_level_ != nullptr ? current_level_->GetId() : -1;
}

gPackState* gGame::FindPackState(int32_t pack_id) {
  return current_player_ != nullptr ? current_player_->FindPack(pack_id) : nullptr;
}

gLevelRecord* gGame::FindLevelRecord(int32_t pack_id, int32_t level_id) {
  return current_player_ != nullptr ? current_player_->FindLevel(pack_id, level_id) : nullptr;
}

ORB::OC_FONT* gGame::FindFont(const std::string& name) {
  return fonts_ != nullptr ? fonts_->Find(name) : nullptr;
}

bool gGame::CanBuy(const std::string& product) {
  ORB::OC_STORE& store = ORB::OC_STORE::Instance();
  const ORB::StoreProduct* found = store.FindProduct(product);
  return store.HasProvider() && found != nullptr && found->enabled != 0;
}

bool gGame::Buy(const std::string& product) { return ORB::OC_STORE::Instance().Buy(product); }

bool gGame::IsPackLogicStars() { return GetEditionSettings().pack_logic_stars; }

bool gGame::HasInAppConfig() { return game::HasInAppConfig(); }

bool gGame::HasStoreButton() { return GetEditionSettings().store_button; }

int32_t gGame::GetHeartCount() {
  return current_player_ != nullptr ? current_player_->GetHealth().GetCount() : 0;
}

float gGame::GetSoundLength(const std::string& name) {
  ORB::OC_SOUND_BANK* sounds = GetSoundBank();
  return sounds != nullptr ? static_cast<float>(sounds->GetLength(kSoundsGroup, name)) : 0.0f;
}

void gGame::SetMusicVolume(float percent) {
  if (ORB::OC_SOUND_BANK* sounds = GetSoundBank()) sounds->SetVolume(kMusicGroup, percent);
}

void gGame::LeaveToLevels() {
  StopLevel();
  ReleaseLevel();
  OpenLevels(GetCurrentPackId(), true);
}

void gGame::PlaySound(const std::string& name) {
  if (ORB::OC_SOUND_BANK* sounds = GetSoundBank()) sounds->Play(kSoundsGroup, name);
}

void gGame::PlaySoundDelayed(const std::string& name, float seconds) {
  if (ORB::OC_SOUND_BANK* sounds = GetSoundBank()) sounds->PlayDelayed(kSoundsGroup, name, seconds);
}

void gGame::PlayMusic(const std::string& name) {
  if (ORB::OC_SOUND_BANK* sounds = GetSoundBank()) sounds->Play(kMusicGroup, name);
}

void gGame::StartMusic() {
  if (ORB::OC_SOUND_BANK* sounds = GetSoundBank()) sounds->PlayGroup(kMusicGroup, kMusicGroupValue);
}

}  // namespace game
