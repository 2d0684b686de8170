#pragma once
// A root's input passes run the way the game runs them: the press pass from
// the key-down hook (every key or mouse button going down, and every
// character typed by no key), the release pass from the key-up hook, the move
// pass from the mouse-move hook, and the per-frame pass once a frame (Run).
// What the passes answered is kept two ways:
//   - every pass's code in order (0 for none), in down, up, move and frame;
//   - per frame (closed by Run), the code of each kind of pass and the id of
//     the frame's last answer, in All() and Last(), for tables of expected
//     codes.
//
//   test_support::GuiFrames frames(root);
//   test_support::ScriptedInput input([&] { frames.Run(); });
//   input.Click(100, 40);
//   EXPECT_EQ(frames.down, (std::vector<int32_t>{7}));
//   EXPECT_EQ(frames.Last().up, ORB::kGuiEventClicked);
//
// The driver holds the three hooks while it lives (a later driver takes them
// over; the hooks are given up only by the driver that holds them).
// RunMove() runs a move pass alone, as a window does when it enables its
// input without the pointer moving; Mute() lets input go by without passes,
// as when it went to another window.
#include <cstdint>
#include <vector>

#include "engine/foundation/hooks.h"
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

  explicit GuiFrames(ORB::OC_GUI_ROOT& root) : root_(root) {
    Listen(ORB::Hook::KeyDown, ORB::GuiPass::kMouseDown, down, &Answers::down);
    Listen(ORB::Hook::KeyUp, ORB::GuiPass::kMouseUp, up, &Answers::up);
    Listen(ORB::Hook::MouseMove, ORB::GuiPass::kMouseMove, move, &Answers::move);
  }
  ~GuiFrames() {
    for (const ORB::Hook hook : {ORB::Hook::KeyDown, ORB::Hook::KeyUp, ORB::Hook::MouseMove}) {
      const ORB::Callback* held = ORB::GetHook(hook);
      if (held != nullptr && held->argument == reinterpret_cast<intptr_t>(this)) {
        ORB::ClearHook(hook);
      }
    }
  }
  GuiFrames(const GuiFrames&) = delete;
  GuiFrames& operator=(const GuiFrames&) = delete;

  // The per-frame pass; closes the frame's record.
  void Run() {
    Keep(root_.Process(), frame, current_.process);
    answers_.push_back(current_);
    current_ = Answers();
  }
  // A move pass alone; its code (kept in neither record).
  int32_t RunMove() { return Code(root_.OnMouseMove()); }
  // While muted, the hooks run no pass.
  void Mute(bool muted) { muted_ = muted; }

  const std::vector<Answers>& All() const { return answers_; }
  const Answers& Last() const { return answers_.back(); }
  void Clear() {
    answers_.clear();
    down.clear();
    up.clear();
    move.clear();
    frame.clear();
  }

  static int32_t Code(const ORB::GuiEvent* e) { return e != nullptr ? e->code : 0; }

  std::vector<int32_t> down, up, move, frame;

 private:
  // The hook runs the pass (unless muted) and keeps its answer.
  void Listen(ORB::Hook hook, ORB::GuiPass pass, std::vector<int32_t>& codes,
              int32_t Answers::*code) {
    ORB::SetHook(
        hook,
        [this, pass, &codes, code](intptr_t) {
          if (!muted_) Keep(root_.Dispatch(pass), codes, current_.*code);
          return 1;
        },
        reinterpret_cast<intptr_t>(this));
  }
  // Keeps the answer's code in the pass list and the frame's record (its id
  // becomes the frame's).
  void Keep(const ORB::GuiEvent* e, std::vector<int32_t>& codes, int32_t& code) {
    code = Code(e);
    codes.push_back(code);
    if (e != nullptr) current_.id = e->id;
  }

  ORB::OC_GUI_ROOT& root_;
  Answers current_;
  std::vector<Answers> answers_;
  bool muted_ = false;
};

}  // namespace test_support
