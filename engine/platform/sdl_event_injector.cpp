#include "engine/platform/sdl_event_injector.h"

#include <SDL.h>

#include <cstring>

namespace ORB::platform {

namespace {

bool Push(SDL_Event& event) { return SDL_PushEvent(&event) == 1; }

}  // namespace

bool InjectKey(int32_t sdl_keycode, bool down) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.sym = sdl_keycode;
  event.key.keysym.scancode = SDL_GetScancodeFromKey(sdl_keycode);
  return Push(event);
}

bool InjectText(std::string_view utf8) {
  SDL_Event event{};
  if (SDL_IsTextInputActive() != SDL_TRUE || utf8.empty() ||
      utf8.size() >= sizeof(event.text.text)) {
    return false;
  }
  event.type = SDL_TEXTINPUT;
  std::memcpy(event.text.text, utf8.data(), utf8.size());
  event.text.text[utf8.size()] = '\0';
  return Push(event);
}

bool InjectMouseButton(int32_t sdl_button, bool down, int32_t x, int32_t y) {
  SDL_Event event{};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.button = static_cast<Uint8>(sdl_button);
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.button.clicks = 1;
  event.button.x = x;
  event.button.y = y;
  return Push(event);
}

bool InjectMouseMove(int32_t x, int32_t y) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.x = x;
  event.motion.y = y;
  return Push(event);
}

bool InjectWindowEvent(void* native_window, InjectedWindowEvent kind) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.windowID =
      native_window != nullptr ? SDL_GetWindowID(static_cast<SDL_Window*>(native_window)) : 0;
  switch (kind) {
    case InjectedWindowEvent::FocusGained: event.window.event = SDL_WINDOWEVENT_FOCUS_GAINED; break;
    case InjectedWindowEvent::FocusLost: event.window.event = SDL_WINDOWEVENT_FOCUS_LOST; break;
    case InjectedWindowEvent::Close: event.window.event = SDL_WINDOWEVENT_CLOSE; break;
    case InjectedWindowEvent::Exposed: event.window.event = SDL_WINDOWEVENT_EXPOSED; break;
  }
  return Push(event);
}

bool InjectQuit() {
  SDL_Event event{};
  event.type = SDL_QUIT;
  return Push(event);
}

bool InjectWindowResize(void* native_window, int32_t width, int32_t height) {
  if (native_window == nullptr || width <= 0 || height <= 0) return false;
  SDL_SetWindowSize(static_cast<SDL_Window*>(native_window), width, height);
  int w = 0;
  int h = 0;
  SDL_GetWindowSize(static_cast<SDL_Window*>(native_window), &w, &h);
  return w == width && h == height;
}

}  // namespace ORB::platform
