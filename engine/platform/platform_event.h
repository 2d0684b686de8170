#pragma once
// One event taken from the system's queue, already translated into the
// engine's terms: key codes are virtual-key codes, positions are pixels of the
// window's drawable area, typed text is UTF-8.
//
// Typed text. While text input is on (Display::SetTextInput) the system types
// text in the player's keyboard layout and reports it with the key-down that
// typed it: `typed` is set and `text` holds exactly what that key typed
// (empty for a key that types nothing, Backspace or F1). A character no key
// of ours typed (a key without a virtual-key code, such as the "é" key of a
// French keyboard) comes as a Text event of its own. With text input off the
// system types nothing: `typed` stays clear and the engine reads the key on a
// US layout. Input-method composition (text being composed before it is
// committed) is not reported.
#include <cstdint>
#include <string>

namespace ORB::platform {

struct PlatformEvent {
  enum class Kind {
    KeyDown,        // code: virtual-key code; repeat: set for auto-repeat;
                    // typed, text: what the key typed (see above)
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
    Text,           // text: characters typed with no key-down of ours
  };
  Kind kind = Kind::CloseRequested;
  int32_t code = 0;
  int32_t x = 0;
  int32_t y = 0;
  bool repeat = false;
  bool typed = false;  // KeyDown: the system reports typed text; text is what this key typed
  std::string text{};  // UTF-8
};

}  // namespace ORB::platform
