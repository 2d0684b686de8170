#pragma once
// The keyboard and mouse as the game polls them: one state byte for each of
// the 256 virtual-key codes (mouse buttons are codes 1, 2 and 4), the text the
// last key typed, and the mouse position in game coordinates.
//
// Typed text. The press pass (run from the key-down hook) reads the last key
// and the text together. Where the system types text in the player's
// keyboard layout (the window's text input, platform_event.h), the window
// hands each key-down over with what it typed (OnKeyDownTyped) and each
// character no key of ours typed on its own (OnTypedText, last key 0): every
// character reaches the press pass exactly once. Only where the system types
// nothing does OnKeyDown read the key on a US layout (KeyToText).
#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/foundation/point.h"

namespace ORB {

// Key state values.
constexpr uint8_t kStateUp = 0;
constexpr uint8_t kStatePressed = 1;     // went down this frame
constexpr uint8_t kStateHeldMax = 125;   // 2 .. 125: held, counting frames
constexpr uint8_t kStateReleased = 255;  // went up this frame

class InputState {
 public:
  static constexpr size_t kTextSize = 6;

  // Publishes itself as the current input state; the destructor withdraws it.
  InputState();
  ~InputState();
  InputState(const InputState&) = delete;
  InputState& operator=(const InputState&) = delete;

  // Each fires its hook (KeyDown, KeyUp, MouseMove). Codes outside 1..255 are
  // ignored. OnKeyDown reads the text from the key on a US layout (a control
  // key leaves the text as it was): for systems that type no text.
  void OnKeyDown(int32_t code);
  // The key went down and typed `typed` in the player's layout (0: nothing):
  // the text is that character alone, empty for none. A control key types
  // nothing; a character reported with one follows as OnTypedText.
  void OnKeyDownTyped(int32_t code, wchar_t typed);
  // A character typed by no key of ours: no key state changes, the last key
  // is 0, the text is the character, and the key-down hook fires with 0.
  // 0 does nothing.
  void OnTypedText(wchar_t typed);
  void OnKeyUp(int32_t code);
  void OnMouseMove(int32_t x, int32_t y);
  // Releases every key and button that is down, as when the window loses the
  // focus and would never see their key-up messages.
  void ReleaseAll();

  // Once per update: released keys become idle, held ones count on.
  void Update();

  uint8_t GetKey(int32_t code) const;
  bool IsPressed(int32_t code) const { return GetKey(code) == kStatePressed; }
  bool IsReleased(int32_t code) const { return GetKey(code) == kStateReleased; }
  // True while the key is down (pressed this frame or held).
  bool IsDown(int32_t code) const {
    const uint8_t state = GetKey(code);
    return state >= kStatePressed && state <= kStateHeldMax;
  }
  static bool IsControlKey(int32_t code);

  // Index 0: the mouse position as two floats, answering kResultOk; any
  // other index answers kResultNotFound and writes nothing.
  int32_t GetMousePos(float* x, float* y, int32_t index) const;
  Point MousePosition() const { return mouse_; }
  Point PreviousMousePosition() const { return previous_mouse_; }

  int32_t LastKey() const { return last_key_; }
  const wchar_t* Text() const { return text_.data(); }
  const uint8_t* KeyStates() const { return keys_.data(); }

  // The input state the engine created (null when none exists).
  static InputState* Current();

 private:
  // The key's state change and last key, for both kinds of key-down.
  void PressKey(int32_t code);
  void SetText(wchar_t typed);

  std::array<uint8_t, 256> keys_{};
  std::array<wchar_t, kTextSize> text_{};
  int32_t last_key_ = 0;
  Point mouse_;
  Point previous_mouse_;
};

}  // namespace ORB
