#pragma once
// What the gameplay screen asks of the game around it: XML documents by
// resource name, the current player with the progress records of the level
// being started, playing a sound and the fonts by name. The game hub answers with the
// repository, its current player, pack and level, and the sound bank; tests
// answer with documents and records of their own.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/scene/font.h"

namespace game {

class GG_PLAYER;
class gPackState;
class gLevelRecord;

class cGameplayHost {
 public:
  virtual ~cGameplayHost() = default;

  // The parsed document, or null when there is none; every document handed
  // out is given back through ReleaseDocument.
  virtual pugi::xml_document* GetDocument(const std::string& name) = 0;
  virtual void ReleaseDocument(pugi::xml_document* document) = 0;

  // The current player, or null.
  virtual GG_PLAYER* GetCurrentPlayer() = 0;
  // The pack and level the player chose.
  virtual int32_t GetCurrentPackId() = 0;
  virtual int32_t GetCurrentLevelId() = 0;
  // The current player's progress in that pack (null when the player has no
  // record of it) and in that level (null when absent).
  virtual gPackState* FindPackState(int32_t packId) = 0;
  virtual gLevelRecord* FindLevelRecord(int32_t packId, int32_t levelId) = 0;

  // Plays a sound of the game's sound group by name.
  virtual void PlaySound(const std::string& name) = 0;

  // The font of that name from the game's font list, or null.
  virtual ORB::OC_FONT* FindFont(const std::string& name) = 0;
};

}  // namespace game
