#pragma once
// The program's one window: its size and mode, the letterbox that shows the
// game's fixed resolution in whatever drawable area the window has, and the
// per-frame message pump that turns the system's events into input-state
// changes and engine hooks.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/foundation/letterbox.h"
#include "engine/foundation/point.h"
#include "engine/foundation/vector2.h"
#include "engine/platform/display.h"

namespace ORB {

class InputState;

class Window {
 public:
  // Uses the given display, or the system's (SDL) when none is given. Reads
  // the desktop size into the process-wide screen size.
  explicit Window(std::unique_ptr<platform::Display> display = nullptr);
  // Closes the system window.
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Opens the window titled with the UTF-8 text at width x height and applies
  // the stored mode, hidden until Show. False when the system could not make
  // the window.
  [[nodiscard]] bool Create(const std::string& title);
  // Maps the window (the service does once the first frame is drawn).
  void Show();
  bool IsShown() const { return display_->IsShown(); }
  void Hide();
  void MessageBox(const std::string& caption, const std::string& text);
  void SetTitle(const std::string& title_utf8);

  void ShowCursor(bool shown);
  bool IsCursorShown() const { return cursor_shown_; }

  // Windowed: a centred window of the client size. Fullscreen: the window
  // covers the desktop and the pointer is kept inside the game's area. In
  // both, the game's width x height is letterboxed into the drawable area as
  // it is (a window manager may size the window, a scaled desktop may give it
  // more pixels). Answers the system's result.
  bool SetMode(int32_t width, int32_t height, bool fullscreen, bool desktop_resolution);

  // A drawable-area pixel to game coordinates, through the same letterbox
  // the picture is drawn with (a pixel in a bar lands outside the game).
  Point ScreenToGame(Point window_point) const;

  // Takes every waiting event: keys, buttons and moves go to the input state
  // (which fires the key and mouse hooks); focus changes fire the activate and
  // deactivate hooks once per change; a close request fires the close hook; a
  // size change moves the letterbox with it. Answers how many events came.
  int32_t PumpMessages(InputState& input);
  // Waits for the next event, at most `timeout_ms` (Display::WaitEvent);
  // true when one is waiting.
  bool WaitForEvent(uint32_t timeout_ms) { return display_->WaitEvent(timeout_ms); }

  // True once since the last call when the pump saw the picture lost or
  // changed in size or focus (expose, resize, restore, focus): the next
  // frame must be drawn even when nothing in it changed.
  bool TakeRedrawRequest();

  // True while the window has the focus.
  bool IsActive() const { return active_; }

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetSize(int32_t width, int32_t height) {
    width_ = width;
    height_ = height;
  }
  // The mode Create opens the window in.
  void SetStartMode(bool fullscreen, bool desktop_resolution) {
    fullscreen_ = fullscreen;
    desktop_resolution_ = desktop_resolution;
  }
  bool Fullscreen() const { return fullscreen_; }
  bool DesktopResolution() const { return desktop_resolution_; }
  float Scale() const { return letterbox_.scale; }
  Vector2 Offset() const { return letterbox_.offset; }
  const Letterbox& GetLetterbox() const { return letterbox_; }
  Point DesktopSize() const { return desktop_size_; }

  platform::Display& GetDisplay() { return *display_; }
  // The system window, for the graphics device.
  void* GetHandle() const { return display_->NativeHandle(); }

 private:
  void SetActive(bool active);
  // Recomputes the letterbox for the drawable area's present size.
  void FollowDrawableSize();

  std::unique_ptr<platform::Display> display_;
  int32_t width_ = 1024;
  int32_t height_ = 768;
  bool fullscreen_ = false;
  bool desktop_resolution_ = false;
  bool cursor_shown_ = true;
  bool active_ = false;
  bool redraw_requested_ = false;
  Letterbox letterbox_;
  Point desktop_size_;
  InputState* focus_input_ = nullptr;
};

// The primary screen's size in pixels, as the last window read it.
Point GetScreenSize();

}  // namespace ORB
