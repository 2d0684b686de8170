// The guided tutorial in the game: on the shipped data through the game's
// entry, the first level starts it for a player who has not passed it, with
// its texts in the game's language, its locks on the board and the
// controls, and the control bar telling it which control the player used;
// a skip the player confirms passes it and saves. On the hub's test folder,
// a tutorial file's step for a level starts with that level, a release
// passes it and a player who passed it is not guided again; a level
// without steps, and a tutorial file that cannot be read, fail cleanly.
#include "game/shell/hub/guided_tutorial.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/foundation/localization.h"
#include "engine/foundation/utf8.h"
#include "engine/gui/gui_wide_label.h"
#include "engine/platform/key_codes.h"
#include "framework/window_manager.h"
#include "game/instruments/driver_instruments.h"
#include "game/play/gameplay.h"
#include "game/play/screen/play_screen.h"
#include "game/records/game_player.h"
#include "game/records/players_list.h"
#include "game/shell/driver_fixture.h"
#include "game/shell/hub/game_hub.h"
#include "game/shell/hub_fixture.h"
#include "game/shell/startup/game_singletons.h"
#include "support/log_capture.h"

namespace game {
namespace {

std::wstring LabelText(const ORB::OC_GUI_ROOT& gui, int32_t id) {
  const auto* label = dynamic_cast<const ORB::OC_GUI_WLABEL*>(gui.FindById(id));
  return label != nullptr ? label->GetText() : L"(no label)";
}

std::wstring Translated(const char* key) { return ORB::Utf8ToWide(GetLocalization()->Find(key)); }

ORB::Point At(const ORB::Vector2& v) {
  return {static_cast<int32_t>(v.x), static_cast<int32_t>(v.y)};
}

ORB::Point WidgetPoint(const ORB::OC_GUI_OBJECT* widget) {
  return widget != nullptr ? At(widget->GetTransform().GetWorld().GetPositionV2())
                           : ORB::Point{-1, -1};
}

// --- On the shipped data, through the game's entry.

class ShippedTutorialTest : public GameDriverTest {
 protected:
  ShippedTutorialTest() : GameDriverTest(false, Data::kShipped) {}

  // The game past its loading screen, then `step` on each frame with the
  // frames counted from the first one the game drew.
  int32_t RunPlaying(const std::function<void(int32_t)>& step) {
    int32_t playing = 0;
    return Run([&](int32_t frame) {
      if (frame == 1) QueueKey(ORB::platform::kKeySpace);
      if (GetGameState() == GameState::kPlaying) step(++playing);
    });
  }
  void Click(const ORB::Point& at) { QueueClick(at.x, at.y); }
};

TEST_F(ShippedTutorialTest, TheFirstLevelGuidesANewPlayerUntilAConfirmedSkipPassesIt) {
  struct {
    bool guided_hub = false;
    bool passed_before = true;
    bool active = false;
    std::wstring text, skip_text;
    std::wstring english_text, english_skip;
    bool board_locked = false;
    bool hint_locked = false;
    eTutorialStep after_cells = eTutorialStep::kEndless;
    eTutorialStep after_tool = eTutorialStep::kEndless;
    bool dialog = false;
    bool passed = false;
    bool active_after_skip = true;
    bool saved = false;
  } seen;
  int32_t at = 0;  // the frame of the script's last move
  const int32_t result = RunPlaying([&](int32_t frame) {
    gGame& hub = *gGame::Instance();
    gGuidedTutorial* guided = GetGuidedTutorial();
    ASSERT_NE(guided, nullptr);
    GG_TUTORIAL& tutorial = guided->Tutorial();
    GG_GAMEPLAY& gameplay = *GetGameplay();
    gControlBar& controls = GetPlayScreen()->Controls();
    if (frame == 1) {
      seen.guided_hub = &hub.GetTutorial() == guided;
      // A new player (the shipped edition makes none by itself).
      hub.SetCurrentPlayer(hub.CreatePlayer(L"Ada"));
      ASSERT_NE(hub.GetCurrentPlayer(), nullptr);
      seen.passed_before = hub.GetCurrentPlayer()->IsTutorialPassed();
      ASSERT_TRUE(hub.StartLevel(1, 1));
      seen.active = guided->IsActive();
      ASSERT_NE(tutorial.CurrentStep(), nullptr);
      ASSERT_NE(tutorial.CurrentStep()->gui, nullptr);
      const ORB::OC_GUI_ROOT& gui = *tutorial.CurrentStep()->gui;
      seen.text = LabelText(gui, 2);
      seen.english_text = Translated("tutorial_fill");
      const ORB::OC_GUI_OBJECT* skip = gui.FindById(GG_TUTORIAL::kSkipButton);
      seen.skip_text = skip != nullptr && skip->GetChildCount() > 0
                           ? dynamic_cast<const ORB::OC_GUI_WLABEL&>(*skip->GetChild(0)).GetText()
                           : L"(no label)";
      seen.english_skip = Translated("tutorial_skip");
      seen.board_locked = gameplay.Board().CellAt(0, 0)->IsLocked();
      seen.hint_locked = controls.HintButton().IsLocked();
      // The second row filled: the first step ends at the next release.
      gameplay.Board().ApplyClick(1, 0, 1, 4, true);
    } else if (at == 0) {
      // The fade over the loading screen still closes over the level, which
      // takes no press until it has gone.
      if (!hub.LevelTakesPresses()) return;
      Click({20, 740});  // clear of the board and of every control
      at = frame;
    } else if (frame == at + 2 && seen.after_cells == eTutorialStep::kEndless) {
      seen.after_cells = tutorial.CurrentStep()->kind;
      // The tool switch, through the control bar.
      Click(WidgetPoint(controls.ToolSwitch().Widget()));
      at = frame;
    } else if (frame == at + 2 && seen.after_tool == eTutorialStep::kEndless) {
      seen.after_tool = tutorial.CurrentStep()->kind;
      Click(WidgetPoint(tutorial.CurrentStep()->gui->FindById(GG_TUTORIAL::kSkipButton)));
      at = frame;
    } else if (frame == at + 30 && !seen.dialog) {
      ORB_GF::G_WINDOW_MANAGER& windows = *ORB_GF::GetWindowManager();
      seen.dialog = windows.IsOpen(GG_TUTORIAL::kSkipDialog);
      if (!seen.dialog) return Close();
      std::filesystem::remove(SaveFolder() + "players.save");
      ORB_GF::G_WINDOW* dialog = windows.FindWindow(GG_TUTORIAL::kSkipDialog);
      Click(WidgetPoint(dialog->GetGuiRoot().FindById(3)));  // yes
      at = frame;
    } else if (seen.dialog && frame == at + 30) {
      seen.passed = hub.GetCurrentPlayer()->IsTutorialPassed();
      seen.active_after_skip = guided->IsActive();
      seen.saved = std::filesystem::exists(SaveFolder() + "players.save");
      Close();
    }
  });
  EXPECT_EQ(result, ORB::kExitNormal);
  EXPECT_TRUE(seen.guided_hub) << "the hub runs the game's tutorial";
  EXPECT_FALSE(seen.passed_before);
  EXPECT_TRUE(seen.active);
  EXPECT_EQ(seen.text, seen.english_text);
  EXPECT_NE(seen.text.find(L"second row"), std::wstring::npos) << "English, not the key";
  EXPECT_EQ(seen.skip_text, L"Skip");
  EXPECT_TRUE(seen.board_locked);
  EXPECT_TRUE(seen.hint_locked);
  EXPECT_EQ(seen.after_cells, eTutorialStep::kTool);
  EXPECT_EQ(seen.after_tool, eTutorialStep::kCellEmpty) << "the control bar told the tutorial";
  EXPECT_TRUE(seen.dialog);
  EXPECT_TRUE(seen.passed);
  EXPECT_FALSE(seen.active_after_skip);
  EXPECT_TRUE(seen.saved);
  EXPECT_EQ(GetGuidedTutorial(), nullptr) << "gone with the game";
}

// --- On the hub's test folder.

// Level 1 of pack 1 has one step, which ends at the next release; level 2
// has none. Its text is a string key of the folder's texts.
constexpr char kTutorialFile[] = "data/share/main/other/tutorial.xml";
constexpr char kOneStep[] =
    "<tutorial><level id=\"1\"><step type=\"ENDLESS\" blockelements=\"true\" blockhint=\"true\">"
    "<GUI><WLABEL ID=\"2\" FONT=\"data/share/font clue20.xml\" "
    "FONT_TEXTURE=\"data/share/image/gui glyphs.png\" TEXT=\"title_play\"/></GUI>"
    "</step></level></tutorial>";

class HubTutorialTest : public HubTest {
 protected:
  void TearDown() override {
    // As the driver: the tutorial leaves the screens, the game goes, then
    // the screens.
    tutorial_.Attach(nullptr, nullptr);
    rig_.Close();
    play_screen_.reset();
    gameplay_.reset();
    HubTest::TearDown();
  }

  // As the driver: the tutorial given to the hub before its start-up, the
  // screens and the tutorial attached to them after it.
  bool StartGuided() {
    Open({1920, 1080}, &sound_loader_);
    SetGameParts(DefaultGameParts());
    if (!CreateGame("game.xml") || !LoadResourceList(kResourceListFile)) return false;
    Hub().SetTutorial(&tutorial_);
    if (!Hub().Init()) return false;
    Hub().SetCurrentPlayer(GetPlayersList()->GetCurrent());
    gameplay_ = std::make_unique<GG_GAMEPLAY>(&Hub());
    play_screen_ = std::make_unique<gPlayScreen>(*gameplay_);
    (void)play_screen_->Load();  // the folder has no control files: the plain pieces
    Hub().SetGameplay(gameplay_.get());
    tutorial_.Attach(gameplay_.get(), &play_screen_->Controls());
    return true;
  }

  void Release() {
    Hub().OnKeyDown(1);
    Hub().OnKeyUp(1);
  }

  gGuidedTutorial tutorial_;
  std::unique_ptr<GG_GAMEPLAY> gameplay_;
  std::unique_ptr<gPlayScreen> play_screen_;
};

TEST_F(HubTutorialTest, ALevelWithStepsGuidesAPlayerUntilPassedAndNotAgain) {
  WriteResource(kTutorialFile, kOneStep);
  ASSERT_TRUE(StartGuided());
  ASSERT_EQ(tutorial_.Tutorial().Steps().size(), 1u);
  EXPECT_EQ(LabelText(*tutorial_.Tutorial().Steps()[0]->gui, 2), L"Play")
      << "in the game's language";
  EXPECT_EQ(play_screen_->Controls().DelegateCount(), 1u);
  GG_PLAYER& player = *Hub().GetCurrentPlayer();
  ASSERT_FALSE(player.IsTutorialPassed());

  // A level without steps plays unguided.
  ASSERT_TRUE(Hub().StartLevel(2, 1));
  EXPECT_FALSE(tutorial_.IsActive());
  EXPECT_FALSE(gameplay_->Board().CellAt(0, 0)->IsLocked());

  ASSERT_TRUE(Hub().StartLevel(1, 1));
  EXPECT_TRUE(tutorial_.IsActive());
  EXPECT_TRUE(tutorial_.Tutorial().IsActivated());
  EXPECT_TRUE(gameplay_->Board().CellAt(0, 0)->IsLocked());
  EXPECT_TRUE(play_screen_->Controls().HintButton().IsLocked());
  Frames(2);

  std::filesystem::remove(SaveFolder() + "players.save");
  Release();
  EXPECT_FALSE(tutorial_.IsActive());
  EXPECT_TRUE(player.IsTutorialPassed());
  EXPECT_TRUE(std::filesystem::exists(SaveFolder() + "players.save"));
  EXPECT_FALSE(gameplay_->Board().CellAt(0, 0)->IsLocked());
  EXPECT_FALSE(play_screen_->Controls().HintButton().IsLocked());

  // Passed: the level starts unguided.
  ASSERT_TRUE(Hub().StartLevel(1, 1));
  EXPECT_FALSE(tutorial_.IsActive());
}

TEST_F(HubTutorialTest, ATutorialFileThatCannotBeReadFailsStartUpNamingIt) {
  WriteResource(kTutorialFile,
                "<tutorial><level id=\"1\"><step><cells><cell>one</cell></cells></step>"
                "</level></tutorial>");
  test_support::LogCapture log;
  EXPECT_FALSE(StartGuided());
  const std::vector<std::string> errors = log.Errors();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("data/share/main/other tutorial.xml"), std::string::npos) << errors[0];
  EXPECT_NE(errors[0].find("level 1"), std::string::npos) << errors[0];
}

}  // namespace
}  // namespace game
