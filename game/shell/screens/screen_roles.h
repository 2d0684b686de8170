#pragma once
// What the hub asks of two of the game's screens beyond being windows. The
// hub finds them by name in the window manager and, when the window found
// plays the role, hands it what it shows:
//
// - "Trophy_Get", the trophy-award window (GG_WINDOW_TROPHY_GET): the trophy
//   queue gives it the trophy to show each time it opens it;
// - "Levels", the level list (GG_WINDOW_LEVEL): OpenLevels gives it the
//   current player's progress in the pack it shows.
//
// The screens derive from the role beside their window base:
//
//   class GG_WINDOW_TROPHY_GET : public ORB_GF::G_WINDOW, public game::cTrophyAward {
//     void SetTrophy(const ORB_GF::TrophyRecord& trophy) override { ...title, picture, bonus... }
//   };
#include "framework/trophy_record.h"

namespace game {

class gPackState;

class cTrophyAward {
 public:
  virtual ~cTrophyAward() = default;
  // The trophy the window shows from now on (the hub opens the window just
  // before). The record belongs to the trophy list and outlives the window.
  virtual void SetTrophy(const ORB_GF::TrophyRecord& trophy) = 0;
};

class cLevelList {
 public:
  virtual ~cLevelList() = default;
  // The current player's progress in the pack to show (null without a
  // player or a record of the pack); it belongs to the player.
  virtual void SetPack(gPackState* record) = 0;
};

}  // namespace game
