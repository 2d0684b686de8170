#pragma once
// The game around the screens, for tests: a host that writes down every
// operation a screen asks of it that does something (the screen groups,
// the levels, the players, hearts, saving, the store, sounds) as a line of
// `calls`, and answers the questions from fields the test sets: the current
// player, the template player, the window manager, the gameplay screen,
// whether a level may start. Nothing happens beyond the note: OpenOptions
// opens no window, SpendHeart takes no heart.
//
//   FakeScreenHost host;
//   host.current = &anna;
//   ... a screen made with CreateHostedGameWindow(element, &host), clicked ...
//   EXPECT_EQ(host.calls, (std::vector<std::string>{"SaveAll"}));
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/utf8.h"
#include "framework/shop_catalogue.h"
#include "framework/window_manager.h"
#include "game/records/game_player.h"
#include "game/records/pack_record.h"
#include "game/shell/screens/screen_host.h"

namespace game {

class FakeScreenHost : public cScreenHost {
 public:
  // --- Screen groups.
  void OpenTitle() override { Note("OpenTitle"); }
  void CloseTitle() override { Note("CloseTitle"); }
  void OpenPackList() override { Note("OpenPackList"); }
  void OpenLevels(int32_t pack_id, bool instant) override {
    Note("OpenLevels " + std::to_string(pack_id) + (instant ? " instant" : ""));
  }
  void CloseLevels(void* context, LifeCycleFunction callback) override {
    Note("CloseLevels");
    if (callback != nullptr) callback(context);
  }
  void CloseLevelsNow() override { Note("CloseLevelsNow"); }
  void OpenTrophies() override { Note("OpenTrophies"); }
  void CloseTrophies(bool instant) override {
    Note(instant ? "CloseTrophies instant" : "CloseTrophies");
  }
  void OpenOptions() override { Note("OpenOptions"); }

  // --- Packs and levels: the questions answer from the fields.
  const std::vector<std::unique_ptr<gPackRecord>>& PackRecords() const override { return packs; }
  const gPackRecord* FindPack(int32_t pack_id) const override {
    for (const auto& pack : packs) {
      if (pack->GetId() == pack_id) return pack.get();
    }
    return nullptr;
  }
  const gPackRecord* GetCurrentPack() const override { return FindPack(pack_id); }
  gLevelRecord* GetCurrentLevel() const override { return nullptr; }
  int32_t GetCurrentPackId() override { return pack_id; }
  std::wstring GetStarsToPassText(int32_t) const override { return L"24"; }
  std::wstring GetPackStarsText(int32_t) const override { return L"7/48"; }
  bool CanPlayLevelOrAsk() override {
    Note("CanPlayLevelOrAsk");
    return can_play;
  }
  bool StartLevel(int32_t level_id, int32_t pack) override {
    Note("StartLevel " + std::to_string(level_id) + " " + std::to_string(pack));
    return can_play;
  }
  void StopLevel() override { Note("StopLevel"); }
  void PauseLevel() override { Note("PauseLevel"); }
  void ResumeLevel() override { Note("ResumeLevel"); }
  bool RestartLevel() override {
    Note("RestartLevel");
    return can_play;
  }
  bool ReleaseLevel() override {
    Note("ReleaseLevel");
    return true;
  }
  void LeaveToLevels() override { Note("LeaveToLevels"); }
  GG_GAMEPLAY* GetGameplay() const override { return gameplay; }

  // --- Players.
  GG_PLAYER* GetCurrentPlayer() override { return current; }
  const GG_PLAYER& GetTemplatePlayer() const override { return template_player; }
  void SetCurrentPlayer(GG_PLAYER* player) override {
    Note("SetCurrentPlayer " + (player != nullptr ? ORB::WideToUtf8(player->GetName()) : "none"));
    current = player;
  }
  // A new player the host keeps.
  GG_PLAYER* CreatePlayer(const std::wstring& name) override {
    Note("CreatePlayer " + ORB::WideToUtf8(name));
    made.push_back(std::make_unique<GG_PLAYER>(name));
    return made.back().get();
  }
  bool RemovePlayer(const std::wstring& name) override {
    Note("RemovePlayer " + ORB::WideToUtf8(name));
    return true;
  }
  void SpendHeart() override { Note("SpendHeart"); }
  void RefillHearts() override { Note("RefillHearts"); }
  void SaveAll() override { Note("SaveAll"); }

  // --- The shop and the store.
  const ORB_GF::ShopCatalogueItem* FindShopItem(const std::string&) const override {
    return nullptr;
  }
  bool Buy(const std::string& product) override {
    Note("Buy " + product);
    return false;
  }
  void OnRefreshRequest() override { Note("OnRefreshRequest"); }

  // --- The rest.
  ORB_GF::G_WINDOW_MANAGER* GetWindowManager() override { return windows; }
  void PlaySound(const std::string& name) override { Note("PlaySound " + name); }

  // What the screens asked, in order.
  std::vector<std::string> calls;

  // The answers.
  GG_PLAYER* current = nullptr;
  GG_PLAYER template_player{L"template"};
  std::vector<std::unique_ptr<GG_PLAYER>> made;
  std::vector<std::unique_ptr<gPackRecord>> packs;
  int32_t pack_id = -1;
  // The heart rule's answer: a level may start (and restart).
  bool can_play = true;
  ORB_GF::G_WINDOW_MANAGER* windows = nullptr;
  GG_GAMEPLAY* gameplay = nullptr;

 private:
  void Note(std::string call) { calls.push_back(std::move(call)); }
};

}  // namespace game
