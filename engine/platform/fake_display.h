#pragma once
// A display that draws nothing: it records what it was asked to do and hands
// out the events a test queued, so window logic runs without a system window.
#include <deque>
#include <string>
#include <vector>

#include "engine/platform/display.h"

namespace ORB::platform {

class FakeDisplay final : public Display {
 public:
  explicit FakeDisplay(ScreenSize desktop = {1920, 1080}) : desktop_(desktop) {}

  [[nodiscard]] bool Open(const std::string& title_utf8, int32_t width, int32_t height) override;
  bool IsOpen() const override { return open_; }
  bool SetMode(int32_t width, int32_t height, bool fullscreen) override;
  void SetTitle(const std::string& title_utf8) override;
  void Show() override;
  bool IsShown() const override { return shown_; }
  void Hide() override;
  void ShowCursor(bool shown) override;
  void ClipCursor(const ClipRect& rect) override;
  void ReleaseClip() override;
  // Only recorded: the events a test queues say themselves whether they
  // carry typed text.
  void SetTextInput(bool on) override;
  bool IsTextInputOn() const override { return text_input_; }
  bool PollEvent(PlatformEvent& event) override;
  bool WaitEvent(uint32_t timeout_ms) override;
  ScreenSize GetDesktopSize() const override { return desktop_; }
  ScreenSize GetDrawableSize() const override { return drawable_; }
  void* NativeHandle() const override { return nullptr; }

  void Queue(const PlatformEvent& event) { events_.push_back(event); }
  // The system gave the drawable area another size (a window manager's
  // resize, a scaled desktop) and reports it with a Resized event.
  void Resize(ScreenSize drawable);
  // Drawable pixels per window unit from the next Open or SetMode on, as on a
  // scaled desktop (1 by default).
  void SetPixelScale(int32_t scale) { pixel_scale_ = scale; }
  // When set, Open answers false as a system without windows would.
  void FailOpen(bool fail) { fail_open_ = fail; }

  // What the window was told, in order, one line a call ("SetMode 1024 768 0").
  const std::vector<std::string>& Calls() const { return calls_; }
  const std::string& Title() const { return title_; }
  bool Fullscreen() const { return fullscreen_; }
  bool CursorShown() const { return cursor_shown_; }
  bool Clipped() const { return clipped_; }
  const ClipRect& Clip() const { return clip_; }

 private:
  ScreenSize desktop_;
  ScreenSize drawable_;
  int32_t pixel_scale_ = 1;
  bool open_ = false;
  bool fail_open_ = false;
  bool fullscreen_ = false;
  bool shown_ = false;
  bool cursor_shown_ = true;
  bool clipped_ = false;
  bool text_input_ = true;
  ClipRect clip_;
  std::string title_;
  std::deque<PlatformEvent> events_;
  std::vector<std::string> calls_;
};

}  // namespace ORB::platform
