#pragma once
// The game's X window destroyed from outside (a desktop tool's "close" that
// destroys the window instead of asking, a crashed window manager's
// clean-up): Xlib would report the next drawing into it as an error, and
// Xlib's own handler ends the process at once, with the game unsaved and its
// threads still running. Watching the window instead turns the errors about
// that one window into a close request (SdlDisplay reports it as the close
// button would), so the game saves and ends normally; errors about anything
// else go to the handler that was there before.
#include <cstdint>

struct SDL_Window;

namespace ORB::platform {

// Puts the watch's X error handler in place; called before SDL's video
// starts, so that SDL's own handler passes errors on to it and SDL puts it
// back when its video ends. Errors about a watched window can come late,
// after its watch has ended and after SDL's video has gone: SDL wakes a
// waiting event loop by sending an event to the window over a connection of
// its own, whose error about a window already destroyed is read only when
// that connection closes. Such errors, about the last window watched, are
// ignored rather than handed to Xlib's default handler, which would end
// the process. Harmless where X11 is not the video driver.
void InstallWindowLossHandler();
// Starts watching the window when it lives on an X server (nothing on other
// video drivers). One window is watched at a time.
void WatchWindowLoss(SDL_Window* window);
// Asks the X server about the watched window (SdlDisplay does when the
// window is hidden, which comes first when it is destroyed while shown): a
// window that is gone then counts as lost. An idle game draws nothing, so
// drawing alone would not find out.
void ProbeWindowLoss();
// After the game destroyed the watched window itself: waits for the server's
// answer (destroying a window that is already gone is an error reported
// late, possibly after SDL has taken its handler and ours away), then stops
// watching.
void EndWindowLossWatch();
// True once after the watched window was lost (only the first time).
bool TakeWindowLoss();

// Whether an X error means the watched window is gone: a BadWindow or
// BadDrawable error about the window itself.
bool IsWindowLossError(int32_t error_code, uint64_t resource, uint64_t window);

}  // namespace ORB::platform
