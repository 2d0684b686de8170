#pragma once
// The display gone under the running program: the X server killed or the
// connection to it cut. Xlib reports that to its I/O error handler and ends
// the process with exit() once the handler returns, and exit() runs the
// exit handlers and static destructors: the game's objects would be taken
// down over a dead connection, giving textures back to a renderer whose
// display is gone. The handler installed here does neither: it runs the one
// action the engine set (the game's last save), then ends the process at
// once with status 1, tearing nothing down.
namespace ORB::platform {

using DisplayLossAction = void (*)();

// The action run when the display is lost; null for none.
void SetDisplayLossAction(DisplayLossAction action);
// Installs the handler when the video driver in use is X11 (nothing on the
// others). The handler is the process's: the connections of message boxes
// are watched too.
void WatchDisplayLoss();
// Says why on stderr, runs the action, then ends the process with status 1
// (_exit: no exit handler, no destructor). Should the display be found gone
// again meanwhile, the action's own thread ends the process at once with
// what was done; any other thread waits for the end.
[[noreturn]] void EndForDisplayLoss();

}  // namespace ORB::platform
