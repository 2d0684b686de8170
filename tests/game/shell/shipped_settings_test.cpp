// The shipped settings as they stand in Resources/: the game starts from
// them, its edition is the desktop one the game is built for, the resource
// list registers every folder, and the template player is whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/repository_document.h"
#include "engine/foundation/window.h"
#include "engine/platform/fake_display.h"
#include "engine/scene/repository_texture_provider.h"
#include "engine/scene/texture_provider.h"
#include "game/play/game_player.h"
#include "game/shell/edition_settings.h"
#include "game/shell/game_creation.h"
#include "game/shell/game_parts.h"
#include "game/shell/game_settings.h"
#include "game/shell/resource_list.h"
#include "game/shell/save_folder.h"
#include "game/shell/screen_borders.h"
#include "support/log_capture.h"
#include "support/recording_renderer.h"
#include "support/renderer_textures.h"
#include "support/source_path.h"
#include "support/temp_home.h"

namespace game {
namespace {

constexpr const char* kPassword = "HarvelstonePyndlex";

class ShippedSettingsTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    files_ = std::make_unique<ORB::FileSystem>(test_support::SourcePath(""));
    textures_ = std::make_unique<test_support::RendererTextures>(*renderer_);
    repository_ = std::make_unique<ORB::OC_REPOSITORY>(*files_, textures_.get(), nullptr);
    (void)repository_->AddFolder("");
    (void)repository_->AddFolder("data");
    (void)repository_->AddFolder("data/share/main/other", kPassword);
    (void)repository_->AddFolder("data/share/image/gui", kPassword);
    provider_ = std::make_unique<ORB::RepositoryTextureProvider>(*repository_);
    ORB::SetTextureProvider(provider_.get());
    window_ = std::make_unique<ORB::Window>(
        std::make_unique<ORB::platform::FakeDisplay>(ORB::platform::ScreenSize{1920, 1080}));
    ORB::Engine().repository = repository_.get();
    ORB::Engine().file_system = files_.get();
    ORB::Engine().window = window_.get();
    SetGameParts(GameParts{});
  }
  void TearDown() override {
    DestroyGame();
    ShutdownGame();
    ORB::Engine().repository = nullptr;
    ORB::Engine().file_system = nullptr;
    ORB::Engine().window = nullptr;
    ORB::SetTextureProvider(nullptr);
    provider_.reset();
    repository_.reset();
    SetGameParts(DefaultGameParts());
    ResetGameSettings();
  }

  test_support::TempHome home_;
  std::unique_ptr<ORB::FileSystem> files_;
  std::unique_ptr<test_support::RendererTextures> textures_;
  std::unique_ptr<ORB::OC_REPOSITORY> repository_;
  std::unique_ptr<ORB::RepositoryTextureProvider> provider_;
  std::unique_ptr<ORB::Window> window_;
};

TEST_F(ShippedSettingsTest, TheGameStartsAsTheDesktopEdition) {
  test_support::LogCapture log;
  ASSERT_TRUE(CreateGame("game.xml"));
  ASSERT_TRUE(LoadResourceList(kResourceListFile));
  EXPECT_TRUE(log.Lines().empty()) << log.Lines().front();

  const GameSettings& s = GetGameSettings();
  EXPECT_EQ(s.product, kProductIdentifier);
  EXPECT_EQ(s.language, "en");
  EXPECT_FALSE(s.fullscreen) << "windowed";
  EXPECT_EQ(GetSaveFolder(), home_.AppData() + "/" + s.company + "/HarvelstonePyndlex/");

  const EditionSettings& e = GetEditionSettings();
  EXPECT_EQ(e.platform, 0);
  EXPECT_TRUE(e.heart);
  EXPECT_TRUE(e.pack_logic_stars);
  EXPECT_TRUE(e.store_button);
  EXPECT_FALSE(e.free);
  EXPECT_FALSE(e.default_player);
  EXPECT_FALSE(HasInAppConfig()) << "the shop sells for coins";
  EXPECT_EQ(e.ad, "");
  EXPECT_EQ(e.leaderboard, "");
  EXPECT_EQ(e.url_file, "");
  EXPECT_EQ(e.exe_file, "");
  EXPECT_TRUE(e.run_if_url_lost);
  EXPECT_TRUE(e.run_if_exe_lost);

  // Every file the edition names is there, but for the two later parts of
  // the game bring.
  for (const std::string* name : {&e.store, &e.trophies, &e.player}) {
    EXPECT_NE(repository_->Find(*name), nullptr) << *name;
  }
  EXPECT_EQ(e.scenes, "data/share/main/other scenes.xml");
  EXPECT_EQ(e.tutorial, "data/share/main/other tutorial.xml");

  ScreenBorders* borders = GetScreenBorders();
  ASSERT_NE(borders, nullptr);
  EXPECT_TRUE(borders->Tile().IsLoaded());
  EXPECT_TRUE(borders->Line().IsLoaded());
}

TEST_F(ShippedSettingsTest, TheResourceListRegistersEveryFolderOfTheResources) {
  ASSERT_TRUE(CreateGame("game.xml"));
  ASSERT_TRUE(LoadResourceList(kResourceListFile));
  // Every plain folder holding files and every archive is registered, by
  // the driver or by the list.
  std::set<std::string> registered;
  for (const auto& folder : repository_->Folders()) registered.insert(folder->name);
  const std::filesystem::path root = files_->GetResourcesFolder();
  const std::string language = "data/" + GetGameSettings().language;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const std::string file = entry.path().lexically_relative(root).generic_string();
    const std::string folder = entry.path().parent_path().lexically_relative(root).generic_string();
    if (ORB::FileSystem::GetFileSignature(entry.path().string()) != 0) {
      EXPECT_TRUE(registered.count(file)) << "the archive " << file;
    } else if (folder == ".") {
      continue;  // the top level, scanned by the driver
    } else if (folder.rfind("data/", 0) == 0 && folder.find('/', 5) == std::string::npos &&
               std::filesystem::exists(entry.path().parent_path() / "strings.xml") &&
               folder != language) {
      continue;  // another language's texts
    } else {
      EXPECT_TRUE(registered.count(folder)) << folder << " (" << file << ")";
    }
  }
}

TEST_F(ShippedSettingsTest, TheTemplatePlayerIsWhole) {
  ASSERT_TRUE(CreateGame("game.xml"));
  GG_PLAYER player;
  ASSERT_TRUE(ORB::ReadDocument(*repository_, GetEditionSettings().player,
                                [&player](const pugi::xml_document& document) {
                                  return player.Load(document.document_element());
                                }));
  EXPECT_EQ(player.GetItemCount("errors"), 5);
  EXPECT_EQ(player.GetItemCount("health"), 5);
  EXPECT_EQ(player.GetItemCount("start_hint"), 2);
  EXPECT_EQ(player.GetHealth().GetCount(), 5);
  EXPECT_EQ(player.GetHealth().GetRefillTime(), 20u * 60u);
  ASSERT_EQ(player.GetPacks().size(), 4u);
  for (const auto& pack : player.GetPacks()) {
    EXPECT_GE(pack->GetLevelCount(), 1) << pack->GetId();
    for (int32_t i = 0; i < pack->GetLevelCount(); ++i) {
      const bool first = pack->GetId() == 1 && i == 0;
      EXPECT_EQ(pack->GetLevelAt(i)->IsUnlocked(), first) << pack->GetId() << " " << i;
    }
  }
}

}  // namespace
}  // namespace game
