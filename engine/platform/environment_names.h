#pragma once
// Every environment variable the program reads or sets, one name each. The
// engine, the game and the benchmarks read and set them by these names;
// docs/program.md tables them for people. (SDL, OpenAL and Mesa read more of their own; the tests
// set some of those, see tests/CMakeLists.txt.)
namespace ORB::platform {

// Set and not empty: start-up writes to stderr how frames are presented and
// when the first frame is drawn and the first screen takes input (monotonic
// ms; desktop_bench.sh).
inline constexpr char kEnvStartupTrace[] = "NONOGRAM_STARTUP_TRACE";
// Set and not empty: messages for a person go to stderr, never to a dialog.
inline constexpr char kEnvNoDialogs[] = "NONOGRAM_NO_DIALOGS";
// SDL's video driver. "offscreen" or "dummy" runs without a display (and
// without dialogs); a driver that shows nothing is taken only when named here.
inline constexpr char kEnvVideoDriver[] = "SDL_VIDEODRIVER";
// The X11 display; without it or kEnvWaylandDisplay messages go to stderr.
inline constexpr char kEnvDisplay[] = "DISPLAY";
// The Wayland display, as kEnvDisplay.
inline constexpr char kEnvWaylandDisplay[] = "WAYLAND_DISPLAY";
// An absolute path: the game's settings and saves live under it.
inline constexpr char kEnvDataHome[] = "XDG_DATA_HOME";
// Without kEnvDataHome the settings and saves live under $HOME/.local/share.
inline constexpr char kEnvHome[] = "HOME";
// Mesa's software rasterizer's threads: the program sets 2 before OpenGL is
// loaded unless it is set already (gl_device.h, PrepareOpenGlDriver).
inline constexpr char kEnvMesaThreads[] = "LP_NUM_THREADS";

}  // namespace ORB::platform
