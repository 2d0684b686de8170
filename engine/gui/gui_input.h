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
#include "engine/foundation/transform.h"
#include "engine/foundation/vector2.h"
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

  // The pointer in the frame of a transform (its parents included): relative
  // to its world position, its turn undone and its scale divided out (a
  // scale of 0 counts 1).
  Vector2 PointerIn(const OS_TRANSFORM3& frame) const {
    const OS_TRANSFORM3 world = frame.GetWorld();
    float x = X();
    float y = Y();
    RotatePoint(world.position.x, world.position.y, x, y, -world.rotation.z);
    const float sx = world.scale.x != 0.0f ? world.scale.x : 1.0f;
    const float sy = world.scale.y != 0.0f ? world.scale.y : 1.0f;
    return {(x - world.position.x) / sx, (y - world.position.y) / sy};
  }

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
  // The key of the latest key-down (0: none this frame, or a character typed
  // by no key) and the character it typed (0: none), read together by the
  // widgets that take text.
  int32_t LastKey() const { return state_ != nullptr ? state_->LastKey() : 0; }
  wchar_t Typed() const { return state_ != nullptr ? state_->Text()[0] : L'\0'; }

 private:
  const InputState* state_;
};

}  // namespace ORB
