#pragma once
// A renderer on the recording device with recording off, for benchmarks of
// the CPU side of drawing: only counters are kept, however long the run.
#include <memory>

#include "engine/foundation/renderer.h"
#include "engine/platform/fake_gpu_device.h"

namespace bench_support {

// Null when the renderer cannot start.
inline std::unique_ptr<ORB::Renderer> MakeRecordingRenderer() {
  auto device = std::make_unique<ORB::platform::FakeGpuDevice>();
  device->SetRecording(false);
  auto renderer = std::make_unique<ORB::Renderer>(std::move(device));
  if (renderer->Init(nullptr, 0.1f, 0.0f) != 1) return nullptr;
  return renderer;
}

}  // namespace bench_support
