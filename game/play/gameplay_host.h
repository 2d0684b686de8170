#pragma once
// What the gameplay screen asks of the game around it: XML documents by
// resource name, the current player with the progress records of the level
// being started, playing a sound and the fonts by name; and for the rules of
// a level's end: the windows, the trophies, the store, the edition's
// switches, the pack descriptions, the hearts, the music, and the level
// changes the dialogues lead to. The game hub answers with the repository,
// its current player, pack and level, the sound bank, the window manager,
// the trophy list and the store; tests answer with documents and records of
// their own and record every call.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/scene/font.h"
#include "framework/trophy_condition.h"

namespace ORB_GF {
class G_WINDOW_MANAGER;
}

namespace game {

class GG_PLAYER;
class gPackRecord;
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

  // Plays a sound of the game's sound group ("sounds") by name.
  virtual void PlaySound(const std::string& name) = 0;

  // The font of that name from the game's font list, or null.
  virtual ORB::OC_FONT* FindFont(const std::string& name) = 0;

  // --- The rules of a level's end.

  // The game's window manager (the dialogues, "GP_Finish",
  // "Fade_Transition", "Shop"), or null without one.
  virtual ORB_GF::G_WINDOW_MANAGER* GetWindowManager() = 0;

  // Tests the trophy of that name with the value; true when it became got
  // now (false for an unknown trophy or one got before).
  virtual bool TestTrophy(const std::string& name, const ORB_GF::TrophyValue& value) = 0;
  // Awards a trophy the test has just reported got: its coins, the queue
  // that shows it.
  virtual void AwardTrophy(const std::string& name) = 0;

  // Whether the store can sell the product now (a store provider runs and
  // offers it), and a purchase of it: true when the purchase started (its
  // end reaches the gameplay through the hub).
  virtual bool CanBuy(const std::string& product) = 0;
  virtual bool Buy(const std::string& product) = 0;

  // The edition's switches: "pack_logic_stars" (winning stars opens the
  // following packs) and whether it sells through an in-app store (its
  // in-app file is named).
  virtual bool IsPackLogicStars() = 0;
  virtual bool HasInAppConfig() = 0;
  // The edition's "store_button": the play screen's store button sells
  // ("store_button.xml") or stands empty ("store_button_empty.xml").
  virtual bool HasStoreButton() = 0;

  // The description of a pack, or null (a level's board background is
  // copied from it when the level loads).
  virtual const gPackRecord* FindPackRecord(int32_t packId) = 0;

  // The current player's hearts, and spending one (the hub spends only in
  // editions with hearts, and saves).
  virtual int32_t GetHeartCount() = 0;
  virtual void SpendHeart() = 0;

  // Seconds of a sound of the "sounds" group (0 when unknown).
  virtual float GetSoundLength(const std::string& name) = 0;
  // The "music" group's volume, in percent.
  virtual void SetMusicVolume(float percent) = 0;

  // Starts the current level again (the gameplay's Restart, then the
  // level's tutorial when the player has not passed it); false, starting
  // nothing, when the game's heart rule lets no level start (no heart left).
  virtual bool RestartLevel() = 0;
  // Leaves the level: stops it, gives its resources back and opens the
  // level list of the current pack.
  virtual void LeaveToLevels() = 0;

  // The leaderboards hear the player's score and stars.
  virtual void ReportLeaderboards() = 0;
  // Writes the players file and the game's settings.
  virtual void SaveAll() = 0;
};

}  // namespace game
