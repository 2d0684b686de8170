#pragma once
// What the pause control and the store button share: a five-state button
// (the description's "BUTTON5" child) hanging from the control, handed the
// pointer's passes by the control and read back by its answer.
#include <cstdint>
#include <memory>

#include "engine/gui/gui_object.h"
#include "game/play/screen/base_control.h"

namespace game {

class gButtonControl : public GG_BASE_CONTROL {
 public:
  void Draw() override;
  void AcquireResources() override;
  void ReleaseResources() override;
  bool HasButton() const { return button_ != nullptr; }
  ORB::OC_GUI_OBJECT* Button() const { return button_.get(); }

 protected:
  // Reads the "BUTTON5" child; false without one.
  bool LoadButton(const pugi::xml_node& root);
  // The button's answer to a pass (kGuiEventNone without a button).
  int32_t PassDown();
  int32_t PassUp();
  int32_t PassMove();

 private:
  std::unique_ptr<ORB::OC_GUI_OBJECT> button_;
};

}  // namespace game
