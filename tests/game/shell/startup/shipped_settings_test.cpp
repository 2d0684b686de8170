// The shipped settings as they stand in Resources/: the game starts from
// them, its edition is the desktop one the game is built for, the resource
// list registers every folder, and the template player is whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/repository.h"
#include "engine/foundation/repository_document.h"
#include "engine/foundation/window.h"
#include "engine/platform/fake_display.h"
#include "game/records/game_player.h"
#include "game/shell/game_shell_fixture.h"
#include "game/shell/startup/edition_settings.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_settings.h"
#include "game/shell/startup/resource_list.h"
#include "game/shell/startup/save_folder.h"
#include "game/shell/startup/screen_borders.h"
#include "support/log_capture.h"

namespace game {
namespace {

class ShippedSettingsTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    window_ = std::make_unique<ORB::Window>(
        std::make_unique<ORB::platform::FakeDisplay>(ORB::platform::ScreenSize{1920, 1080}));
    rig_.Open(test_support::SourcePath(""), *renderer_, window_.get());
  }
  void TearDown() override { rig_.Close(); }
  ORB::OC_REPOSITORY& Repository() { return *rig_.repository; }

  test_support::TempHome home_;
  std::unique_ptr<ORB::Window> window_;
  GameEngineRig rig_;
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
    EXPECT_NE(Repository().Find(*name), nullptr) << *name;
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
  for (const auto& folder : Repository().Folders()) registered.insert(folder->name);
  const std::filesystem::path root = rig_.files->GetResourcesFolder();
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
  ASSERT_TRUE(ORB::ReadDocument(Repository(), GetEditionSettings().player,
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
