#pragma once
// Input the way a player gives it, one frame a step. Each step changes the
// input state as the window's message pump does (so the engine's key and
// mouse hooks fire), runs one frame of the code under test, then ages the key
// states as the frame loop does: a press is "pressed" for exactly the frame
// of its step, then "held".
//
//   test_support::ScriptedInput input([&] { root.Process(); });
//   input.Click(120, 40);              // move, press, release: three frames
//   input.Drag(10, 10, 90, 10, 4);     // move, press, four moves, release
//   input.Key(ORB::platform::kKeyEscape);
//   input.Type('7', L'/');             // Shift+7 on a German keyboard
//   input.TypeAlone(L'\u00E9');        // "é" from a key without a code
//   input.Idle(30);                    // frames without input
//
// Positions are game coordinates. The script owns an input state, published
// as the current one while the script lives.
#include <cstdint>
#include <functional>
#include <utility>

#include "engine/foundation/input_state.h"
#include "engine/platform/key_codes.h"

namespace test_support {

class ScriptedInput {
 public:
  using Frame = std::function<void()>;

  explicit ScriptedInput(Frame frame = nullptr) : frame_(std::move(frame)) {}
  ScriptedInput(const ScriptedInput&) = delete;
  ScriptedInput& operator=(const ScriptedInput&) = delete;

  // The frame each step runs (replaces the one given at construction).
  void SetFrame(Frame frame) { frame_ = std::move(frame); }

  void Move(int32_t x, int32_t y) {
    Step([&](ORB::InputState& input) { input.OnMouseMove(x, y); });
  }
  // Mouse buttons are key codes 1 (left), 2 (right) and 4 (middle).
  void Press(int32_t button = ORB::platform::kMouseLeft) {
    Step([&](ORB::InputState& input) { input.OnKeyDown(button); });
  }
  void Release(int32_t button = ORB::platform::kMouseLeft) {
    Step([&](ORB::InputState& input) { input.OnKeyUp(button); });
  }
  // Move, press, release.
  void Click(int32_t x, int32_t y, int32_t button = ORB::platform::kMouseLeft) {
    Move(x, y);
    Press(button);
    Release(button);
  }
  // Move to the start, press, `moves` evenly spaced moves ending at the end,
  // release.
  void Drag(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t moves,
            int32_t button = ORB::platform::kMouseLeft) {
    Move(x0, y0);
    Press(button);
    for (int32_t i = 1; i <= moves; ++i) {
      Move(x0 + (x1 - x0) * i / moves, y0 + (y1 - y0) * i / moves);
    }
    Release(button);
  }
  void KeyDown(int32_t code) {
    Step([&](ORB::InputState& input) { input.OnKeyDown(code); });
  }
  void KeyUp(int32_t code) {
    Step([&](ORB::InputState& input) { input.OnKeyUp(code); });
  }
  // Down, then up.
  void Key(int32_t code) {
    KeyDown(code);
    KeyUp(code);
  }
  // A key-down that typed `typed` in the player's layout (0: nothing), as a
  // window with text input hands it over, then its key-up.
  void Type(int32_t code, wchar_t typed) {
    Step([&](ORB::InputState& input) { input.OnKeyDownTyped(code, typed); });
    KeyUp(code);
  }
  // A character typed by no key of ours (last key 0), in one frame.
  void TypeAlone(wchar_t typed) {
    Step([&](ORB::InputState& input) { input.OnTypedText(typed); });
  }
  void Idle(int32_t frames = 1) {
    for (int32_t i = 0; i < frames; ++i) Step([](ORB::InputState&) {});
  }

  ORB::InputState& Input() { return input_; }
  // Frames run so far.
  int32_t Frames() const { return frames_; }

 private:
  template <typename Change>
  void Step(Change&& change) {
    change(input_);
    if (frame_) frame_();
    input_.Update();
    ++frames_;
  }

  ORB::InputState input_;
  Frame frame_;
  int32_t frames_ = 0;
};

}  // namespace test_support
