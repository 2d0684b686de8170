// The hub's screen groups: the windows that open and close together.
#include <algorithm>
#include <initializer_list>

#include "game/shell/hub/game_hub.h"
#include "game/shell/screens/screen_roles.h"
#include "game/shell/startup/edition_settings.h"
#include "game/shell/startup/game_settings.h"

namespace game {

namespace {

// Each window of the list, at once or animated.
void OpenAll(ORB_GF::G_WINDOW_MANAGER* windows, std::initializer_list<const char*> names,
             bool instant) {
  if (windows == nullptr) return;
  for (const char* name : names) windows->OpenWindow(name, instant);
}

void CloseAll(ORB_GF::G_WINDOW_MANAGER* windows, std::initializer_list<const char*> names,
              bool instant) {
  if (windows == nullptr) return;
  for (const char* name : names) windows->CloseWindow(name, instant);
}

// The menu screens whose resources stay loaded while the menus show.
constexpr const char* kMenuScreens[] = {gGame::kOptions, gGame::kConfirmExit, gGame::kPlayers,
                                        gGame::kPacks,   gGame::kPacksMenu,   gGame::kTrophy,
                                        gGame::kLevels};

}  // namespace

void gGame::OpenTitle() { OpenAll(windows_, {kTitle, kTitleTop}, false); }

void gGame::CloseTitle() { CloseAll(windows_, {kTitle, kTitleTop}, true); }

void gGame::OpenPackList() {
  QueryAd(kAdFullScreen);
  OpenTopPanels();
  OpenAll(windows_, {kPackTitle, kPacks}, true);
}

void gGame::OpenTopPanels() {
  QueryAd(kAdTop);
  OpenAll(windows_, {kBack, kPacksMenu}, true);
  // The panels an edition may leave out of its scene list.
  if (windows_ == nullptr) return;
  for (const char* name : {kSumie, kStars}) {
    if (windows_->FindWindow(name) != nullptr) windows_->OpenWindow(name, true);
  }
  if (GetEditionSettings().heart && windows_->FindWindow(kHeart) != nullptr) {
    windows_->OpenWindow(kHeart, true);
  }
}

void gGame::OpenLevels(int32_t pack_id, bool instant) {
  OpenTopPanels();
  if (windows_ == nullptr) return;
  windows_->OpenWindow(kLevelTitle, instant);
  ORB_GF::G_WINDOW* levels = windows_->OpenWindow(kLevels, instant);
  if (auto* list = dynamic_cast<cLevelList*>(levels)) {
    list->SetPack(current_player_ != nullptr ? current_player_->FindPack(pack_id) : nullptr);
    SetCurrentPack(pack_id);
  }
}

void gGame::CloseLevels(void* context, LifeCycleFunction callback) {
  ORB_GF::G_WINDOW* first_open = nullptr;
  if (windows_ != nullptr) {
    for (const char* name : kTopPanels) {
      first_open = windows_->FindOpenWindow(name);
      if (first_open != nullptr) break;
    }
  }
  CloseLevelsNow();
  if (callback == nullptr) return;
  // With nothing to wait for, the level starts now rather than never.
  if (first_open == nullptr) {
    callback(context);
    return;
  }
  // One pending close per window: a second call before it has closed adds
  // its callback to the same closing.
  auto pending = std::find_if(pending_closes_.begin(), pending_closes_.end(),
                              [&](const PendingClose& p) { return p.window == first_open; });
  if (pending == pending_closes_.end()) {
    pending = pending_closes_.insert(pending_closes_.end(), PendingClose{this, first_open, {}});
  }
  pending->callbacks.emplace_back(context, callback);
  first_open->SetCallback(ORB_GF::kClosed, &*pending, &gGame::LevelsClosed);
}

void gGame::LevelsClosed(void* pending) {
  auto* close = static_cast<PendingClose*>(pending);
  close->hub->RunPendingClose(close);
}

void gGame::RunPendingClose(PendingClose* pending) {
  // The callback runs once: it leaves the window before it runs (it may set
  // the window's callbacks itself, or close the levels again).
  pending->window->SetCallback(ORB_GF::kClosed, nullptr, nullptr);
  const auto callbacks = std::move(pending->callbacks);
  pending_closes_.remove_if([&](const PendingClose& p) { return &p == pending; });
  for (const auto& [context, callback] : callbacks) callback(context);
}

void gGame::CloseLevelsNow() {
  if (windows_ == nullptr) return;
  for (const char* name : kLevelScreens) windows_->CloseWindow(name, true);
}

void gGame::OpenTrophies() {
  if (windows_ != nullptr) windows_->RefreshAll();
  OpenAll(windows_, {kTrophyTitle, kTrophy}, false);
}

void gGame::CloseTrophies(bool instant) { CloseAll(windows_, {kTrophyTitle, kTrophy}, instant); }

void gGame::OpenOptions() { OpenAll(windows_, {kOptions}, false); }

bool gGame::PreloadMenuWindows() {
  if (windows_ != nullptr) windows_->ReleaseAllResources(false);
  if (!IsMobilePlatform()) cursor_.LoadTexture();
  if (windows_ == nullptr) return true;
  for (const char* name : {kTitle, kTitleTop}) windows_->LoadWindowResources(name);
  for (const char* name : kMenuScreens) windows_->LoadWindowResources(name);
  return true;
}

void gGame::ReleaseMenuWindows() {
  if (windows_ == nullptr) return;
  if (!IsMobilePlatform()) {
    for (const char* name : {kTitle, kTitleTop}) windows_->ReleaseWindowResources(name);
  }
  for (const char* name : kMenuScreens) windows_->ReleaseWindowResources(name);
}

}  // namespace game
