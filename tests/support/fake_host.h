#pragma once
// The game around the gameplay screen, for tests: a real current player (the
// sample template player, with pack 1 and its levels 10 and 11) whose pack
// and level records the screen gets, fonts by name, and a recorder of
// everything the rules ask of the game: sounds, trophy tests and awards,
// purchases, hearts, music volumes, restarts, leaving, saves. The answers
// are fields a test sets (the window manager, the trophies that become got,
// the products the store sells, the edition's switches, pack descriptions,
// sound lengths). With `gameplay` set, a restart and leaving for the level
// list reach the screen as the hub's would.
//
//   test_support::FakeHost host;        // documents from memory: the GameProcess files
//   host.SetFile("level.xml", test_support::LevelXml(text));
//   GG_GAMEPLAY gameplay(&host);
//   ... play ...
//   EXPECT_EQ(host.Count("save"), 1);
//   EXPECT_EQ(host.awarded, (std::vector<std::string>{"tr_stars_1"}));
//
// Documents from the shipped Resources/ come with ShippedHost (game_host.h).
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "framework/gameplay_interface.h"
#include "framework/trophy_list.h"
#include "game/play/gameplay_host.h"
#include "game/records/game_player.h"
#include "game/records/pack_record.h"
#include "level_text.h"
#include "memory_documents.h"
#include "sample_player.h"

namespace test_support {

class GameHost : public game::cGameplayHost {
 public:
  GameHost() : player_(SamplePlayer(false)) {}

  game::GG_PLAYER* GetCurrentPlayer() override { return has_player ? player_.get() : nullptr; }
  int32_t GetCurrentPackId() override { return pack_id; }
  int32_t GetCurrentLevelId() override { return level_id; }
  game::gPackState* FindPackState(int32_t packId) override { return player_->FindPack(packId); }
  game::gLevelRecord* FindLevelRecord(int32_t packId, int32_t levelId) override {
    return has_level_record ? player_->FindLevel(packId, levelId) : nullptr;
  }
  void PlaySound(const std::string& name) override {
    if (!recording) return;
    sounds.push_back(name);
    Note("sound " + name);
  }
  ORB::OC_FONT* FindFont(const std::string& name) override {
    const auto found = fonts.find(name);
    return found == fonts.end() ? nullptr : found->second;
  }

  // --- The rules' calls.
  ORB_GF::G_WINDOW_MANAGER* GetWindowManager() override { return windows; }
  bool TestTrophy(const std::string& name, const ORB_GF::TrophyValue& value) override {
    if (recording) {
      trophy_tests.push_back(name);
      trophy_values.push_back(value);
      Note("test " + name);
    }
    if (trophies != nullptr) return trophies->TestValue(name, value);
    // A trophy of `earn` becomes got at its first test.
    return earn.erase(name) > 0;
  }
  void AwardTrophy(const std::string& name) override {
    awarded.push_back(name);
    Note("award " + name);
  }
  bool CanBuy(const std::string& product) override { return sellable.count(product) > 0; }
  bool Buy(const std::string& product) override {
    Note("buy " + product);
    return purchase_starts && CanBuy(product);
  }
  bool IsPackLogicStars() override { return pack_logic_stars; }
  bool HasInAppConfig() override { return in_app; }
  bool HasStoreButton() override { return store_button; }
  const game::gPackRecord* FindPackRecord(int32_t packId) override {
    const auto found = pack_records.find(packId);
    return found == pack_records.end() ? nullptr : found->second.get();
  }
  int32_t GetHeartCount() override { return player_->GetHealth().GetCount(); }
  void SpendHeart() override {
    Note("spend heart");
    if (hearts) player_->GetHealth().Spend();
  }
  float GetSoundLength(const std::string& name) override {
    const auto found = sound_lengths.find(name);
    return found == sound_lengths.end() ? 0.0f : found->second;
  }
  void SetMusicVolume(float percent) override {
    if (recording) music_volumes.push_back(percent);
  }
  bool RestartLevel() override {
    Note("restart");
    if (hearts && GetHeartCount() < 1) return false;  // the hub's heart rule
    if (gameplay != nullptr) gameplay->Restart();
    return true;
  }
  void LeaveToLevels() override {
    Note("levels");
    if (gameplay != nullptr) {
      gameplay->Stop();
      gameplay->ReleaseResources();
    }
  }
  void ReportLeaderboards() override { Note("leaderboards"); }
  void SaveAll() override { Note("save"); }

  // --- For tests.
  game::GG_PLAYER& Player() { return *player_; }
  void SetPlayer(std::unique_ptr<game::GG_PLAYER> player) { player_ = std::move(player); }
  // A pack description from its XML element's text.
  void AddPackRecord(const std::string& xml) {
    pugi::xml_document document;
    document.load_string(xml.c_str());
    auto record = std::make_unique<game::gPackRecord>();
    if (record->Load(document.document_element())) {
      const int32_t id = record->GetId();
      pack_records[id] = std::move(record);
    }
  }
  // How many recorded calls read exactly `call` ("save", "restart", ...).
  int Count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
  }
  void Note(const std::string& call) {
    if (recording) calls.push_back(call);
  }

  // False: nothing is written down (benchmarks), everything is answered.
  bool recording = true;
  bool has_player = true;        // false: no current player
  bool has_level_record = true;  // false: the level has no record
  int32_t pack_id = 1;           // the player's pack; any other id has no record
  int32_t level_id = 10;
  std::vector<std::string> sounds;
  std::map<std::string, ORB::OC_FONT*> fonts;

  ORB_GF::G_WINDOW_MANAGER* windows = nullptr;
  ORB_GF::G_GAMEPLAY* gameplay = nullptr;  // Restart and Stop reach it
  ORB_GF::TrophyList* trophies = nullptr;  // when set, trophies are tested on it
  std::set<std::string> earn;              // otherwise: those that become got
  std::set<std::string> sellable;          // products the store can sell
  bool purchase_starts = true;             // a purchase of a sellable product starts
  bool pack_logic_stars = false;
  bool in_app = false;
  bool store_button = true;  // the edition's play screen has a store button
  bool hearts = true;        // the edition spends hearts
  std::map<std::string, float> sound_lengths;
  std::map<int32_t, std::unique_ptr<game::gPackRecord>> pack_records;

  // What the rules asked, in order ("sound levelwin", "test tr_stars_1",
  // "award tr_stars_1",
  // "buy second_chance", "spend heart", "restart", "levels",
  // "leaderboards", "save").
  std::vector<std::string> calls;
  std::vector<std::string> trophy_tests;
  std::vector<ORB_GF::TrophyValue> trophy_values;
  std::vector<std::string> awarded;
  std::vector<float> music_volumes;

 private:
  std::unique_ptr<game::GG_PLAYER> player_;
};

// Documents from memory, parsed afresh for every request; starts with the
// three GameProcess files the screen reads.
class FakeHost : public GameHost {
 public:
  FakeHost() {
    documents_.Set("data/share/main/GameProcess numbers.xml", kNumbersXml);
    documents_.Set("data/share/main/GameProcess settings.xml", kSettingsXml);
    documents_.Set("data/share/main/GameProcess effects.xml", kEffectsXml);
  }

  void SetFile(const std::string& name, const std::string& text) { documents_.Set(name, text); }
  void RemoveFile(const std::string& name) { documents_.Remove(name); }

  pugi::xml_document* GetDocument(const std::string& name) override {
    return documents_.Open(name);
  }
  void ReleaseDocument(pugi::xml_document* document) override { documents_.Close(document); }
  // Documents handed out and not given back.
  size_t OpenDocuments() const { return documents_.OpenDocuments(); }

 private:
  MemoryDocuments documents_;

 public:
  // Gives back of documents that were not handed out.
  int& unknown_releases = documents_.unknown_releases;
};

}  // namespace test_support
