#pragma once
// One event taken from the system's queue, already translated into the
// engine's terms: key codes are virtual-key codes, positions are pixels of the
// window's drawable area.
#include <cstdint>

namespace ORB::platform {

struct PlatformEvent {
  enum class Kind {
    KeyDown,        // code: virtual-key code; repeat: set for auto-repeat
    KeyUp,          // code: virtual-key code
    MouseMove,      // x, y
    ButtonDown,     // code: 1 left, 2 right, 4 middle; x, y
    ButtonUp,       // code as ButtonDown; x, y
    FocusGained,
    FocusLost,
    Minimized,
    Restored,
    Resized,        // x, y: the drawable area's new size in pixels
    Exposed,        // the window's picture was lost or uncovered: draw it again
    CloseRequested,
  };
  Kind kind = Kind::CloseRequested;
  int32_t code = 0;
  int32_t x = 0;
  int32_t y = 0;
  bool repeat = false;
};

}  // namespace ORB::platform
