#include "engine/platform/sdl_display.h"

#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/platform/clock.h"
#include "engine/platform/display_loss.h"
#include "engine/platform/environment_names.h"
#include "engine/platform/key_codes.h"
#include "engine/platform/log.h"
#include "engine/platform/sdl_key_map.h"
#include "engine/platform/x11_window_loss.h"

namespace ORB::platform {

namespace {

std::atomic<bool> g_open_gl_requested{false};

int32_t ButtonCode(uint8_t sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_LEFT: return kMouseLeft;
    case SDL_BUTTON_RIGHT: return kMouseRight;
    case SDL_BUTTON_MIDDLE: return kMouseMiddle;
    default: return kKeyNone;
  }
}

// Translates one SDL event; false for events the engine does not take.
bool Translate(const SDL_Event& in, PlatformEvent& out) {
  using Kind = PlatformEvent::Kind;
  out = PlatformEvent{};
  switch (in.type) {
    case SDL_QUIT: out.kind = Kind::CloseRequested; return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      out.kind = in.type == SDL_KEYDOWN ? Kind::KeyDown : Kind::KeyUp;
      out.code = VirtualKeyFromSdl(in.key.keysym.sym);
      out.repeat = in.key.repeat != 0;
      return out.code != kKeyNone;
    case SDL_TEXTINPUT:
      out.kind = Kind::Text;
      out.text = in.text.text;
      return !out.text.empty();
    case SDL_MOUSEMOTION:
      out.kind = Kind::MouseMove;
      out.x = in.motion.x;
      out.y = in.motion.y;
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      out.kind = in.type == SDL_MOUSEBUTTONDOWN ? Kind::ButtonDown : Kind::ButtonUp;
      out.code = ButtonCode(in.button.button);
      out.x = in.button.x;
      out.y = in.button.y;
      return out.code != kKeyNone;
    case SDL_WINDOWEVENT:
      switch (in.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED: out.kind = Kind::FocusGained; return true;
        case SDL_WINDOWEVENT_FOCUS_LOST: out.kind = Kind::FocusLost; return true;
        case SDL_WINDOWEVENT_MINIMIZED: out.kind = Kind::Minimized; return true;
        case SDL_WINDOWEVENT_RESTORED: out.kind = Kind::Restored; return true;
        case SDL_WINDOWEVENT_CLOSE: out.kind = Kind::CloseRequested; return true;
        case SDL_WINDOWEVENT_SIZE_CHANGED: out.kind = Kind::Resized; return true;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN: out.kind = Kind::Exposed; return true;
        default: return false;
      }
    default: return false;
  }
}

// SDL's drivers that draw nowhere a person can see.
bool IsHeadlessVideoDriver(const char* driver) {
  return std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0 ||
         std::strcmp(driver, "evdev") == 0;
}

// Whether SDL_VIDEODRIVER names this driver (it may list several, by commas).
bool VideoDriverRequested(const char* driver) {
  const char* asked = std::getenv(kEnvVideoDriver);
  if (asked == nullptr) return false;
  const std::string list = std::string(",") + asked + ",";
  return list.find(std::string(",") + driver + ",") != std::string::npos;
}

}  // namespace

bool OpenGlWindowRequested() { return g_open_gl_requested.load(); }

std::string CurrentVideoDriver() {
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver != nullptr ? driver : "";
}

SdlDisplay::SdlDisplay() = default;

bool SdlDisplay::EnsureVideo() const {
  if (video_ready_) return true;
  if (video_failed_) return false;  // said once; trying again would say it again
  video_failed_ = true;
  InstallWindowLossHandler();
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    Log(LogLevel::kError, "sdl", std::string("No display could be opened: ") + SDL_GetError());
    return false;
  }
  // Where no display answers, SDL falls back to a driver that shows nothing,
  // and the game would run unseen for ever: such a driver is taken only when
  // asked for by name (tests and scripted runs do).
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && IsHeadlessVideoDriver(driver) && !VideoDriverRequested(driver)) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    const char* display = std::getenv(kEnvDisplay);
    const char* wayland = std::getenv(kEnvWaylandDisplay);
    Log(LogLevel::kError, "sdl",
        std::string("No display could be opened (DISPLAY=") +
            (display != nullptr ? display : "(not set)") +
            ", WAYLAND_DISPLAY=" + (wayland != nullptr ? wayland : "(not set)") +
            "): the game needs a desktop session. Set SDL_VIDEODRIVER=offscreen to run it without "
            "one.");
    return false;
  }
  video_failed_ = false;
  video_ready_ = true;
  return true;
}

SdlDisplay::~SdlDisplay() {
  if (window_ != nullptr) {
    SDL_DestroyWindow(window_);
    EndWindowLossWatch();
  }
  if (video_ready_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlDisplay::Open(const std::string& title_utf8, int32_t width, int32_t height) {
  if (window_ != nullptr) return true;
  if (width <= 0 || height <= 0) return false;
  if (!EnsureVideo()) return false;
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
  const Uint32 flags = SDL_WINDOW_HIDDEN;
  g_open_gl_requested.store(true);
  window_ = SDL_CreateWindow(title_utf8.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             width, height, flags | SDL_WINDOW_OPENGL);
  has_gl_ = window_ != nullptr;
  if (window_ == nullptr) {
    window_ = SDL_CreateWindow(title_utf8.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               width, height, flags);
  }
  if (window_ == nullptr) {
    Log(LogLevel::kError, "sdl", std::string("window: ") + SDL_GetError());
    return false;
  }
  WatchWindowLoss(window_);
  WatchDisplayLoss();
  return true;
}

bool SdlDisplay::SetMode(int32_t width, int32_t height, bool fullscreen) {
  if (window_ == nullptr || width <= 0 || height <= 0) return false;
  if (fullscreen) {
    if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) return false;
  } else {
    if (SDL_SetWindowFullscreen(window_, 0) != 0) return false;
    SDL_SetWindowSize(window_, width, height);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
  if (shown_) Show();
  return true;
}

void SdlDisplay::Show() {
  if (window_ == nullptr) return;
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  shown_ = true;
}

void SdlDisplay::SetTitle(const std::string& title_utf8) {
  if (window_ != nullptr) SDL_SetWindowTitle(window_, title_utf8.c_str());
}

void SdlDisplay::Hide() {
  if (window_ != nullptr) SDL_HideWindow(window_);
  shown_ = false;
}

void SdlDisplay::ShowCursor(bool shown) {
  if (video_ready_) SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
}

void SdlDisplay::ClipCursor(const ClipRect& rect) {
  if (window_ == nullptr) return;
  // The fullscreen window covers the desktop from its origin, so desktop
  // pixels are window pixels here.
  const SDL_Rect area{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  if (area.w > 0 && area.h > 0) SDL_SetWindowMouseRect(window_, &area);
}

void SdlDisplay::ReleaseClip() {
  if (window_ != nullptr) SDL_SetWindowMouseRect(window_, nullptr);
}

void SdlDisplay::SetTextInput(bool on) {
  if (!EnsureVideo()) return;
  if (on) {
    SDL_StartTextInput();
  } else {
    SDL_StopTextInput();
  }
}

bool SdlDisplay::IsTextInputOn() const {
  return video_ready_ && SDL_IsTextInputActive() == SDL_TRUE;
}

bool SdlDisplay::TakeTypedText(PlatformEvent& key_down) {
  // SDL queues the text a key typed right behind its key-down (both come
  // from the one system event, pumped together).
  SDL_Event next;
  if (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) != 1 ||
      next.type != SDL_TEXTINPUT) {
    return false;
  }
  if (SDL_PeepEvents(&next, 1, SDL_GETEVENT, SDL_TEXTINPUT, SDL_TEXTINPUT) != 1) return false;
  key_down.text = next.text.text;
  return true;
}

bool SdlDisplay::PollEvent(PlatformEvent& event) {
  if (!video_ready_) return false;
  if (window_ != nullptr && TakeWindowLoss()) {
    event = PlatformEvent{PlatformEvent::Kind::CloseRequested};
    return true;
  }
  SDL_Event sdl_event;
  while (SDL_PollEvent(&sdl_event) != 0) {
    using Kind = PlatformEvent::Kind;
    const bool text_input = SDL_IsTextInputActive() == SDL_TRUE;
    if (sdl_event.type == SDL_WINDOWEVENT && sdl_event.window.event == SDL_WINDOWEVENT_HIDDEN) {
      ProbeWindowLoss();
      if (TakeWindowLoss()) {
        event = PlatformEvent{PlatformEvent::Kind::CloseRequested};
        return true;
      }
    }
    if (!Translate(sdl_event, event)) continue;
    if (event.kind == Kind::Text && !text_input) continue;  // typed twice otherwise
    if (event.kind == Kind::KeyDown && text_input) {
      event.typed = true;
      TakeTypedText(event);
    }
    if (event.kind == Kind::Resized) {
      const ScreenSize drawable = GetDrawableSize();
      event.x = drawable.width;
      event.y = drawable.height;
    } else if (event.kind == Kind::MouseMove || event.kind == Kind::ButtonDown ||
               event.kind == Kind::ButtonUp) {
      ToDrawablePixels(event.x, event.y);
    }
    return true;
  }
  return false;
}

bool SdlDisplay::WaitEvent(uint32_t timeout_ms) {
  if (video_ready_) {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (UsesSystemClock() && driver != nullptr && !IsHeadlessVideoDriver(driver)) {
      return SDL_WaitEventTimeout(nullptr, static_cast<int>(timeout_ms)) == 1;
    }
    SDL_PumpEvents();
    if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_TRUE) return true;
  }
  SleepMs(timeout_ms);
  return false;
}

void SdlDisplay::ToDrawablePixels(int32_t& x, int32_t& y) const {
  // SDL reports the pointer in window units; on a scaled desktop the
  // drawable area has more pixels than the window has units.
  if (window_ == nullptr) return;
  int window_w = 0;
  int window_h = 0;
  SDL_GetWindowSize(window_, &window_w, &window_h);
  const ScreenSize drawable = GetDrawableSize();
  if (window_w <= 0 || window_h <= 0 || drawable.width <= 0 || drawable.height <= 0) return;
  if (window_w == drawable.width && window_h == drawable.height) return;
  x = static_cast<int32_t>(static_cast<int64_t>(x) * drawable.width / window_w);
  y = static_cast<int32_t>(static_cast<int64_t>(y) * drawable.height / window_h);
}

ScreenSize SdlDisplay::GetDesktopSize() const {
  SDL_DisplayMode mode;
  if (EnsureVideo() && SDL_GetDesktopDisplayMode(0, &mode) == 0) return {mode.w, mode.h};
  return {0, 0};
}

ScreenSize SdlDisplay::GetDrawableSize() const {
  ScreenSize size;
  if (window_ == nullptr) return size;
  if (has_gl_) {
    SDL_GL_GetDrawableSize(window_, &size.width, &size.height);
  } else {
    SDL_GetWindowSize(window_, &size.width, &size.height);
  }
  return size;
}

}  // namespace ORB::platform
