// The user's "game.xml" in the save folder: the defaults without one, the
// version and byte-order mark of every save, old and unreadable files, a
// failed write that keeps the old file, and a home without an
// application-data folder.
#include "game/shell/startup/user_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/shell/game_shell_fixture.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_settings.h"
#include "game/shell/startup/save_folder.h"
#include "support/fifo.h"
#include "support/file_size_limit.h"
#include "support/log_capture.h"
#include "support/read_file.h"
#include "support/temp_home.h"

namespace game {
namespace {

constexpr char kSaved[] =
    "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n"
    "<game>\n"
    "\t<fullscreen value=\"false\" />\n"
    "\t<version value=\"65792\" />\n"
    "</game>\n";

std::string ReadText(const std::string& path) {
  const test_support::Bytes bytes = test_support::ReadFile(path);
  return std::string(bytes.begin(), bytes.end());
}

TEST_F(GameShellTest, WithoutAUserFileTheDefaultsStandAndASaveWritesTheVersion) {
  ASSERT_NO_FATAL_FAILURE(Open());
  ASSERT_TRUE(CreateGame("game.xml"));
  EXPECT_EQ(GetSaveFolder(), SaveFolder());
  EXPECT_TRUE(GetFullscreen()) << "the shipped file's";
  EXPECT_EQ(GetSavedVersion(), 0x10000);
  EXPECT_FALSE(GetGameSettings().user_version.has_value());

  SetFullscreen(false);
  ASSERT_TRUE(SaveGameSettings());
  EXPECT_EQ(ReadText(SaveFolder() + "game.xml"), kSaved);
  EXPECT_FALSE(std::filesystem::exists(SaveFolder() + "game.xml.tmp"));

  // The next start reads it: the player's choice wins over the shipped one.
  DestroyGame();
  ShutdownGame();
  ASSERT_TRUE(CreateGame("game.xml"));
  EXPECT_FALSE(GetFullscreen());
  EXPECT_EQ(GetSavedVersion(), 65792);
  EXPECT_EQ(GetGameSettings().user_version, 65792);
}

TEST_F(GameShellTest, AnOlderFileKeepsItsVersionUntilTheNextSave) {
  const struct {
    const char* text;
    int32_t version;
  } cases[] = {
      {"<game><fullscreen value='false'/><version value='65536'/></game>", 0x10000},
      {"<game><fullscreen value='false'/></game>", 0x10000},  // before versions were kept
      {"<game><fullscreen value='false'/><version value='65792'/></game>", 0x10100},
  };
  ASSERT_NO_FATAL_FAILURE(Open());
  for (const auto& c : cases) {
    test_support::WriteText(SaveFolder() + "game.xml", c.text);
    ASSERT_TRUE(CreateGame("game.xml"));
    EXPECT_FALSE(GetFullscreen()) << c.text;
    EXPECT_EQ(GetSavedVersion(), c.version) << c.text;
    EXPECT_EQ(GetGameSettings().user_version, c.version) << c.text;
    ASSERT_TRUE(SaveGameSettings());
    EXPECT_EQ(ReadText(SaveFolder() + "game.xml"), kSaved) << "always the current version";
    DestroyGame();
    ShutdownGame();
  }
}

TEST_F(GameShellTest, AUserFileThatCannotBeReadLeavesTheDefaultsAndNoVersion) {
  ASSERT_NO_FATAL_FAILURE(Open());
  // Broken XML, a folder in the file's place, a file far too big to be one,
  // a FIFO (which nothing writes to).
  const std::string path = SaveFolder() + "game.xml";
  for (const int kind : {0, 1, 2, 3}) {
    std::filesystem::remove_all(path);
    if (kind == 1) {
      std::filesystem::create_directories(path);
    } else if (kind == 3) {
      ASSERT_TRUE(test_support::MakeFifo(path));
    } else if (kind == 0) {
      test_support::WriteText(SaveFolder() + "game.xml",
                              "<game><fullscreen value='false'/><version value='65792'");
    } else {
      test_support::WriteText(SaveFolder() + "game.xml",
                              "<game><fullscreen value='false'/><version value='65792'/><!--" +
                                  std::string(100000, ' ') + "--></game>");
    }
    test_support::LogCapture log;
    ASSERT_TRUE(test_support::WithoutBlocking(path, [] { return CreateGame("game.xml"); }))
        << "the game still starts";
    EXPECT_TRUE(GetFullscreen()) << "the shipped file's";
    EXPECT_EQ(GetSavedVersion(), 0x10000);
    EXPECT_FALSE(GetGameSettings().user_version.has_value());
    ASSERT_EQ(log.Lines().size(), 1u);
    EXPECT_NE(log.Lines()[0].find("game: warning: " + SaveFolder() + "game.xml cannot be read"),
              std::string::npos)
        << log.Lines()[0];
    DestroyGame();
    ShutdownGame();
  }
}

TEST_F(GameShellTest, AFailedWriteKeepsTheOldFileAndIsReported) {
  ASSERT_NO_FATAL_FAILURE(Open());
  ASSERT_TRUE(CreateGame("game.xml"));
  SetFullscreen(false);
  ASSERT_TRUE(SaveGameSettings());
  SetFullscreen(true);

  // The disk takes only a few bytes.
  test_support::LogCapture log;
  const bool saved = test_support::WithFileSizeLimit(20, [] { return SaveGameSettings(); });
  EXPECT_FALSE(saved);
  EXPECT_EQ(ReadText(SaveFolder() + "game.xml"), kSaved) << "the old file, whole";
  ASSERT_EQ(log.Lines().size(), 1u);
  EXPECT_EQ(log.Lines()[0], "game: error: cannot write " + SaveFolder() +
                                "game.xml; the settings saved before are kept");
  for (const auto& entry : std::filesystem::directory_iterator(SaveFolder())) {
    EXPECT_EQ(entry.path().filename(), "game.xml") << "no temporary file left";
  }

  // The file's place is taken by a folder: no failure, the folder is moved
  // aside whole and the save takes its place.
  std::filesystem::remove(SaveFolder() + "game.xml");
  std::filesystem::create_directories(SaveFolder() + "game.xml/inside");
  EXPECT_TRUE(SaveGameSettings());
  EXPECT_NE(ReadText(SaveFolder() + "game.xml").find("<fullscreen value=\"true\" />"),
            std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(SaveFolder() + "game.xml.not-a-file-1/inside"));
}

TEST_F(GameShellTest, WithoutAnApplicationDataFolderTheGamePlaysAndSaysOnceThatNothingIsSaved) {
  ASSERT_NO_FATAL_FAILURE(Open());
  test_support::ScopedEnvironment data("XDG_DATA_HOME", std::nullopt);
  test_support::ScopedEnvironment home("HOME", std::nullopt);
  test_support::LogCapture log;
  ASSERT_TRUE(CreateGame("game.xml"));
  EXPECT_EQ(GetSaveFolder(), "");
  EXPECT_FALSE(GetGameSettings().user_version.has_value());
  EXPECT_TRUE(log.Lines().empty()) << "reading finds nothing, quietly";

  EXPECT_FALSE(SaveGameSettings());
  EXPECT_FALSE(SaveGameSettings());
  EXPECT_EQ(SaveFolderForWriting(), "");
  ASSERT_EQ(log.Lines().size(), 1u) << "said once";
  EXPECT_EQ(log.Lines()[0],
            "game: warning: no application-data folder ($XDG_DATA_HOME or $HOME): progress and "
            "settings are not saved");
  EXPECT_FALSE(std::filesystem::exists(home_.AppData())) << "nothing written anywhere";

  // A relative XDG_DATA_HOME names no folder either; HOME still does.
  data.Set("relative/share");
  home.Set(home_.Folder().Path());
  EXPECT_EQ(GetSaveFolder(), SaveFolder());
}

}  // namespace
}  // namespace game
