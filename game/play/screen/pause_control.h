#pragma once
// GG_PAUSE: the pause button at the top left of the play screen. A click on
// its button runs its action (the control bar pauses the level and opens the
// in-game menu "GP_Menu"). It is never locked.
//
//   <pause>
//     <TRANSFORM>...</TRANSFORM>  <background>...</background>
//     <BUTTON5 ID="1" TEXTURE="..."/>
//   </pause>
#include "game/play/screen/button_control.h"

namespace game {

class GG_PAUSE : public gButtonControl {
 public:
  // Pause takes no lock.
  void SetLocked(bool /*locked*/) override {}
  int32_t OnButtonDown(int32_t button) override;
  int32_t OnButtonUp(int32_t button) override;
  int32_t OnPointerMove() override;

 protected:
  // "BUTTON5" is required.
  bool LoadControl(const pugi::xml_node& root) override { return LoadButton(root); }
};

}  // namespace game
