#pragma once
// gToolSwitch: the fill/cross switch of the play screen, a check box built
// from the first child of "check_mode" in "ambient.xml": ticked means fill.
// Without a widget the tool is always fill. Locked, it takes no input.
#include <cstdint>
#include <memory>

#include <pugixml.hpp>

#include "engine/foundation/transform.h"
#include "engine/gui/gui_checkbox_interface.h"

namespace game {

class gToolSwitch {
 public:
  // Builds the check box from the first child element of "check_mode";
  // false when there is none or it cannot be built.
  bool Load(const pugi::xml_node& checkMode);

  // Fill (ticked) or cross; fill without a widget.
  bool IsFill() const;
  void SetFill(bool fill);
  void SetLocked(bool locked) { locked_ = locked; }
  bool IsLocked() const { return locked_; }

  // The pointer's passes: a press taken (true), a release that flipped
  // the switch (true, a click on it).
  bool OnButtonDown();
  bool OnButtonUp();
  void OnPointerMove();

  void Draw();
  void AcquireResources();
  void ReleaseResources();

  ORB::OC_GUI_CHECKBOX_INTERFACE* Widget() const { return box_; }

 private:
  std::unique_ptr<ORB::OC_GUI_OBJECT> widget_;
  ORB::OC_GUI_CHECKBOX_INTERFACE* box_ = nullptr;  // the widget, as a switch
  ORB::OS_TRANSFORM3 transform_;
  bool locked_ = false;
};

}  // namespace game
