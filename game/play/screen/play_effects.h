#pragma once
// gPlayEffects: the flights of the play screen, read from "effects.xml": the
// hint's flight to its cell ("hint_fly", gHintFlight) and the coins of bonus
// cells ("bonus_effect", GG_EFFECT_BONUS) in a live list that the win waits
// to see empty. Either template may be missing: without it that effect
// does not fly (the gameplay then applies the hint or credits the coins at
// once).
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <pugixml.hpp>

#include "game/play/screen/effect_bonus.h"
#include "game/play/screen/hint_flight.h"

namespace game {

class GG_ELEMENT;

class gPlayEffects {
 public:
  using FontLookup = gBonusTemplate::FontLookup;
  // Told of the cell a hint reached.
  using Arrival = std::function<void(GG_ELEMENT& cell)>;
  using Credit = GG_EFFECT_BONUS::Credit;

  gPlayEffects();
  ~gPlayEffects();
  gPlayEffects(const gPlayEffects&) = delete;
  gPlayEffects& operator=(const gPlayEffects&) = delete;

  // Reads both templates from the effects file's root.
  void Load(const pugi::xml_node& effects, const FontLookup& fonts);
  void SetArrival(Arrival arrival) { arrival_ = std::move(arrival); }
  void SetCredit(Credit credit) { credit_ = std::move(credit); }

  // False when the hint cannot fly (no template, a speed of 0 or less).
  bool StartHintFlight(const ORB::Vector2& from, GG_ELEMENT& target);
  // False (the coins are not credited here) without a bonus template.
  bool StartBonusEffect(const ORB::Vector2& cell, int32_t coins);
  int32_t GetFlyingEffects() const { return static_cast<int32_t>(bonuses_.size()); }

  // One frame: the hint's flight (arrival told after its frame), then every
  // bonus coin; finished ones are deleted once their Update has returned.
  void Update();
  void Draw();
  void AcquireResources();
  void ReleaseResources();
  // Every flight and coin goes; nothing arrives or is credited any more.
  void Reset();

  gHintFlight& Hint() { return hint_; }
  bool HasBonusTemplate() const { return bonus_loaded_; }
  const std::vector<std::unique_ptr<GG_EFFECT_BONUS>>& Bonuses() const { return bonuses_; }

 private:
  gHintFlight hint_;
  gBonusTemplate bonus_;
  bool bonus_loaded_ = false;
  std::vector<std::unique_ptr<GG_EFFECT_BONUS>> bonuses_;
  Arrival arrival_;
  Credit credit_;
  bool acquired_ = false;
};

}  // namespace game
