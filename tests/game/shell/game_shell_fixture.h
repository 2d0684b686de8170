#pragma once
// The game shell's start-up in tests.
//
// GameShellTest runs the driver's rig (game_engine_rig.h) on a small
// resources folder of tests/data/ (by default game_shell), copied into a
// temporary folder so a test can change any file first, with the recording renderer, a window on a
// 1920 x 1080 desktop and a temporary home for the save folder:
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
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/repository.h"
#include "engine/foundation/window.h"
#include "engine/platform/fake_display.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_parts.h"
#include "game/shell/startup/game_settings.h"
#include "game_engine_rig.h"
#include "support/counting_sounds.h"
#include "support/log_capture.h"
#include "support/recording_renderer.h"
#include "support/source_path.h"
#include "support/temp_folder.h"
#include "support/temp_home.h"

namespace game {

// Reads the XML file, edits the document and writes it back.
template <typename Edit>
void EditXmlFile(const std::string& path, Edit&& edit) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_file(path.c_str())) << path;
  edit(document);
  ASSERT_TRUE(document.save_file(path.c_str())) << path;
}

class GameShellTest : public test_support::RecordingRendererTest {
 protected:
  // `fixture`: the folder of tests/data/ copied as the resources folder.
  explicit GameShellTest(const char* fixture = "game_shell") : fixture_(fixture) {}

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    ASSERT_FALSE(base_.Path().empty());
    std::filesystem::copy(test_support::TestData(fixture_), base_.File("Resources"),
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
    std::filesystem::copy_file(test_support::TestData(std::string(fixture_) + "/" + name),
                               Resource(name), std::filesystem::copy_options::overwrite_existing);
  }
  // Edits an XML file of the copied folder.
  template <typename Edit>
  void EditResource(const std::string& name, Edit&& edit) const {
    EditXmlFile(Resource(name), std::forward<Edit>(edit));
  }

  // Makes what the driver has, once the files are as the test wants them.
  // Again: anew, after the game made before is destroyed.
  void Open(ORB::platform::ScreenSize desktop = {1920, 1080},
            ORB::SoundLoader* sound_loader = nullptr) {
    rig_.Close();
    window_ = std::make_unique<ORB::Window>(std::make_unique<ORB::platform::FakeDisplay>(desktop));
    rig_.Open(base_.Path(), *renderer_, window_.get(), sound_loader);
  }
  ORB::OC_REPOSITORY& Repository() { return *rig_.repository; }

  // The save folder the fixture's "game.xml" gives under the temporary home.
  std::string SaveFolder() const { return home_.AppData() + "/Fixture Works/HarvelstonePyndlex/"; }

  const char* fixture_;
  test_support::TempHome home_;
  test_support::TempFolder base_;
  std::unique_ptr<ORB::Window> window_;
  GameEngineRig rig_;
};

}  // namespace game
