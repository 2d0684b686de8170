#pragma once
// The settings window, "Options" (GG_WINDOW_OPTIONS): the current player's
// music and sound volumes and game cursor, and the game's fullscreen switch.
// Every change applies at once (the hub's SetCurrentPlayer with the same
// player: cursor, display mode and volumes), so a slider is heard while it
// is dragged; OK keeps the changes and saves, Cancel puts the player's
// volumes and cursor back as they were when the window opened. Cancel leaves
// the fullscreen switch as the player last set it (the display has changed
// already). The title, the pack menu and the in-game menu open it.
//
// Its description's GUI, by id (a widget that is missing, or of another
// class, is left out):
//   3  OK: saves everything and closes
//   4  Cancel: restores and closes
//   5  opens "Help"
//   6  opens "Credits" (a simple window; any of its widget events closes it)
//   7  the fullscreen box (a check box or switch)
//   8  the game-cursor box
//   9  the sound volume slider (a 12- or 13-frame slider, 0 to 100)
//   10 the music volume slider
//   11 the fullscreen box's label
// On a desktop smaller than the game's 1024 x 768 screen the game can only
// run fullscreen: box 7 and label 11 are then hidden and take no input.
#include <cstdint>
#include <memory>

#include <pugixml.hpp>

#include "framework/window.h"
#include "game/records/game_player.h"
#include "game/shell/screens/screen_host.h"

namespace game {

class GG_WINDOW_OPTIONS : public gHostedScreen, public ORB_GF::G_WINDOW {
 public:
  static constexpr int32_t kOkId = 3;
  static constexpr int32_t kCancelId = 4;
  static constexpr int32_t kHelpId = 5;
  static constexpr int32_t kCreditsId = 6;
  static constexpr int32_t kFullscreenId = 7;
  static constexpr int32_t kCursorId = 8;
  static constexpr int32_t kSoundId = 9;
  static constexpr int32_t kMusicId = 10;
  static constexpr int32_t kFullscreenLabelId = 11;
  static constexpr const char* kHelp = "Help";
  static constexpr const char* kCredits = "Credits";

  explicit GG_WINDOW_OPTIONS(const pugi::xml_node& node, cScreenHost* host = nullptr);

  // The copy of the current player taken when the window last began to
  // open; null before, or when no player was current.
  const GG_PLAYER* GetKept() const { return kept_.get(); }

 protected:
  // Keeps a copy of the current player and shows its settings.
  void OnOpenBegin() override;
  void OnGuiEvent(int32_t widget_id) override;

 private:
  // Boxes and sliders into the player and the game's settings, applied.
  void Apply();
  // The kept volumes and cursor back into the player, applied.
  void Restore();
  static void CloseCredits(void* context, int32_t widget_id);

  std::unique_ptr<GG_PLAYER> kept_;
};

}  // namespace game
