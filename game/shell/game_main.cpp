#include "game/shell/game_main.h"

#include "engine/foundation/SERVICE/register_application.h"
#include "engine/foundation/hooks.h"
#include "engine/foundation/input_state.h"
#include "engine/foundation/platform_functions.h"
#include "engine/foundation/window.h"

namespace game {

namespace {
constexpr char kWindowTitle[] = "Nonogram";
constexpr uint32_t kFrameMs = 16;
}  // namespace

// Until the game service runs the frame loop, the entry opens the window and
// pumps its messages until the window is closed.
int32_t GameMain(intptr_t) {
  ORB::InputState input;
  ORB::Window window;
  if (!window.Create(kWindowTitle)) {
    window.MessageBox("Error", "The game window could not be opened.");
    return ORB::kExitFailed;
  }
  bool running = true;
  ORB::SetHook(ORB::Hook::Close, [&running](intptr_t) {
    running = false;
    return 1;
  });
  while (running) {
    input.Update();
    window.PumpMessages(input);
    ORB::SleepMs(kFrameMs);
  }
  ORB::ClearHook(ORB::Hook::Close);
  return ORB::kExitNormal;
}

}  // namespace game
