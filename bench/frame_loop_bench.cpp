// The idle frame loop at the game's 60 frames a second, on the real window
// and the OpenGL device: the desktop's display where one is named (DISPLAY
// or WAYLAND_DISPLAY), else SDL's offscreen driver; the label says which
// driver ran. Reported per rendered frame: real time (about 16.7 ms at the
// cap), the main thread's CPU time (the CPU column), the whole process's CPU
// time over every thread (process_cpu_ms: the driver's rasterizer threads,
// sound and audio threads included), and the share of the frame the loop
// spent asleep.
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/foundation/SERVICE/game_service.h"
#include "engine/foundation/file_system.h"
#include "engine/foundation/hooks.h"
#include "engine/platform/clock.h"
#include "engine/platform/environment_names.h"
#include "engine/platform/message_box.h"
#include "engine/platform/sdl_display.h"

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

// CPU milliseconds of the clock (the process's, every thread, or this thread's).
double CpuMs(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1.0e6;
}

void BM_IdleFrameLoop(benchmark::State& state) {
  const char* display = std::getenv(ORB::platform::kEnvDisplay);
  const char* wayland = std::getenv(ORB::platform::kEnvWaylandDisplay);
  const bool desktop =
      (display != nullptr && display[0] != '\0') || (wayland != nullptr && wayland[0] != '\0');
  if (!desktop) setenv(ORB::platform::kEnvVideoDriver, "offscreen", 0);
  setenv(ORB::platform::kEnvNoDialogs, "1", 0);
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
      const double process_before = CpuMs(CLOCK_PROCESS_CPUTIME_ID);
      for (auto _ : state) {
        for (const int64_t until = renders + 1; renders < until;) service.Frame();
      }
      const double process_ms = CpuMs(CLOCK_PROCESS_CPUTIME_ID) - process_before;
      const double elapsed_ms = static_cast<double>(clock.NowMs() - started);
      state.counters["process_cpu_ms"] =
          benchmark::Counter(process_ms, benchmark::Counter::kAvgIterations);
      state.SetLabel("video driver " + ORB::platform::CurrentVideoDriver());
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
