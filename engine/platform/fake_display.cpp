#include "engine/platform/fake_display.h"

#include "engine/platform/clock.h"

namespace ORB::platform {

bool FakeDisplay::Open(const std::string& title_utf8, int32_t width, int32_t height) {
  calls_.push_back("Open " + title_utf8 + " " + std::to_string(width) + " " +
                   std::to_string(height));
  if (fail_open_ || width <= 0 || height <= 0) return false;
  open_ = true;
  title_ = title_utf8;
  drawable_ = {width * pixel_scale_, height * pixel_scale_};
  return true;
}

bool FakeDisplay::SetMode(int32_t width, int32_t height, bool fullscreen) {
  calls_.push_back("SetMode " + std::to_string(width) + " " + std::to_string(height) + " " +
                   std::to_string(fullscreen ? 1 : 0));
  if (!open_ || width <= 0 || height <= 0) return false;
  fullscreen_ = fullscreen;
  const ScreenSize units = fullscreen ? desktop_ : ScreenSize{width, height};
  drawable_ = {units.width * pixel_scale_, units.height * pixel_scale_};
  return true;
}

void FakeDisplay::SetTitle(const std::string& title_utf8) {
  calls_.push_back("SetTitle " + title_utf8);
  title_ = title_utf8;
}

void FakeDisplay::Show() {
  calls_.push_back("Show");
  shown_ = open_;
}

void FakeDisplay::Hide() {
  calls_.push_back("Hide");
  shown_ = false;
}

void FakeDisplay::ShowCursor(bool shown) {
  calls_.push_back(shown ? "ShowCursor 1" : "ShowCursor 0");
  cursor_shown_ = shown;
}

void FakeDisplay::SetTextInput(bool on) {
  calls_.push_back(on ? "SetTextInput 1" : "SetTextInput 0");
  text_input_ = on;
}

void FakeDisplay::ClipCursor(const ClipRect& rect) {
  calls_.push_back("ClipCursor " + std::to_string(rect.left) + " " + std::to_string(rect.top) +
                   " " + std::to_string(rect.right) + " " + std::to_string(rect.bottom));
  clipped_ = true;
  clip_ = rect;
}

void FakeDisplay::ReleaseClip() {
  calls_.push_back("ReleaseClip");
  clipped_ = false;
}

void FakeDisplay::Resize(ScreenSize drawable) {
  drawable_ = drawable;
  PlatformEvent event;
  event.kind = PlatformEvent::Kind::Resized;
  event.x = drawable.width;
  event.y = drawable.height;
  events_.push_back(event);
}

bool FakeDisplay::PollEvent(PlatformEvent& event) {
  if (events_.empty()) return false;
  event = events_.front();
  events_.pop_front();
  return true;
}

bool FakeDisplay::WaitEvent(uint32_t timeout_ms) {
  if (!events_.empty()) return true;
  SleepMs(timeout_ms);
  return false;
}

}  // namespace ORB::platform
