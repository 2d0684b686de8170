#include "engine/platform/x11_window_loss.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <atomic>

#include "engine/platform/log.h"

namespace ORB::platform {

namespace {

// Xlib calls the handler from whichever thread made the call that read the
// error; the window and the flag are read there.
std::atomic<uint64_t> g_window{0};
// The last window watched, after its watch ended: errors about it may still
// come (see InstallWindowLossHandler).
std::atomic<uint64_t> g_ended_window{0};
enum class Loss : int { kNone, kLost, kReported };
std::atomic<Loss> g_loss{Loss::kNone};
Display* g_display = nullptr;
XErrorHandler g_previous = nullptr;

int OnXError(Display* display, XErrorEvent* error) {
  const uint64_t window = g_window.load();
  if (window != 0 && IsWindowLossError(error->error_code, error->resourceid, window)) {
    Loss none = Loss::kNone;
    g_loss.compare_exchange_strong(none, Loss::kLost);
    return 0;
  }
  const uint64_t ended = g_ended_window.load();
  if (ended != 0 && IsWindowLossError(error->error_code, error->resourceid, ended)) return 0;
  return g_previous != nullptr ? g_previous(display, error) : 0;
}

}  // namespace

bool IsWindowLossError(int32_t error_code, uint64_t resource, uint64_t window) {
  return (error_code == BadWindow || error_code == BadDrawable) && resource == window;
}

void InstallWindowLossHandler() {
  // Xlib's handler is one for the whole process, set without a display.
  // Once: SDL keeps ours as the one before its own, calls it from its own
  // and puts it back when its video ends.
  static const XErrorHandler previous = XSetErrorHandler(OnXError);
  if (previous != OnXError) g_previous = previous;
}

void WatchWindowLoss(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE ||
      info.subsystem != SDL_SYSWM_X11) {
    return;
  }
  g_loss.store(Loss::kNone);
  g_window.store(static_cast<uint64_t>(info.info.x11.window));
  g_display = info.info.x11.display;
}

void ProbeWindowLoss() {
  const uint64_t window = g_window.load();
  if (g_display == nullptr || window == 0) return;
  XWindowAttributes attributes;
  // A round trip: an error about the window has reached the handler when
  // this returns.
  (void)XGetWindowAttributes(g_display, static_cast<Window>(window), &attributes);
}

void EndWindowLossWatch() {
  if (g_display != nullptr) XSync(g_display, False);
  g_display = nullptr;
  g_ended_window.store(g_window.exchange(0));
}

bool TakeWindowLoss() {
  Loss lost = Loss::kLost;
  if (!g_loss.compare_exchange_strong(lost, Loss::kReported)) return false;
  Log(LogLevel::kWarning, "sdl", "the window was destroyed from outside the game; it ends");
  return true;
}

}  // namespace ORB::platform
