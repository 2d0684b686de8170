#pragma once
// Puts events into SDL's queue as the system would, for headless runs that
// drive the real window (tests, scripted whole-game runs). Answers false when
// SDL refused the event.
#include <cstdint>

namespace ORB::platform {

enum class InjectedWindowEvent { FocusGained, FocusLost, Close, Exposed };

// key: an SDL key symbol (SDLK_a is 'a').
bool InjectKey(int32_t sdl_keycode, bool down);
// button: 1 left, 2 middle, 3 right, as SDL numbers them.
bool InjectMouseButton(int32_t sdl_button, bool down, int32_t x, int32_t y);
bool InjectMouseMove(int32_t x, int32_t y);
// Addressed to the display's window (from Display::NativeHandle).
bool InjectWindowEvent(void* native_window, InjectedWindowEvent event);
bool InjectQuit();
// Resizes the display's window as a window manager would; SDL reports the
// change through its queue.
bool InjectWindowResize(void* native_window, int32_t width, int32_t height);

}  // namespace ORB::platform
