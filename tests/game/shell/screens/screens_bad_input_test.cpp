// The screens with damaged descriptions: windows without the widgets they
// use, without their settings, a level list whose grid file is missing and a
// pack list whose page-marker picture is missing. Each still loads, opens,
// refreshes and draws; what is missing is left out and said once.
#include <gtest/gtest.h>

#include <string>

#include "game/shell/screens/finish_window.h"
#include "game/shell/screens/level_window.h"
#include "game/shell/screens/pack_window.h"
#include "game/shell/screens/title_top_window.h"
#include "game/shell/screens_fixture.h"
#include "support/log_capture.h"

namespace game {
namespace {

class ScreensBadInputTest : public ScreensTest {};

TEST_F(ScreensBadInputTest, WindowsWithoutTheirWidgetsAndFilesStillLoadAndRun) {
  const struct {
    const char* name;
    const char* type;
    const char* extra;
  } bare[] = {
      {"Title", "GG_WINDOW_TITLE", ""},
      {"Title_Top", "GG_WINDOW_TITLE_TOP", "<settings font_big='none' shift='x'/>"},
      {"Packs", "GG_WINDOW_PACK",
       "<gPages file='data/share/main/windows packs_grid.xml'/>"
       "<page_number file='data/share/image/gui gone.png'/>"},
      {"Levels", "GG_WINDOW_LEVEL", "<gPages file='data/share/main/windows gone.xml'/>"},
      {"Packs_Menu", "GG_WINDOW_PACK_MENU", ""},
      {"Sumie", "GG_WINDOW_SUNIME", ""},
      {"GP_Finish", "GG_WINDOW_FINISH",
       "<settings><star_sprite/><star_effect time='soon'/></settings>"},
      {"GP_Menu", "GG_WINDOW_GAME_MENU", ""},
      {"Players_Confirm_Del", "GG_WINDOW_CONFIRM_EX", "<SETTINGS font_extra_text='none'/>"},
  };
  for (const auto& window : bare) {
    WriteResource(std::string("data/share/main/windows/") + window.name + ".xml",
                  std::string("<window _name='") + window.name + "' _type='" + window.type +
                      "' _typeOpen='SH_MOMENTAL' _typeClose='SH_MOMENTAL'><GUI/>" + window.extra +
                      "</window>");
  }
  test_support::LogCapture log;
  ASSERT_NO_FATAL_FAILURE(StartScreens());
  for (const auto& window : bare)
    EXPECT_NE(Windows().FindWindow(window.name), nullptr) << window.name;
  EXPECT_TRUE(
      log.Has("Levels: the grid file \"data/share/main/windows gone.xml\" cannot be read; "
              "the list is empty"));
  MakePlayer(L"Anna");

  Hub().OpenTitle();
  Settle();
  EXPECT_EQ(Find<GG_WINDOW_TITLE_TOP>("Title_Top")->GetLinkBox().w, 0.0f) << "no font, no link";
  Hub().CloseTitle();
  Hub().OpenPackList();
  Settle();
  EXPECT_TRUE(log.Has("Packs: the page markers' picture cannot be had; no dots show"));
  EXPECT_EQ(Find<GG_WINDOW_PACK>("Packs")->Grid().ItemCount(), 3u);
  Hub().OpenLevels(1, true);
  Settle();
  EXPECT_EQ(Find<GG_WINDOW_LEVEL>("Levels")->Grid().ItemCount(), 0u);
  Windows().RefreshAll();

  ASSERT_TRUE(Hub().StartLevel(1, 1));
  auto* finish = Find<GG_WINDOW_FINISH>("GP_Finish");
  LevelResult result;
  result.pack_id = 1;
  result.level_id = 1;
  finish->ShowResults(result);
  EXPECT_EQ(finish->GetStarEffect().time, 0.4f) << "a time that is no number keeps the default";
  Windows().OpenWindow("GP_Finish", false);
  Windows().OpenWindow("GP_Menu", false);
  Windows().OpenWindow("Players_Confirm_Del", false);
  Settle();
  EXPECT_EQ(finish->StarsShown(), 3u) << "laid, though there is no picture to draw";
}

}  // namespace
}  // namespace game
