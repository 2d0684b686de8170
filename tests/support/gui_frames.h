#pragma once
// Frames of a widget tree as a window runs them: the move pass when the
// pointer moved, the press pass when a key or button went down, the release
// pass when one went up, then the per-frame pass. Each frame's answers (the
// codes, 0 for none) are kept for tables of expected codes:
//
//   test_support::GuiFrames frames(root);
//   test_support::ScriptedInput input([&] { frames.Run(); });
//   input.Move(200, 100);
//   EXPECT_EQ(frames.Last().move, ORB::kGuiEventEntered);
//
// RunMove() runs a move pass alone, as a window does when it enables its
// input without the pointer moving.
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/foundation/input_state.h"
#include "engine/foundation/point.h"
#include "engine/gui/gui_root.h"

namespace test_support {

class GuiFrames {
 public:
  struct Answers {
    int32_t move = 0;
    int32_t down = 0;
    int32_t up = 0;
    int32_t process = 0;
    int32_t id = 0;  // the id of the frame's last answer
  };

  explicit GuiFrames(ORB::OC_GUI_ROOT& root) : root_(root) {}

  void Run() {
    const ORB::InputState* input = ORB::InputState::Current();
    Answers a;
    if (input == nullptr) {
      a.process = Take(root_.Process(), a);
      answers_.push_back(a);
      return;
    }
    const ORB::Point cursor = input->MousePosition();
    if (!last_ || last_->x != cursor.x || last_->y != cursor.y) {
      a.move = Take(root_.OnMouseMove(), a);
    }
    last_ = cursor;
    bool down = false;
    bool up = false;
    for (int32_t code = 1; code < 256; ++code) {
      down = down || input->IsPressed(code);
      up = up || input->IsReleased(code);
    }
    if (down) a.down = Take(root_.OnMouseDown(), a);
    if (up) a.up = Take(root_.OnMouseUp(), a);
    a.process = Take(root_.Process(), a);
    answers_.push_back(a);
  }
  // A move pass alone; its code.
  int32_t RunMove() { return Code(root_.OnMouseMove()); }

  const std::vector<Answers>& All() const { return answers_; }
  const Answers& Last() const { return answers_.back(); }
  void Clear() { answers_.clear(); }

  static int32_t Code(const ORB::GuiEvent* e) { return e != nullptr ? e->code : 0; }

 private:
  // The answer's code; its id becomes the frame's.
  static int32_t Take(const ORB::GuiEvent* e, Answers& a) {
    if (e == nullptr) return 0;
    a.id = e->id;
    return e->code;
  }

  ORB::OC_GUI_ROOT& root_;
  std::optional<ORB::Point> last_;
  std::vector<Answers> answers_;
};

}  // namespace test_support
