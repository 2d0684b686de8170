#pragma once
// The one top-level window as the engine sees it, whatever system draws it.
// The SDL implementation is the real one; FakeDisplay records calls for tests.
#include <cstdint>
#include <string>

#include "engine/platform/platform_event.h"

namespace ORB::platform {

struct ScreenSize {
  int32_t width = 0;
  int32_t height = 0;
};

struct ClipRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

class Display {
 public:
  virtual ~Display() = default;

  // Creates the window with a drawable area of width x height pixels, hidden
  // until Show. Answers false when the system refuses.
  [[nodiscard]] virtual bool Open(const std::string& title_utf8, int32_t width, int32_t height) = 0;
  virtual bool IsOpen() const = 0;
  // Windowed: a centred window of the given client size. Fullscreen: the
  // window covers the whole desktop (the game letterboxes into it). A window
  // already shown stays shown (and is raised); a hidden one stays hidden.
  virtual bool SetMode(int32_t width, int32_t height, bool fullscreen) = 0;
  // Maps the window and raises it (the program does so once its first
  // frame is drawn, so no blank window is ever seen).
  virtual void Show() = 0;
  virtual bool IsShown() const = 0;
  virtual void SetTitle(const std::string& title_utf8) = 0;
  virtual void Hide() = 0;
  virtual void ShowCursor(bool shown) = 0;
  // Keeps the pointer inside the rectangle (desktop pixels); ReleaseClip frees it.
  virtual void ClipCursor(const ClipRect& rect) = 0;
  virtual void ReleaseClip() = 0;
  // Typed text (platform_event.h): on, the system types text in the player's
  // keyboard layout and reports it with the key-downs; off, it reports none.
  // On from the start where the system has text events.
  virtual void SetTextInput(bool on) = 0;
  virtual bool IsTextInputOn() const = 0;
  // Takes the next waiting event; false when the queue is empty.
  virtual bool PollEvent(PlatformEvent& event) = 0;
  // Waits until an event is waiting or `timeout_ms` have passed on the
  // clock in use (clock.h; a test's clock is moved by the whole timeout);
  // true when one is waiting. Takes nothing from the queue.
  virtual bool WaitEvent(uint32_t timeout_ms) = 0;
  // Size of the primary desktop in pixels.
  virtual ScreenSize GetDesktopSize() const = 0;
  // Pixels of the drawable area as it is now.
  virtual ScreenSize GetDrawableSize() const = 0;
  // The system's own window object, for the graphics device (null when closed).
  virtual void* NativeHandle() const = 0;
};

}  // namespace ORB::platform
