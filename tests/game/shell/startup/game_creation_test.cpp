// The game's creation on the small resources folder: every object made and
// deleted in its place, the shipped settings' required elements and names,
// the edition, the border pictures, and one error line naming the file and
// what is missing for every way the start-up fails.
#include "game/shell/startup/game_creation.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/font_list.h"
#include "framework/leaderboard_list.h"
#include "framework/shop_catalogue.h"
#include "framework/transform_auto.h"
#include "framework/trophy_list.h"
#include "game/shell/game_shell_fixture.h"
#include "game/shell/startup/edition_settings.h"
#include "game/shell/startup/game_parts.h"
#include "game/shell/startup/game_settings.h"
#include "game/shell/startup/game_singletons.h"
#include "game/shell/startup/screen_borders.h"
#include "support/log_capture.h"

namespace game {
namespace {

TEST_F(GameShellTest, TheGameStartsFromTheFixture) {
  ASSERT_NO_FATAL_FAILURE(Open());
  ORB_GF::OS_TRANSFORM3_AUTO::SetScreenSize(800, 600);
  test_support::LogCapture log;
  ASSERT_TRUE(CreateGame("game.xml"));
  EXPECT_TRUE(log.Lines().empty()) << log.Lines().front();
  EXPECT_EQ(ORB_GF::OS_TRANSFORM3_AUTO::ScreenSize(), ORB::Point(1024, 768))
      << "windows take the engine's resolution, as the paged grids do";

  const GameSettings& s = GetGameSettings();
  EXPECT_EQ(s.company, "Fixture Works");
  EXPECT_EQ(s.product, "HarvelstonePyndlex");
  EXPECT_EQ(s.edition, "fixture");
  EXPECT_EQ(s.language, "en");
  EXPECT_EQ(s.data_language, "en");
  EXPECT_TRUE(s.fullscreen);
  EXPECT_EQ(s.ad_app_id, "fixture-app");
  EXPECT_EQ(s.ad_app_signature, "fixture-signature");
  EXPECT_EQ(GetSavedVersion(), 0x10000);
  EXPECT_FALSE(s.user_version.has_value()) << "no user file: no version";
  EXPECT_TRUE(s.wider_than_4_3) << "a 1920 x 1080 desktop";
  EXPECT_FALSE(s.taller_than_4_3);
  EXPECT_EQ(GetEditionSettings().tutorial, "data/share/main/other tutorial.xml");
  EXPECT_FALSE(IsMobilePlatform());

  ScreenBorders* borders = GetScreenBorders();
  ASSERT_NE(borders, nullptr);
  EXPECT_TRUE(borders->Tile().IsLoaded());
  EXPECT_TRUE(borders->Line().IsLoaded());
  EXPECT_EQ(borders->Tile().GetTexture()->Width(), 32);
  EXPECT_EQ(borders->Line().GetTexture()->Width(), 5);

  EXPECT_NE(GetSoundBank(), nullptr);
  EXPECT_NE(GetLocalization(), nullptr);
  EXPECT_NE(GetPlayersList(), nullptr);
  EXPECT_NE(ORB_GF::GetShopCatalogue(), nullptr);
  EXPECT_NE(ORB_GF::GetFontList(), nullptr);
  EXPECT_NE(ORB_GF::GetTrophyList(), nullptr);
  EXPECT_NE(ORB_GF::GetLeaderboardList(), nullptr);

  DestroyGame();
  EXPECT_EQ(GetSoundBank(), nullptr);
  EXPECT_EQ(GetLocalization(), nullptr);
  EXPECT_EQ(GetPlayersList(), nullptr);
  EXPECT_EQ(ORB_GF::GetShopCatalogue(), nullptr);
  EXPECT_EQ(ORB_GF::GetFontList(), nullptr);
  EXPECT_EQ(ORB_GF::GetTrophyList(), nullptr);
  EXPECT_EQ(ORB_GF::GetLeaderboardList(), nullptr);
  DestroyGame();  // twice: nothing left to do

  // The pictures give their textures back at shutdown.
  ShutdownGame();
  EXPECT_EQ(GetScreenBorders(), nullptr);
  EXPECT_EQ(Repository().Find("data/share/image/gui tile.png")->uses, 0);
  EXPECT_FALSE(Repository().Find("data/share/image/gui tile.png")->loaded)
      << "unloaded once unused";
}

TEST_F(GameShellTest, TheSoundBankFetchesItsSoundsFromTheRepositoryAndGivesThemBack) {
  WriteResource("data/share/main/other/click.ogg", "not really a sound");
  ASSERT_NO_FATAL_FAILURE(Open());
  ASSERT_TRUE(CreateGame("game.xml"));
  pugi::xml_document bank;
  ASSERT_TRUE(bank.load_string(
      "<sound><group name='sounds'><s name='click' path='data/share/main/other click.ogg'/>"
      "</group></sound>"));
  ASSERT_EQ(GetSoundBank()->Load(bank.document_element()), ORB::kResultOk);
  ASSERT_EQ(GetSoundBank()->LoadGroup("sounds"), ORB::kResultOk);
  EXPECT_EQ(rig_.sounds.made, 1);
  EXPECT_EQ(Repository().Find("data/share/main/other click.ogg")->uses, 1);
  DestroyGame();
  EXPECT_EQ(Repository().Find("data/share/main/other click.ogg")->uses, 0) << "given back";
}

TEST_F(GameShellTest, TheWindowManagerAndTheHubTakeTheirPlaces) {
  // Each step notes which of its neighbours stand at that moment. (The
  // parts hold the list, so they stay harmless after the test.)
  auto steps = std::make_shared<std::vector<std::string>>();
  auto note = [steps](const char* step) {
    return [steps, step] {
      steps->push_back(std::string(step) + " fonts:" + (ORB_GF::GetFontList() ? "1" : "0") +
                       " trophies:" + (ORB_GF::GetTrophyList() ? "1" : "0") +
                       " boards:" + (ORB_GF::GetLeaderboardList() ? "1" : "0") +
                       " sounds:" + (GetSoundBank() ? "1" : "0"));
    };
  };
  GameParts parts;
  parts.create_window_manager = note("create windows");
  parts.destroy_window_manager = note("destroy windows");
  parts.create_hub = note("create hub");
  parts.shutdown_hub = note("shutdown hub");
  parts.destroy_hub = note("destroy hub");
  ASSERT_NO_FATAL_FAILURE(Open());
  SetGameParts(parts);
  ASSERT_TRUE(CreateGame("game.xml"));
  DestroyGame();
  const std::vector<std::string> expected = {
      "create windows fonts:1 trophies:0 boards:0 sounds:1",
      "create hub fonts:1 trophies:1 boards:1 sounds:1",
      "shutdown hub fonts:1 trophies:1 boards:1 sounds:1",
      "destroy windows fonts:0 trophies:1 boards:1 sounds:0",
      "destroy hub fonts:0 trophies:0 boards:0 sounds:0",
  };
  EXPECT_EQ(*steps, expected);
}

TEST_F(GameShellTest, EachRequiredSettingMissingFailsWithOneLine) {
  for (const char* element : {"company", "product", "edition", "lang"}) {
    EditResource("game.xml",
                 [element](pugi::xml_document& d) { d.document_element().remove_child(element); });
    ASSERT_NO_FATAL_FAILURE(Open());
    test_support::LogCapture log;
    EXPECT_FALSE(CreateGame("game.xml")) << element;
    const std::vector<std::string> errors = log.Errors();
    ASSERT_EQ(errors.size(), 1u) << element;
    EXPECT_EQ(errors[0], std::string("game: error: game.xml lacks \"") + element + "\"");
    EXPECT_EQ(log.Lines().size(), 1u);
    DestroyGame();
    // Put it back for the next one.
    RestoreResource("game.xml");
  }
  // Without "fullscreen" (and with "resolution", which is never read) it starts windowed.
  EditResource("game.xml",
               [](pugi::xml_document& d) { d.document_element().remove_child("fullscreen"); });
  ASSERT_NO_FATAL_FAILURE(Open());
  ASSERT_TRUE(CreateGame("game.xml"));
  EXPECT_FALSE(GetFullscreen());
}

TEST_F(GameShellTest, ASettingsFileThatIsMissingOrBrokenFails) {
  const struct {
    const char* what;
    const char* text;  // null: no file
    const char* error;
  } cases[] = {
      {"missing", nullptr, "game: error: game.xml is missing"},
      {"not XML", "<game><company value='x'>", "game: error: game.xml cannot be read as XML"},
      {"empty", "", "game: error: game.xml cannot be read as XML"},
      {"no root", "<!-- nothing -->", "game: error: game.xml cannot be read as XML"},
  };
  for (const auto& c : cases) {
    PutResource("game.xml", c.text);
    ASSERT_NO_FATAL_FAILURE(Open());
    test_support::LogCapture log;
    EXPECT_FALSE(CreateGame("game.xml")) << c.what;
    const std::vector<std::string> errors = log.Errors();
    ASSERT_EQ(errors.size(), 1u) << c.what;
    EXPECT_EQ(errors[0], c.error) << c.what;
    DestroyGame();
  }
}

TEST_F(GameShellTest, NamesThatCannotNameAFolderStopTheStart) {
  const struct {
    const char* element;
    const char* value;
    const char* error;
  } cases[] = {
      {"company", "", "game.xml names the company \"\", which cannot name a folder"},
      {"company", "Acme/Games", "game.xml names the company \"Acme/Games\""},
      {"company", "Acme\\Games", "game.xml names the company \"Acme\\Games\""},
      {"company", "..", "game.xml names the company \"..\""},
      {"company", "a..b", "game.xml names the company \"a..b\""},
      {"product", "", "game.xml names the product \"\", not \"HarvelstonePyndlex\""},
      {"product", "../HarvelstonePyndlex", "names the product \"../HarvelstonePyndlex\""},
      {"product", "OtherGame", "names the product \"OtherGame\""},
      {"lang", "../en", "game.xml names the language \"../en\""},
      {"lang", "", "game.xml names the language \"\""},
  };
  for (const auto& c : cases) {
    EditResource("game.xml", [&c](pugi::xml_document& d) {
      d.document_element().child(c.element).attribute("value").set_value(c.value);
    });
    ASSERT_NO_FATAL_FAILURE(Open());
    test_support::LogCapture log;
    EXPECT_FALSE(CreateGame("game.xml")) << c.element << " " << c.value;
    const std::vector<std::string> errors = log.Errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(c.error), std::string::npos) << errors[0];
    EXPECT_TRUE(GetGameSettings().company.empty()) << "nothing stored";
    DestroyGame();
    RestoreResource("game.xml");
  }
}

TEST_F(GameShellTest, AnEditionThatIsNotListedFails) {
  EditResource("game.xml", [](pugi::xml_document& d) {
    d.document_element().child("edition").attribute("value").set_value("deluxe");
  });
  ASSERT_NO_FATAL_FAILURE(Open());
  test_support::LogCapture log;
  EXPECT_FALSE(CreateGame("game.xml"));
  const std::vector<std::string> errors = log.Errors();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0],
            "game: error: data/share/main/other editions.xml: edition \"deluxe\" is not listed");
}

TEST_F(GameShellTest, TheEditionsFileMissingOrIncompleteFails) {
  EditResource("data/share/main/other/editions.xml", [](pugi::xml_document& d) {
    d.document_element().find_child_by_attribute("type", "fixture").remove_child("heart");
  });
  ASSERT_NO_FATAL_FAILURE(Open());
  {
    test_support::LogCapture log;
    EXPECT_FALSE(CreateGame("game.xml"));
    EXPECT_EQ(log.Errors(), std::vector<std::string>{"game: error: data/share/main/other "
                                                     "editions.xml: edition \"fixture\" lacks "
                                                     "\"heart\""});
  }
  DestroyGame();
  RemoveResource("data/share/main/other/editions.xml");
  ASSERT_NO_FATAL_FAILURE(Open());
  test_support::LogCapture log;
  EXPECT_FALSE(CreateGame("game.xml"));
  EXPECT_EQ(log.Errors(),
            std::vector<std::string>{"game: error: data/share/main/other editions.xml is missing"});
}

TEST_F(GameShellTest, TheBorderPicturesMustBeDescribed) {
  const struct {
    const char* text;  // null: no file
    const char* error;
  } cases[] = {
      {nullptr, "game: error: data data.xml is missing"},
      {"<data/>", "game: error: data data.xml lacks \"ear\""},
      {"<data><ear><ear_line/></ear></data>", "game: error: data data.xml lacks \"ear_tile\""},
      {"<data><ear><ear_tile/></ear></data>", "game: error: data data.xml lacks \"ear_line\""},
      {"<data><ear>", "game: error: data data.xml cannot be read as XML"},
  };
  for (const auto& c : cases) {
    PutResource("data/data.xml", c.text);
    ASSERT_NO_FATAL_FAILURE(Open());
    test_support::LogCapture log;
    EXPECT_FALSE(CreateGame("game.xml")) << c.error;
    const std::vector<std::string> errors = log.Errors();
    ASSERT_EQ(errors.size(), 1u) << c.error;
    EXPECT_EQ(errors[0], c.error);
    EXPECT_EQ(GetScreenBorders(), nullptr);
    DestroyGame();
  }
}

TEST_F(GameShellTest, ASmallDesktopForcesFullscreen) {
  EditResource("game.xml", [](pugi::xml_document& d) {
    d.document_element().child("fullscreen").attribute("value").set_value("false");
  });
  ASSERT_NO_FATAL_FAILURE(Open({1000, 700}));
  ASSERT_TRUE(CreateGame("game.xml"));
  EXPECT_TRUE(GetFullscreen());
  EXPECT_TRUE(GetGameSettings().wider_than_4_3);
}

}  // namespace
}  // namespace game
