#pragma once
// What widgets and sprite buttons read of the input: the current input
// state's pointer and the mouse buttons that went down or up this frame.
// Every input pass reads them afresh (the pointer is a value, never a pointer
// into the input state). Without an input state there is nothing to read,
// and a widget reacts to nothing.
//
//   const GuiInput input = GuiInput::Current();
//   if (!input) return Answer(kGuiEventNone);
//   if (input.LeftWentDown() && hit_.Contains(input.X(), input.Y())) ...
#include <cstdint>

#include "engine/foundation/input_state.h"
#include "engine/foundation/point.h"
#include "engine/platform/key_codes.h"

namespace ORB {

class GuiInput {
 public:
  // The input state the engine published (none when there is none).
  static GuiInput Current() { return GuiInput(InputState::Current()); }
  explicit GuiInput(const InputState* state) : state_(state) {}

  explicit operator bool() const { return state_ != nullptr; }

  // The pointer in game coordinates ((0, 0) without an input state).
  Point Cursor() const { return state_ != nullptr ? state_->MousePosition() : Point(); }
  float X() const { return static_cast<float>(Cursor().x); }
  float Y() const { return static_cast<float>(Cursor().y); }

  // The key or mouse button (codes 1, 2 and 4) went down / up this frame.
  bool WentDown(int32_t code) const { return state_ != nullptr && state_->IsPressed(code); }
  bool WentUp(int32_t code) const { return state_ != nullptr && state_->IsReleased(code); }
  // The key or mouse button is down (went down this frame or is held).
  bool IsDown(int32_t code) const { return state_ != nullptr && state_->IsDown(code); }
  bool LeftDown() const { return IsDown(platform::kMouseLeft); }
  bool LeftWentDown() const { return WentDown(platform::kMouseLeft); }
  bool LeftWentUp() const { return WentUp(platform::kMouseLeft); }
  // Some mouse button (left, right or middle) went down / up this frame. The
  // press and release passes also run for keys of the keyboard: a widget that
  // reacts to "the button" reacts to these, never to a key.
  bool AnyMouseWentDown() const {
    return LeftWentDown() || WentDown(platform::kMouseRight) || WentDown(platform::kMouseMiddle);
  }
  bool AnyMouseWentUp() const {
    return LeftWentUp() || WentUp(platform::kMouseRight) || WentUp(platform::kMouseMiddle);
  }

 private:
  const InputState* state_;
};

}  // namespace ORB
