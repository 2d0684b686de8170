// The hub's start-up on the small resources folder: everything it reads, the
// default player, each file whose absence stops the start with one line
// naming it, the players file (corrupt, unreadable, from before a pack was
// added, saved and read back), what SaveAll writes, and the save names taken
// by something that is not a file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/foundation/sound_bank.h"
#include "engine/foundation/store.h"
#include "framework/font_list.h"
#include "framework/shop_catalogue.h"
#include "framework/trophy_list.h"
#include "game/shell/hub_fixture.h"
#include "game/shell/startup/edition_settings.h"
#include "game/shell/startup/game_settings.h"
#include "game/shell/startup/game_singletons.h"
#include "support/fifo.h"
#include "support/log_capture.h"
#include "support/not_a_file.h"
#include "support/read_file.h"
#include "support/temp_home.h"

namespace game {
namespace {

std::string ReadText(const std::string& path) {
  const std::vector<unsigned char> bytes = test_support::ReadFile(path);
  return std::string(bytes.begin(), bytes.end());
}

// Every player's XML form, in the list's order.
std::vector<std::string> Snapshot(const PlayersList& players) {
  std::vector<std::string> forms;
  for (const auto& player : players.GetPlayers()) {
    pugi::xml_document document;
    EXPECT_TRUE(player->Save(document.append_child("player")));
    std::ostringstream text;
    document.save(text);
    forms.push_back(text.str());
  }
  return forms;
}

// Sets the attribute of the edition's child (the fixture's edition "hub").
void SetEdition(pugi::xml_document& editions, const char* child, const char* attribute,
                const char* value) {
  editions.document_element().child("edition").child(child).attribute(attribute).set_value(value);
}

TEST_F(HubTest, StartsFromTheFixtureWithTheDefaultPlayer) {
  test_support::LogCapture log;
  ASSERT_TRUE(Start());
  // The two windows whose screens are not made yet are skipped by name; the
  // rest of the start-up is silent.
  ASSERT_EQ(log.Lines().size(), 2u);
  EXPECT_TRUE(log.Has("Levels"));
  EXPECT_TRUE(log.Has("Trophy_Get"));

  PlayersList& players = *GetPlayersList();
  ASSERT_EQ(players.Count(), 1u);
  GG_PLAYER* player = Hub().GetCurrentPlayer();
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->GetName(), L"player");
  EXPECT_EQ(players.GetCurrent(), player);
  // A copy of the template: its items, packs and hearts.
  EXPECT_EQ(player->GetItemCount("start_hint"), 2);
  EXPECT_EQ(player->GetPacks().size(), 2u);
  EXPECT_EQ(player->GetHealth().GetCount(), 3);
  EXPECT_FLOAT_EQ(player->GetMusicVolume(), 30.0f);

  EXPECT_TRUE(ORB_GF::GetFontList()->Has("clue20"));
  EXPECT_EQ(GetLocalization()->Find("pack_1"), "Garden");
  EXPECT_EQ(ORB_GF::GetShopCatalogue()->Items().size(), 5u);
  EXPECT_EQ(ORB_GF::GetTrophyList()->Count(), 13);
  ASSERT_EQ(Hub().PackRecords().size(), 2u);
  EXPECT_EQ(Hub().PackRecords()[1]->GetName(), L"Harbour");
  EXPECT_TRUE(Hub().Cursor().Sprite() != nullptr);
  EXPECT_EQ(Windows().Windows().size(), 15u);
  EXPECT_NE(Windows().FindWindow("Confirm_Exit"), nullptr);
  // Both sound groups are ready; once loaded, the driver makes the players
  // list's current player the hub's, which gives the groups its volumes.
  Hub().SetCurrentPlayer(players.GetCurrent());
  ORB::OC_SOUND_BANK& sounds = *GetSoundBank();
  ASSERT_NE(sounds.Find("sounds"), nullptr);
  EXPECT_NE(sounds.Find("sounds")->sounds.at("click")->sound, nullptr);
  EXPECT_FLOAT_EQ(sounds.Find("music")->volume, 0.30f);
  EXPECT_FLOAT_EQ(sounds.Find("sounds")->volume, 0.40f);
  // No store on the desktop: the hub is nobody's listener.
  EXPECT_EQ(ORB::OC_STORE::Instance().GetListener(), nullptr);
}

TEST_F(HubTest, WithoutTheDefaultPlayerSwitchNoPlayerIsMade) {
  EditResource("data/share/main/other/editions.xml", [](pugi::xml_document& editions) {
    SetEdition(editions, "default_player", "param", "false");
  });
  ASSERT_TRUE(Start());
  EXPECT_EQ(GetPlayersList()->Count(), 0u);
  EXPECT_EQ(Hub().GetCurrentPlayer(), nullptr);
}

TEST_F(HubTest, EachMissingFileStopsTheStartWithOneLineNamingIt) {
  const struct {
    const char* file;  // removed from the copied folder
    const char* named;
  } cases[] = {
      {"data/share/font/fonts.xml", "data/share/font fonts.xml"},
      {"data/en/strings.xml", "strings.xml"},
      {"data/share/main/other/player.xml", "data/share/main/other player.xml"},
      {"data/share/main/other/tutorial.xml", "data/share/main/other tutorial.xml"},
      {"data/share/main/other/sound.xml", "data/share/main/other sound.xml"},
      {"data/share/main/other/store.xml", "data/share/main/other store.xml"},
      {"data/share/main/other/trophies.xml", "data/share/main/other trophies.xml"},
      {"data/share/main/other/packs_description.xml",
       "data/share/main/other packs_description.xml"},
      {"data/share/main/other/gCursor.xml", "data/share/main/other gCursor.xml"},
      {"data/share/main/other/scenes.xml", "data/share/main/other scenes.xml"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    RemoveResource(c.file);
    test_support::LogCapture log;
    EXPECT_FALSE(Start());
    const std::vector<std::string> errors = log.Errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(c.named), std::string::npos) << errors[0];
    RestoreResource(c.file);
  }
}

TEST_F(HubTest, ADocumentThatDoesNotParseCountsAsMissing) {
  for (const char* file : {"data/share/main/other/trophies.xml", "data/share/main/other/sound.xml",
                           "data/share/main/other/tutorial.xml"}) {
    SCOPED_TRACE(file);
    WriteResource(file, "<broken");
    test_support::LogCapture log;
    EXPECT_FALSE(Start());
    EXPECT_FALSE(log.Errors().empty());
    RestoreResource(file);
  }
  // Present but empty of what is asked for.
  WriteResource("data/share/main/other/sound.xml", "<bank/>");
  test_support::LogCapture log;
  EXPECT_FALSE(Start());
  EXPECT_TRUE(log.Has("data/share/main/other sound.xml lacks \"sound\""));
}

TEST_F(HubTest, AnInAppEditionReadsItsProductsListensToTheStoreAndNeedsItsOverlay) {
  EditResource("data/share/main/other/editions.xml", [](pugi::xml_document& editions) {
    SetEdition(editions, "inapp", "file", "data/share/main/other inapp.xml");
  });
  WriteResource("data/share/main/other/inapp.xml",
                "<products><product name=\"health_5\" product_id=\"com.fixture.health5\" "
                "type=\"consumable\"/></products>");
  ASSERT_TRUE(Start());
  ORB::OC_STORE& store = ORB::OC_STORE::Instance();
  EXPECT_EQ(store.GetListener(), &Hub());
  EXPECT_NE(store.FindProduct("health_5"), nullptr);
  EXPECT_TRUE(Hub().OverlayAnimation().IsLoaded());
  // No store provider: nothing can be bought.
  EXPECT_FALSE(Hub().CanBuy("health_5"));
  EXPECT_FALSE(Hub().Buy("health_5"));

  // The hub's tear-down leaves the store without a listener.
  rig_.Close();
  EXPECT_EQ(store.GetListener(), nullptr);

  // The overlay's description is required in such an edition.
  EditResource("data/data.xml",
               [](pugi::xml_document& data) { data.document_element().remove_child("purchase"); });
  test_support::LogCapture log;
  EXPECT_FALSE(Start());
  EXPECT_TRUE(log.Has("data data.xml lacks \"purchase\""));
}

TEST_F(HubTest, APackThatCannotBeReadIsSkipped) {
  EditResource("data/share/main/other/packs_description.xml", [](pugi::xml_document& packs) {
    packs.document_element().first_child().remove_attribute("path");
  });
  test_support::LogCapture log;
  ASSERT_TRUE(Start());
  ASSERT_EQ(Hub().PackRecords().size(), 1u);
  EXPECT_EQ(Hub().PackRecords()[0]->GetId(), 2);
  EXPECT_TRUE(log.Has("skipped a pack"));
}

TEST_F(HubTest, SavedPlayersComeBackEqualAndTheSettingsCarryTheVersion) {
  ASSERT_TRUE(Start());
  GG_PLAYER* anna = Hub().CreatePlayer(L"Anna");
  ASSERT_NE(anna, nullptr);
  EXPECT_EQ(Hub().CreatePlayer(L"Anna"), nullptr) << "one name, one player";
  anna->SetItemCount("start_hint", 4);
  anna->GetStatistics().AddScore(120);
  anna->FindLevel(1, 1)->SetStars(3);
  anna->SetMusicVolume(70.0f);
  Hub().SetCurrentPlayer(anna);
  Hub().SaveAll();
  const std::vector<std::string> saved = Snapshot(*GetPlayersList());
  EXPECT_TRUE(ReadText(SaveFolder() + "game.xml").starts_with("\xEF\xBB\xBF"));
  EXPECT_NE(ReadText(SaveFolder() + "game.xml").find("<version value=\"65792\" />"),
            std::string::npos);

  // The next start reads them back; the current player is the one saved.
  ASSERT_TRUE(Start());
  PlayersList& players = *GetPlayersList();
  ASSERT_EQ(players.Count(), 2u);
  const GG_PLAYER* read = players.FindByName(L"Anna");
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(players.GetCurrent(), read);
  EXPECT_EQ(read->GetItemCount("start_hint"), 4);
  EXPECT_EQ(read->GetStatistics().score, 120u);
  EXPECT_EQ(read->FindLevel(1, 1)->GetStars(), 3);
  EXPECT_FLOAT_EQ(read->GetMusicVolume(), 70.0f);
  EXPECT_EQ(Snapshot(players), saved);
}

TEST_F(HubTest, APlayerSavedBeforeAPackWasAddedGetsTheTemplatesRecordOfIt) {
  // A players file whose player knows pack 1 only.
  {
    PlayersList old;
    auto player = std::make_unique<GG_PLAYER>(L"Old");
    gPackState* pack = player->AddPack(1);
    pack->AddLevel();
    player->SetItemCount("health", 3);
    old.Add(std::move(player));
    std::filesystem::create_directories(SaveFolder());
    ASSERT_TRUE(old.Save(SaveFolder(), false));
  }
  ASSERT_TRUE(Start());
  GG_PLAYER* old = GetPlayersList()->FindByName(L"Old");
  ASSERT_NE(old, nullptr);
  ASSERT_EQ(old->GetPacks().size(), 2u);
  EXPECT_EQ(old->GetPacks()[0]->GetLevelCount(), 1) << "its own record stays as it was";
  const gPackState* added = old->FindPack(2);
  ASSERT_NE(added, nullptr);
  ASSERT_EQ(added->GetLevelCount(), 2);
  EXPECT_EQ(added->GetLevelAt(0)->GetFile(), "three.xml");
  EXPECT_TRUE(added->GetLevelAt(0)->IsLocked());
  // A screen reading the player's progress in any pack finds a record.
  for (const auto& pack : Hub().PackRecords()) {
    EXPECT_NE(old->FindPack(pack->GetId()), nullptr) << pack->GetId();
  }
}

TEST_F(HubTest, APlayersFileThatCannotBeReadMeansNoPlayersAndOneLine) {
  std::filesystem::create_directories(SaveFolder());
  const std::string path = SaveFolder() + "players.save";
  test_support::WriteText(path, "not a players file");
  EditResource("data/share/main/other/editions.xml", [](pugi::xml_document& editions) {
    SetEdition(editions, "default_player", "param", "false");
  });
  {
    test_support::LogCapture log;
    ASSERT_TRUE(Start());
    EXPECT_EQ(GetPlayersList()->Count(), 0u);
    const std::vector<std::string> errors = log.Errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("players.save"), std::string::npos) << errors[0];
    EXPECT_NE(errors[0].find("set aside"), std::string::npos) << errors[0];
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(std::filesystem::exists(SaveFolder() + "players.save.corrupt-1"));
  }
  // A FIFO that nothing writes to: refused in one line and left in place.
  rig_.Close();
  std::filesystem::remove(path);
  ASSERT_TRUE(test_support::MakeFifo(path));
  test_support::LogCapture log;
  ASSERT_TRUE(test_support::WithoutBlocking(path, [this] { return Start(); }));
  EXPECT_EQ(GetPlayersList()->Count(), 0u);
  const std::vector<std::string> lines = log.Lines();
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& line) {
                            return line.find("players.save") != std::string::npos;
                          }),
            1)
      << testing::PrintToString(lines);
  EXPECT_TRUE(log.Has(path + " cannot be read: it is a FIFO, not a regular file"));
  EXPECT_TRUE(std::filesystem::is_fifo(path));
}

TEST_F(HubTest, WhatIsNotAFileUnderASaveNameIsMovedAsideAndALinkToAFileIsSavedThrough) {
  for (const std::string name : {PlayersList::kFileName, "game.xml"}) {
    for (const test_support::NameKind& kind : test_support::kNameKinds) {
      SCOPED_TRACE(name + " is " + kind.what);
      std::filesystem::remove_all(SaveFolder());
      std::filesystem::create_directories(SaveFolder());
      test_support::TempFolder elsewhere;
      const std::string path = SaveFolder() + name;
      ASSERT_TRUE(kind.make(path, elsewhere.Path()));
      const bool synced_players = kind.leads_to_file && name == PlayersList::kFileName;
      if (synced_players) {
        // The file the link leads to holds a player of its own.
        test_support::TempFolder written;
        PlayersList bob;
        bob.Add(std::make_unique<GG_PLAYER>(L"Bob"));
        ASSERT_TRUE(bob.Save(written.PathWithSlash(), false));
        std::filesystem::copy_file(written / PlayersList::kFileName, elsewhere / "linked.save",
                                   std::filesystem::copy_options::overwrite_existing);
      }
      const test_support::OpenWatch watch(path);
      test_support::LogCapture log;
      ASSERT_TRUE(test_support::WithoutBlocking(path, [this] { return Start(); }));
      GG_PLAYER* anna = Hub().CreatePlayer(L"Anna");
      ASSERT_NE(anna, nullptr);
      Hub().SetCurrentPlayer(anna);
      Hub().SaveAll();
      rig_.Close();  // which saves everything once more
      EXPECT_TRUE(log.Errors().empty()) << testing::PrintToString(log.Errors());

      // A regular players file holds the player, and the settings are saved.
      EXPECT_TRUE(std::filesystem::is_regular_file(SaveFolder() + PlayersList::kFileName));
      PlayersList read;
      ASSERT_EQ(read.Load(SaveFolder(), {}), PlayersFileStatus::Loaded);
      EXPECT_NE(read.FindByName(L"Anna"), nullptr);
      EXPECT_EQ(read.FindByName(L"Bob") != nullptr, synced_players);
      EXPECT_NE(ReadText(SaveFolder() + "game.xml").find("<version value=\"65792\" />"),
                std::string::npos);
      EXPECT_FALSE(std::filesystem::exists(
          std::filesystem::symlink_status(SaveFolder() + PlayersList::kSetAsidePrefix + "1")));
      // The link stays, leading to the saved file; anything else is kept
      // whole under the name the README gives.
      if (kind.leads_to_file) {
        EXPECT_TRUE(kind.kept(path, elsewhere.Path()));
        EXPECT_NE(ReadText(elsewhere / "linked.save"), test_support::kLinkedText);
      } else {
        if (kind.watchable) {  // before a look into it opens it
          EXPECT_FALSE(watch.Opened()) << "read and moved, never opened";
        }
        EXPECT_TRUE(kind.kept(path + ".not-a-file-1", elsewhere.Path()));
      }
    }
  }
}

TEST_F(HubTest, WithoutAUserSettingsFileThePlayersFileIsReadWithoutAVersion) {
  // A players file written by this game, then its settings file lost or
  // broken: the players file is still read (its layout is found alone).
  ASSERT_TRUE(Start());
  ASSERT_NE(Hub().CreatePlayer(L"Anna"), nullptr);
  Hub().SaveAll();
  for (const char* settings : {"", "<game><version"}) {
    SCOPED_TRACE(settings);
    rig_.Close();  // which saves everything once more
    if (*settings == '\0') {
      std::filesystem::remove(SaveFolder() + "game.xml");
    } else {
      test_support::WriteText(SaveFolder() + "game.xml", settings);
    }
    ASSERT_TRUE(Start());
    EXPECT_FALSE(GetGameSettings().user_version.has_value());
    EXPECT_NE(GetPlayersList()->FindByName(L"Anna"), nullptr);
  }
}

TEST_F(HubTest, WithoutAnApplicationDataFolderTheGamePlaysAndSkipsSaving) {
  test_support::ScopedEnvironment xdg("XDG_DATA_HOME", std::nullopt);
  test_support::ScopedEnvironment home("HOME", std::nullopt);
  test_support::LogCapture log;
  ASSERT_TRUE(Start());
  ASSERT_NE(Hub().GetCurrentPlayer(), nullptr);
  Hub().SaveAll();
  Hub().SpendHeart();
  int warnings = 0;
  for (const std::string& line : log.Lines()) {
    if (line.find("not saved") != std::string::npos) ++warnings;
  }
  EXPECT_EQ(warnings, 1);
}

}  // namespace
}  // namespace game
