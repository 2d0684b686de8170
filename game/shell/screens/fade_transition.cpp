#include "game/shell/screens/fade_transition.h"

#include <utility>

#include "engine/platform/log.h"
#include "framework/window_manager.h"

namespace game {

namespace {

ORB_GF::G_WINDOW* FadeWindow() {
  ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager();
  return windows != nullptr ? windows->FindWindow(gFadeTransition::kWindow) : nullptr;
}

}  // namespace

bool gFadeTransition::Run(Action action, bool close_after) {
  if (IsRunning()) return false;
  ORB_GF::G_WINDOW* fade = FadeWindow();
  if (fade == nullptr) {
    ORB::Log(ORB::LogLevel::kWarning, "game",
             std::string("no window \"") + kWindow + "\": the screen changes at once");
    if (action) action();
    return true;
  }
  action_ = std::move(action);
  close_after_ = close_after;
  window_ = fade;
  fade->SetCallback(ORB_GF::kOpened, this, &gFadeTransition::Opened);
  ORB_GF::GetWindowManager()->OpenWindow(kWindow, false);
  return true;
}

void gFadeTransition::Opened(void* self) {
  auto* run = static_cast<gFadeTransition*>(self);
  run->window_->SetCallback(ORB_GF::kOpened, nullptr, nullptr);
  // The action may start another change: it is taken off first.
  const Action action = std::move(run->action_);
  run->action_ = nullptr;
  const bool close_after = run->close_after_;
  if (action) action();
  if (close_after) Close();
}

void gFadeTransition::Close() {
  if (ORB_GF::G_WINDOW_MANAGER* windows = ORB_GF::GetWindowManager()) {
    windows->CloseWindow(kWindow, false);
  }
}

bool gFadeTransition::IsRunning() {
  const ORB_GF::G_WINDOW* fade = FadeWindow();
  return fade != nullptr && fade->IsOpen();
}

}  // namespace game
