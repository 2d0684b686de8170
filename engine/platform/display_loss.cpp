#include "engine/platform/display_loss.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/platform/environment_names.h"
#include "engine/platform/log.h"

namespace ORB::platform {

namespace {

// The status of a run that failed (as the engine's failures end).
constexpr int kLostDisplayStatus = 1;

std::atomic<DisplayLossAction> g_action{nullptr};
std::atomic<bool> g_ending{false};
thread_local bool t_running_action = false;

int OnXIoError(::Display*) { EndForDisplayLoss(); }

}  // namespace

void SetDisplayLossAction(DisplayLossAction action) { g_action.store(action); }

void WatchDisplayLoss() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || std::strcmp(driver, "x11") != 0) return;
  XSetIOErrorHandler(OnXIoError);
}

void EndForDisplayLoss() {
  if (g_ending.exchange(true)) {
    if (t_running_action) _exit(kLostDisplayStatus);
    for (;;) pause();
  }
  t_running_action = true;
  const char* display = std::getenv(kEnvDisplay);
  Log(LogLevel::kError, "sdl",
      std::string("the connection to the display (DISPLAY=") +
          (display != nullptr ? display : "(not set)") + ") was lost; the game ends");
  if (const DisplayLossAction action = g_action.load()) action();
  _exit(kLostDisplayStatus);
}

}  // namespace ORB::platform
