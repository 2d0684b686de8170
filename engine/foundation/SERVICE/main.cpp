// The program's entry: static construction has registered the game's entry
// function; main runs it and then shuts the engine down in order, while the
// display is still there. Nothing is torn down by a static destructor: those
// also run when a system library ends the process (Xlib's default handler
// does on an X error; the display's loss ends it without them, see
// engine/platform/display_loss.h), and tearing SDL down over a dead
// connection never returns.
#include "engine/foundation/SERVICE/game_service.h"
#include "engine/foundation/SERVICE/register_application.h"

int main() {
  const int32_t code = ORB::RunEntryHook();
  ORB::OC_GAME_SERVICE_ONE::Get().Shutdown();
  return ORB::ToProcessExitStatus(code);
}
