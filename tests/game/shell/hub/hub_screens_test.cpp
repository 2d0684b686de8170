// The hub's screen groups on the fixture's windows: which windows each group
// opens and closes, the top panels by edition, the level list given the
// player's progress, CloseLevels' callback (exactly once, also when none of
// its panels was open), and the menu windows' resources.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/shell/hub_fixture.h"
#include "game/shell/startup/edition_settings.h"

namespace game {
namespace {

class HubScreensTest : public HubTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(HubTest::SetUp());
    ASSERT_TRUE(Start());
    levels_ = AddStandIn<StandInLevels>("Levels");
  }

  std::vector<std::string> OpenNames() {
    std::vector<std::string> names;
    for (const ORB_GF::G_WINDOW* window : Windows().OpenWindows()) {
      names.push_back(window->GetName());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // Enough frames for every window to finish its movement: the manager
  // takes one closed window off its list a frame.
  void Settle() { Frames(12); }

  static void Count(void* calls) { ++*static_cast<int*>(calls); }

  StandInLevels* levels_ = nullptr;
};

using Names = std::vector<std::string>;

TEST_F(HubScreensTest, EachGroupOpensAndClosesItsWindows) {
  Hub().OpenTitle();
  Settle();
  EXPECT_EQ(OpenNames(), (Names{"Title", "Title_Top"}));
  Hub().CloseTitle();
  Settle();
  EXPECT_EQ(OpenNames(), Names{});

  Hub().OpenPackList();
  EXPECT_EQ(OpenNames(),
            (Names{"Back", "Heart", "Pack_Title", "Packs", "Packs_Menu", "Stars", "Sumie"}));
  Settle();

  Hub().CloseLevelsNow();
  Settle();
  EXPECT_EQ(OpenNames(), (Names{"Pack_Title", "Packs"})) << "the pack list is not a level screen";

  Hub().OpenTrophies();
  EXPECT_EQ(OpenNames(), (Names{"Pack_Title", "Packs", "Trophy", "Trophy_Title"}));
  Hub().CloseTrophies(true);
  Hub().OpenOptions();
  Settle();
  EXPECT_EQ(OpenNames(), (Names{"Options", "Pack_Title", "Packs"}));
}

TEST_F(HubScreensTest, TheHeartPanelOpensOnlyInEditionsWithHearts) {
  EditResource("data/share/main/other/editions.xml", [](pugi::xml_document& editions) {
    editions.document_element().child("edition").child("heart").attribute("param").set_value(
        "false");
  });
  ASSERT_TRUE(Start());
  Hub().OpenTopPanels();
  EXPECT_EQ(OpenNames(), (Names{"Back", "Packs_Menu", "Stars", "Sumie"}));
}

TEST_F(HubScreensTest, TheLevelListShowsThePlayersProgressInThePack) {
  GG_PLAYER* player = Hub().GetCurrentPlayer();
  ASSERT_NE(player, nullptr);
  Hub().OpenLevels(2, false);
  EXPECT_TRUE(IsOpen("Levels"));
  EXPECT_TRUE(IsOpen("Level_Title"));
  EXPECT_TRUE(IsOpen("Sumie"));
  ASSERT_EQ(levels_->packs.size(), 1u);
  EXPECT_EQ(levels_->packs[0], player->FindPack(2));
  ASSERT_NE(Hub().GetCurrentPack(), nullptr);
  EXPECT_EQ(Hub().GetCurrentPack()->GetId(), 2);

  // Left from a level: the list of the current pack again.
  Hub().CloseLevelsNow();
  Settle();
  Hub().LeaveToLevels();
  EXPECT_TRUE(IsOpen("Levels"));
  ASSERT_EQ(levels_->packs.size(), 2u);
  EXPECT_EQ(levels_->packs[1], player->FindPack(2));
}

TEST_F(HubScreensTest, ClosingTheLevelScreensRunsTheCallbackOnceWhenThePanelsHaveClosed) {
  Hub().OpenLevels(1, true);
  Settle();
  ASSERT_TRUE(IsOpen("Sumie") && IsOpen("Stars") && IsOpen("Heart") && IsOpen("Packs_Menu"));
  int calls = 0;
  Hub().CloseLevels(&calls, &Count);
  EXPECT_EQ(calls, 0) << "not before the panels have closed";
  Settle();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(OpenNames(), Names{});

  // The panel's next closing does not run it again.
  Hub().OpenTopPanels();
  Settle();
  Hub().CloseLevelsNow();
  Settle();
  EXPECT_EQ(calls, 1);
}

TEST_F(HubScreensTest, ClosingTheLevelScreensWithNoPanelOpenRunsTheCallbackAtOnce) {
  // Only the level list shows (its panels were closed already).
  Hub().OpenLevels(1, true);
  Settle();
  for (const char* panel : {"Sumie", "Stars", "Heart", "Packs_Menu"}) {
    Windows().CloseWindow(panel, true);
  }
  Settle();
  ASSERT_TRUE(IsOpen("Levels"));
  int calls = 0;
  Hub().CloseLevels(&calls, &Count);
  EXPECT_EQ(calls, 1);
  Settle();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(OpenNames(), Names{});
}

TEST_F(HubScreensTest, ClosingTheLevelScreensTwiceBeforeTheyCloseRunsEachCallbackOnce) {
  Hub().OpenLevels(1, true);
  Settle();
  int first = 0;
  int second = 0;
  Hub().CloseLevels(&first, &Count);
  Hub().CloseLevels(&second, &Count);
  Settle();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
}

TEST_F(HubScreensTest, TheMenuWindowsKeepTheirResourcesUntilReleased) {
  ASSERT_TRUE(Hub().PreloadMenuWindows());
  for (const char* name : {"Title", "Title_Top", "Options", "Confirm_Exit", "Players", "Packs",
                           "Packs_Menu", "Trophy", "Levels"}) {
    EXPECT_TRUE(Windows().FindWindow(name)->IsLoaded()) << name;
  }
  EXPECT_FALSE(Windows().FindWindow("Heart")->IsLoaded());
  ASSERT_NE(Hub().Cursor().Sprite(), nullptr);
  EXPECT_TRUE(Hub().Cursor().Sprite()->IsLoaded());
  Hub().ReleaseMenuWindows();
  for (const char* name : {"Title", "Options", "Levels"}) {
    EXPECT_FALSE(Windows().FindWindow(name)->IsLoaded()) << name;
  }
}

}  // namespace
}  // namespace game
