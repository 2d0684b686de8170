#pragma once
// GG_WINDOW_GAME_MENU: the menu over a running level ("GP_Menu"), opened by
// the play screen's menu button and when the game's window loses the focus
// (the level is paused then).
//
// Its GUI, by id (any may be missing):
//   1  resume: the menu closes and the level goes on
//   2  restart: "Confirm_Restart_Level" asks (without it
//      "Confirm_Restart_In_Finish"); yes restarts the level, spends a heart
//      (in editions with hearts) and closes the menu. Without a heart left
//      nothing restarts: "Confirm_NoHealth" offers the shop instead
//      (cScreenHost::CanPlayLevelOrAsk)
//   3  leave: "Confirm_Close_Lvl" asks; yes spends a heart at once, then,
//      behind "Fade_Transition", the menu closes, the level stops and gives
//      back its pictures and the pack's level list opens
//   4  the options
//   5  the shop ("Shop")
#include <cstdint>

#include <pugixml.hpp>

#include "framework/window.h"
#include "game/shell/screens/fade_transition.h"
#include "game/shell/screens/screen_host.h"

namespace game {

class GG_WINDOW_GAME_MENU : public gHostedScreen, public ORB_GF::G_WINDOW {
 public:
  static constexpr int32_t kResumeId = 1;
  static constexpr int32_t kRestartId = 2;
  static constexpr int32_t kLeaveId = 3;
  static constexpr int32_t kOptionsId = 4;
  static constexpr int32_t kShopId = 5;
  static constexpr const char* kRestartDialog = "Confirm_Restart_Level";
  static constexpr const char* kRestartDialogOther = "Confirm_Restart_In_Finish";
  static constexpr const char* kLeaveDialog = "Confirm_Close_Lvl";
  static constexpr const char* kShop = "Shop";

  explicit GG_WINDOW_GAME_MENU(const pugi::xml_node& node, cScreenHost* host = nullptr)
      : gHostedScreen(host), G_WINDOW(node) {}

 protected:
  void OnGuiEvent(int32_t widget_id) override;

 private:
  static void RestartAnswered(void* self, int32_t answer);
  static void LeaveAnswered(void* self, int32_t answer);

  gFadeTransition fade_;
};

}  // namespace game
