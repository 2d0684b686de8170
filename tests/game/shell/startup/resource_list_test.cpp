// The resource list: the folders it registers, the values it skips (empty,
// absolute, outside the resources), the language folder it requires, and
// taking everything away again at shutdown.
#include "game/shell/startup/resource_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/shell/game_shell_fixture.h"
#include "game/shell/startup/game_creation.h"
#include "support/log_capture.h"

namespace game {
namespace {

bool Registered(const ORB::OC_REPOSITORY& repository, const std::string& name) {
  const auto& folders = repository.Folders();
  return std::any_of(folders.begin(), folders.end(),
                     [&name](const auto& folder) { return folder->name == name; });
}

TEST_F(GameShellTest, TheListRegistersItsFoldersAndSkipsThoseOutsideTheResources) {
  ASSERT_NO_FATAL_FAILURE(Open());
  ASSERT_TRUE(CreateGame("game.xml"));
  test_support::LogCapture log;
  ASSERT_TRUE(LoadResourceList(kResourceListFile));

  // "data/absent" lists nothing; "data/share/main/other" was the driver's
  // already and stays the driver's.
  EXPECT_EQ(GetResourceListFolders(), (std::vector<std::string>{"data/extra", "data/share/font"}));
  EXPECT_TRUE(Registered(Repository(), "data/extra"));
  EXPECT_TRUE(Registered(Repository(), "data/share/font"));
  EXPECT_TRUE(Registered(Repository(), "data/en"));
  EXPECT_NE(Repository().Find("data/extra notes.txt"), nullptr);
  EXPECT_NE(Repository().Find("strings.xml"), nullptr) << "the texts are found by plain name";
  for (const char* outside :
       {"/etc", "\\windows", "C:/games", "../outside", "data/../../outside"}) {
    EXPECT_FALSE(Registered(Repository(), outside)) << outside;
    EXPECT_TRUE(log.Has(std::string("skipped the folder \"") + outside + "\"")) << outside;
  }
  EXPECT_TRUE(log.Has("skipped the folder \"\"")) << "an empty value would be the top level";
  EXPECT_EQ(log.Lines().size(), 6u) << "five outside, one empty; the element without a value "
                                       "and the absent folder pass quietly";

  // Loading again starts from nothing.
  ASSERT_TRUE(LoadResourceList(kResourceListFile));
  EXPECT_EQ(GetResourceListFolders().size(), 2u);

  // Shutdown takes the list's folders and the language away, not the driver's.
  ShutdownGame();
  EXPECT_TRUE(GetResourceListFolders().empty());
  EXPECT_FALSE(Registered(Repository(), "data/extra"));
  EXPECT_FALSE(Registered(Repository(), "data/share/font"));
  EXPECT_FALSE(Registered(Repository(), "data/en"));
  EXPECT_TRUE(Registered(Repository(), "data/share/main/other"));
}

TEST_F(GameShellTest, AMissingLanguageFolderFailsTheList) {
  EditResource("game.xml", [](pugi::xml_document& d) {
    d.document_element().child("lang").attribute("value").set_value("fr");
  });
  ASSERT_NO_FATAL_FAILURE(Open());
  ASSERT_TRUE(CreateGame("game.xml"));
  test_support::LogCapture log;
  EXPECT_FALSE(LoadResourceList(kResourceListFile));
  ASSERT_FALSE(log.Lines().empty());
  EXPECT_EQ(log.Lines().back(),
            "game: error: data/share/main/other resource_list.xml: the language folder "
            "\"data/fr\" is missing");
  EXPECT_FALSE(Registered(Repository(), "data/fr"));
  // With the folder there, the same list loads.
  std::filesystem::create_directories(Resource("data/fr"));
  WriteResource("data/fr/strings.xml", "<Workbook/>");
  EXPECT_TRUE(LoadResourceList(kResourceListFile));
  EXPECT_TRUE(Registered(Repository(), "data/fr"));
}

TEST_F(GameShellTest, AMissingListFails) {
  RemoveResource("data/share/main/other/resource_list.xml");
  ASSERT_NO_FATAL_FAILURE(Open());
  ASSERT_TRUE(CreateGame("game.xml"));
  test_support::LogCapture log;
  EXPECT_FALSE(LoadResourceList(kResourceListFile));
  EXPECT_EQ(log.Lines(), std::vector<std::string>{
                             "game: error: data/share/main/other resource_list.xml is missing"});
  EXPECT_TRUE(GetResourceListFolders().empty());
}

}  // namespace
}  // namespace game
