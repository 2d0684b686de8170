#pragma once
// GG_STORE_BUTTON: the button that takes the player to the shop when no hint
// is left. It slides in ("speed", after "delay") while the player holds no
// hint and out while hints are held; a press on its button, when it is not
// locked, runs its action (the control bar opens "Shop" and pauses the
// level). The edition without a store button reads "store_button_empty.xml",
// which has no button: the control then never shows anything to press.
//
//   <store_button speed="1" delay="2">
//     <TRANSFORM>...</TRANSFORM>  <background>...</background>
//     <BUTTON5 ID="1" TEXTURE="..."/>
//   </store_button>
#include <cstdint>

#include "game/play/screen/button_control.h"

namespace game {

class GG_STORE_BUTTON : public gButtonControl {
 public:
  // Hints held: 0 slides the button in after "delay", more slides it out.
  void SetHints(int32_t held);

  int32_t OnButtonDown(int32_t button) override;
  int32_t OnButtonUp(int32_t button) override;
  int32_t OnPointerMove() override;
  void Draw() override;
  void Reset() override;

 protected:
  // The button is optional (the empty file has none).
  bool LoadControl(const pugi::xml_node& root) override;
};

}  // namespace game
