// The frame loop on the recording display and device, under a clock that
// moves only when the loop sleeps or a test advances it.
#include "engine/foundation/SERVICE/game_service.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/hooks.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/timer.h"
#include "engine/platform/clock.h"
#include "engine/platform/fake_display.h"
#include "engine/platform/fake_gpu_device.h"
#include "engine/platform/message_box.h"
#include "support/temp_folder.h"

namespace ORB {
namespace {

using platform::PlatformEvent;

class GameServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetClock(&clock);
    platform::SetMessageSink([this](const std::string& caption, const std::string& text) {
      messages.push_back(caption + ": " + text);
    });
    files = std::make_unique<FileSystem>(folder.Path());
    files->CreateResourcesFolder();
    service = std::make_unique<OC_GAME_SERVICE_ONE>();
    service->SetFileSystem(files.get());
    service->SetDisplayMaker([this] {
      auto display = std::make_unique<platform::FakeDisplay>();
      display_ = display.get();
      return display;
    });
    service->SetDeviceMaker([this] {
      auto device = std::make_unique<platform::FakeGpuDevice>();
      device_ = device.get();
      return device;
    });
  }
  void TearDown() override {
    service->Shutdown();
    service.reset();
    ClearAllHooks();
    platform::SetMessageSink(nullptr);
    platform::SetClock(nullptr);
  }

  // A square one pixel further on each call: no frame repeats the last, so
  // the loop never idles.
  void DrawMoving() {
    Engine().renderer->DrawSquare(static_cast<float>(moved_++ % 500), 0, Colour(0xFFFFFFFFu), 4);
  }
  // Runs frames until the clock has moved on by `ms`.
  void RunFor(uint32_t ms) {
    for (const uint32_t from = clock.NowMs(); clock.NowMs() - from < ms;) {
      ASSERT_EQ(service->Frame(), kResultOk);
    }
  }

  // Records the hook's name each time it fires; answers 1.
  void Record(Hook hook, const std::string& name) {
    SetHook(hook, [this, name](intptr_t) {
      fired.push_back(name);
      return 1;
    });
  }

  test_support::TempFolder folder;
  platform::ManualClock clock;
  std::unique_ptr<FileSystem> files;
  std::unique_ptr<OC_GAME_SERVICE_ONE> service;
  platform::FakeDisplay* display_ = nullptr;
  platform::FakeGpuDevice* device_ = nullptr;
  std::vector<std::string> fired;
  std::vector<std::string> messages;
  int32_t moved_ = 0;
};

TEST_F(GameServiceTest, WithoutAnInitHookInitAnswersNothingToCall) {
  EXPECT_EQ(service->Init("Game"), kResultNothingToCall);
  EXPECT_EQ(Engine().service, service.get());
  ASSERT_NE(Engine().renderer, nullptr);
  EXPECT_EQ(display_->Title(), "Game");
}

TEST_F(GameServiceTest, AWindowThatCannotOpenFailsInit) {
  service->SetDisplayMaker([] {
    auto display = std::make_unique<platform::FakeDisplay>();
    display->FailOpen(true);
    return display;
  });
  Record(Hook::Init, "init");
  EXPECT_EQ(service->Init("Game"), kInitNoWindow);
  EXPECT_TRUE(fired.empty()) << "the game's init never runs on a half-made engine";
  ASSERT_EQ(messages.size(), 1u);
}

TEST_F(GameServiceTest, HookOrderOverARun) {
  Record(Hook::Init, "init");
  Record(Hook::Start, "start");
  Record(Hook::Exit, "exit");
  int renders = 0;
  SetHook(Hook::Render, [&](intptr_t) {
    if (++renders == 3) service->SetRunning(false);
    fired.push_back("render");
    return 1;
  });
  ASSERT_EQ(service->Init("Game"), kResultOk);
  service->Settings().render_cap = 0;
  service->Run();
  EXPECT_EQ(fired,
            (std::vector<std::string>{"init", "start", "render", "render", "render", "exit"}));
  EXPECT_EQ(service->Frame(), kResultNotRunning) << "not running any more";
}

TEST_F(GameServiceTest, SixtyUpdatesASecondWithoutCatchingUp) {
  ASSERT_EQ(service->Init("Game"), kResultNothingToCall);
  service->Settings().update_cap = 60;
  service->Settings().render_cap = 60;
  Engine().timer->SetMaxDelta(1.0f / 30.0f);
  int updates = 0;
  int renders = 0;
  SetHook(Hook::Update, [&](intptr_t) { return ++updates; });
  SetHook(Hook::Render, [&](intptr_t) {
    DrawMoving();
    return ++renders;
  });
  service->SetRunning(true);
  const uint32_t start = clock.NowMs();
  while (clock.NowMs() - start < 1000) ASSERT_EQ(service->Frame(), kResultOk);
  EXPECT_NEAR(updates, 60, 1);
  EXPECT_NEAR(renders, 60, 2);
  EXPECT_GT(clock.SleptMs(), 900u) << "the loop waits in its sleep, not in a spin";

  // A stall of half a second is not made up for: the next turn does one
  // update, never thirty.
  clock.AdvanceMs(500);
  const int before = updates;
  ASSERT_EQ(service->Frame(), kResultOk);
  EXPECT_LE(updates - before, 1);
}

// Update times on the manual clock, with a way to make one update stall.
struct UpdateLog {
  explicit UpdateLog(platform::ManualClock& clock) : clock(clock) {
    SetHook(Hook::Update, [this](intptr_t) {
      times.push_back(this->clock.NowMs());
      if (stall_ms > 0) {
        this->clock.AdvanceMs(stall_ms);
        stall_ms = 0;
      }
      return 1;
    });
  }
  // Updates at or after `from` (clock milliseconds).
  std::vector<uint32_t> Since(uint32_t from) const {
    std::vector<uint32_t> out;
    for (uint32_t at : times) {
      if (at >= from) out.push_back(at);
    }
    return out;
  }
  platform::ManualClock& clock;
  std::vector<uint32_t> times;
  uint32_t stall_ms = 0;
};

// The shortest gap between neighbouring times (from the second on).
uint32_t ShortestGap(const std::vector<uint32_t>& times, size_t from = 1) {
  uint32_t shortest = UINT32_MAX;
  for (size_t i = std::max<size_t>(from, 1); i < times.size(); ++i) {
    shortest = std::min(shortest, times[i] - times[i - 1]);
  }
  return shortest;
}

TEST_F(GameServiceTest, AStallInsideAnUpdateResumesAtTheCapWithoutABurst) {
  ASSERT_EQ(service->Init("Game"), kResultNothingToCall);
  service->Settings().update_cap = 60;
  service->Settings().render_cap = 60;
  Engine().timer->SetMaxDelta(1.0f / 30.0f);
  UpdateLog log(clock);
  SetHook(Hook::Render, [this](intptr_t) {
    DrawMoving();
    return 1;
  });
  service->SetRunning(true);
  for (uint32_t start = clock.NowMs(); clock.NowMs() - start < 500;)
    ASSERT_EQ(service->Frame(), kResultOk);

  log.stall_ms = 300;
  const size_t before = log.times.size();
  while (log.stall_ms > 0) ASSERT_EQ(service->Frame(), kResultOk);
  const uint32_t stalled_until = clock.NowMs();
  while (clock.NowMs() - stalled_until < 1000) ASSERT_EQ(service->Frame(), kResultOk);

  const std::vector<uint32_t> after = log.Since(stalled_until);
  EXPECT_NEAR(static_cast<double>(after.size()), 60.0, 1.0)
      << "the second after the stall runs at the cap; nothing is made up";
  // The turn right after the stall updates at once; every later one keeps a
  // whole step (16 ms on the millisecond clock) from the one before.
  EXPECT_GE(ShortestGap(after), 16u);
  ASSERT_GT(log.times.size(), before + 1);
  EXPECT_GE(log.times[before + 1] - log.times[before], 300u);
}

TEST_F(GameServiceTest, TheFirstSecondAfterASlowInitRunsAtTheCap) {
  SetHook(Hook::Init, [this](intptr_t) {
    service->Settings().update_cap = 60;
    service->Settings().render_cap = 60;
    clock.AdvanceMs(400);  // loading took 400 ms
    return 1;
  });
  ASSERT_EQ(service->Init("Game"), kResultOk);
  UpdateLog log(clock);
  uint32_t started = 0;
  SetHook(Hook::Start, [&](intptr_t) {
    started = clock.NowMs();
    return 1;
  });
  SetHook(Hook::Render, [&](intptr_t) {
    DrawMoving();
    if (clock.NowMs() - started >= 1000) service->SetRunning(false);
    return 1;
  });
  service->Run();
  const std::vector<uint32_t> first_second = log.Since(started);
  EXPECT_NEAR(static_cast<double>(first_second.size()), 60.0, 1.0);
  EXPECT_GE(ShortestGap(first_second), 16u) << "no burst to make up the time start-up took";
}

// A picture that stays as it is: from its third repeated frame the loop
// waits for events, ten turns a second instead of sixty, and four once it
// has been still for two seconds more, each turn with the time it waited as
// its frame time; a picture that changes once (a countdown's second) costs
// four turns at the cap, not half a second of them, and the waits stay
// long; one that moves (two frames) is watched closely again; an event is
// taken at once, and a picture that moves again runs at the cap.
TEST_F(GameServiceTest, AStillPictureWaitsForEventsAndKeepsTheGamesTime) {
  ASSERT_EQ(service->Init("Game"), kResultNothingToCall);
  service->Settings().update_cap = 60;
  service->Settings().render_cap = 60;
  Engine().timer->SetMaxDelta(1.0f / 30.0f);
  UpdateLog log(clock);
  bool moving = false;
  int32_t moves_left = 0;  // frames that move a square, which stays where it went
  float square_at = 0.0f;
  double game_time = 0.0;
  SetHook(Hook::Render, [&](intptr_t) {
    game_time += GetFrameDelta();
    if (moving) DrawMoving();
    if (moves_left > 0) {
      --moves_left;
      square_at += 1.0f;
    }
    Engine().renderer->DrawSquare(square_at, 100, Colour(0xFFFFFFFFu), 4);
    return 1;
  });
  service->SetRunning(true);
  RunFor(100);
  const uint32_t idle_from = clock.NowMs();
  EXPECT_TRUE(service->IsIdle());
  RunFor(1000);
  EXPECT_NEAR(static_cast<double>(log.Since(idle_from).size()), 10.0, 1.0);
  RunFor(1000);
  const uint32_t long_idle_from = clock.NowMs();
  const double game_from = game_time;
  RunFor(2000);
  EXPECT_NEAR(static_cast<double>(log.Since(long_idle_from).size()), 8.0, 1.0);
  EXPECT_NEAR(game_time - game_from, 2.0, 0.26) << "the game's time keeps up";

  moves_left = 1;
  const uint32_t changed_from = clock.NowMs();
  RunFor(1000);
  EXPECT_NEAR(static_cast<double>(log.Since(changed_from).size()), 8.0, 1.0)
      << "the change and three still turns at the cap, then long waits";
  moves_left = 2;
  const uint32_t moved_from = clock.NowMs();
  RunFor(1000);
  EXPECT_NEAR(static_cast<double>(log.Since(moved_from).size()), 13.0, 1.5)
      << "two changes and three still turns at the cap, then short waits";

  // A refilling heart's countdown moves with the calendar's seconds: the
  // wait ends just after the next one.
  clock.SetMsToNextCalendarSecond(30);
  const uint64_t slept = clock.SleptMs();
  ASSERT_EQ(service->Frame(), kResultOk);
  EXPECT_EQ(clock.SleptMs() - slept, 31u);
  clock.SetMsToNextCalendarSecond(1000);

  display_->Queue(PlatformEvent{PlatformEvent::Kind::MouseMove, 0, 10, 10});
  const size_t updates = log.times.size();
  const uint32_t queued_at = clock.NowMs();
  ASSERT_EQ(service->Frame(), kResultOk);
  EXPECT_EQ(log.times.size(), updates + 1);
  EXPECT_EQ(clock.NowMs(), queued_at) << "taken without waiting";
  EXPECT_FALSE(service->IsIdle());
  moving = true;
  const uint32_t moving_from = clock.NowMs();
  RunFor(1000);
  EXPECT_NEAR(static_cast<double>(log.Since(moving_from).size()), 60.0, 2.0);
}

// The window is mapped once its first frame is drawn to the end, and the
// frame is presented into the mapped window.
TEST_F(GameServiceTest, TheWindowAppearsWithItsFirstFrame) {
  ASSERT_EQ(service->Init("Game"), kResultNothingToCall);
  service->Settings().render_cap = 0;
  bool shown_while_drawing = true;
  SetHook(Hook::Render, [&](intptr_t) {
    shown_while_drawing = display_->IsShown();
    return 1;
  });
  service->SetRunning(true);
  ASSERT_EQ(service->Frame(), kResultOk);
  EXPECT_FALSE(shown_while_drawing);
  EXPECT_TRUE(display_->IsShown());
  const auto& calls = device_->Calls();
  const auto finish = std::find(calls.begin(), calls.end(), "Finish");
  ASSERT_NE(finish, calls.end());
  EXPECT_EQ(std::find(calls.begin(), finish, "Present"), finish) << "drawn, not yet shown";
  EXPECT_EQ(device_->PresentCount(), 1);
}

TEST_F(GameServiceTest, CapsOfZeroNeverSleep) {
  ASSERT_EQ(service->Init("Game"), kResultNothingToCall);
  service->Settings().update_cap = 0;
  service->Settings().render_cap = 0;
  int renders = 0;
  SetHook(Hook::Render, [&](intptr_t) { return ++renders; });
  service->SetRunning(true);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(service->Frame(), kResultOk);
  EXPECT_EQ(clock.SleptMs(), 0u);
  EXPECT_EQ(renders, 100);
}

TEST_F(GameServiceTest, CloseDuringThePumpSkipsThatRender) {
  ASSERT_EQ(service->Init("Game"), kResultNothingToCall);
  service->Settings().render_cap = 0;
  int renders = 0;
  SetHook(Hook::Render, [&](intptr_t) { return ++renders; });
  SetHook(Hook::Close, [&](intptr_t) {
    service->SetRunning(false);
    return 1;
  });
  service->SetRunning(true);
  ASSERT_EQ(service->Frame(), kResultOk);
  EXPECT_EQ(renders, 1);
  display_->Queue(PlatformEvent{PlatformEvent::Kind::CloseRequested});
  EXPECT_EQ(service->Frame(), kResultNotRunning);
  EXPECT_EQ(renders, 1);
}

TEST_F(GameServiceTest, SetVideoModeWithTheSameValuesTouchesNothing) {
  ASSERT_EQ(service->Init("Game"), kResultNothingToCall);
  const size_t calls = display_->Calls().size();
  EXPECT_EQ(service->SetVideoMode(1024, 768, false, false), kResultOk);
  EXPECT_EQ(display_->Calls().size(), calls);
  service->SetVideoMode(800, 600, false, false);
  EXPECT_EQ(display_->Calls().back(), "ReleaseClip");
  EXPECT_EQ(service->Settings().resolution, Point(800, 600));
}

TEST_F(GameServiceTest, ShutdownStopsTheAudioThreadAndEmptiesTheSlots) {
  SetHook(Hook::Render, [&](intptr_t) {
    service->SetRunning(false);
    return 1;
  });
  ASSERT_EQ(service->Init("Game"), kResultNothingToCall);
  service->Settings().render_cap = 0;
  service->Run();
  ASSERT_NE(service->AudioThread(), nullptr);
  EXPECT_TRUE(service->AudioThread()->Running());
  EXPECT_EQ(service->Shutdown(), kResultOk);
  EXPECT_EQ(service->AudioThread(), nullptr);
  EXPECT_EQ(Engine().sound, nullptr);
  EXPECT_EQ(Engine().renderer, nullptr);
  EXPECT_EQ(Engine().input, nullptr);
  EXPECT_EQ(GetHook(Hook::Frame), nullptr);
}

}  // namespace
}  // namespace ORB
