#pragma once
// A sprite of a board piece read from its description and placed by its
// centre, whatever hot spot the description names: the pieces that lay
// their sprites out along the board (clue strips, highlight bars) set each
// one's centre.
#include <memory>

#include <pugixml.hpp>

#include "engine/scene/anchor.h"
#include "framework/sprite.h"

namespace game {

// Null for a missing element.
inline std::unique_ptr<ORB_GF::G_SPRITE> ReadCentredSprite(const pugi::xml_node& node) {
  if (!node) return nullptr;
  auto sprite = std::make_unique<ORB_GF::G_SPRITE>(node);
  sprite->SetHotSpot(ORB::HS_MID, 0.0f, 0.0f);
  return sprite;
}

}  // namespace game
