// The windows over a running level on the fixture's tree: the finish window
// (its texts in full, one to three stars popping one after another, next,
// restart and the level list), the in-game menu (resume, restart and leave,
// what each costs), the confirm dialog with a line of its own and the top
// panel with the level's time and name; and a double click on any window's
// button that starts a level, which never reaches that level.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "engine/gui/gui_wide_label.h"
#include "framework/time_format.h"
#include "game/records/level_record.h"
#include "game/shell/screens/confirm_ex_window.h"
#include "game/shell/screens/finish_window.h"
#include "game/shell/screens/game_menu_window.h"
#include "game/shell/screens/level_window.h"
#include "game/shell/screens/pack_window.h"
#include "game/shell/screens/up_panel_window.h"
#include "game/shell/screens_fixture.h"

namespace game {
namespace {

std::vector<std::string> g_sounds;

int32_t NoteSound(const std::string& name) {
  g_sounds.push_back(name);
  return 0;
}

class ScreensPlayTest : public ScreensTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ScreensTest::SetUp());
    ASSERT_NO_FATAL_FAILURE(StartPlay());
  }
  void StartPlay() {
    ASSERT_NO_FATAL_FAILURE(StartScreens());
    anna_ = &MakePlayer(L"Anna");
    finish_ = Find<GG_WINDOW_FINISH>("GP_Finish");
    ASSERT_NE(finish_, nullptr);
    g_sounds.clear();
  }

  // The level starts as from the level list.
  void Play(int32_t pack_id, int32_t level_id) {
    ASSERT_TRUE(Hub().StartLevel(level_id, pack_id));
    Settle(2);
  }
  // As the gameplay does on a win: the results, then the window.
  void Win(int32_t errors, int32_t coins = 40) {
    LevelResult result;
    result.pack_id = Hub().GetCurrentPackId();
    result.level_id = Hub().GetCurrentLevelId();
    result.elapsed_time = 65.5f;
    result.errors = errors;
    result.hints_used = 3;
    result.level_coins = coins;
    finish_->ShowResults(result);
    Windows().OpenWindow("GP_Finish", false);
  }
  std::wstring Label(int32_t id) {
    auto* label = dynamic_cast<ORB::OC_GUI_WLABEL*>(finish_->GetGuiRoot().FindById(id));
    return label != nullptr ? label->GetText() : L"(none)";
  }
  int32_t Hearts() { return anna_->GetHealth().GetCount(); }

  GG_PLAYER* anna_ = nullptr;
  GG_WINDOW_FINISH* finish_ = nullptr;
};

TEST_F(ScreensPlayTest, TheFinishWindowShowsEveryNumberInFull) {
  ASSERT_NO_FATAL_FAILURE(Play(1, 1));
  anna_->FindLevel(1, 1)->SetBestTime(61.0f);
  anna_->GetStatistics().score = 123456;
  Win(12, 10000);
  EXPECT_EQ(Label(GG_WINDOW_FINISH::kTimeId), L"01:05");
  EXPECT_EQ(Label(GG_WINDOW_FINISH::kHintsId), L"3");
  EXPECT_EQ(Label(GG_WINDOW_FINISH::kErrorsId), L"12");
  EXPECT_EQ(Label(GG_WINDOW_FINISH::kCoinsId), L"10000");
  EXPECT_EQ(Label(GG_WINDOW_FINISH::kBestTimeId), L"01:01");
  EXPECT_EQ(Label(GG_WINDOW_FINISH::kLevelNumberId), L"1");
  EXPECT_EQ(Label(GG_WINDOW_FINISH::kScoreId), L"123456");
}

TEST_F(ScreensPlayTest, StarsOneToThreePopInOneAfterAnother) {
  finish_->click_sound = &NoteSound;
  const struct {
    int32_t errors;
    size_t stars;
  } cases[] = {{0, 3}, {1, 2}, {5, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.errors);
    g_sounds.clear();
    ASSERT_NO_FATAL_FAILURE(Play(1, 1));
    Win(c.errors);
    Settle(1);  // SH_MOMENTAL: shown at the next frame
    ASSERT_EQ(finish_->StarsShown(), c.stars);
    EXPECT_EQ(finish_->GetStarCount(), static_cast<int32_t>(c.stars));
    // Each star has 0.2 s: the first grows while the later ones wait.
    Settle(1);
    EXPECT_GT(finish_->StarScale(0), 0.0f);
    for (size_t i = 1; i < c.stars; ++i) EXPECT_EQ(finish_->StarScale(i), 0.0f) << i;
    Settle(static_cast<int32_t>(2 * c.stars + 2));
    for (size_t i = 0; i < c.stars; ++i) EXPECT_FLOAT_EQ(finish_->StarScale(i), 1.0f) << i;
    EXPECT_FALSE(finish_->AreStarsPopping());
    EXPECT_EQ(g_sounds, std::vector<std::string>(c.stars, "star"));
    // Stars stand one star width (16) apart from the window's point + shift.
    EXPECT_FLOAT_EQ(finish_->StarPosition(0).x, 512.0f - 20.0f);
    EXPECT_FLOAT_EQ(finish_->StarPosition(c.stars - 1).x,
                    512.0f - 20.0f + 16.0f * static_cast<float>(c.stars - 1));
    Windows().CloseWindow("GP_Finish", true);
    Settle(2);
  }
}

TEST_F(ScreensPlayTest, NextOnTheLastLevelReturnsToThePackList) {
  anna_->FindLevel(1, 2)->SetLock(false);
  ASSERT_NO_FATAL_FAILURE(Play(1, 2));
  Win(0);
  Settle();
  ClickWidget("GP_Finish", GG_WINDOW_FINISH::kNextId);
  EXPECT_FLOAT_EQ(finish_->StarScale(2), 1.0f) << "the stars stop where they were going";
  input_.Press();  // a second click, pressed under the fade
  Settle();
  EXPECT_FALSE(IsOpen("GP_Finish"));
  EXPECT_FALSE(gameplay_->IsActive());
  for (const char* name : {"Packs", "Pack_Title", "Packs_Menu", "Back"}) {
    EXPECT_TRUE(IsOpen(name)) << name;
  }
  EXPECT_FALSE(IsOpen("Fade_Transition"));
  EXPECT_EQ(gameplay_->loads.size(), 1u);
  // ... and let go over the first pack of the list come up behind it.
  gPackItem& pack = *Find<GG_WINDOW_PACK>("Packs")->PackGrid().PackItem(0);
  const ORB::Vector2 card = pack.GetTransform().GetWorld().GetPositionV2();
  input_.Move(static_cast<int32_t>(card.x), static_cast<int32_t>(card.y));
  input_.Release();
  Settle();
  EXPECT_FALSE(IsOpen("Levels")) << "the release of Next's second click reaches nothing";
  ClickItem(pack);
  Settle();
  EXPECT_TRUE(IsOpen("Levels")) << "a click of its own opens the pack";
}

TEST_F(ScreensPlayTest, NextStartsTheFollowingLevel) {
  anna_->FindLevel(1, 2)->SetLock(false);
  ASSERT_NO_FATAL_FAILURE(Play(1, 1));
  Win(1);
  Settle();
  ClickWidget("GP_Finish", GG_WINDOW_FINISH::kNextId);
  Settle();
  EXPECT_FALSE(IsOpen("GP_Finish"));
  ASSERT_EQ(gameplay_->loads.size(), 2u);
  EXPECT_EQ(gameplay_->loads[1], "data/share/main/levels pack_1/two.xml");
  EXPECT_EQ(Hub().GetCurrentLevelId(), 2);
  EXPECT_TRUE(gameplay_->IsActive());
}

TEST_F(ScreensPlayTest, ANextLevelThatCannotStartOpensTheLevelList) {
  // Pack 2's second level names no file.
  anna_->FindLevel(2, 1)->SetLock(false);
  ASSERT_NO_FATAL_FAILURE(Play(2, 1));
  Win(0);
  Settle();
  ClickWidget("GP_Finish", GG_WINDOW_FINISH::kNextId);
  Settle();
  EXPECT_FALSE(IsOpen("GP_Finish"));
  EXPECT_FALSE(gameplay_->IsActive());
  ASSERT_TRUE(IsOpen("Levels")) << "never a screen with nothing on it";
  EXPECT_EQ(Find<GG_WINDOW_LEVEL>("Levels")->GetPackId(), 2);
}

TEST_F(ScreensPlayTest, LevelsFromTheFinishWindowGoesBehindTheFade) {
  ASSERT_NO_FATAL_FAILURE(Play(1, 1));
  Win(0);
  Settle();
  ClickWidget("GP_Finish", GG_WINDOW_FINISH::kLevelsId);
  EXPECT_TRUE(IsOpen("Fade_Transition"));
  Settle();
  EXPECT_FALSE(IsOpen("GP_Finish"));
  EXPECT_FALSE(gameplay_->IsActive());
  EXPECT_TRUE(IsOpen("Levels"));
  EXPECT_EQ(Hearts(), 3) << "leaving a won level costs nothing";
}

TEST_F(ScreensPlayTest, RestartFromTheFinishWindowCostsNoHeart) {
  ASSERT_NO_FATAL_FAILURE(Play(1, 1));
  Win(0);
  Settle();
  ClickWidget("GP_Finish", GG_WINDOW_FINISH::kRestartId);
  Settle(2);
  ASSERT_TRUE(IsOpen("Confirm_Restart_In_Finish"));
  Answer("Confirm_Restart_In_Finish", 4);
  EXPECT_TRUE(IsOpen("GP_Finish"));
  EXPECT_EQ(gameplay_->loads.size(), 1u);
  ClickWidget("GP_Finish", GG_WINDOW_FINISH::kRestartId);
  Settle(2);
  Answer("Confirm_Restart_In_Finish", 3);
  Settle();
  EXPECT_FALSE(IsOpen("GP_Finish"));
  EXPECT_EQ(gameplay_->loads.size(), 2u);
  EXPECT_TRUE(gameplay_->IsActive());
  EXPECT_EQ(Hearts(), 3);
}

TEST_F(ScreensPlayTest, RestartAndLeaveFromTheMenuCostAHeartEach) {
  ASSERT_NO_FATAL_FAILURE(Play(1, 1));
  Hub().PauseLevel();
  Windows().OpenWindow("GP_Menu", false);
  Settle(2);
  ClickWidget("GP_Menu", GG_WINDOW_GAME_MENU::kRestartId);
  Settle(2);
  ASSERT_TRUE(IsOpen("Confirm_Restart_Level"));
  Answer("Confirm_Restart_Level", 4);
  EXPECT_EQ(Hearts(), 3) << "no: nothing";
  ClickWidget("GP_Menu", GG_WINDOW_GAME_MENU::kRestartId);
  Settle(2);
  Answer("Confirm_Restart_Level", 3);
  Settle();
  EXPECT_EQ(Hearts(), 2);
  EXPECT_EQ(gameplay_->loads.size(), 2u);
  EXPECT_FALSE(IsOpen("GP_Menu"));

  Windows().OpenWindow("GP_Menu", false);
  Settle(2);
  ClickWidget("GP_Menu", GG_WINDOW_GAME_MENU::kLeaveId);
  Settle(2);
  ClickWidget("Confirm_Close_Lvl", 3);
  EXPECT_EQ(Hearts(), 1) << "spent before the fade";
  EXPECT_TRUE(IsOpen("Fade_Transition"));
  Settle();
  EXPECT_FALSE(IsOpen("GP_Menu"));
  EXPECT_FALSE(gameplay_->IsActive());
  EXPECT_TRUE(IsOpen("Levels"));
  EXPECT_TRUE(Saved()) << "a spent heart is saved";
}

TEST_F(ScreensPlayTest, WithoutAHeartNoRoadStartsALevelAndEachOffersTheShop) {
  anna_->FindLevel(1, 2)->SetLock(false);
  const struct {
    const char* window;
    int32_t button;
  } roads[] = {{"GP_Finish", GG_WINDOW_FINISH::kNextId},
               {"GP_Finish", GG_WINDOW_FINISH::kRestartId},
               {"GP_Menu", GG_WINDOW_GAME_MENU::kRestartId}};
  for (const auto& road : roads) {
    SCOPED_TRACE(std::string(road.window) + " " + std::to_string(road.button));
    anna_->GetHealth().SetCount(3);
    ASSERT_NO_FATAL_FAILURE(Play(1, 1));
    if (road.window == std::string("GP_Finish")) {
      Win(0);
    } else {
      Hub().PauseLevel();
      Windows().OpenWindow("GP_Menu", false);
    }
    Settle();
    anna_->GetHealth().SetCount(0);
    const size_t loads = gameplay_->loads.size();
    ClickWidget(road.window, road.button);
    Settle(2);
    EXPECT_TRUE(IsOpen(road.window)) << "the level stays as it is";
    Answer("Confirm_NoHealth", 3);
    EXPECT_TRUE(IsOpen("Shop"));
    // Nor does the hub itself, whoever asks.
    EXPECT_FALSE(Hub().RestartLevel());
    EXPECT_EQ(Hub().GetCurrentLevelId(), 1);
    EXPECT_FALSE(Hub().StartLevel(2, 1));
    EXPECT_EQ(gameplay_->loads.size(), loads);
    EXPECT_EQ(Hearts(), 0);
    for (const char* open : {"Shop", road.window}) Windows().CloseWindow(open, true);
    Settle(2);
  }
}

TEST_F(ScreensPlayTest, ResumeClosesTheMenuAndTheLevelGoesOn) {
  ASSERT_NO_FATAL_FAILURE(Play(1, 1));
  Hub().PauseLevel();
  Windows().OpenWindow("GP_Menu", false);
  Settle(2);
  ClickWidget("GP_Menu", GG_WINDOW_GAME_MENU::kResumeId);
  Settle();
  EXPECT_FALSE(IsOpen("GP_Menu"));
  EXPECT_FALSE(gameplay_->IsPaused());
  ClickWidget("GP_Menu", GG_WINDOW_GAME_MENU::kShopId);  // closed: no answer
  EXPECT_FALSE(IsOpen("Shop"));
  Windows().OpenWindow("GP_Menu", false);
  Settle(2);
  ClickWidget("GP_Menu", GG_WINDOW_GAME_MENU::kShopId);
  Settle(2);
  EXPECT_TRUE(IsOpen("Shop"));
  Windows().CloseWindow("Shop", true);
  Settle(2);
  ClickWidget("GP_Menu", GG_WINDOW_GAME_MENU::kOptionsId);
  Settle(2);
  EXPECT_TRUE(IsOpen("Options"));
  EXPECT_EQ(Hearts(), 3);
}

TEST_F(ScreensPlayTest, TheUpPanelShowsTheLevelAndItsMenuPausesIt) {
  // No scene list names it: made from its description, as code would, with
  // the hub as its host.
  pugi::xml_document description;
  ASSERT_TRUE(description.load_file(Resource("data/share/main/windows/GP_UpPanel.xml").c_str()));
  ORB_GF::G_WINDOW* panel = Windows().AddWindow(
      std::make_unique<GG_WINDOW_UP_PANEL>(description.document_element(), &Hub()));
  const auto text = [panel](int32_t id) {
    return dynamic_cast<ORB::OC_GUI_WLABEL&>(*panel->GetGuiRoot().FindById(id)).GetText();
  };
  anna_->FindLevel(1, 2)->SetLock(false);
  ASSERT_NO_FATAL_FAILURE(Play(1, 2));
  Windows().OpenWindow("GP_UpPanel", false);
  Settle(25);
  EXPECT_EQ(text(GG_WINDOW_UP_PANEL::kNameId), L"Garden 2");
  EXPECT_EQ(text(GG_WINDOW_UP_PANEL::kTimeId), ORB_GF::FormatTime(gameplay_->ElapsedTime()));
  ClickWidget("GP_UpPanel", GG_WINDOW_UP_PANEL::kMenuId);
  Settle(2);
  EXPECT_TRUE(IsOpen("GP_Menu"));
  EXPECT_TRUE(gameplay_->IsPaused());
}

TEST_F(ScreensPlayTest, TheExtendedConfirmDrawsItsLineWithItsFont) {
  auto* dialog = Find<GG_WINDOW_CONFIRM_EX>("Players_Confirm_Del");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->GetFontName(), "clue20");
  EXPECT_EQ(dialog->GetTextColour().ToUInt(), 0xFF00798Cu);
  EXPECT_FLOAT_EQ(dialog->GetTextPosition().y, -20.0f);
  EXPECT_EQ(dialog->GetFont(), nullptr) << "looked up with the resources";
  Windows().OpenWindow("Players_Confirm_Del", false);
  Settle(2);
  ASSERT_NE(dialog->GetFont(), nullptr);

  // Its line adds one glyph quad a character at the window's point + pos.
  const auto quads_at = [&](float x, float y) {
    fake_->ClearLog();
    EXPECT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
    Hub().Draw();
    const auto drawn = Drawn();
    renderer_->EndFrame();
    int32_t n = 0;
    for (size_t v = 0; v + 3 < drawn.size(); v += 4) {
      if (drawn[v].y >= y && drawn[v].y < y + 12.0f && drawn[v].x >= x && drawn[v].x < x + 200.0f)
        ++n;
    }
    return n;
  };
  const int32_t before = quads_at(512.0f, 364.0f);
  dialog->SetExtraText(L"Anna %s");
  EXPECT_EQ(quads_at(512.0f, 364.0f) - before, 7);
  dialog->SetMessage(L"Anna");
  Answer("Players_Confirm_Del", 4);
  EXPECT_FALSE(IsOpen("Players_Confirm_Del"));
}

// The same, with levels that cover the whole screen (a checkerboard of 16 x
// 12 cells of 64 pixels), so a cell lies under every button, and with the
// question a lost level asks.
class ScreensDoubleClickTest : public ScreensPlayTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ScreensTest::SetUp());
    test_support::LevelText board;
    board.elSize = "64 64";
    board.block = "16 12";
    board.shiftBlock = "0 0";
    board.position = "512 384";
    for (int32_t row = 0; row < 12; ++row) {
      board.rows.emplace_back();
      for (int32_t col = 0; col < 16; ++col) board.rows.back() += (row + col) % 2 == 0 ? '#' : '.';
    }
    const std::string level = test_support::LevelXml(board);
    test_support::WriteFile(
        Resource("data/share/main/levels"),
        test_support::Build(
            {{"pack_1/one.xml", level}, {"pack_1/two.xml", level}, {"pack_2/three.xml", level}}));
    const std::string question = GG_GAMEPLAY::kRestartDialog;
    const std::string file = "data/share/main/windows/" + question + ".xml";
    std::filesystem::copy_file(Resource("data/share/main/windows/Confirm_Restart_Level.xml"),
                               Resource(file));
    EditResource(file, [&](pugi::xml_document& window) {
      window.document_element().attribute("_name") = question.c_str();
    });
    EditResource("data/share/main/other/scenes.xml", [&](pugi::xml_document& scenes) {
      scenes.document_element().append_child("scene").append_attribute("file") =
          ("data/share/main/windows " + question + ".xml").c_str();
    });
    ASSERT_NO_FATAL_FAILURE(StartPlay());
  }

  // What a press and a release can change on the board.
  std::tuple<int32_t, int32_t, bool, bool> Look() const {
    int32_t open = 0;
    for (const auto& cell : gameplay_->Board().GetCells()) open += cell && cell->IsOpen() ? 1 : 0;
    return {open, gameplay_->Errors(), gameplay_->GetToolSwitch(), gameplay_->IsDragging()};
  }
};

TEST_F(ScreensDoubleClickTest, TheSecondClickOnAButtonThatStartedALevelChangesNothingInIt) {
  anna_->FindLevel(1, 2)->SetLock(false);
  const auto finished = [&] {
    Play(1, 1);
    Win(0);
    Settle();
  };
  const struct {
    const char* road;
    std::function<void()> before, click;  // the click starts the level
  } roads[] = {
      {"the lost level's question",
       [&] {
         Play(1, 1);
         for (int32_t col = 1; col < 16 && !gameplay_->IsEnded(); col += 2) {
           gameplay_->Board().ApplyClick(0, col, 0, col, true);  // empty cells filled
         }
         Settle(2);
       },
       [&] { ClickWidget(GG_GAMEPLAY::kRestartDialog, 3); }},
      {"next on the finish window", finished,
       [&] { ClickWidget("GP_Finish", GG_WINDOW_FINISH::kNextId); }},
      {"play again on the finish window",
       [&] {
         finished();
         ClickWidget("GP_Finish", GG_WINDOW_FINISH::kRestartId);
         Settle(2);
       },
       [&] { ClickWidget("Confirm_Restart_In_Finish", 3); }},
      {"restart in the in-game menu",
       [&] {
         Play(1, 1);
         Hub().PauseLevel();
         Windows().OpenWindow("GP_Menu", false);
         Settle(2);
         ClickWidget("GP_Menu", GG_WINDOW_GAME_MENU::kRestartId);
         Settle(2);
       },
       [&] { ClickWidget("Confirm_Restart_Level", 3); }},
      {"the level list",
       [&] {
         Hub().OpenLevels(1, true);
         Settle();
       },
       [&] { ClickItem(*Find<GG_WINDOW_LEVEL>("Levels")->LevelGrid().LevelItem(0)); }},
  };
  for (const auto& road : roads) {
    SCOPED_TRACE(road.road);
    anna_->GetHealth().SetCount(3);
    road.before();
    const size_t loads = gameplay_->loads.size();
    road.click();
    for (int32_t i = 0; i < 20 && gameplay_->loads.size() == loads; ++i) Settle(1);
    ASSERT_EQ(gameplay_->loads.size(), loads + 1) << "the click started the level";
    const auto started = Look();
    input_.Press();  // the double click's second press, a frame later, where the first was
    input_.Release();
    EXPECT_EQ(Look(), started) << "no cell, no error, no tool";
    Settle();
    input_.Press();
    input_.Release();
    EXPECT_NE(Look(), started) << "once the level shows, a click there opens a cell";
    Windows().CloseAll();
    Hub().StopLevel();
    Hub().ReleaseLevel();
    Settle();
  }
}

}  // namespace
}  // namespace game
