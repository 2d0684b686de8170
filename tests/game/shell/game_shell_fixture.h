#pragma once
// The game shell's start-up in tests.
//
// GameEngineRig makes what the game's driver has when it creates the game,
// over the resources folder below a base folder: the file system, the
// repository with the driver's search paths (pictures decoded by the given
// renderer, sounds that only count), the texture provider, and the engine's
// slots; Close destroys the game and takes it all down again.
//
// GameShellTest runs it on the small resources folder of tests/data/
// game_shell, copied into a temporary folder so a test can change any file
// first, with the recording renderer, a window on a 1920 x 1080 desktop and
// a temporary home for the save folder:
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
#include "engine/foundation/renderer.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/window.h"
#include "engine/platform/fake_display.h"
#include "engine/scene/repository_texture_provider.h"
#include "engine/scene/texture_provider.h"
#include "game/shell/game_creation.h"
#include "game/shell/game_parts.h"
#include "game/shell/game_settings.h"
#include "support/counting_sounds.h"
#include "support/recording_renderer.h"
#include "support/renderer_textures.h"
#include "support/source_path.h"
#include "support/temp_folder.h"
#include "support/temp_home.h"

namespace game {

class GameEngineRig {
 public:
  ~GameEngineRig() { Close(); }

  // `base` holds "Resources/"; the window may be null.
  void Open(const std::string& base, ORB::Renderer& renderer, ORB::Window* window) {
    files = std::make_unique<ORB::FileSystem>(base);
    textures = std::make_unique<test_support::RendererTextures>(renderer);
    repository = std::make_unique<ORB::OC_REPOSITORY>(*files, textures.get(), &sounds);
    // As the driver, whatever the answers (a case may have emptied a folder).
    (void)repository->AddFolder("");
    (void)repository->AddFolder("data");
    (void)repository->AddFolder("data/share/main/other", kProductIdentifier);
    (void)repository->AddFolder("data/share/image/gui", kProductIdentifier);
    provider = std::make_unique<ORB::RepositoryTextureProvider>(*repository);
    ORB::SetTextureProvider(provider.get());
    ORB::Engine().repository = repository.get();
    ORB::Engine().file_system = files.get();
    ORB::Engine().window = window;
    SetGameParts(GameParts{});
  }

  // The game goes first, while the repository and the renderer stand.
  void Close() {
    if (repository == nullptr) return;
    DestroyGame();
    ShutdownGame();
    ORB::Engine().repository = nullptr;
    ORB::Engine().file_system = nullptr;
    ORB::Engine().window = nullptr;
    ORB::SetTextureProvider(nullptr);
    provider.reset();
    repository.reset();
    textures.reset();
    files.reset();
    SetGameParts(DefaultGameParts());
    ResetGameSettings();
  }

  std::unique_ptr<ORB::FileSystem> files;
  std::unique_ptr<test_support::RendererTextures> textures;
  test_support::CountingSounds sounds;
  std::unique_ptr<ORB::OC_REPOSITORY> repository;
  std::unique_ptr<ORB::RepositoryTextureProvider> provider;
};

class GameShellTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    ASSERT_FALSE(base_.Path().empty());
    std::filesystem::copy(test_support::TestData("game_shell"), base_.File("Resources"),
                          std::filesystem::copy_options::recursive);
  }

  void TearDown() override { rig_.Close(); }

  // A path inside the copied resources folder.
  std::string Resource(const std::string& name) const { return base_.File("Resources/" + name); }
  void WriteResource(const std::string& name, const std::string& text) const {
    base_.Write("Resources/" + name, text);
  }
  void RemoveResource(const std::string& name) const { std::filesystem::remove(Resource(name)); }
  // Writes the text, or removes the file for null.
  void PutResource(const std::string& name, const char* text) const {
    if (text == nullptr) {
      RemoveResource(name);
    } else {
      WriteResource(name, text);
    }
  }
  // Puts the fixture's own file back.
  void RestoreResource(const std::string& name) const {
    std::filesystem::copy_file(test_support::TestData("game_shell/" + name), Resource(name),
                               std::filesystem::copy_options::overwrite_existing);
  }
  // Edits an XML file of the copied folder.
  template <typename Edit>
  void EditResource(const std::string& name, Edit&& edit) const {
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file(Resource(name).c_str())) << name;
    edit(document);
    ASSERT_TRUE(document.save_file(Resource(name).c_str())) << name;
  }

  // Makes what the driver has, once the files are as the test wants them.
  // Again: anew, after the game made before is destroyed.
  void Open(ORB::platform::ScreenSize desktop = {1920, 1080}) {
    rig_.Close();
    window_ = std::make_unique<ORB::Window>(std::make_unique<ORB::platform::FakeDisplay>(desktop));
    rig_.Open(base_.Path(), *renderer_, window_.get());
  }
  ORB::OC_REPOSITORY& Repository() { return *rig_.repository; }

  // The save folder the fixture's "game.xml" gives under the temporary home.
  std::string SaveFolder() const { return home_.AppData() + "/Fixture Works/HarvelstonePyndlex/"; }

  test_support::TempHome home_;
  test_support::TempFolder base_;
  std::unique_ptr<ORB::Window> window_;
  GameEngineRig rig_;
};

}  // namespace game
