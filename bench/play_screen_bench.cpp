// One frame of the whole play screen of a shipped 15 x 15 level (argument 0)
// and of the largest, 20 x 20 (argument 1), in the middle of a game: the pack's background, the
// frame, both clue strips, the highlight, the board with its numbers, a selection, every control,
// the error panel, the coin counter, a hint in flight and 10 bonus coins flying, all from the
// shipped pictures and fonts. Update and draw, on the recording device (CPU work alone; goal: under
// 1 ms; reported: the device's draw calls a frame) and on OpenGL through SDL's offscreen driver
// (llvmpipe where no GPU is; reported only): real time, the main thread's CPU time and the whole
// process's over every thread (process_cpu_ms, the rasterizer's threads included) a frame.
#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/foundation/input_state.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/timer.h"
#include "engine/platform/environment_names.h"
#include "engine/platform/gl_device.h"
#include "engine/platform/sdl_display.h"
#include "engine/scene/repository_document_provider.h"
#include "engine/scene/repository_texture_provider.h"
#include "framework/font_list.h"
#include "game/play/element.h"
#include "game/play/gameplay.h"
#include "game/play/screen/play_screen.h"
#include "tests/support/game_host.h"
#include "tests/support/recording_device.h"
#include "tests/support/renderer_textures.h"

namespace {

struct BenchLevel {
  const char* file;
  int32_t pack_id;
  int32_t level_id;
};
constexpr BenchLevel kLevels[] = {{"data/share/main/levels pack_1/cat.xml", 1, 15},
                                  {"data/share/main/levels pack_4/koala.xml", 4, 16}};
constexpr int kBonusCoins = 10;

// The shipped host with the game's font list.
class BenchHost : public test_support::ShippedHost {
 public:
  using ShippedHost::ShippedHost;
  ORB::OC_FONT* FindFont(const std::string& name) override {
    return ORB_GF::GetFontList() != nullptr ? ORB_GF::GetFontList()->Find(name) : nullptr;
  }
};

// The play screen of the level, mid-game, on the renderer.
class Scene {
 public:
  Scene(ORB::Renderer& renderer, const BenchLevel& level)
      : level_(level),
        loader_(renderer),
        host_(&loader_),
        textures_(host_.Repository()),
        documents_(host_.Repository()) {}
  ~Scene() {
    screen_.reset();
    gameplay_.reset();
    if (ORB_GF::GetFontList() != nullptr) ORB_GF::GetFontList()->ReleaseTextures();
    ORB_GF::DestroyFontList();
    ORB::SetTextureProvider(nullptr);
    ORB::SetDocumentProvider(nullptr);
    ORB::FrameDelta().store(0.0f);
  }

  // Empty when it is ready, else what failed.
  std::string Build() {
    host_.recording = false;
    for (const char* folder :
         {"data/share/image/board", "data/share/image/play", "data/share/image/gui",
          "data/share/image/effects", "data/share/image/packs", "data/share/font"}) {
      if (host_.Repository().AddFolder(folder) != ORB::kResultOk)
        return std::string("no ") + folder;
    }
    ORB::SetTextureProvider(&textures_);
    ORB::SetDocumentProvider(&documents_);
    if (!ORB_GF::CreateFontList().Load(host_.Repository(), "data/share/font fonts.xml"))
      return "no fonts";
    gameplay_ = std::make_unique<game::GG_GAMEPLAY>(&host_);
    screen_ = std::make_unique<game::gPlayScreen>(*gameplay_);
    if (!screen_->Load()) return screen_->Error();
    screen_->AcquireResources();
    host_.pack_id = level_.pack_id;
    host_.level_id = level_.level_id;
    if (!gameplay_->Load(level_.file)) return gameplay_->LastError();
    gameplay_->AcquireResources();

    // Mid-game: the first rows' picture cells open, one error, a line being
    // dragged over the hovered row, a hint in flight and the coins flying.
    game::GG_PROCESS& board = gameplay_->Board();
    const game::BoardSettings& s = gameplay_->Settings();
    for (int32_t row = 0; row < 4; ++row) {
      for (int32_t col = 0; col < s.Columns(); ++col) {
        if (board.CellAt(row, col)->IsFilled()) board.ApplyClick(row, col, row, col, true);
      }
    }
    for (const auto& cell : board.GetCells()) {
      if (!cell->IsFilled() && cell->Row() == 14) {
        board.ApplyClick(14, static_cast<int32_t>(cell->Col()), 14,
                         static_cast<int32_t>(cell->Col()), true);
        break;
      }
    }
    const ORB::Vector2 from = s.CellCentre(8, 2);
    const ORB::Vector2 to = s.CellCentre(8, 11);
    input_.OnMouseMove(static_cast<int32_t>(from.x), static_cast<int32_t>(from.y));
    gameplay_->OnPointerMove();
    input_.OnKeyDown(1);
    gameplay_->OnButtonDown(1);
    input_.OnMouseMove(static_cast<int32_t>(to.x), static_cast<int32_t>(to.y));
    gameplay_->OnPointerMove();
    gameplay_->StartHint();
    if (!screen_->Effects().Hint().IsFlying()) return "no hint flies";
    for (int i = 0; i < kBonusCoins; ++i) {
      screen_->Effects().StartBonusEffect(s.CellCentre(10 + i % 5, 2 + i), 10);
    }
    // Under way: the coins have appeared and fly, the trails are out.
    ORB::FrameDelta().store(1.0f / 60.0f);
    for (int i = 0; i < 24; ++i) gameplay_->Update();
    if (screen_->GetFlyingEffects() < kBonusCoins) return "the coins landed too soon";
    return std::string();
  }

  // One frame; the clock stands still so that every frame is the same.
  void Frame(ORB::Renderer& renderer) {
    ORB::FrameDelta().store(0.0f);
    gameplay_->Update();
    renderer.BeginFrame();
    gameplay_->Draw();
    renderer.EndFrame();
  }

 private:
  const BenchLevel level_;
  test_support::RendererTextures loader_;
  BenchHost host_;
  ORB::RepositoryTextureProvider textures_;
  ORB::RepositoryDocumentProvider documents_;
  ORB::InputState input_;
  std::unique_ptr<game::GG_GAMEPLAY> gameplay_;
  std::unique_ptr<game::gPlayScreen> screen_;
};

// CPU milliseconds of the whole process, every thread.
double ProcessCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1.0e6;
}

// Returns the frames run.
int64_t RunFrames(benchmark::State& state, ORB::Renderer& renderer) {
  Scene scene(renderer, kLevels[state.range(0)]);
  const std::string error = scene.Build();
  if (!error.empty()) {
    state.SkipWithError(error.c_str());
    return 0;
  }
  int64_t frames = 0;
  const double process_before = ProcessCpuMs();
  for (auto _ : state) {
    ++frames;
    const auto start = std::chrono::steady_clock::now();
    scene.Frame(renderer);
    renderer.Flush();
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["process_cpu_ms"] =
      benchmark::Counter(ProcessCpuMs() - process_before, benchmark::Counter::kAvgIterations);
  return frames;
}

void BM_PlayScreenFrameFakeDevice(benchmark::State& state) {
  ORB::platform::FakeGpuDevice* device = nullptr;
  const std::unique_ptr<ORB::Renderer> renderer =
      test_support::MakeRecordingRenderer(&device, false);
  if (!renderer) {
    state.SkipWithError("no renderer");
    return;
  }
  const int32_t before = device->DrawCount();
  const int64_t frames = RunFrames(state, *renderer);
  // The device's draw calls (batches of quads) a frame.
  if (frames > 0) {
    state.counters["draws"] =
        static_cast<double>(device->DrawCount() - before) / static_cast<double>(frames);
  }
}
BENCHMARK(BM_PlayScreenFrameFakeDevice)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_PlayScreenFrameOpenGl(benchmark::State& state) {
  setenv(ORB::platform::kEnvVideoDriver, "offscreen", 0);
  ORB::platform::SdlDisplay display;
  if (!display.Open("play screen bench", 1024, 768) || !display.HasOpenGl()) {
    state.SkipWithError("no OpenGL window");
    return;
  }
  ORB::Renderer renderer(std::make_unique<ORB::platform::GlDevice>());
  if (renderer.Init(display.NativeHandle(), 0.1f, 0.0f) != ORB::kResultOk) {
    state.SkipWithError("no OpenGL 3.3 core context");
    return;
  }
  RunFrames(state, renderer);
}
BENCHMARK(BM_PlayScreenFrameOpenGl)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
