#include "game/play/screen/play_effects.h"

#include "game/play/element.h"

namespace game {

gPlayEffects::gPlayEffects() = default;
gPlayEffects::~gPlayEffects() = default;

void gPlayEffects::Load(const pugi::xml_node& effects, const FontLookup& fonts) {
  Reset();
  hint_.Load(effects.child("hint_fly"));
  bonus_loaded_ = bonus_.Load(effects.child("bonus_effect"), fonts);
}

bool gPlayEffects::StartHintFlight(const ORB::Vector2& from, GG_ELEMENT& target) {
  return hint_.Start(from, target);
}

bool gPlayEffects::StartBonusEffect(const ORB::Vector2& cell, int32_t coins) {
  if (!bonus_loaded_) return false;
  bonuses_.push_back(std::make_unique<GG_EFFECT_BONUS>(bonus_, cell, coins, credit_, acquired_));
  return true;
}

void gPlayEffects::Update() {
  if (GG_ELEMENT* arrived = hint_.Update()) {
    if (arrival_) arrival_(*arrived);
  }
  // A coin's callbacks never delete it: it leaves the list here, after its
  // Update has returned.
  for (size_t i = 0; i < bonuses_.size();) {
    GG_EFFECT_BONUS& bonus = *bonuses_[i];
    if (bonus.Update() || bonus.IsFinished()) {
      bonuses_.erase(bonuses_.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
}

void gPlayEffects::Draw() {
  for (const auto& bonus : bonuses_) bonus->Draw();
  hint_.Draw();
}

void gPlayEffects::AcquireResources() {
  acquired_ = true;
  hint_.AcquireResources();
  for (const auto& bonus : bonuses_) bonus->AcquireResources();
}

void gPlayEffects::ReleaseResources() {
  acquired_ = false;
  hint_.ReleaseResources();
  for (const auto& bonus : bonuses_) bonus->ReleaseResources();
}

void gPlayEffects::Reset() {
  hint_.Cancel();
  bonuses_.clear();
}

}  // namespace game
