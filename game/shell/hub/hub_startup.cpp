// The hub's start-up steps that read more than one call's worth (Init, in
// game_hub.cpp, runs them in order).
#include <string>
#include <string_view>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/repository_document.h"
#include "engine/foundation/utf8.h"
#include "engine/foundation/window.h"
#include "engine/platform/log.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/startup/edition_settings.h"
#include "game/shell/startup/game_document.h"
#include "game/shell/startup/game_settings.h"
#include "game/shell/startup/save_folder.h"

namespace game {

void gGame::LoadPlayersFile() {
  if (players_ == nullptr) return;
  const std::string folder = GetSaveFolder();
  if (folder.empty()) return;
  PlayersFileOptions options;
  // None when the user's "game.xml" is missing or unreadable: the players
  // file then tries every layout it may have been written in.
  options.saved_version = GetGameSettings().user_version;
  options.in_app = game::HasInAppConfig();
  const std::string path = folder + PlayersList::kFileName;
  switch (players_->Load(folder, options)) {
    case PlayersFileStatus::Missing:
    case PlayersFileStatus::Loaded:
    case PlayersFileStatus::NotRegular: return;  // its line is written where it was refused
    case PlayersFileStatus::Corrupt:
      ORB::Log(ORB::LogLevel::kError, "game",
               path + " is not a players file this game can read; it was set aside as " +
                   PlayersList::kSetAsidePrefix + "<n> and the game starts without players");
      return;
    case PlayersFileStatus::Unreadable:
      ORB::Log(ORB::LogLevel::kError, "game",
               path + " cannot be opened; it was set aside as " + PlayersList::kSetAsidePrefix +
                   "<n> and the game starts without players");
      return;
  }
}

bool gGame::LoadTemplatePlayer() {
  const std::string& file = GetEditionSettings().player;
  template_.SetInAppEdition(game::HasInAppConfig());
  return ReadGameDocument(file, [&](const pugi::xml_document& document) {
    if (!template_.Load(document.document_element())) {
      ORB::Log(ORB::LogLevel::kWarning, "game",
               file + ": skipped a pack or a level without an \"id\"");
    }
    AddMissingPacks();
    return true;
  });
}

void gGame::AddMissingPacks() {
  if (players_ == nullptr) return;
  const bool in_app = game::HasInAppConfig();
  for (const auto& player : players_->GetPlayers()) {
    for (const auto& pack : template_.GetPacks()) {
      if (player->FindPack(pack->GetId()) != nullptr) continue;
      // A copy of the template's record through its XML form, the form the
      // template player itself is read from.
      pugi::xml_document copy;
      pugi::xml_node element = copy.append_child("pack");
      pack->Save(element, in_app);
      if (!player->AddPack(pack->GetId())->Load(element, in_app)) {
        ORB::Log(ORB::LogLevel::kWarning, "game",
                 "the template's record of pack " + std::to_string(pack->GetId()) +
                     " could not be copied to a player");
      }
    }
  }
}

bool gGame::LoadStoreProducts() {
  const std::string& file = GetEditionSettings().inapp;
  ORB::OC_STORE& store = ORB::OC_STORE::Instance();
  ORB::OC_REPOSITORY* repository = ORB::Engine().repository;
  // A missing in-app file is no failure: the store simply sells nothing.
  if (repository != nullptr && repository->Find(file) != nullptr) {
    void* window = ORB::Engine().window != nullptr ? ORB::Engine().window->GetHandle() : nullptr;
    ORB::ReadDocument(*repository, file, [&](const pugi::xml_document& document) {
      if (!store.LoadProducts(document.document_element(), kStoreKey, window)) {
        ORB::Log(ORB::LogLevel::kWarning, "game", file + " lists no store product");
      }
      return true;
    });
  }
  store.SetListener(this);
  return true;
}

bool gGame::LoadAdPlacements() {
  const std::string& file = GetEditionSettings().ad;
  return ReadGameDocument(file, [&](const pugi::xml_document& document) {
    if (!ad_placements_.Load(document.document_element())) {
      return DocumentFails(file, "lists no ad placement");
    }
    // The ad delegate (ad_delegate_) is what an ad provider reports to; the
    // placements are asked about once, as the provider expects.
    (void)ad_placements_.Has(kAdTop);
    (void)ad_placements_.Has(kAdFlurryTop);
    (void)ad_placements_.Has(kAdFullScreen);
    (void)ad_placements_.IsShown(kAdTop);
    return true;
  });
}

bool gGame::LoadPacks() {
  const gPackRecord::NameLookup name = [this](std::string_view key) {
    return localization_ != nullptr ? ORB::Utf8ToWide(localization_->Find(std::string(key)))
                                    : std::wstring();
  };
  return ReadGameDocument(kPacksFile, [&](const pugi::xml_document& document) {
    for (const pugi::xml_node element : document.document_element().children()) {
      if (element.type() != pugi::node_element) continue;
      auto record = std::make_unique<gPackRecord>();
      if (record->Load(element, name)) {
        packs_.push_back(std::move(record));
      } else {
        ORB::Log(ORB::LogLevel::kWarning, "game",
                 std::string(kPacksFile) + ": skipped a pack without its id, key, stars, price " +
                     "or path");
      }
    }
    return true;
  });
}

bool gGame::LoadPurchaseOverlay() {
  return ReadGameDocument(kOverlayFile, [this](const pugi::xml_document& document) {
    const pugi::xml_node purchase = document.document_element().child("purchase");
    if (!purchase) return DocumentFails(kOverlayFile, "lacks \"purchase\"");
    (void)overlay_animation_.Load(purchase.child("animation"));
    (void)overlay_background_.Load(purchase.child("background"));
    overlay_animation_.LoadTexture();
    overlay_background_.LoadTexture();
    overlay_loaded_ = true;
    return true;
  });
}

}  // namespace game
