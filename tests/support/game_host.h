#pragma once
// The game around the gameplay screen, for tests: a real current player (the
// sample template player, with pack 1 and its levels 10 and 11) whose pack
// and level records the screen gets, the sounds it played and fonts by name.
// Two hosts differ in where documents come from:
//
//   test_support::FakeHost host;        // from memory: the GameProcess files
//   host.SetFile("level.xml", test_support::LevelXml(text));
//
//   test_support::ShippedHost shipped;  // the shipped Resources/ through the repository
//   GG_GAMEPLAY gameplay(&shipped);
//   gameplay.Load(shipped.LevelNames().front());
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/file_system.h"
#include "engine/foundation/repository.h"
#include "game/play/game_player.h"
#include "game/play/gameplay_host.h"
#include "level_text.h"
#include "memory_documents.h"
#include "sample_player.h"
#include "source_path.h"

namespace test_support {

class GameHost : public game::cGameplayHost {
 public:
  GameHost() : player_(SamplePlayer(false)) {}

  game::GG_PLAYER* GetCurrentPlayer() override { return has_player ? player_.get() : nullptr; }
  int32_t GetCurrentPackId() override { return pack_id; }
  int32_t GetCurrentLevelId() override { return level_id; }
  game::gPackState* FindPackState(int32_t packId) override { return player_->FindPack(packId); }
  game::gLevelRecord* FindLevelRecord(int32_t packId, int32_t levelId) override {
    return player_->FindLevel(packId, levelId);
  }
  void PlaySound(const std::string& name) override { sounds.push_back(name); }
  ORB::OC_FONT* FindFont(const std::string& name) override {
    const auto found = fonts.find(name);
    return found == fonts.end() ? nullptr : found->second;
  }

  game::GG_PLAYER& Player() { return *player_; }

  bool has_player = true;  // false: no current player
  int32_t pack_id = 1;     // the player's pack; any other id has no record
  int32_t level_id = 10;
  std::vector<std::string> sounds;
  std::map<std::string, ORB::OC_FONT*> fonts;

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

// Documents from the shipped data in Resources/ through the real repository
// (tests run in tests/, one folder below the checkout), with the level archive
// and the GameProcess folder registered; textures through `textures` when
// given.
class ShippedHost : public GameHost {
 public:
  static constexpr const char* kLevelArchive = "data/share/main/levels";
  static constexpr const char* kGameProcessFolder = "data/share/main/GameProcess";

  explicit ShippedHost(ORB::TextureLoader* textures = nullptr)
      : files_(SourcePath("")), repository_(files_, textures, nullptr) {
    archive_added = repository_.AddFolder(kLevelArchive);
    process_added = repository_.AddFolder(kGameProcessFolder);
  }

  // The level names of the shipped archive, "data/share/main/levels pack_1/x.xml".
  std::vector<std::string> LevelNames() const {
    std::vector<std::string> names;
    for (const auto& folder : repository_.Folders()) {
      if (folder->name != kLevelArchive) continue;
      for (const auto& record : folder->records) names.push_back(folder->name + " " + record.first);
    }
    return names;
  }

  ORB::OC_REPOSITORY& Repository() { return repository_; }

  pugi::xml_document* GetDocument(const std::string& name) override {
    return repository_.GetXml(name);
  }
  void ReleaseDocument(pugi::xml_document* document) override { repository_.ReleaseXml(document); }

  int32_t archive_added = 0;  // the repository's answers to the two registrations
  int32_t process_added = 0;

 private:
  ORB::FileSystem files_;
  ORB::OC_REPOSITORY repository_;
};

}  // namespace test_support
