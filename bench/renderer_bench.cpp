// The renderer's submission cost: 10,000 textured quads through DrawMesh into
// the batch and flushed, with the recording device (CPU work alone) and with
// OpenGL on SDL's offscreen driver. Reported: quads per millisecond and draw
// calls per frame (consecutive quads of equal texture and state share a draw
// call, so 10,000 quads make 5 batches of at most 2,048).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

#include "engine/foundation/renderer.h"
#include "engine/platform/environment_names.h"
#include "engine/platform/gl_device.h"
#include "engine/platform/sdl_display.h"
#include "tests/support/recording_device.h"

namespace {

constexpr int kQuads = 10000;
constexpr uint16_t kQuadIndices[6] = {0, 1, 2, 0, 2, 3};

// Small quads spread over the screen, so the GPU side costs little.
std::vector<ORB::MeshVertex> MakeQuads() {
  std::vector<ORB::MeshVertex> vertices(static_cast<size_t>(kQuads) * 4);
  for (int i = 0; i < kQuads; ++i) {
    const float x = static_cast<float>((i * 37) % 1016);
    const float y = static_cast<float>((i * 53) % 760);
    const float xs[4] = {x, x + 4, x + 4, x};
    const float ys[4] = {y, y, y + 4, y + 4};
    for (int k = 0; k < 4; ++k) {
      ORB::MeshVertex& v = vertices[static_cast<size_t>(i) * 4 + k];
      v.x = xs[k];
      v.y = ys[k];
      v.colour = 0xFFFFFFFFu;
      v.u = k == 1 || k == 2 ? 1.0f : 0.0f;
      v.v = k >= 2 ? 1.0f : 0.0f;
    }
  }
  return vertices;
}

// Frames of 10,000 quads; textures[i % textures.size()] for quad i. The time
// reported is that of the submission: the DrawMesh calls and the last flush
// (beginning and presenting the frame are left out).
void RunFrames(benchmark::State& state, ORB::Renderer& renderer,
               const std::vector<ORB::TextureRecord*>& textures) {
  const std::vector<ORB::MeshVertex> vertices = MakeQuads();
  const ORB::RenderState quad_state(ORB::RenderState::kMeshDefault);
  int64_t draw_calls = 0;
  int64_t frames = 0;
  double seconds = 0.0;
  for (auto _ : state) {
    if (renderer.BeginFrame() != ORB::kResultOk) {
      state.SkipWithError("the frame could not begin");
      return;
    }
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kQuads; ++i) {
      renderer.DrawMesh(&vertices[static_cast<size_t>(i) * 4], textures[i % textures.size()],
                        quad_state, 4, kQuadIndices, 6);
    }
    renderer.Flush();
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(spent.count());
    seconds += spent.count();
    draw_calls += renderer.GetCounters().draw_calls;
    ++frames;
    renderer.EndFrame();
  }
  if (frames == 0 || seconds <= 0.0) return;
  state.counters["quads_per_ms"] = static_cast<double>(kQuads) * frames / (seconds * 1000.0);
  state.counters["draw_calls_per_frame"] = static_cast<double>(draw_calls) / frames;
}

void BM_QuadsFakeDevice(benchmark::State& state) {
  const std::unique_ptr<ORB::Renderer> renderer =
      test_support::MakeRecordingRenderer(nullptr, false);
  if (!renderer) {
    state.SkipWithError("no renderer");
    return;
  }
  std::vector<ORB::TextureRecord*> textures;
  for (int64_t i = 0; i < state.range(0); ++i) textures.push_back(renderer->CreateBlank(32, 32));
  RunFrames(state, *renderer, textures);
}
// One texture for every quad, then a different texture for each quad in turn.
BENCHMARK(BM_QuadsFakeDevice)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_QuadsOpenGl(benchmark::State& state) {
  // A window nobody sees: the offscreen driver unless one is chosen.
  setenv(ORB::platform::kEnvVideoDriver, "offscreen", 0);
  ORB::platform::SdlDisplay display;
  if (!display.Open("renderer bench", 1024, 768) || !display.HasOpenGl()) {
    state.SkipWithError("no OpenGL window");
    return;
  }
  ORB::Renderer renderer(std::make_unique<ORB::platform::GlDevice>());
  if (renderer.Init(display.NativeHandle(), 0.1f, 0.0f) != 1) {
    state.SkipWithError("no OpenGL 3.3 core context");
    return;
  }
  std::vector<ORB::TextureRecord*> textures;
  for (int64_t i = 0; i < state.range(0); ++i) textures.push_back(renderer.CreateBlank(32, 32));
  RunFrames(state, renderer, textures);
}
BENCHMARK(BM_QuadsOpenGl)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
