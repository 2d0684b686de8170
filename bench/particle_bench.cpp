// Particle effects' cost per frame: 16 extended particle systems, each born
// one particle per update and keeping it for 4 s (about 240 alive each at 60
// updates a second), updated and drawn on the recording device (CPU work
// alone). Goal: under 0.5 ms a frame. Reported: particles alive per frame.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "engine/foundation/random.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/timer.h"
#include "engine/scene/particle_system_ex.h"
#include "tests/support/recording_device.h"

namespace {

constexpr int kSystems = 16;
constexpr float kFrameTime = 1.0f / 60.0f;

void BM_ParticleSystemsFrame(benchmark::State& state) {
  const std::unique_ptr<ORB::Renderer> owned = test_support::MakeRecordingRenderer(nullptr, false);
  if (!owned) {
    state.SkipWithError("no renderer");
    return;
  }
  ORB::Renderer& renderer = *owned;
  ORB::Random random(1234u);
  random.Seed(1234u);
  ORB::FrameDelta().store(kFrameTime);
  ORB::TextureRecord* dot = renderer.CreateBlank(16, 16);

  std::vector<std::unique_ptr<ORB::OC_PARTICLE_SYSTEM_EX>> systems;
  for (int i = 0; i < kSystems; ++i) {
    auto system = std::make_unique<ORB::OC_PARTICLE_SYSTEM_EX>(dot);
    system->SetEmitterCircle(64.0f * static_cast<float>(i), 300.0f, 12.0f);
    system->SetSpreadAngle(1.2f);
    system->SetFrequency(60.0f);
    system->SetLifetime(4.0f);
    system->SetRadialAcceleration(5.0f);
    system->SetTangentialAcceleration(3.0f);
    system->Resume();
    systems.push_back(std::move(system));
  }
  // Until the systems hold their steady number of particles.
  for (int frame = 0; frame < 300; ++frame) {
    for (auto& system : systems) system->Update();
  }

  int64_t alive = 0;
  int64_t frames = 0;
  for (auto _ : state) {
    if (renderer.BeginFrame() != ORB::kResultOk) {
      state.SkipWithError("the frame could not begin");
      break;
    }
    for (auto& system : systems) {
      system->Update();
      system->Draw();
      alive += system->GetLiveCount();
    }
    renderer.EndFrame();
    ++frames;
  }
  ORB::FrameDelta().store(0.0f);
  ORB::SetDefaultRandom(nullptr);
  if (frames > 0) state.counters["particles_per_frame"] = static_cast<double>(alive) / frames;
}
BENCHMARK(BM_ParticleSystemsFrame)->Unit(benchmark::kMillisecond);

}  // namespace
