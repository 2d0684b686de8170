#pragma once
// GG_WINDOW_PACK_MENU: the bar of buttons over the pack and level lists
// ("Packs_Menu"). The hub opens it with the other top panels.
//
// Its GUI, by id (any may be missing):
//   2  the pack list: the pack group closes and "Packs" opens (nothing
//      while "Packs" is open)
//   3  the trophies: the pack group closes and the trophy screens open
//      (cScreenHost::OpenTrophies; nothing while "Trophy" is open)
//   4  "Options" opens
//   5  back: from the level list to the pack list ("Levels" closes, "Packs"
//      opens); from anywhere else, on the desktop, behind
//      "Fade_Transition", every screen of the group and the top panels close
//      and the title comes back (cScreenHost::OpenTitle). On phones this button is
//      switched off.
//   6  "Shop" opens
//   8  the training: the pack group closes and "Training" opens (nothing
//      while it is open)
// The pack group is "Pack_Title", "Packs", "Level_Title", "Levels",
// "Training" and the trophy screens (cScreenHost::CloseTrophies); it closes
// animated. A button whose screen the edition's scene list lacks does
// nothing (the current screen stays rather than leaving an empty one).
#include <cstdint>

#include <pugixml.hpp>

#include "framework/window.h"
#include "game/shell/screens/fade_transition.h"
#include "game/shell/screens/screen_host.h"

namespace game {

class GG_WINDOW_PACK_MENU : public gHostedScreen, public ORB_GF::G_WINDOW {
 public:
  static constexpr int32_t kPacksId = 2;
  static constexpr int32_t kTrophiesId = 3;
  static constexpr int32_t kOptionsId = 4;
  static constexpr int32_t kBackId = 5;
  static constexpr int32_t kShopId = 6;
  static constexpr int32_t kTrainingId = 8;
  static constexpr const char* kTraining = "Training";
  static constexpr const char* kShop = "Shop";

  // The bar's own settings: on phones the back button is switched off.
  explicit GG_WINDOW_PACK_MENU(const pugi::xml_node& node, cScreenHost* host = nullptr);

  // Closes the pack group (animated).
  void ClosePackGroup();

 protected:
  void OnGuiEvent(int32_t widget_id) override;

 private:
  void Back();

  gFadeTransition fade_;
};

}  // namespace game
