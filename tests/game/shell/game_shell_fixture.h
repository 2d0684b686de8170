#pragma once
// The game shell's start-up on the small resources folder of tests/data/
// game_shell, copied into a temporary folder so a test can change any file
// first. Open() then makes what the game's driver has when it creates the
// game: the repository with the driver's search paths, the texture provider
// (the recording renderer decodes the pictures), the file system, a window
// on a 1920 x 1080 desktop, and a temporary home for the save folder.
//
//   TEST_F(GameShellTest, ...) {
//     WriteResource("game.xml", "<game/>");
//     ASSERT_NO_FATAL_FAILURE(Open());
//     EXPECT_FALSE(game::CreateGame("game.xml"));
//   }
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/window.h"
#include "engine/platform/fake_display.h"
#include "engine/scene/repository_texture_provider.h"
#include "engine/scene/texture_provider.h"
#include "game/shell/game_creation.h"
#include "game/shell/game_parts.h"
#include "game/shell/game_settings.h"
#include "support/recording_renderer.h"
#include "support/renderer_textures.h"
#include "support/source_path.h"
#include "support/temp_folder.h"
#include "support/temp_home.h"

namespace game {

// Sounds as handles that only count what the repository made and removed.
class CountingSounds : public ORB::SoundLoader {
 public:
  ORB::SoundHandle CreateSound(const uint8_t*, size_t, int32_t, bool) override {
    ++made;
    return &handles_[(made - 1) % 8];
  }
  void RemoveSound(ORB::SoundHandle) override { ++removed; }
  int made = 0;
  int removed = 0;

 private:
  int handles_[8] = {};
};

class GameShellTest : public test_support::RecordingRendererTest {
 protected:
  static constexpr const char* kPassword = "HarvelstonePyndlex";

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    ASSERT_FALSE(base_.Path().empty());
    std::filesystem::copy(test_support::TestData("game_shell"), base_.File("Resources"),
                          std::filesystem::copy_options::recursive);
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

  // A path inside the copied resources folder.
  std::string Resource(const std::string& name) const { return base_.File("Resources/" + name); }
  void WriteResource(const std::string& name, const std::string& text) const {
    base_.Write("Resources/" + name, text);
  }
  void RemoveResource(const std::string& name) const { std::filesystem::remove(Resource(name)); }
  // Edits an XML file of the copied folder.
  template <typename Edit>
  void EditResource(const std::string& name, Edit&& edit) const {
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file(Resource(name).c_str())) << name;
    edit(document);
    ASSERT_TRUE(document.save_file(Resource(name).c_str())) << name;
  }

  // Registers the resources as the driver does and publishes the engine's
  // objects. Call once the files are as the test wants them.
  void Open(ORB::platform::ScreenSize desktop = {1920, 1080}) {
    files_ = std::make_unique<ORB::FileSystem>(base_.Path());
    textures_ = std::make_unique<test_support::RendererTextures>(*renderer_);
    repository_ = std::make_unique<ORB::OC_REPOSITORY>(*files_, textures_.get(), &sounds_);
    // As the driver, whatever the answers (a case may have emptied a folder).
    (void)repository_->AddFolder("");
    (void)repository_->AddFolder("data");
    (void)repository_->AddFolder("data/share/main/other", kPassword);
    (void)repository_->AddFolder("data/share/image/gui", kPassword);
    provider_ = std::make_unique<ORB::RepositoryTextureProvider>(*repository_);
    ORB::SetTextureProvider(provider_.get());
    window_ = std::make_unique<ORB::Window>(std::make_unique<ORB::platform::FakeDisplay>(desktop));
    ORB::Engine().repository = repository_.get();
    ORB::Engine().file_system = files_.get();
    ORB::Engine().window = window_.get();
  }

  // The save folder the fixture's "game.xml" gives under the temporary home.
  std::string SaveFolder() const { return home_.AppData() + "/Fixture Works/HarvelstonePyndlex/"; }

  test_support::TempHome home_;
  test_support::TempFolder base_;
  std::unique_ptr<ORB::FileSystem> files_;
  std::unique_ptr<test_support::RendererTextures> textures_;
  CountingSounds sounds_;
  std::unique_ptr<ORB::OC_REPOSITORY> repository_;
  std::unique_ptr<ORB::RepositoryTextureProvider> provider_;
  std::unique_ptr<ORB::Window> window_;
};

}  // namespace game
