#pragma once
// A host over the real resource repository, reading the shipped data in
// Resources/ (the tests run in tests/, one folder below the checkout).
#include <map>
#include <string>
#include <vector>

#include "engine/foundation/file_system.h"
#include "engine/foundation/repository.h"
#include "game/play/gameplay_host.h"
#include "support/source_path.h"

namespace game::testing {

constexpr const char* kLevelArchive = "data/share/main/levels";
constexpr const char* kGameProcessFolder = "data/share/main/GameProcess";

class ShippedHost : public cGameplayHost {
 public:
  explicit ShippedHost(ORB::TextureLoader* textures = nullptr)
      : files_(test_support::SourcePath("")), repository_(files_, textures, nullptr) {
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
  void ReleaseDocument(pugi::xml_document* document) override {
    repository_.ReleaseXml(document);
  }
  GG_PLAYER* GetCurrentPlayer() override { return reinterpret_cast<GG_PLAYER*>(&slot_); }
  int32_t GetCurrentPackId() override { return 0; }
  int32_t GetCurrentLevelId() override { return 0; }
  gPackState* FindPackState(int32_t) override { return reinterpret_cast<gPackState*>(&slot_); }
  gLevelRecord* FindLevelRecord(int32_t, int32_t) override { return nullptr; }
  void PlaySound(const std::string& name) override { sounds.push_back(name); }
  ORB::OC_FONT* FindFont(const std::string& name) override {
    const auto found = fonts.find(name);
    return found == fonts.end() ? nullptr : found->second;
  }

  int32_t archive_added = 0;
  int32_t process_added = 0;
  std::vector<std::string> sounds;
  std::map<std::string, ORB::OC_FONT*> fonts;

 private:
  ORB::FileSystem files_;
  ORB::OC_REPOSITORY repository_;
  int slot_ = 0;
};

}  // namespace game::testing
