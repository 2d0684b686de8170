// The idle frame loop at the game's 60 frames a second, on the real window
// (SDL's offscreen driver unless one is chosen) and the OpenGL device.
// Reported per rendered frame: real time (about 16.7 ms at the cap), the
// process's CPU time, and the share of the frame the loop spent asleep.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "engine/foundation/SERVICE/game_service.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/hooks.h"
#include "engine/platform/clock.h"
#include "engine/platform/message_box.h"

namespace {

// The system clock, counting the time the loop asks to sleep.
class CountingClock final : public ORB::platform::Clock {
 public:
  explicit CountingClock(ORB::platform::Clock& system) : system_(system) {}
  uint32_t NowMs() override { return system_.NowMs(); }
  int64_t CalendarSeconds() override { return system_.CalendarSeconds(); }
  void SleepMs(uint32_t milliseconds) override {
    slept_ms_ += milliseconds;
    system_.SleepMs(milliseconds);
  }
  uint64_t SleptMs() const { return slept_ms_; }

 private:
  ORB::platform::Clock& system_;
  uint64_t slept_ms_ = 0;
};

void BM_IdleFrameLoop(benchmark::State& state) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("ALSOFT_DRIVERS", "null", 0);
  ORB::platform::SetMessageSink([](const std::string&, const std::string&) {});
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / ("frame-loop-bench-" + std::to_string(getpid()));
  {
    ORB::FileSystem files(root.string());
    files.CreateResourcesFolder();
    ORB::OC_GAME_SERVICE_ONE service;
    service.SetFileSystem(&files);
    int64_t renders = 0;
    ORB::SetHook(ORB::Hook::Render, [&renders](intptr_t) {
      ++renders;
      return 1;
    });
    ORB::SetHook(ORB::Hook::Init, [&service](intptr_t) {
      service.Settings().update_cap = 60;
      service.Settings().render_cap = 60;
      return 1;
    });
    if (service.Init("Frame loop") != 1) {
      state.SkipWithError("the engine could not start (window or OpenGL device)");
    } else {
      CountingClock clock(ORB::platform::CurrentClock());
      ORB::platform::SetClock(&clock);
      service.SetRunning(true);
      // Settle the pacing before measuring.
      for (int64_t until = renders + 5; renders < until;) service.Frame();
      const uint64_t slept_before = clock.SleptMs();
      const uint32_t started = clock.NowMs();
      for (auto _ : state) {
        for (const int64_t until = renders + 1; renders < until;) service.Frame();
      }
      const double elapsed_ms = static_cast<double>(clock.NowMs() - started);
      state.counters["sleep_share"] =
          elapsed_ms > 0.0 ? static_cast<double>(clock.SleptMs() - slept_before) / elapsed_ms : 0.0;
      ORB::platform::SetClock(nullptr);
    }
    service.Shutdown();
    ORB::ClearAllHooks();
  }
  std::error_code error;
  std::filesystem::remove_all(root, error);
  ORB::platform::SetMessageSink(nullptr);
}
BENCHMARK(BM_IdleFrameLoop)->Unit(benchmark::kMillisecond)->Iterations(60);

}  // namespace
