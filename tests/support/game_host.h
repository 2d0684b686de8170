#pragma once
// The game around the gameplay screen, for tests (fake_host.h): from memory,
// or from the shipped data.
//
//   test_support::FakeHost host;        // from memory: the GameProcess files
//   host.SetFile("level.xml", test_support::LevelXml(text));
//
//   test_support::ShippedHost shipped;  // the shipped Resources/ through the repository
//   GG_GAMEPLAY gameplay(&shipped);
//   gameplay.Load(shipped.LevelNames().front());
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/file_system.h"
#include "engine/foundation/repository.h"
#include "fake_host.h"
#include "source_path.h"

namespace test_support {

// Documents from the shipped data in Resources/ through the real repository
// (tests run in tests/, one folder below the checkout), with the level archive,
// the GameProcess folder and the settings folder registered; textures through
// `textures` when given. The current player is the shipped template player
// (its rule values, hearts and the records of every shipped pack and level),
// and the shipped pack descriptions answer FindPackRecord.
class ShippedHost : public GameHost {
 public:
  static constexpr const char* kLevelArchive = "data/share/main/levels";
  static constexpr const char* kGameProcessFolder = "data/share/main/GameProcess";
  static constexpr const char* kOtherFolder = "data/share/main/other";
  static constexpr const char* kTemplatePlayer = "data/share/main/other player.xml";
  static constexpr const char* kPackDescriptions = "data/share/main/other packs_description.xml";

  explicit ShippedHost(ORB::TextureLoader* textures = nullptr)
      : files_(SourcePath("")), repository_(files_, textures, nullptr) {
    archive_added = repository_.AddFolder(kLevelArchive);
    process_added = repository_.AddFolder(kGameProcessFolder);
    other_added = repository_.AddFolder(kOtherFolder);
    if (pugi::xml_document* document = repository_.GetXml(kTemplatePlayer)) {
      auto player = std::make_unique<game::GG_PLAYER>();
      player_loaded = player->Load(document->child("player"));
      SetPlayer(std::move(player));
      repository_.ReleaseXml(document);
    }
    if (pugi::xml_document* document = repository_.GetXml(kPackDescriptions)) {
      for (const pugi::xml_node pack : document->document_element().children("pack")) {
        auto record = std::make_unique<game::gPackRecord>();
        if (record->Load(pack)) {
          const int32_t id = record->GetId();
          pack_records[id] = std::move(record);
        }
      }
      repository_.ReleaseXml(document);
    }
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

  int32_t archive_added = 0;  // the repository's answers to the registrations
  int32_t process_added = 0;
  int32_t other_added = 0;
  bool player_loaded = false;  // the template player was read

 private:
  ORB::FileSystem files_;
  ORB::OC_REPOSITORY repository_;
};

}  // namespace test_support
