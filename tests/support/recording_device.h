#pragma once
// A renderer that draws on the recording device: no window; the device's log
// and textures are there to be checked. For tests (see recording_renderer.h
// for the fixture) and benchmarks alike:
//
//   ORB::platform::FakeGpuDevice* device = nullptr;
//   auto renderer = test_support::MakeRecordingRenderer(&device);
//   ...draw...
//   EXPECT_EQ(test_support::DrawnVertices(*renderer, *device).size(), 4u);
//
// Benchmarks pass recording = false: only the counters are kept, however long
// the run.
#include <memory>
#include <vector>

#include "engine/foundation/renderer.h"
#include "engine/foundation/result_codes.h"
#include "engine/platform/fake_gpu_device.h"

namespace test_support {

// An initialised renderer on a new recording device, which it owns; the
// device is written to `device` when one is given. Null when Init fails.
inline std::unique_ptr<ORB::Renderer> MakeRecordingRenderer(
    ORB::platform::FakeGpuDevice** device = nullptr, bool recording = true) {
  auto owned = std::make_unique<ORB::platform::FakeGpuDevice>();
  owned->SetRecording(recording);
  ORB::platform::FakeGpuDevice* raw = owned.get();
  auto renderer = std::make_unique<ORB::Renderer>(std::move(owned));
  if (renderer->Init(nullptr, 0.1f, 0.0f) != ORB::kResultOk) return nullptr;
  if (device != nullptr) *device = raw;
  return renderer;
}

// Flushes the batch; the vertices the device received in its draws so far.
inline std::vector<ORB::platform::GpuVertex> DrawnVertices(
    ORB::Renderer& renderer, const ORB::platform::FakeGpuDevice& device) {
  renderer.Flush();
  std::vector<ORB::platform::GpuVertex> out;
  for (const auto& draw : device.Draws()) {
    out.insert(out.end(), draw.vertices.begin(), draw.vertices.end());
  }
  return out;
}

}  // namespace test_support
