// The whole game played through its entry on the system's window (SDL's
// offscreen driver, OpenGL), on the shipped data, with a temporary home and
// the manual clock, by a script that acts only through the system's events
// and reads the game only through its read-only view (player_script.h):
//
// - the playthrough: the splash skipped by a key, play, a first player named
//   by typed keys, the first pack, its first level (the tutorial skipped)
//   solved by drags from the board (one right-button drag crossing empty
//   cells), the finish with three stars (its frame written beside the test
//   program as playthrough_finish.png), next, the in-game menu through the
//   pause button, the options (both sliders moved, the help paged, OK), the
//   shop opened and closed, the level left, back to the title and out
//   through "Confirm_Exit"; then the files the run left behind;
// - a pack bought with coins on the pack list staying open after a win;
// - the loss road: wrong fills until the allowed errors run out, the restart
//   question answered yes and no, no heart left (the shop offered and opened
//   over the level list, the level list starting nothing) until the calendar
//   brings a heart back.
#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "driver_fixture.h"
#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/renderer.h"
#include "engine/platform/clock.h"
#include "engine/platform/gpu_device.h"
#include "frame_capture.h"
#include "game/instruments/driver_instruments.h"
#include "game/instruments/game_view.h"
#include "game/records/game_player.h"
#include "game/records/level_record.h"
#include "game/records/players_list.h"
#include "game/shell/startup/user_settings.h"
#include "player_script.h"
#include "support/argb.h"
#include "support/write_png.h"

namespace game {
namespace {

constexpr const wchar_t* kName = L"Ada";

using Frame = CapturedFrame;

// A run of closed cells of one kind along a row.
struct CellRun {
  int32_t row = 0;
  int32_t first = 0;
  int32_t last = 0;
};

// The closed runs of picture cells (or, with `picture` false, of empty
// cells) of the level in play, row by row.
std::vector<CellRun> ClosedRuns(bool picture) {
  std::vector<CellRun> runs;
  const std::optional<PlayView> play = Play();
  if (!play) return runs;
  for (int32_t row = 0; row < play->rows; ++row) {
    int32_t start = -1;
    for (int32_t col = 0; col <= play->columns; ++col) {
      const std::optional<CellView> cell = Cell(row, col);
      const bool in = cell && !cell->open && cell->picture == picture;
      if (in && start < 0) start = col;
      if (!in && start >= 0) {
        runs.push_back({row, start, col - 1});
        start = -1;
      }
    }
  }
  return runs;
}

bool LevelRunning() {
  const std::optional<PlayView> play = Play();
  return play && play->active && !play->paused && !play->ended && PlayerScript::Settled();
}

class PlaythroughTest : public GameDriverTest {
 protected:
  PlaythroughTest() : GameDriverTest(true, Data::kShipped) {}

  void TearDown() override {
    SetFrameScript({});
    GameDriverTest::TearDown();
  }

  // The script runs every frame; the run ends when the game does (or after
  // max_frames_, failing with where the script stuck).
  int32_t RunScript(PlayerScript& script) {
    SetFrameScript([&] {
      script.Frame();
      open_at_end_ = OpenWindowNames();
    });
    const int32_t result = Run();
    SetFrameScript({});
    EXPECT_TRUE(script.Finished())
        << "stuck at \"" << script.Label() << "\" after " << script.Done() << " steps, "
        << script.Waited() << " frames waiting; open: " << ::testing::PrintToString(open_at_end_);
    return result;
  }

  // From the splash to the first level of the first pack running, with a new
  // player named by typed keys and the tutorial skipped.
  void StartFirstLevel(PlayerScript& script) {
    script.Say("the splash");
    script.Key(SDLK_SPACE);
    script.Say("play on the title");
    script.ClickWidget("Title", 1);
    script.Say("the name entry");
    script.WaitWindow("Players_EditBox");
    script.ClickWidget("Players_EditBox", 2);
    script.Type("Ada");
    script.ClickWidget("Players_EditBox", 3);
    script.Then([this] {
      if (CurrentPlayer() == nullptr) return false;
      hearts_at_start_ = CurrentPlayer()->GetHealth().GetCount();
      return true;
    });
    script.Say("the first pack");
    script.WaitWindow("Packs");
    script.ClickPageItem("Packs", 0);
    script.Say("the first level");
    script.WaitWindow("Levels");
    script.ClickPageItem("Levels", 0);
    script.Say("the tutorial's skip button");
    script.ClickControl(PlayControl::kTutorialSkip);
    script.WaitWindow("Confirm_Skip_Tutorial");
    script.ClickWidget("Confirm_Skip_Tutorial", 3);
    script.Then(LevelRunning);
  }

  // The level in play solved from its own board: first a right-button drag
  // crossing a run of empty cells (crossed_), then every run of picture
  // cells filled by a drag.
  void SolveLevel(PlayerScript& script) {
    script.Say("solving the level");
    script.Plan([this, &script] {
      for (const CellRun& run : ClosedRuns(false)) {
        if (run.last > run.first) {
          script.DragRow(run.row, run.first, run.last, PlayerScript::kRight);
          script.Wait(2);
          crossed_ = true;
          break;
        }
      }
      for (const CellRun& run : ClosedRuns(true)) {
        script.DragRow(run.row, run.first, run.last, PlayerScript::kLeft);
        script.Wait(2);
      }
    });
  }
  // Every trophy a win brought ("Trophy_Get" over the finish, one at a
  // time), taken.
  void TakeTrophies(PlayerScript& script) {
    script.Plan([this, &script] {
      if (!IsWindowOpen("Trophy_Get")) return;
      ++trophies_;
      script.ClickWidget("Trophy_Get", 1);
      // Closed, and the next one queued (when there is one) shown.
      script.Wait(30);
      script.WaitSettled();
      TakeTrophies(script);
    });
  }

  // The players file as the game's next start reads it: with the version
  // the user's "game.xml" holds (0 when it has none), on the run's calendar
  // (reading brings the hearts up to date).
  PlayersFileStatus ReadSavedPlayers(PlayersList& players, int32_t& version) {
    pugi::xml_document settings;
    EXPECT_TRUE(settings.load_file((SaveFolder() + kUserSettingsFile).c_str()));
    version = settings.document_element().child("version").attribute("value").as_int();
    PlayersFileOptions options;
    options.saved_version = version;
    ORB::platform::SetClock(&clock_);
    const PlayersFileStatus status = players.Load(SaveFolder(), options);
    ORB::platform::SetClock(nullptr);
    return status;
  }

  std::vector<std::string> open_at_end_;
  int32_t hearts_at_start_ = -1;
  bool crossed_ = false;
  int32_t trophies_ = 0;
};

TEST_F(PlaythroughTest, APlayerPlaysTheFirstLevelAndLeavesTheGameAsItWasLeft) {
  max_frames_ = 12000;
  PlayerScript script;
  StartFirstLevel(script);

  SolveLevel(script);
  std::optional<PlayView> solved;
  script.Then([&] {
    solved = game::Play();
    return IsWindowOpen("GP_Finish") && PlayerScript::Settled();
  });
  // The stars have popped in; the trophy the level won is taken.
  script.Wait(150);
  script.Say("the trophy won");
  TakeTrophies(script);
  Frame finish;
  std::optional<PixelRect> panel;
  script.Do([&] {
    panel = WidgetRect("GP_Finish", 20);
    finish = ReadFrame("playthrough_finish.png");
  });

  script.Say("next");
  script.ClickWidget("GP_Finish", 1);
  std::optional<PlayView> second;
  script.Then([&] {
    if (!LevelRunning() || IsWindowOpen("GP_Finish")) return false;
    second = game::Play();
    return true;
  });

  script.Say("the in-game menu");
  script.ClickControl(PlayControl::kPause);
  script.WaitWindow("GP_Menu");
  script.Say("the options");
  script.ClickWidget("GP_Menu", 4);
  script.WaitWindow("Options");
  // The sound slider's runner (the middle at 50) dragged to the right, the
  // music's to the left.
  for (const auto& [id, shift] : {std::pair{9, 70}, std::pair{10, -70}}) {
    script.Plan([&script, id = id, shift = shift] {
      const std::optional<PixelRect> slider = WidgetRect("Options", id);
      ASSERT_TRUE(slider.has_value()) << id;
      const PixelPoint from = slider->Centre();
      std::vector<PixelPoint> path;
      for (int32_t i = 0; i <= 7; ++i) path.push_back({from.x + shift * i / 7, from.y});
      script.Drag(path, PlayerScript::kLeft);
      script.Wait(2);
    });
  }
  script.Say("the help");
  script.ClickWidget("Options", 5);
  script.WaitWindow("Help");
  script.Say("help: next page");
  script.ClickWidget("Help", 4);
  script.Wait(30);
  script.Say("help: next page again");
  script.ClickWidget("Help", 4);
  script.Wait(30);
  script.Say("help: the page before");
  script.ClickWidget("Help", 3);
  script.Wait(30);
  script.Say("help: close");
  script.ClickWidget("Help", 2);
  script.Then([] { return !IsWindowOpen("Help") && PlayerScript::Settled(); });
  float sound = -1.0f;
  float music = -1.0f;
  script.Do([&] {
    sound = CurrentPlayer()->GetSoundVolume();
    music = CurrentPlayer()->GetMusicVolume();
  });
  script.Say("options OK");
  script.ClickWidget("Options", 3);
  script.Then([] { return !IsWindowOpen("Options") && PlayerScript::Settled(); });

  script.Say("the shop");
  script.ClickWidget("GP_Menu", 5);
  script.WaitWindow("Shop");
  script.ClickWidget("Shop", 1);
  script.Then([] { return !IsWindowOpen("Shop") && PlayerScript::Settled(); });

  script.Say("leaving the level");
  script.ClickWidget("GP_Menu", 3);
  script.WaitWindow("Confirm_Close_Lvl");
  script.ClickWidget("Confirm_Close_Lvl", 3);
  script.WaitWindow("Levels");
  script.Say("back to the packs");
  script.ClickWidget("Packs_Menu", 5);
  script.WaitWindow("Packs");
  script.Say("back to the title");
  script.ClickWidget("Packs_Menu", 5);
  script.WaitWindow("Title");
  script.Say("exit");
  script.ClickWidget("Title", 3);
  script.WaitWindow("Confirm_Exit");
  script.ClickWidget("Confirm_Exit", 3);

  const int32_t result = RunScript(script);
  ASSERT_EQ(result, ORB::kExitNormal) << ::testing::PrintToString(log_.Lines());
  EXPECT_TRUE(log_.Errors().empty()) << ::testing::PrintToString(log_.Errors());
  EXPECT_TRUE(crossed_) << "the board had no run of two empty cells to cross";
  EXPECT_EQ(trophies_, 1) << "the first three stars win a trophy";
  std::printf("playthrough: %d frames, %u ms of the manual clock\n", frames_, NowMs());

  // The level was solved without an error.
  ASSERT_TRUE(solved.has_value());
  EXPECT_EQ(solved->pack_id, 1);
  EXPECT_EQ(solved->level_id, 1);
  EXPECT_EQ(solved->errors, 0);
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(second->level_id, 2);
  // Three won stars side by side on the finish, each star's middle in the
  // star's gold, not the empty slot's grey.
  ASSERT_FALSE(finish.pixels.empty());
  ASSERT_TRUE(panel.has_value());
  const PixelPoint middle = panel->Centre();
  EXPECT_EQ(middle, GameToWindow(852.0f, 406.0f)) << "the finish's frame is centred on its place";
  for (int32_t star = 0; star < 3; ++star) {
    const uint32_t pixel = finish.At(middle.x - 76 + 76 * star, middle.y - 60);
    const int red = test_support::Channel(pixel, 16);
    const int blue = test_support::Channel(pixel, 0);
    EXPECT_GT(red, 0xC0) << "star " << star << " " << std::hex << pixel;
    EXPECT_GT(red - blue, 0x60) << "star " << star << " " << std::hex << pixel;
  }

  // What the game's next start reads.
  PlayersList players;
  int32_t version = 0;
  ASSERT_EQ(ReadSavedPlayers(players, version), PlayersFileStatus::Loaded);
  EXPECT_EQ(version, 65792);
  const GG_PLAYER* ada = players.FindByName(kName);
  ASSERT_NE(ada, nullptr);
  const gLevelRecord* first = ada->FindLevel(1, 1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetStars(), 3);
  EXPECT_GT(first->GetBestTime(), 0.0f);
  const gLevelRecord* next = ada->FindLevel(1, 2);
  ASSERT_NE(next, nullptr);
  EXPECT_TRUE(next->IsUnlocked());
  ASSERT_GT(hearts_at_start_, 0);
  EXPECT_EQ(ada->GetHealth().GetCount(), hearts_at_start_ - 1);
  EXPECT_GT(sound, 50.0f);
  EXPECT_LT(music, 50.0f);
  EXPECT_FLOAT_EQ(ada->GetSoundVolume(), sound);
  EXPECT_FLOAT_EQ(ada->GetMusicVolume(), music);
}

// A player saved with 500 coins buys the second pack (400) on the pack
// list, wins the first level of the first pack, and the second pack still
// opens from the pack list.
TEST_F(PlaythroughTest, APackBoughtWithCoinsStaysOpenAfterAWin) {
  max_frames_ = 8000;
  {
    pugi::xml_document shipped;
    ASSERT_TRUE(shipped.load_file(Resource("data/share/main/other/player.xml").c_str()));
    auto saved = std::make_unique<GG_PLAYER>();
    ASSERT_TRUE(saved->Load(shipped.child("player")));
    saved->SetName(kName);
    saved->SetTutorialPassed(true);
    saved->GetStatistics().score = 500;
    PlayersList players;
    players.Add(std::move(saved));
    std::filesystem::create_directories(SaveFolder());
    ASSERT_TRUE(players.Save(SaveFolder(), false));
  }
  PlayerScript script;
  script.Key(SDLK_SPACE);
  script.ClickWidget("Title", 1);
  script.Say("buying the second pack");
  script.WaitWindow("Packs");
  script.ClickPageItem("Packs", 1);
  script.WaitWindow("Confirm_Buy_Pack");
  script.ClickWidget("Confirm_Buy_Pack", 3);
  script.Say("the first pack's first level");
  script.ClickPageItem("Packs", 0);
  script.WaitWindow("Levels");
  script.ClickPageItem("Levels", 0);
  script.Then(LevelRunning);
  SolveLevel(script);
  script.WaitWindow("GP_Finish");
  script.Wait(150);
  TakeTrophies(script);
  script.Say("back to the pack list");
  script.ClickWidget("GP_Finish", 3);
  script.WaitWindow("Levels");
  script.ClickWidget("Packs_Menu", 5);
  script.WaitWindow("Packs");
  script.Say("the bought pack opens its levels, asking nothing");
  script.ClickPageItem("Packs", 1);
  script.WaitWindow("Levels");
  script.CloseWindow();

  ASSERT_EQ(RunScript(script), ORB::kExitNormal) << ::testing::PrintToString(log_.Lines());
  EXPECT_TRUE(log_.Errors().empty()) << ::testing::PrintToString(log_.Errors());
  EXPECT_EQ(trophies_, 2) << "three stars, and 100 coins";
}

// --- The loss road.

class LossRoadTest : public PlaythroughTest {
 protected:
  static int32_t Hearts() {
    return CurrentPlayer() != nullptr ? CurrentPlayer()->GetHealth().GetCount() : -1;
  }

  // Wrong fills, one empty cell at a time, until the level is lost and the
  // question `dialog` stands; the level as it was lost and the hearts then
  // are noted.
  void LoseLevel(PlayerScript& script, const std::string& dialog) {
    script.Say("losing the level for " + dialog);
    script.Then([this, dialog, phase = 0, at = PixelPoint{}]() mutable {
      if (IsWindowOpen(dialog) && PlayerScript::Settled()) {
        losses_.push_back({lost_, Hearts()});
        return true;
      }
      if (phase == 1) {
        ORB::platform::InjectMouseButton(PlayerScript::kLeft, true, at.x, at.y);
        phase = 2;
        return false;
      }
      if (phase == 2) {
        ORB::platform::InjectMouseButton(PlayerScript::kLeft, false, at.x, at.y);
        phase = 0;
        return false;
      }
      const std::optional<PlayView> play = game::Play();
      if (play && play->active) lost_ = *play;
      if (!LevelRunning()) return false;
      const std::vector<CellRun> empty = ClosedRuns(false);
      if (empty.empty()) return false;
      const std::optional<PixelPoint> cell = CellCentre(empty[0].row, empty[0].first);
      if (!cell) return false;
      at = *cell;
      ORB::platform::InjectMouseMove(at.x, at.y);
      phase = 1;
      return false;
    });
  }
  // The level in play again from the start.
  void WaitFreshLevel(PlayerScript& script) {
    script.Then([this] {
      const std::optional<PlayView> play = game::Play();
      if (!LevelRunning() || play->errors != 0 || play->progress != 0.0) return false;
      ++starts_;
      return true;
    });
  }

  struct Loss {
    PlayView level;
    int32_t hearts = 0;
  };
  PlayView lost_;
  std::vector<Loss> losses_;
  int32_t starts_ = 0;
};

TEST_F(LossRoadTest, LosingSpendsHeartsUntilTheListStartsNothingAndTheCalendarBringsOneBack) {
  max_frames_ = 20000;
  PlayerScript script;
  StartFirstLevel(script);
  // Lost: the restart question (no store here sells a second chance); yes
  // plays the level again.
  LoseLevel(script, "Confirm_Restart_Finish");
  script.ClickWidget("Confirm_Restart_Finish", 3);
  WaitFreshLevel(script);
  // Lost again: no goes back to the level list.
  LoseLevel(script, "Confirm_Restart_Finish");
  script.ClickWidget("Confirm_Restart_Finish", 4);
  script.WaitWindow("Levels");
  bool stopped_after_no = false;
  script.Do([&] { stopped_after_no = !game::Play()->active; });
  script.Say("the first level from the list");
  script.ClickPageItem("Levels", 0);
  WaitFreshLevel(script);
  // Every heart but the last spent on a yes; the last loss leaves none.
  script.Plan([&] {
    for (int32_t i = 1; i < Hearts(); ++i) {
      LoseLevel(script, "Confirm_Restart_Finish");
      script.ClickWidget("Confirm_Restart_Finish", 3);
      WaitFreshLevel(script);
    }
    LoseLevel(script, "Confirm_NoHealth");
  });
  // Without a heart the game offers the shop: yes leaves the level for the
  // shop over the level list, with the heart refill on its page; closing it
  // lands on the list.
  script.Say("no heart left: the shop");
  // The shop's offers in their order (tools/sources/shop.txt): the heart
  // refill is the second.
  constexpr int32_t kRefillHeartsItem = 1;
  script.ClickWidget("Confirm_NoHealth", 3);
  std::vector<std::string> after_no_health;
  bool refill_shown = false;
  bool left_level = false;
  script.Then([&] {
    if (!IsWindowOpen("Shop") || !PlayerScript::Settled()) return false;
    after_no_health = OpenWindowNames();
    refill_shown = PageItemRect("Shop", kRefillHeartsItem).has_value();
    left_level = !game::Play()->active;
    return true;
  });
  script.ClickWidget("Shop", 1);
  std::vector<std::string> after_shop;
  script.Then([&] {
    if (IsWindowOpen("Shop") || !PlayerScript::Settled()) return false;
    after_shop = OpenWindowNames();
    return true;
  });
  // The list offers the shop instead of the level, and starts nothing.
  script.Say("the level list without a heart");
  script.WaitWindow("Levels");
  script.ClickPageItem("Levels", 0);
  script.WaitWindow("Confirm_NoHealth");
  script.ClickWidget("Confirm_NoHealth", 4);
  script.Then([] { return !IsWindowOpen("Confirm_NoHealth") && PlayerScript::Settled(); });
  script.Wait(60);
  bool started_without_heart = true;
  script.Do(
      [&] { started_without_heart = game::Play()->active || IsWindowOpen("Fade_Transition"); });
  // A refill's time later a heart is back and the level starts.
  script.Say("a heart back");
  int32_t refill = 0;
  script.Do([&] {
    refill = static_cast<int32_t>(CurrentPlayer()->GetHealth().GetRefillTime());
    clock_.SetCalendarSeconds(clock_.CalendarSeconds() + refill + 1);
  });
  // The player was away meanwhile: the window loses the focus and gets it
  // back, and the game catches the hearts up with the calendar.
  script.Focus(false);
  script.Wait(5);
  script.Focus(true);
  script.Then([] { return Hearts() >= 1; });
  script.ClickPageItem("Levels", 0);
  WaitFreshLevel(script);
  int32_t hearts_at_close = -1;
  script.Do([&] { hearts_at_close = Hearts(); });
  script.CloseWindow();

  const int32_t result = RunScript(script);
  ASSERT_EQ(result, ORB::kExitNormal) << ::testing::PrintToString(log_.Lines());
  EXPECT_TRUE(log_.Errors().empty()) << ::testing::PrintToString(log_.Errors());
  std::printf("loss road: %d frames, %zu losses, refill %d s, after no heart: %s\n", frames_,
              losses_.size(), refill, ::testing::PrintToString(after_no_health).c_str());

  ASSERT_GT(hearts_at_start_, 1);
  ASSERT_EQ(static_cast<int32_t>(losses_.size()), hearts_at_start_);
  for (size_t i = 0; i < losses_.size(); ++i) {
    const Loss& loss = losses_[i];
    EXPECT_EQ(loss.level.level_id, 1) << i;
    EXPECT_GT(loss.level.allowed_errors, 0) << i;
    EXPECT_EQ(loss.level.errors, loss.level.allowed_errors) << "loss " << i;
    EXPECT_EQ(loss.hearts, hearts_at_start_ - 1 - static_cast<int32_t>(i)) << "loss " << i;
  }
  EXPECT_TRUE(stopped_after_no);
  const auto contains = [](const std::vector<std::string>& names, const char* name) {
    return std::find(names.begin(), names.end(), name) != names.end();
  };
  ASSERT_FALSE(after_no_health.empty());
  EXPECT_EQ(after_no_health.front(), "Shop");
  EXPECT_TRUE(contains(after_no_health, "Levels"));
  EXPECT_FALSE(contains(after_no_health, "Confirm_NoHealth"));
  EXPECT_TRUE(refill_shown);
  EXPECT_TRUE(left_level);
  EXPECT_TRUE(contains(after_shop, "Levels"));
  // Yes twice and more restarted, the list started it once and again once
  // the heart was back.
  EXPECT_EQ(starts_, hearts_at_start_);
  EXPECT_FALSE(started_without_heart);
  EXPECT_GE(hearts_at_close, 1);

  // The exit's save holds the hearts as they were at the close.
  PlayersList players;
  int32_t version = 0;
  ASSERT_EQ(ReadSavedPlayers(players, version), PlayersFileStatus::Loaded);
  const GG_PLAYER* ada = players.FindByName(kName);
  ASSERT_NE(ada, nullptr);
  EXPECT_EQ(ada->GetHealth().GetCount(), hearts_at_close);
  const gLevelRecord* first = ada->FindLevel(1, 1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetStars(), 0);
}

}  // namespace
}  // namespace game
