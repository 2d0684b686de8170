#pragma once
// GG_WINDOW_TITLE: the title screen ("Title"), the first screen on the
// desktop, with its three buttons. The driver opens it with "Title_Top"
// through cScreenHost::OpenTitle; the pack menu's back button returns here.
//
// Its description (the GUI ids are the buttons'; everything else in it is
// pictures and labels that do nothing):
//
//   <window _name="Title" _type="GG_WINDOW_TITLE" ...>
//     <GUI>
//       <BUTTON5 ID="1" .../>   play
//       <BUTTON5 ID="2" .../>   options
//       <BUTTON5 ID="3" .../>   exit
//     </GUI>
//   </window>
//
// - Play: without a current player the name entry ("Players_EditBox",
//   player_name_entry.h) asks for one first; then, behind
//   "Fade_Transition", the title closes and the pack list opens
//   (cScreenHost::CloseTitle, cScreenHost::OpenPackList). A second click while the fade
//   runs does nothing.
// - Options: without a current player the name entry first; then
//   cScreenHost::OpenOptions.
// - Exit: "Confirm_Exit" asks; yes stops the game service's frame loop (the
//   program then ends normally), no leaves the title as it is.
#include <cstdint>

#include <pugixml.hpp>

#include "framework/window.h"
#include "game/shell/screens/fade_transition.h"
#include "game/shell/screens/player_name_entry.h"
#include "game/shell/screens/screen_host.h"

namespace game {

class GG_WINDOW_TITLE : public gHostedScreen, public ORB_GF::G_WINDOW {
 public:
  static constexpr int32_t kPlayId = 1;
  static constexpr int32_t kOptionsId = 2;
  static constexpr int32_t kExitId = 3;
  static constexpr const char* kConfirmExit = "Confirm_Exit";

  explicit GG_WINDOW_TITLE(const pugi::xml_node& node, cScreenHost* host = nullptr)
      : gHostedScreen(host), G_WINDOW(node) {}

  // Play's second half, once there is a player: through the fade, the title
  // goes and the pack list comes.
  void StartGame();

 protected:
  void OnGuiEvent(int32_t widget_id) override;

 private:
  static void ExitAnswered(void* self, int32_t answer);

  gPlayerNameEntry name_entry_{*this};
  gFadeTransition fade_;
};

}  // namespace game
