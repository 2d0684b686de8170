// The hub around the gameplay screen: starting a level (and every way it
// cannot start), the order input reaches the tutorial, the gameplay and the
// windows, the player switch, hearts, the trophy queue and "Trophy_Get".
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/sound_bank.h"
#include "engine/foundation/window.h"
#include "framework/trophy_list.h"
#include "framework/trophy_values.h"
#include "game/play/screen/control_bar.h"
#include "game/shell/hub_fixture.h"
#include "game/shell/startup/game_singletons.h"
#include "support/log_capture.h"
#include "support/scripted_input.h"

namespace game {
namespace {

using Journal = std::vector<std::string>;

// The gameplay screen noting the input it is given.
class JournalGameplay : public GG_GAMEPLAY {
 public:
  JournalGameplay(cGameplayHost* host, Journal* journal) : GG_GAMEPLAY(host), journal_(journal) {}
  int32_t OnButtonDown(int32_t button) override {
    journal_->push_back("gameplay down " + std::to_string(button));
    return GG_GAMEPLAY::OnButtonDown(button);
  }
  int32_t OnButtonUp(int32_t button) override {
    journal_->push_back("gameplay up " + std::to_string(button));
    return GG_GAMEPLAY::OnButtonUp(button);
  }
  int32_t OnPointerMove() override {
    journal_->push_back("gameplay move");
    return GG_GAMEPLAY::OnPointerMove();
  }

 private:
  Journal* journal_;
};

// A tutorial that notes what the hub gives it; active once selected.
class JournalTutorial : public cHubTutorial {
 public:
  explicit JournalTutorial(Journal* journal) : journal_(journal) {}
  bool Load(const pugi::xml_node&, const std::string&) override { return true; }
  const std::string& Error() const override { return error_; }
  bool SelectLevel(int32_t level_id) override {
    journal_->push_back("tutorial select " + std::to_string(level_id));
    active_ = level_id == level_with_steps;
    return active_;
  }
  void Activate() override { journal_->push_back("tutorial activate"); }
  void Deactivate() override { journal_->push_back("tutorial deactivate"); }
  bool IsActive() const override { return active_; }
  void Update() override {}
  void Draw() override {}
  void OnButtonDown(int32_t button) override {
    journal_->push_back("tutorial down " + std::to_string(button));
  }
  void OnButtonUp(int32_t button) override {
    journal_->push_back("tutorial up " + std::to_string(button));
  }
  void OnPointerMove() override { journal_->push_back("tutorial move"); }
  cControlDelegate& ControlDelegate() override { return delegate_; }

  int32_t level_with_steps = 1;

 private:
  Journal* journal_;
  bool active_ = false;
  cControlDelegate delegate_;
  std::string error_;
};

// A window noting the mouse passes the manager gives it; it takes every
// press, so the press's release comes to it too.
class JournalWindow : public test_support::StubWindow {
 public:
  using StubWindow::StubWindow;
  int32_t HandleMouseDown(int32_t button) override {
    Journal().push_back("window down " + std::to_string(button));
    StubWindow::HandleMouseDown(button);
    return ORB_GF::kWindowEventTaken;
  }
  int32_t HandleMouseUp(int32_t button) override {
    Journal().push_back("window up " + std::to_string(button));
    return StubWindow::HandleMouseUp(button);
  }
  int32_t HandleMouseMove() override {
    Journal().push_back("window move");
    return StubWindow::HandleMouseMove();
  }
};

class HubPlayTest : public HubTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(HubTest::SetUp());
    ASSERT_NO_FATAL_FAILURE(StartWithGameplay());
  }
  void TearDown() override {
    // The driver's order: the game stops the level and gives its textures
    // back, then the screen goes.
    if (gGame* hub = gGame::Instance()) hub->SetGameplay(gameplay_.get());
    rig_.Close();
    gameplay_.reset();
    HubTest::TearDown();
  }

  // (Again: the game made before goes first, then its screen.)
  void StartWithGameplay() {
    if (gGame* hub = gGame::Instance()) hub->SetGameplay(gameplay_.get());
    rig_.Close();
    gameplay_.reset();
    ASSERT_TRUE(Start());
    // As the driver once the game has loaded.
    Hub().SetCurrentPlayer(GetPlayersList()->GetCurrent());
    gameplay_ = std::make_unique<JournalGameplay>(&Hub(), &journal_);
    Hub().SetGameplay(gameplay_.get());
    trophy_get_ = AddStandIn<StandInTrophyGet>("Trophy_Get", "_modal=\"1\"");
    player_ = Hub().GetCurrentPlayer();
    ASSERT_NE(player_, nullptr);
  }

  ORB_GF::TrophyList& Trophies() { return *ORB_GF::GetTrophyList(); }
  bool Saved() const { return std::filesystem::exists(SaveFolder() + "players.save"); }

  std::unique_ptr<JournalGameplay> gameplay_;
  StandInTrophyGet* trophy_get_ = nullptr;
  GG_PLAYER* player_ = nullptr;
};

TEST_F(HubPlayTest, ALevelStartsFromThePacksPathAndTheRecordsFile) {
  ASSERT_TRUE(Hub().StartLevel(1, 1));
  EXPECT_EQ(gameplay_->LevelFileName(), "data/share/main/levels pack_1/one.xml");
  EXPECT_TRUE(gameplay_->IsActive());
  EXPECT_TRUE(gameplay_->IsAcquired());
  EXPECT_EQ(gameplay_->PackId(), 1);
  EXPECT_EQ(gameplay_->LevelId(), 1);
  EXPECT_EQ(Hub().GetCurrentLevel(), player_->FindLevel(1, 1));
  EXPECT_EQ(Hub().GetCurrentPack()->GetId(), 1);
  EXPECT_EQ(Hub().GetControlLocks(), ControlLocks{});

  // The locks reach the four controls too; a level starts without them.
  gControlBar controls(*gameplay_);
  Hub().SetControls(&controls);
  Hub().BlockControls(false, true, true, true, true);
  const auto locked = [&controls] {
    return std::vector<bool>{controls.HintButton().IsLocked(), controls.ToolSwitch().IsLocked(),
                             controls.StoreButton().IsLocked(), controls.ResetTarget().IsLocked()};
  };
  EXPECT_EQ(locked(), std::vector<bool>(4, true));

  // A locked level of the next pack starts as well: the screens decide.
  ASSERT_TRUE(Hub().StartLevel(1, 2));
  EXPECT_EQ(gameplay_->LevelFileName(), "data/share/main/levels pack_2/three.xml");
  EXPECT_EQ(locked(), std::vector<bool>(4, false));
  Hub().SetControls(nullptr);
}

TEST_F(HubPlayTest, ALevelThatCannotStartLeavesNoCurrentLevel) {
  const struct {
    const char* what;
    int32_t level;
    int32_t pack;
  } cases[] = {
      {"no such pack", 1, 9},
      {"no record of the level", 7, 1},
      {"a record without a file", 2, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(Hub().StartLevel(1, 1));
    test_support::LogCapture log;
    EXPECT_FALSE(Hub().StartLevel(c.level, c.pack));
    EXPECT_EQ(Hub().GetCurrentLevel(), nullptr);
    EXPECT_EQ(log.Lines().size(), 1u);
    if (c.pack == 9) {
      EXPECT_EQ(Hub().GetCurrentPack(), nullptr) << "none is current";
    }
  }

  // Without a player, or without the screen.
  Hub().SetCurrentPlayer(nullptr);
  EXPECT_FALSE(Hub().StartLevel(1, 1));
  Hub().SetCurrentPlayer(player_);
  Hub().SetGameplay(nullptr);
  EXPECT_FALSE(Hub().StartLevel(1, 1));
}

TEST_F(HubPlayTest, ALevelFileThatIsMissingLeavesTheScreenInactive) {
  test_support::WriteFile(Resource("data/share/main/levels"),
                          test_support::Build({{"pack_1/one.xml", "<level/>"}}));
  ASSERT_NO_FATAL_FAILURE(StartWithGameplay());
  EXPECT_FALSE(Hub().StartLevel(2, 1)) << "two.xml is not in the archive";
  EXPECT_FALSE(Hub().StartLevel(1, 1)) << "one.xml is no level";
  EXPECT_FALSE(gameplay_->IsActive());
  EXPECT_EQ(Hub().GetCurrentLevel(), nullptr);
}

TEST_F(HubPlayTest, InputReachesTheTutorialAndTheGameplayBeforeTheWindows) {
  JournalTutorial tutorial(&journal_);
  Hub().SetTutorial(&tutorial);
  auto* probe =
      static_cast<JournalWindow*>(Windows().AddWindow(test_support::MakeWindow<JournalWindow>(
          "<w _name=\"Probe\" _typeOpen=\"SH_MOMENTAL\"><GUI/></w>", &journal_)));
  Windows().OpenWindow(probe->GetName(), true);
  Frames(2);
  ASSERT_TRUE(Hub().StartLevel(1, 1));
  ASSERT_TRUE(tutorial.IsActive()) << "the level has steps";
  test_support::ScriptedInput input;
  journal_.clear();
  Hub().OnKeyDown(1);
  Hub().OnMouseMove();
  Hub().OnKeyUp(1);
  const Journal expected = {"tutorial down 1", "gameplay down 1", "window down 1",
                            "gameplay move",   "tutorial move",   "window move",
                            "gameplay up 1",   "tutorial up 1",   "window up 1"};
  Journal passes;
  for (const std::string& line : journal_) {
    if (line.find(':') == std::string::npos) passes.push_back(line);
  }
  EXPECT_EQ(passes, expected);

  // Nothing takes input while a purchase is pending.
  Hub().OnPurchaseStarted();
  journal_.clear();
  Hub().OnKeyDown(1);
  Hub().OnMouseMove();
  Hub().OnKeyUp(1);
  EXPECT_EQ(journal_, Journal{});
  Hub().SetTutorial(nullptr);
}

TEST_F(HubPlayTest, TheTutorialStartsForAPlayerWhoHasNotPassedIt) {
  JournalTutorial tutorial(&journal_);
  Hub().SetTutorial(&tutorial);
  ASSERT_TRUE(Hub().StartLevel(2, 1));
  EXPECT_FALSE(tutorial.IsActive()) << "level 2 has no steps";
  ASSERT_TRUE(Hub().StartLevel(1, 1));
  EXPECT_TRUE(tutorial.IsActive());
  Hub().ReleaseLevel();
  EXPECT_EQ(journal_.back(), "tutorial deactivate");

  player_->SetTutorialPassed(true);
  journal_.clear();
  ASSERT_TRUE(Hub().StartLevel(1, 1));
  EXPECT_EQ(journal_, Journal{}) << "not even asked";
  Hub().SetTutorial(nullptr);
}

TEST_F(HubPlayTest, AHeartIsSpentOnlyInEditionsWithHearts) {
  ASSERT_EQ(player_->GetHealth().GetCount(), 3);
  Hub().SpendHeart();
  EXPECT_EQ(player_->GetHealth().GetCount(), 2);
  EXPECT_TRUE(Saved());

  EditResource("data/share/main/other/editions.xml", [](pugi::xml_document& editions) {
    editions.document_element().child("edition").child("heart").attribute("param").set_value(
        "false");
  });
  rig_.Close();  // which saves
  std::filesystem::remove_all(SaveFolder());
  ASSERT_NO_FATAL_FAILURE(StartWithGameplay());
  Hub().SpendHeart();
  EXPECT_EQ(player_->GetHealth().GetCount(), 3);
  EXPECT_FALSE(Saved()) << "nothing changed, nothing saved";
}

TEST_F(HubPlayTest, NoPlayerBringsTheTemplatesVolumesAndNoTrophies) {
  player_->SetMusicVolume(80.0f);
  player_->SetSoundVolume(90.0f);
  player_->SetGameCursor(false);
  Hub().SetCurrentPlayer(player_);
  ORB::OC_SOUND_BANK& sounds = *GetSoundBank();
  EXPECT_FLOAT_EQ(sounds.Find("music")->volume, 0.8f);
  EXPECT_FLOAT_EQ(sounds.Find("sounds")->volume, 0.9f);
  EXPECT_TRUE(ORB::Engine().window->IsCursorShown()) << "the player chose the system's cursor";
  EXPECT_FALSE(Hub().Cursor().IsEnabled());
  ASSERT_TRUE(Hub().TestTrophy("tr_stars_1",
                               ORB_GF::TrophyValue(ORB_GF::trophy_values::kThreeStarLevels, 1u)));

  Hub().SetCurrentPlayer(nullptr);
  EXPECT_EQ(Hub().GetCurrentPlayer(), nullptr);
  EXPECT_EQ(GetPlayersList()->GetCurrent(), nullptr);
  EXPECT_FLOAT_EQ(sounds.Find("music")->volume, 0.3f);
  EXPECT_FLOAT_EQ(sounds.Find("sounds")->volume, 0.4f);
  EXPECT_FALSE(ORB::Engine().window->IsCursorShown());
  EXPECT_TRUE(Hub().Cursor().IsEnabled());
  for (const auto& trophy : Trophies().Records())
    EXPECT_FALSE(trophy->IsGot()) << trophy->GetName();
}

TEST_F(HubPlayTest, ASwitchedPlayerHasTheTrophiesTheirRecordsEarnedWithoutShowingThem) {
  auto* anna = Hub().CreatePlayer(L"Anna");
  ASSERT_NE(anna, nullptr);
  gStatistics& statistics = anna->GetStatistics();
  statistics.without_hint_max = 2;
  statistics.without_error_max = 1;
  statistics.hint_use = 3;
  statistics.AddScore(260);
  anna->FindLevel(1, 1)->SetStars(3);
  anna->FindLevel(1, 2)->SetStars(1);
  anna->SetItemCount("health", 7);
  Hub().SetCurrentPlayer(anna);
  std::vector<std::string> got;
  for (const auto& trophy : Trophies().Records()) {
    if (trophy->IsGot()) got.push_back(trophy->GetName());
  }
  const std::vector<std::string> expected = {"tr_pack_1",  "pc_tr_without_hint", "pc_tr_hint_use",
                                             "tr_stars_1", "tr_bronze_coin",     "tr_silver_coin",
                                             "m_tr_lifes"};
  EXPECT_EQ(got, expected);
  EXPECT_TRUE(Hub().TrophyQueue().empty());
  Frames(3);
  EXPECT_TRUE(trophy_get_->shown.empty());

  // Back to the first player: none of Anna's.
  Hub().SetCurrentPlayer(player_);
  for (const auto& trophy : Trophies().Records())
    EXPECT_FALSE(trophy->IsGot()) << trophy->GetName();
}

TEST_F(HubPlayTest, TwoTrophiesOfOneFrameShowTheLaterFirstAndPayTheirBonus) {
  const uint32_t score = player_->GetStatistics().score;
  Hub().AwardTrophy(std::string("tr_stars_1"));      // 20 coins
  Hub().AwardTrophy(std::string("tr_bronze_coin"));  // 20 coins
  Hub().AwardTrophy(nullptr);
  EXPECT_EQ(player_->GetStatistics().score, score + 40);
  Frames(1);
  ASSERT_EQ(trophy_get_->shown, (std::vector<std::string>{"tr_bronze_coin"}));
  EXPECT_TRUE(IsOpen("Trophy_Get"));
  Frames(3);
  EXPECT_EQ(trophy_get_->shown.size(), 1u) << "one at a time";
  Windows().CloseWindow("Trophy_Get", false);
  Frames(3);
  EXPECT_EQ(trophy_get_->shown, (std::vector<std::string>{"tr_bronze_coin", "tr_stars_1"}));
  EXPECT_TRUE(Hub().TrophyQueue().empty());
}

TEST_F(HubPlayTest, TheLastTrophyBringsTheTrophyOfAllTrophies) {
  for (const auto& trophy : Trophies().Records()) {
    const std::string& name = trophy->GetName();
    if (name != "tr_all_trophy" && name != "tr_stars_3" && name != "m_tr_lifes")
      trophy->SetGot(true);
  }
  EXPECT_FALSE(Hub().AllTrophiesGot());
  ASSERT_TRUE(Hub().TestTrophy("tr_stars_3",
                               ORB_GF::TrophyValue(ORB_GF::trophy_values::kThreeStarLevels, 3u)));
  Hub().AwardTrophy(std::string("tr_stars_3"));
  EXPECT_TRUE(Hub().AllTrophiesGot()) << "the desktop needs no mobile trophy";
  ASSERT_EQ(Hub().TrophyQueue().size(), 2u);
  EXPECT_EQ(Hub().TrophyQueue().back()->GetName(), "tr_all_trophy");
  Hub().AwardTrophy(std::string("tr_gold_coin"));
  EXPECT_EQ(Hub().TrophyQueue().size(), 3u) << "got once only";
}

// Writes down that it ran.
void Note(void* journal) { static_cast<Journal*>(journal)->push_back("stale callback"); }

TEST_F(HubPlayTest, TheAwardPausesARunningLevelAndLeavesNoResumeBehindWithoutOne) {
  ASSERT_TRUE(Hub().StartLevel(1, 1));
  Hub().AwardTrophy(std::string("tr_stars_1"));
  Frames(1);
  ASSERT_TRUE(IsOpen("Trophy_Get"));
  EXPECT_TRUE(gameplay_->IsPaused()) << "paused while the award shows";
  Windows().CloseWindow("Trophy_Get", true);
  Frames(3);
  EXPECT_FALSE(gameplay_->IsPaused()) << "resumed when it has closed";

  // No level now: whatever callbacks the window held are cleared, so closing
  // it (under the in-game menu, say) resumes nothing.
  Hub().StopLevel();
  trophy_get_->SetCallback(ORB_GF::kOpenBegin, &journal_, &Note);
  trophy_get_->SetCallback(ORB_GF::kClosed, &journal_, &Note);
  journal_.clear();
  Hub().AwardTrophy(std::string("tr_bronze_coin"));
  Frames(1);
  ASSERT_TRUE(IsOpen("Trophy_Get"));
  Windows().CloseWindow("Trophy_Get", true);
  Frames(3);
  EXPECT_EQ(std::count(journal_.begin(), journal_.end(), "stale callback"), 0);
}

}  // namespace
}  // namespace game
