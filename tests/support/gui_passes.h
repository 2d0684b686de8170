#pragma once
// A root's input passes run the way the game runs them: the press pass from
// the key-down hook (every key or mouse button going down, and every
// character typed by no key), the release pass from the key-up hook, the move
// pass from the mouse-move hook; the per-frame pass is the frame's. The codes
// each pass answered (0 for none) are kept in order.
//
//   test_support::GuiPasses passes(root);
//   test_support::ScriptedInput input([&] { passes.Frame(); });
//   input.Click(100, 40);
//   EXPECT_EQ(passes.down, (std::vector<int32_t>{7}));
#include <cstdint>
#include <vector>

#include "engine/foundation/hooks.h"
#include "engine/gui/gui_root.h"

namespace test_support {

class GuiPasses {
 public:
  explicit GuiPasses(ORB::OC_GUI_ROOT& root) : root_(root) {
    ORB::SetHook(ORB::Hook::KeyDown,
                 [this](intptr_t) { return Record(root_.OnMouseDown(), down); });
    ORB::SetHook(ORB::Hook::KeyUp, [this](intptr_t) { return Record(root_.OnMouseUp(), up); });
    ORB::SetHook(ORB::Hook::MouseMove,
                 [this](intptr_t) { return Record(root_.OnMouseMove(), move); });
  }
  ~GuiPasses() {
    ORB::ClearHook(ORB::Hook::KeyDown);
    ORB::ClearHook(ORB::Hook::KeyUp);
    ORB::ClearHook(ORB::Hook::MouseMove);
  }
  GuiPasses(const GuiPasses&) = delete;
  GuiPasses& operator=(const GuiPasses&) = delete;

  // The per-frame pass.
  void Frame() { Record(root_.Process(), frame); }
  void Clear() {
    down.clear();
    up.clear();
    move.clear();
    frame.clear();
  }

  std::vector<int32_t> down, up, move, frame;

 private:
  int32_t Record(const ORB::GuiEvent* answer, std::vector<int32_t>& codes) {
    codes.push_back(answer != nullptr ? answer->code : 0);
    return 1;
  }

  ORB::OC_GUI_ROOT& root_;
};

}  // namespace test_support
