#include "game/shell/hub/game_hub.h"

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/sound_bank.h"
#include "engine/platform/log.h"
#include "framework/game_singleton.h"
#include "framework/leaderboard_list.h"
#include "framework/trophy_list.h"
#include "game/shell/startup/edition_settings.h"
#include "game/shell/startup/game_document.h"
#include "game/shell/startup/game_settings.h"
#include "game/shell/startup/game_singletons.h"

namespace game {

namespace {

using HubSlot = ORB_GF::GameSingleton<gGame>;

// Every screen of the manager whose host is `from` gets `to`.
void ReplaceScreenHost(const ORB_GF::G_WINDOW_MANAGER* windows, cScreenHost* from,
                       cScreenHost* to) {
  if (windows == nullptr) return;
  for (ORB_GF::G_WINDOW* window : windows->Windows()) {
    auto* screen = dynamic_cast<gHostedScreen*>(window);
    if (screen != nullptr && screen->GetScreenHost() == from) screen->SetScreenHost(to);
  }
}

}  // namespace

gGame::gGame()
    : windows_(ORB_GF::GetWindowManager()),
      players_(GetPlayersList()),
      fonts_(ORB_GF::GetFontList()),
      localization_(GetLocalization()),
      shop_(ORB_GF::GetShopCatalogue()) {
  // Windows made before the hub ask it from now on.
  ReplaceScreenHost(windows_, nullptr, this);
}

gGame::~gGame() {
  ORB::OC_STORE& store = ORB::OC_STORE::Instance();
  if (store.GetListener() == this) store.SetListener(nullptr);
  // Closed callbacks that would run a pending close: the game deletes the
  // window manager (and the windows) first, but a manager that still stands
  // must not call into this hub.
  if (windows_ != nullptr && ORB_GF::GetWindowManager() == windows_) {
    for (PendingClose& pending : pending_closes_) {
      pending.window->SetCallback(ORB_GF::kClosed, nullptr, nullptr);
    }
  }
  // Nor may its screens: they act as without a hub from now on.
  ReplaceScreenHost(ORB_GF::GetWindowManager(), this, nullptr);
}

gGame* gGame::Instance() { return HubSlot::Get(); }
gGame& gGame::CreateHub() { return HubSlot::Create(); }
void gGame::DestroyHub() { HubSlot::Destroy(); }

bool gGame::Init() {
  const EditionSettings& edition = GetEditionSettings();

  LoadPlayersFile();

  if (!HasGameDocument(kFontsFile)) return false;
  if (fonts_ == nullptr || !fonts_->Load(kFontsFile))
    return DocumentFails(kFontsFile, "lists no font");

  if (!ReadGameDocument(kStringsFile, [this](const pugi::xml_document& document) {
        if (localization_ != nullptr) (void)localization_->LoadColumns(document, 0, 0);
        return true;
      })) {
    return false;
  }

  if (!LoadTemplatePlayer()) return false;
  if (edition.default_player && players_ != nullptr && players_->Count() == 0) {
    SetCurrentPlayer(CreatePlayer(kDefaultPlayerName));
  }

  if (game::HasInAppConfig() && !LoadStoreProducts()) return false;
  if (edition.free && IsMobilePlatform() && !LoadAdPlacements()) return false;

  if (!ReadGameDocument(edition.tutorial, [&](const pugi::xml_document& document) {
        if (tutorial_->Load(document.child("tutorial"), edition.tutorial)) return true;
        // The tutorial's own line names the file and the step.
        if (!tutorial_->Error().empty()) {
          ORB::Log(ORB::LogLevel::kError, "game", tutorial_->Error());
          return false;
        }
        return DocumentFails(edition.tutorial, "holds no tutorial that can be read");
      })) {
    return false;
  }

  if (!ReadGameDocument(kSoundsFile, [](const pugi::xml_document& document) {
        const pugi::xml_node bank = document.child("sound");
        if (!bank) return DocumentFails(kSoundsFile, "lacks \"sound\"");
        ORB::OC_SOUND_BANK* sounds = GetSoundBank();
        if (sounds == nullptr) return true;
        (void)sounds->Load(bank);
        sounds->LoadGroup(kMusicGroup);
        sounds->LoadGroup(kSoundsGroup);
        return true;
      })) {
    return false;
  }

  if (!ReadGameDocument(edition.store, [this](const pugi::xml_document& document) {
        if (shop_ != nullptr) shop_->Load(document.document_element());
        return true;
      })) {
    return false;
  }

  if (!ReadGameDocument(edition.trophies, [&](const pugi::xml_document& document) {
        ORB_GF::TrophyList* trophies = ORB_GF::GetTrophyList();
        if (trophies == nullptr || trophies->Load(document)) return true;
        return DocumentFails(edition.trophies, "lists no trophy");
      })) {
    return false;
  }

  if (!edition.leaderboard.empty()) {
    if (ORB_GF::LeaderboardList* boards = ORB_GF::GetLeaderboardList()) {
      (void)boards->Load(edition.leaderboard);
    }
  }

  if (!LoadPacks()) return false;

  if (!IsMobilePlatform() && !ReadGameDocument(kCursorFile, [this](const pugi::xml_document& d) {
        return cursor_.Load(d) || DocumentFails(kCursorFile, "names no cursor picture");
      })) {
    return false;
  }

  if (!HasGameDocument(edition.scenes)) return false;
  if (windows_ != nullptr && !windows_->LoadWindows(edition.scenes)) {
    return DocumentFails(edition.scenes, "cannot be read as a scene list");
  }

  if (game::HasInAppConfig() && !LoadPurchaseOverlay()) return false;
  started_ = true;
  return true;
}

void gGame::Shutdown() {
  if (!IsMobilePlatform()) cursor_.ReleaseTexture();
  StopLevel();
  ReleaseLevel();
  ReleaseMenuWindows();
  if (windows_ != nullptr) windows_->ReleaseAllResources(true);
  if (fonts_ != nullptr) fonts_->ReleaseTextures();
  if (overlay_loaded_) {
    overlay_animation_.ReleaseTexture();
    overlay_background_.ReleaseTexture();
  }
  if (ORB::OC_SOUND_BANK* sounds = GetSoundBank()) {
    for (const char* group : {kMusicGroup, kSoundsGroup}) {
      sounds->ReleaseGroup(group);
      sounds->ClearGroup(group);
    }
  }
  SaveAll();
  // The store outlives the hub: it must not call a hub that is going.
  ORB::OC_STORE& store = ORB::OC_STORE::Instance();
  if (store.GetListener() == this) store.SetListener(nullptr);
}

GG_PLAYER* gGame::CreatePlayer(const std::wstring& name) {
  if (players_ == nullptr) return nullptr;
  auto player = std::make_unique<GG_PLAYER>(template_);
  player->SetName(name);
  return players_->Add(std::move(player));
}

}  // namespace game
