#pragma once
// gFadeTransition: a change of the whole screen hidden behind the full-screen
// fade window "Fade_Transition". Run opens the fade; once it covers the
// screen (its opened callback) the callback is cleared, the change runs, and
// the fade closes again. A change that ends later (starting a level once the
// level screens have closed) is run with close_after false and closes the
// fade itself with Close.
//
// Screens own one each (the title's play button, the pack menu's back
// button, a level of the level list, the finish window and the in-game
// menu):
//
//   if (!fade_.Run([] { hub.CloseTitle(); hub.OpenPackList(); })) return;  // a fade runs
//
// While the fade window is open (a change is under way, whoever started it)
// Run does nothing and answers false: a second click on a level while the
// screen fades starts nothing. Without the fade window (or without a window
// manager) the change runs at once, with a line on stderr, and Run answers
// true.
#include <functional>

#include "framework/window.h"

namespace game {

class gFadeTransition {
 public:
  static constexpr const char* kWindow = "Fade_Transition";
  using Action = std::function<void()>;

  gFadeTransition() = default;
  gFadeTransition(const gFadeTransition&) = delete;
  gFadeTransition& operator=(const gFadeTransition&) = delete;

  // See the top of this file. The action runs at most once.
  bool Run(Action action, bool close_after = true);
  // Closes the fade window (animated) when it is open.
  static void Close();
  // The fade window is open (opening, shown or closing).
  static bool IsRunning();
  // This one's change waits for the fade to cover the screen.
  bool IsPending() const { return static_cast<bool>(action_); }

 private:
  static void Opened(void* self);

  Action action_;
  bool close_after_ = true;
  ORB_GF::G_WINDOW* window_ = nullptr;
};

}  // namespace game
