#pragma once
// Puts events into SDL's queue as the system would, for headless runs that
// drive the real window (tests, scripted whole-game runs). Answers false when
// SDL refused the event.
#include <cstdint>
#include <string_view>

namespace ORB::platform {

enum class InjectedWindowEvent { FocusGained, FocusLost, Close, Exposed };

// key: an SDL key symbol (SDLK_a is 'a').
bool InjectKey(int32_t sdl_keycode, bool down);
// Text the keyboard typed (UTF-8, at most 31 bytes), as the system reports it
// right behind the key-down that typed it (inject the key first) or alone
// for a key without a code of ours. Like the system, nothing is reported
// (false) while text input is off or for an empty or longer text.
bool InjectText(std::string_view utf8);
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
