#pragma once
// OC_GUI_CHECKBOX_INTERFACE: what the game asks of any on/off widget, the tick
// box (OC_GUI_CHECKBOX5) and the slide switch (OC_GUI_CHECKBOX_IOS) alike:
// whether it is on, and to set it. Options screens read and set their
// switches through it without caring which kind the description made.
#include <cstdint>

#include "engine/gui/gui_object.h"

namespace ORB {

class OC_GUI_CHECKBOX_INTERFACE : public OC_GUI_OBJECT {
 public:
  virtual bool IsChecked() const = 0;
  // instant: show the new state at once rather than animating to it (for
  // widgets that animate).
  virtual void SetChecked(bool checked, bool instant) = 0;

 protected:
  OC_GUI_CHECKBOX_INTERFACE(int32_t id, int32_t kind) : OC_GUI_OBJECT(id, kind) {}
};

}  // namespace ORB
