// The edition record: every required child of the edition element, the
// optional leaderboard, the values as they are stored, and the search for the
// edition the shipped settings name.
#include "game/shell/startup/edition_settings.h"

#include <gtest/gtest.h>

#include <string>

#include <pugixml.hpp>

#include "support/log_capture.h"
#include "support/source_path.h"

namespace game {
namespace {

class EditionSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(document_.load_file(
        test_support::TestData("game_shell/data/share/main/other/editions.xml").c_str()));
    fixture_ = document_.document_element().find_child_by_attribute("edition", "type", "fixture");
    other_ = document_.document_element().find_child_by_attribute("edition", "type", "other");
    ASSERT_TRUE(fixture_ && other_);
  }

  pugi::xml_document document_;
  pugi::xml_node fixture_;
  pugi::xml_node other_;
};

TEST_F(EditionSettingsTest, EachRequiredChildRemovedFailsAndStoresNothing) {
  ASSERT_TRUE(LoadEditionSettings(other_));
  ASSERT_EQ(sizeof(kRequiredEditionChildren) / sizeof(kRequiredEditionChildren[0]), 17u);
  for (const char* child : kRequiredEditionChildren) {
    pugi::xml_document copy;
    pugi::xml_node edition = copy.append_copy(fixture_);
    ASSERT_TRUE(edition.remove_child(child)) << child;
    std::string missing;
    EXPECT_FALSE(LoadEditionSettings(edition, &missing)) << child;
    EXPECT_EQ(missing, child);
    EXPECT_EQ(GetEditionSettings().scenes, "other scenes.xml")
        << "nothing stored without " << child;
    EXPECT_TRUE(GetEditionSettings().free) << child;
  }
}

TEST_F(EditionSettingsTest, WithoutALeaderboardTheEditionLoadsWithAnEmptyName) {
  ASSERT_TRUE(LoadEditionSettings(other_));
  EXPECT_EQ(GetEditionSettings().leaderboard, "other leaderboard.xml");
  ASSERT_FALSE(fixture_.child("leaderboard"));
  ASSERT_TRUE(LoadEditionSettings(fixture_));
  EXPECT_EQ(GetEditionSettings().leaderboard, "");
}

TEST_F(EditionSettingsTest, TheValuesAreStoredAsTheFileHasThem) {
  ASSERT_TRUE(LoadEditionSettings(fixture_));
  const EditionSettings& e = GetEditionSettings();
  EXPECT_EQ(e.platform, 1);
  EXPECT_EQ(e.scenes, "data/share/main/other scenes.xml");
  EXPECT_EQ(e.store, "data/share/main/other store.xml");
  EXPECT_EQ(e.tutorial, "data/share/main/other tutorial.xml");
  EXPECT_EQ(e.trophies, "data/share/main/other trophies.xml");
  EXPECT_EQ(e.inapp, "data/share/main/other inapp.xml");
  EXPECT_EQ(e.ad, "data/share/main/other ad.xml");
  EXPECT_EQ(e.player, "data/share/main/other player.xml");
  EXPECT_EQ(e.url_file, "readme.url");
  EXPECT_EQ(e.exe_file, "setup.exe");
  EXPECT_TRUE(e.heart);
  EXPECT_TRUE(e.pack_logic_stars);
  EXPECT_FALSE(e.store_button);
  EXPECT_FALSE(e.free);
  EXPECT_TRUE(e.default_player);
  EXPECT_TRUE(e.run_if_url_lost);
  EXPECT_FALSE(e.run_if_exe_lost);
  EXPECT_TRUE(HasInAppConfig());

  // The platform by the first letter of its type; the in-app file empty: no store.
  const struct {
    const char* type;
    int32_t code;
  } platforms[] = {{"win", 0}, {"osx", 1}, {"ios", 2}, {"and", 3}, {"", 0}, {"linux", 0}};
  for (const auto& p : platforms) {
    pugi::xml_document copy;
    pugi::xml_node edition = copy.append_copy(fixture_);
    edition.child("platform").attribute("type").set_value(p.type);
    edition.child("inapp").attribute("file").set_value("");
    ASSERT_TRUE(LoadEditionSettings(edition));
    EXPECT_EQ(GetEditionSettings().platform, p.code) << p.type;
    EXPECT_FALSE(HasInAppConfig());
  }
}

TEST_F(EditionSettingsTest, OnlyAnEditionElementIsRead) {
  pugi::xml_document copy;
  pugi::xml_node renamed = copy.append_copy(fixture_);
  renamed.set_name("editon");
  std::string missing;
  EXPECT_FALSE(LoadEditionSettings(renamed, &missing));
  EXPECT_EQ(missing, "edition");
}

TEST_F(EditionSettingsTest, TheEditionIsFoundByItsTypeAndAFailureNamesFileAndEdition) {
  test_support::LogCapture log;
  ASSERT_TRUE(LoadEditions(document_, "fixture"));
  EXPECT_EQ(GetEditionSettings().platform, 1);
  ASSERT_TRUE(LoadEditions(document_, "other"));
  EXPECT_EQ(GetEditionSettings().platform, 2);
  EXPECT_TRUE(log.Lines().empty());

  EXPECT_FALSE(LoadEditions(document_, "desktop"));
  ASSERT_EQ(log.Lines().size(), 1u);
  EXPECT_EQ(log.Lines()[0],
            "game: error: data/share/main/other editions.xml: edition \"desktop\" is not listed");
  EXPECT_EQ(GetEditionSettings().platform, 2) << "unchanged";

  log.Clear();
  fixture_.remove_child("tutorial");
  EXPECT_FALSE(LoadEditions(document_, "fixture"));
  ASSERT_EQ(log.Lines().size(), 1u);
  EXPECT_EQ(log.Lines()[0],
            "game: error: data/share/main/other editions.xml: edition \"fixture\" lacks "
            "\"tutorial\"");
}

}  // namespace
}  // namespace game
