#include "engine/foundation/window.h"

#include "engine/foundation/hooks.h"
#include "engine/foundation/input_state.h"
#include "engine/foundation/utf8.h"
#include "engine/platform/message_box.h"
#include "engine/platform/sdl_display.h"

namespace ORB {

namespace {

Point g_screen_size;

// The characters a key-down typed go to the input state one by one: the
// first with the key, any further ones (a dead key's accent that could not
// combine, say) each on its own, so each reaches the press pass once.
void DeliverKeyDown(InputState& input, const platform::PlatformEvent& event) {
  if (!event.typed) {
    input.OnKeyDown(event.code);
    return;
  }
  const std::wstring typed = Utf8ToWide(event.text);
  input.OnKeyDownTyped(event.code, typed.empty() ? L'\0' : typed[0]);
  for (size_t i = 1; i < typed.size(); ++i) input.OnTypedText(typed[i]);
}

}  // namespace

Point GetScreenSize() { return g_screen_size; }

Window::Window(std::unique_ptr<platform::Display> display) : display_(std::move(display)) {
  if (!display_) display_ = std::make_unique<platform::SdlDisplay>();
  const platform::ScreenSize desktop = display_->GetDesktopSize();
  desktop_size_ = Point(desktop.width, desktop.height);
  g_screen_size = desktop_size_;
}

Window::~Window() = default;

bool Window::Create(const std::string& title) {
  if (!display_->Open(title, width_, height_)) return false;
  return SetMode(width_, height_, fullscreen_, desktop_resolution_);
}

void Window::Show() { display_->Show(); }

void Window::Hide() { display_->Hide(); }

void Window::MessageBox(const std::string& caption, const std::string& text) {
  platform::ShowMessageBox(caption, text);
}

void Window::SetTitle(const std::string& title_utf8) { display_->SetTitle(title_utf8); }

void Window::ShowCursor(bool shown) {
  cursor_shown_ = shown;
  display_->ShowCursor(shown);
}

bool Window::SetMode(int32_t width, int32_t height, bool fullscreen, bool desktop_resolution) {
  width_ = width;
  height_ = height;
  fullscreen_ = fullscreen;
  desktop_resolution_ = desktop_resolution;
  if (!display_->SetMode(width, height, fullscreen)) return false;
  FollowDrawableSize();
  if (!fullscreen) {
    display_->ReleaseClip();
    return true;
  }
  // Fullscreen always covers the desktop here (the display mode is never
  // changed); the pointer is kept inside the game's area of it, in desktop
  // units.
  const Letterbox desktop_box = ComputeLetterbox(desktop_size_, Point(width, height));
  if (desktop_box.scale == 1.0f && desktop_box.offset == Vector2()) {
    display_->ReleaseClip();
  } else {
    const auto left = static_cast<int32_t>(desktop_box.offset.x);
    const auto top = static_cast<int32_t>(desktop_box.offset.y);
    display_->ClipCursor({left, top, desktop_size_.x - left, desktop_size_.y - top});
  }
  return true;
}

void Window::FollowDrawableSize() {
  platform::ScreenSize drawable = display_->GetDrawableSize();
  if (drawable.width <= 0 || drawable.height <= 0) {
    // Not known yet: what the mode asked for.
    drawable = fullscreen_ ? platform::ScreenSize{desktop_size_.x, desktop_size_.y}
                           : platform::ScreenSize{width_, height_};
  }
  letterbox_ = ComputeLetterbox(Point(drawable.width, drawable.height), Point(width_, height_));
}

Point Window::ScreenToGame(Point window_point) const {
  return ScreenToGamePoint(letterbox_, window_point);
}

bool Window::TakeRedrawRequest() {
  const bool requested = redraw_requested_;
  redraw_requested_ = false;
  return requested;
}

void Window::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (!active && focus_input_ != nullptr) focus_input_->ReleaseAll();
  FireHook(active ? Hook::Activate : Hook::Deactivate);
}

int32_t Window::PumpMessages(InputState& input) {
  using Kind = platform::PlatformEvent::Kind;
  focus_input_ = &input;
  platform::PlatformEvent event;
  int32_t count = 0;
  while (display_->PollEvent(event)) {
    ++count;
    switch (event.kind) {
      case Kind::KeyDown: DeliverKeyDown(input, event); break;
      case Kind::Text:
        for (const wchar_t typed : Utf8ToWide(event.text)) input.OnTypedText(typed);
        break;
      case Kind::KeyUp: input.OnKeyUp(event.code); break;
      case Kind::MouseMove: {
        const Point at = ScreenToGame(Point(event.x, event.y));
        input.OnMouseMove(at.x, at.y);
        break;
      }
      case Kind::ButtonDown:
      case Kind::ButtonUp: {
        // A click may come without a move before it (a synthetic one, or the
        // first after the window appeared): bring the position up to date.
        const Point at = ScreenToGame(Point(event.x, event.y));
        if (at != input.MousePosition()) input.OnMouseMove(at.x, at.y);
        if (event.kind == Kind::ButtonDown) {
          input.OnKeyDown(event.code);
        } else {
          input.OnKeyUp(event.code);
        }
        break;
      }
      case Kind::FocusGained:
        SetActive(true);
        redraw_requested_ = true;
        break;
      case Kind::FocusLost:
        SetActive(false);
        redraw_requested_ = true;
        break;
      case Kind::Resized:
        FollowDrawableSize();
        redraw_requested_ = true;
        break;
      case Kind::Exposed:
      case Kind::Restored: redraw_requested_ = true; break;
      case Kind::Minimized: break;
      case Kind::CloseRequested: FireHook(Hook::Close); break;
    }
  }
  return count;
}

}  // namespace ORB
