#pragma once
// The real window, on SDL2. It asks for an OpenGL 3.3 core context's pixel
// format and falls back to a plain window where the video driver has no GL
// (SDL's dummy driver in tests). SDL's headless drivers (offscreen, dummy)
// are used only when SDL_VIDEODRIVER names them: where no display answers,
// opening fails with a message on stderr instead of running unseen. On X11
// the window's loss is a close request (x11_window_loss.h) and the display's
// loss ends the process (display_loss.h).
#include <string>

#include "engine/platform/display.h"

struct SDL_Window;

namespace ORB::platform {

class SdlDisplay final : public Display {
 public:
  SdlDisplay();
  ~SdlDisplay() override;
  SdlDisplay(const SdlDisplay&) = delete;
  SdlDisplay& operator=(const SdlDisplay&) = delete;

  [[nodiscard]] bool Open(const std::string& title_utf8, int32_t width, int32_t height) override;
  bool IsOpen() const override { return window_ != nullptr; }
  bool SetMode(int32_t width, int32_t height, bool fullscreen) override;
  void SetTitle(const std::string& title_utf8) override;
  void Show() override;
  bool IsShown() const override { return shown_; }
  void Hide() override;
  void ShowCursor(bool shown) override;
  void ClipCursor(const ClipRect& rect) override;
  void ReleaseClip() override;
  void SetTextInput(bool on) override;
  bool IsTextInputOn() const override;
  // A key-down takes the text event SDL queued right behind it (the text that
  // key typed); a text event with no key-down of ours before it comes alone.
  bool PollEvent(PlatformEvent& event) override;
  // SDL_WaitEventTimeout on a desktop; where the driver cannot wait for
  // events (offscreen, dummy) or a test's clock runs, a check and a sleep.
  bool WaitEvent(uint32_t timeout_ms) override;
  ScreenSize GetDesktopSize() const override;
  ScreenSize GetDrawableSize() const override;
  void* NativeHandle() const override { return window_; }

  // True when the window was made with an OpenGL pixel format.
  bool HasOpenGl() const { return has_gl_; }

 private:
  // SDL's video subsystem is started on first need, also by a const query.
  bool EnsureVideo() const;
  // Moves the text event queued right behind a key-down into it; false when
  // none waits there.
  static bool TakeTypedText(PlatformEvent& key_down);
  // A position in window units to pixels of the drawable area.
  void ToDrawablePixels(int32_t& x, int32_t& y) const;

  mutable bool video_ready_ = false;
  mutable bool video_failed_ = false;
  bool has_gl_ = false;
  bool shown_ = false;
  SDL_Window* window_ = nullptr;
};

// True once this process has asked SDL for an OpenGL window: SDL and the GL
// driver then keep allocations of their own until the process ends (some in
// modules unloaded again), which a leak check at exit would report.
bool OpenGlWindowRequested();

// The name of the SDL video driver in use ("x11", "wayland", "offscreen", ...);
// empty before a display has started it.
std::string CurrentVideoDriver();

}  // namespace ORB::platform
