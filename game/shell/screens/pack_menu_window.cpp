#include "game/shell/screens/pack_menu_window.h"

#include <string>

#include "engine/platform/log.h"
#include "framework/window_manager.h"
#include "game/shell/startup/game_settings.h"

namespace game {

namespace {

ORB_GF::G_WINDOW_MANAGER* Windows() { return ORB_GF::GetWindowManager(); }

// Whether the edition has the screen; says so when it does not.
bool Registered(const char* name) {
  ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  if (windows != nullptr && windows->FindWindow(name) != nullptr) return true;
  ORB::Log(ORB::LogLevel::kWarning, "game", std::string("no window \"") + name + "\"");
  return false;
}

bool IsShown(const char* name) {
  ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  return windows != nullptr && windows->IsOpen(name);
}

}  // namespace

GG_WINDOW_PACK_MENU::GG_WINDOW_PACK_MENU(const pugi::xml_node& node, cScreenHost* host)
    : gHostedScreen(host), G_WINDOW(node) {
  if (!IsMobilePlatform()) return;
  if (ORB::OC_GUI_OBJECT* back = GetGuiRoot().FindById(kBackId)) {
    back->SetEnabled(false);
    back->SetVisible(false);
  }
}

void GG_WINDOW_PACK_MENU::ClosePackGroup() {
  ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  if (windows != nullptr) {
    for (const char* name : {cScreenHost::kPackTitle, cScreenHost::kPacks, cScreenHost::kLevelTitle,
                             cScreenHost::kLevels, kTraining}) {
      windows->CloseWindow(name, false);
    }
  }
  if (cScreenHost* hub = GetScreenHost()) hub->CloseTrophies(false);
}

void GG_WINDOW_PACK_MENU::OnGuiEvent(int32_t widget_id) {
  cScreenHost* hub = GetScreenHost();
  ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  if (hub == nullptr || windows == nullptr) return;
  switch (widget_id) {
    case kPacksId:
      if (IsShown(cScreenHost::kPacks) || !Registered(cScreenHost::kPacks)) break;
      ClosePackGroup();
      windows->OpenWindow(cScreenHost::kPacks, false);
      break;
    case kTrophiesId:
      if (IsShown(cScreenHost::kTrophy) || !Registered(cScreenHost::kTrophy)) break;
      ClosePackGroup();
      hub->OpenTrophies();
      break;
    case kOptionsId: hub->OpenOptions(); break;
    case kBackId: Back(); break;
    case kShopId:
      if (Registered(kShop)) windows->OpenWindow(kShop, false);
      break;
    case kTrainingId:
      if (IsShown(kTraining) || !Registered(kTraining)) break;
      ClosePackGroup();
      windows->OpenWindow(kTraining, false);
      break;
    default: break;
  }
}

void GG_WINDOW_PACK_MENU::Back() {
  ORB_GF::G_WINDOW_MANAGER* windows = Windows();
  if (windows->IsOpen(cScreenHost::kLevels)) {
    windows->CloseWindow(cScreenHost::kLevels, false);
    windows->OpenWindow(cScreenHost::kPacks, false);
    return;
  }
  if (IsMobilePlatform()) return;
  fade_.Run([this] {
    cScreenHost* hub = GetScreenHost();
    ORB_GF::G_WINDOW_MANAGER* all = Windows();
    // The pack list and the trophies go too: the title shows alone.
    for (const char* name : {cScreenHost::kPackTitle, cScreenHost::kPacks, kTraining}) {
      all->CloseWindow(name, true);
    }
    hub->CloseTrophies(true);
    hub->CloseLevelsNow();
    hub->OpenTitle();
  });
}

}  // namespace game
