// The soak: the whole game on its shipped data, played by seeded random
// input for a while: clicks on the open windows' widgets, on the board and
// anywhere, left and right drags, keys and typed letters, the focus going
// and coming back, the calendar moving on (hearts refill). Input reaches the
// game only as the system's events (the SDL event injector); the game draws
// on the recording device, so the sanitizers' leak check stays on for the
// whole process. When the game ends (its exit confirmed), it is started
// again on the same home until the time is up.
//
// It fails on a crash or a sanitizer report, on a frame that takes more
// than 5 s (the watchdog ends the process), on an exit status other than 0,
// on an error line from the game, and when a players file the game wrote
// cannot be read back by a fresh PlayersList as it was loaded (read in full,
// the same players, and read and written again to the same bytes).
//
//   game_soak [--seconds N] [--seed S] [--frames N] [gtest flags]
//
// The seed is printed first; the same seed plays the same events frame by
// frame (the game runs on the manual clock), so a failure is reproduced by
// running again with it (and --frames at least the failing frame).
// scripts/soak.sh runs it for longer.
#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cinttypes>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/window.h"
#include "engine/platform/sdl_event_injector.h"
#include "game/instruments/driver_instruments.h"
#include "game/instruments/game_view.h"
#include "game/records/players_list.h"
#include "game/shell/driver_fixture.h"
#include "game/shell/startup/edition_settings.h"
#include "game/shell/startup/game_singletons.h"
#include "game/shell/startup/user_settings.h"
#include "support/read_file.h"
#include "support/temp_folder.h"
#include "support/write_png.h"

namespace {

struct SoakOptions {
  uint32_t seed = 0;
  double seconds = 20.0;
  int64_t frames = 0;  // 0: no limit but the time
};
SoakOptions g_options;

using Clock = std::chrono::steady_clock;

// Ends the process when no frame has finished for longer than the limit
// (from the first frame on: loading before it is not timed).
class Watchdog {
 public:
  static constexpr std::chrono::seconds kLimit{5};

  explicit Watchdog(uint32_t seed) : seed_(seed), thread_([this] { Watch(); }) {}
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  // A frame ended (the count over the whole soak).
  void Beat(int64_t frame) {
    std::lock_guard<std::mutex> lock(mutex_);
    frame_ = frame;
    last_ = Clock::now();
    armed_ = true;
  }
  // Between two runs of the game (its exit and the next start-up).
  void Disarm() {
    std::lock_guard<std::mutex> lock(mutex_);
    armed_ = false;
  }

 private:
  void Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
      wake_.wait_for(lock, std::chrono::milliseconds(100));
      if (stop_ || !armed_ || Clock::now() - last_ <= kLimit) continue;
      std::fprintf(stderr,
                   "soak: watchdog: the frame after frame %" PRId64
                   " has taken more than %lld s (seed %u)\n",
                   frame_, static_cast<long long>(kLimit.count()), seed_);
      std::fflush(nullptr);
      std::abort();
    }
  }

  const uint32_t seed_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  bool armed_ = false;
  int64_t frame_ = 0;
  Clock::time_point last_;
  std::thread thread_;
};

// SDL's numbering of the mouse buttons.
constexpr int32_t kLeft = 1;
constexpr int32_t kMiddle = 2;
constexpr int32_t kRight = 3;
constexpr int32_t kWidth = 1024;
constexpr int32_t kHeight = 768;

class SoakTest : public game::GameDriverTest {
 protected:
  SoakTest() : GameDriverTest(true, Data::kShipped), random_(g_options.seed) {
    UseRecordingDevice();
  }

  using Step = std::function<void()>;

  // One frame of the random player: the next step of the action under way,
  // or a new action.
  void Act() {
    if (pending_.empty()) Choose();
    if (pending_.empty()) return;
    const Step step = std::move(pending_.front());
    pending_.pop_front();
    step();
  }

  int32_t Uniform(int32_t low, int32_t high) {  // both included
    return std::uniform_int_distribution<int32_t>(low, high)(random_);
  }
  bool Chance(int32_t percent) { return Uniform(1, 100) <= percent; }

  game::PixelPoint AnyPoint() { return {Uniform(0, kWidth - 1), Uniform(0, kHeight - 1)}; }

  // A point on a widget of an open window (the front one more often), or
  // anywhere when none has widgets.
  game::PixelPoint WidgetPoint() {
    const std::vector<std::string> open = game::OpenWindowNames();
    if (open.empty()) return AnyPoint();
    const size_t index =
        Chance(60) ? 0 : static_cast<size_t>(Uniform(0, static_cast<int32_t>(open.size()) - 1));
    const std::vector<int32_t> ids = game::WidgetIds(open[index]);
    if (ids.empty()) return AnyPoint();
    const int32_t id = ids[static_cast<size_t>(Uniform(0, static_cast<int32_t>(ids.size()) - 1))];
    const std::optional<game::PixelRect> rect = game::WidgetRect(open[index], id);
    if (!rect) return AnyPoint();
    return {rect->x + Uniform(0, rect->width - 1), rect->y + Uniform(0, rect->height - 1)};
  }

  // A cell's centre of the level in play, or a widget's point.
  game::PixelPoint CellPoint(int32_t* row = nullptr, int32_t* col = nullptr) {
    const std::optional<game::PlayView> play = game::Play();
    if (!play || !play->active || play->rows <= 0 || play->columns <= 0) return WidgetPoint();
    const int32_t r = Uniform(0, play->rows - 1);
    const int32_t c = Uniform(0, play->columns - 1);
    if (row != nullptr) *row = r;
    if (col != nullptr) *col = c;
    return game::CellCentre(r, c).value_or(AnyPoint());
  }

  void Click(game::PixelPoint at, int32_t button) {
    pending_.push_back([at] { ORB::platform::InjectMouseMove(at.x, at.y); });
    pending_.push_back(
        [at, button] { ORB::platform::InjectMouseButton(button, true, at.x, at.y); });
    pending_.push_back(
        [at, button] { ORB::platform::InjectMouseButton(button, false, at.x, at.y); });
  }

  void Drag(game::PixelPoint from, game::PixelPoint to, int32_t button) {
    pending_.push_back([from] { ORB::platform::InjectMouseMove(from.x, from.y); });
    pending_.push_back(
        [from, button] { ORB::platform::InjectMouseButton(button, true, from.x, from.y); });
    const int32_t steps = Uniform(1, 8);
    for (int32_t i = 1; i <= steps; ++i) {
      const game::PixelPoint at{from.x + (to.x - from.x) * i / steps,
                                from.y + (to.y - from.y) * i / steps};
      pending_.push_back([at] { ORB::platform::InjectMouseMove(at.x, at.y); });
    }
    pending_.push_back(
        [to, button] { ORB::platform::InjectMouseButton(button, false, to.x, to.y); });
  }

  void Key() {
    static constexpr int32_t kKeys[] = {SDLK_ESCAPE, SDLK_RETURN, SDLK_SPACE, SDLK_BACKSPACE,
                                        SDLK_TAB,    SDLK_LEFT,   SDLK_RIGHT, SDLK_UP,
                                        SDLK_DOWN,   SDLK_DELETE, SDLK_HOME,  SDLK_END,
                                        SDLK_F1,     SDLK_p,      SDLK_m};
    if (Chance(50)) {
      // A typed letter or digit, with its text.
      const char typed = Chance(80) ? static_cast<char>('a' + Uniform(0, 25))
                                    : static_cast<char>('0' + Uniform(0, 9));
      pending_.push_back([typed] {
        ORB::platform::InjectKey(typed, true);
        ORB::platform::InjectText(std::string(1, typed));
      });
      pending_.push_back([typed] { ORB::platform::InjectKey(typed, false); });
      return;
    }
    const int32_t key = kKeys[Uniform(0, static_cast<int32_t>(std::size(kKeys)) - 1)];
    pending_.push_back([key] { ORB::platform::InjectKey(key, true); });
    pending_.push_back([key] { ORB::platform::InjectKey(key, false); });
  }

  void FocusAwayAndBack() {
    pending_.push_back([] {
      ORB::platform::InjectWindowEvent(ORB::Engine().window->GetHandle(),
                                       ORB::platform::InjectedWindowEvent::FocusLost);
    });
    Wait(Uniform(1, 30));
    pending_.push_back([] {
      ORB::platform::InjectWindowEvent(ORB::Engine().window->GetHandle(),
                                       ORB::platform::InjectedWindowEvent::FocusGained);
    });
  }

  void Wait(int32_t frames) {
    for (int32_t i = 0; i < frames; ++i) pending_.push_back([] {});
  }

  void Choose() {
    // The exit's question answered "no" most of the time: the game then
    // goes on to its deeper screens more often than it restarts.
    if (const std::optional<game::PixelRect> no = game::WidgetRect("Confirm_Exit", 4);
        no && !game::IsAnyWindowMoving() && Chance(80)) {
      Click(no->Centre(), kLeft);
      return;
    }
    if (!game::IsAnyWindowMoving() && Chance(35) && TowardsALevel()) return;
    const int32_t roll = Uniform(1, 100);
    if (roll <= 30) {
      Click(WidgetPoint(), Chance(85) ? kLeft : kRight);
    } else if (roll <= 45) {
      Click(CellPoint(), Chance(70) ? kLeft : kRight);
    } else if (roll <= 57) {
      // A run of cells along a row or a column, filled or crossed.
      int32_t row = 0;
      int32_t col = 0;
      const game::PixelPoint from = CellPoint(&row, &col);
      const std::optional<game::PlayView> play = game::Play();
      game::PixelPoint to = from;
      if (play && play->active) {
        const bool along_row = Chance(50);
        const int32_t end = Uniform(0, (along_row ? play->columns : play->rows) - 1);
        to = game::CellCentre(along_row ? row : end, along_row ? end : col).value_or(from);
      }
      Drag(from, to, Chance(60) ? kLeft : kRight);
    } else if (roll <= 64) {
      Drag(AnyPoint(), AnyPoint(), Chance(50) ? kLeft : kRight);
    } else if (roll <= 72) {
      Click(AnyPoint(), Uniform(0, 9) == 0 ? kMiddle : (Chance(70) ? kLeft : kRight));
    } else if (roll <= 84) {
      Key();
    } else if (roll <= 86) {
      FocusAwayAndBack();
    } else if (roll <= 87) {
      // Up to two hours later: hearts come back.
      clock_.SetCalendarSeconds(clock_.CalendarSeconds() + Uniform(60, 7200));
    } else {
      Wait(Uniform(1, 40));
    }
  }

  // A step along the road to a level, when one of its screens is in front:
  // play on the title, a name for a new player, a pack, a level, the
  // tutorial's skip. Without it random clicks seldom get past the lists.
  bool TowardsALevel() {
    const std::vector<std::string> open = game::OpenWindowNames();
    if (open.empty()) return false;
    const std::string& front = open.front();
    if (front == "Players_EditBox") {
      for (int32_t i = Uniform(1, 6); i > 0; --i) {
        const char letter = static_cast<char>('a' + Uniform(0, 25));
        pending_.push_back([letter] {
          ORB::platform::InjectKey(letter, true);
          ORB::platform::InjectText(std::string(1, letter));
        });
        pending_.push_back([letter] { ORB::platform::InjectKey(letter, false); });
      }
      return ClickWidget(front, 3);
    }
    if (front == "Title" || front == "Title_Top") return ClickWidget("Title", 1);
    if (front == "Confirm_Skip_Tutorial") return ClickWidget(front, 3);
    for (const char* list : {"Levels", "Packs"}) {
      if (!game::IsWindowOpen(list)) continue;
      const std::optional<game::PixelRect> item = game::PageItemRect(list, Uniform(0, 7));
      if (!item) return false;
      Click(item->Centre(), kLeft);
      return true;
    }
    if (const std::optional<game::PixelRect> skip =
            game::PlayControlRect(game::PlayControl::kTutorialSkip)) {
      Click(skip->Centre(), kLeft);
      return true;
    }
    return false;
  }
  bool ClickWidget(const std::string& window, int32_t id) {
    const std::optional<game::PixelRect> rect = game::WidgetRect(window, id);
    if (!rect) return false;
    Click(rect->Centre(), kLeft);
    return true;
  }

  // After every save, the file as a fresh list reads it: in full, with the
  // game's players and current player, and what it reads is what it writes
  // (written again and read again, the same bytes). Reading catches the
  // hearts up with the calendar, so the first rewrite may differ from the
  // file there.
  void CheckSave() {
    const std::string path = SaveFolder() + game::PlayersList::kFileName;
    if (!std::filesystem::exists(path)) return;
    const std::vector<unsigned char> bytes = test_support::ReadFile(path);
    if (bytes == saved_) return;
    saved_ = bytes;
    ++saves_;
    const std::string where = "save " + std::to_string(saves_) + " at frame " +
                              std::to_string(total_frames_) + " (seed " +
                              std::to_string(g_options.seed) + ")";
    // What the game's next start would read it with: the version the
    // user's "game.xml" holds now (the hub writes it with every save).
    game::PlayersFileOptions options;
    pugi::xml_document settings;
    if (settings.load_file((SaveFolder() + game::kUserSettingsFile).c_str())) {
      const pugi::xml_attribute version =
          settings.document_element().child("version").attribute("value");
      if (version) options.saved_version = version.as_int();
    }
    if (game::IsGameRunning()) in_app_ = game::HasInAppConfig();
    options.in_app = in_app_;

    test_support::TempFolder copy;
    copy.Write(game::PlayersList::kFileName, std::string(bytes.begin(), bytes.end()));
    game::PlayersList fresh;
    ASSERT_EQ(fresh.Load(copy.PathWithSlash(), options), game::PlayersFileStatus::Loaded) << where;
    const game::PlayersList* players = game::IsGameRunning() ? game::GetPlayersList() : nullptr;
    if (players != nullptr) {
      EXPECT_EQ(fresh.GetNames(), players->GetNames()) << where;
      const game::GG_PLAYER* current = players->GetCurrent();
      EXPECT_EQ(fresh.GetCurrent() != nullptr ? fresh.GetCurrent()->GetName() : L"",
                current != nullptr ? current->GetName() : L"")
          << where;
    }
    test_support::TempFolder first;
    ASSERT_TRUE(fresh.Save(first.PathWithSlash(), options.in_app)) << where;
    game::PlayersList again;
    options.saved_version.reset();
    ASSERT_EQ(again.Load(first.PathWithSlash(), options), game::PlayersFileStatus::Loaded) << where;
    test_support::TempFolder second;
    ASSERT_TRUE(again.Save(second.PathWithSlash(), options.in_app)) << where;
    const std::vector<unsigned char> written_first =
        test_support::ReadFile(first.File(game::PlayersList::kFileName));
    const std::vector<unsigned char> written_again =
        test_support::ReadFile(second.File(game::PlayersList::kFileName));
    if (written_again != written_first) {
      test_support::WriteText(test_support::BesideTestProgram("soak_saved.bin"),
                              std::string(bytes.begin(), bytes.end()));
      ADD_FAILURE() << where << ": what was read is not what is written again (the file is "
                    << "kept beside the program as soak_saved.bin)";
    }
  }

  bool TimeIsUp() const {
    if (g_options.frames > 0) return total_frames_ >= g_options.frames;
    return std::chrono::duration<double>(Clock::now() - start_).count() >= g_options.seconds;
  }

  std::mt19937 random_;
  std::deque<Step> pending_;
  std::vector<unsigned char> saved_;
  int64_t saves_ = 0;
  int64_t levels_ = 0;
  bool was_playing_ = false;
  bool in_app_ = false;
  int64_t total_frames_ = 0;
  Clock::time_point start_ = Clock::now();
};

TEST_F(SoakTest, TheGameSurvivesRandomPlay) {
  std::printf("soak: seed %u, %s\n", g_options.seed,
              g_options.frames > 0 ? (std::to_string(g_options.frames) + " frames").c_str()
                                   : (std::to_string(g_options.seconds) + " s").c_str());
  std::fflush(stdout);
  Watchdog watchdog(g_options.seed);
  max_frames_ = INT32_MAX;
  int32_t runs = 0;
  while (!TimeIsUp() && !HasFatalFailure()) {
    ++runs;
    bool closing = false;
    const int32_t result = Run([&](int32_t) {
      ++total_frames_;
      watchdog.Beat(total_frames_);
      const std::optional<game::PlayView> play = game::Play();
      const bool playing = play && play->active;
      if (playing && !was_playing_) ++levels_;
      was_playing_ = playing;
      CheckSave();
      if (HasFatalFailure() || TimeIsUp()) {
        if (!closing) Close();
        closing = true;
        return;
      }
      Act();
    });
    watchdog.Disarm();
    pending_.clear();
    // The exit's save.
    CheckSave();
    ASSERT_EQ(result, ORB::kExitNormal) << "run " << runs << " (seed " << g_options.seed
                                        << "): " << ::testing::PrintToString(log_.Lines());
    const std::vector<std::string> errors = log_.Errors();
    ASSERT_TRUE(errors.empty()) << errors[0] << " (seed " << g_options.seed << ")";
  }
  std::printf("soak: %" PRId64 " frames in %d runs of the game, %" PRId64
              " levels started, %" PRId64 " saves checked (seed %u)\n",
              total_frames_, runs, levels_, saves_, g_options.seed);
  EXPECT_GT(saves_, 0);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  g_options.seed = static_cast<uint32_t>(std::random_device{}());
  for (int i = 1; i < argc; ++i) {
    const bool has_value = i + 1 < argc;
    if (std::strcmp(argv[i], "--seed") == 0 && has_value) {
      g_options.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (std::strcmp(argv[i], "--seconds") == 0 && has_value) {
      g_options.seconds = std::strtod(argv[++i], nullptr);
    } else if (std::strcmp(argv[i], "--frames") == 0 && has_value) {
      g_options.frames = std::strtoll(argv[++i], nullptr, 10);
    } else {
      std::fprintf(stderr, "usage: %s [--seconds N] [--seed S] [--frames N] [gtest flags]\n",
                   argv[0]);
      return 2;
    }
  }
  return RUN_ALL_TESTS();
}
