#pragma once
// GG_WINDOW_UP_PANEL: a panel along the top of a running level showing the
// level's time and its name, with a menu button that pauses the level and
// opens the in-game menu "GP_Menu" (game_menu_window.h), as the play
// screen's pause control does.
//
// Who uses it: no screen of the game shows it, and no "_type" of the window
// factory (window_factory.h) makes it, so a scene list cannot name it. Code
// that wants the panel makes it from its description with the screens'
// host (screen_host.h) and registers it with the window manager, which owns
// it from then on, then opens it with the level:
//
//   windows.AddWindow(std::make_unique<GG_WINDOW_UP_PANEL>(element, host));
//   windows.OpenWindow(element.attribute("_name").value(), false);
//
// Its description (the common window attributes are G_WINDOW's; the name is
// the code's to choose):
//
//   <window _name="..." _typeOpen="SH_MOVE_DOWN" _typeClose="SH_MOVE_UP"
//           _typePos="POS_IN_PIX" _position="512 24" layer="7">
//     <GUI>
//       <BUTTON5 ID="1" TEXTURE="..."/>                               the menu
//       <WLABEL ID="2" FONT="..." FONT_TEXTURE="..." TEXT=""/>        the time
//       <WLABEL ID="3" FONT="..." FONT_TEXTURE="..." TEXT=""/>        the name
//     </GUI>
//   </window>
//
// Any widget may be missing. While the panel is open the time shows the
// level's elapsed time as a clock ("01:05", framework/time_format.h) and the
// name the current pack's name and the level's number in it ("Garden 3");
// both follow the hub's current level, also when the next level starts
// under the open panel. Without a level both are empty. The menu does
// nothing when the game has no "GP_Menu": nothing could resume a level
// paused without it.
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "framework/window.h"
#include "game/shell/screens/screen_host.h"

namespace game {

class GG_WINDOW_UP_PANEL : public gHostedScreen, public ORB_GF::G_WINDOW {
 public:
  static constexpr int32_t kMenuId = 1;
  static constexpr int32_t kTimeId = 2;
  static constexpr int32_t kNameId = 3;
  static constexpr const char* kMenu = "GP_Menu";

  explicit GG_WINDOW_UP_PANEL(const pugi::xml_node& node, cScreenHost* host = nullptr)
      : gHostedScreen(host), G_WINDOW(node) {}

 protected:
  // The labels are written when the panel begins to open, after a player
  // switch and every frame while it is open (each only when its text
  // changes).
  void OnOpenBegin() override;
  void Refresh() override { ShowLevel(); }
  void OnUpdate() override { ShowLevel(); }
  void OnGuiEvent(int32_t widget_id) override;

 private:
  void ShowLevel();
  // Writes the label when the text differs from what it shows (`shown`).
  void Show(int32_t id, std::wstring text, std::wstring& shown);

  std::wstring time_shown_;
  std::wstring name_shown_;
};

}  // namespace game
