#pragma once
// A fixture whose renderer draws on the recording device: no window, the
// device's log and textures are there to be checked.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/foundation/renderer.h"
#include "engine/platform/fake_gpu_device.h"

namespace test_support {

class RecordingRendererTest : public ::testing::Test {
 protected:
  // Derived fixtures call this first, inside ASSERT_NO_FATAL_FAILURE.
  void SetUp() override {
    auto device = std::make_unique<ORB::platform::FakeGpuDevice>();
    fake_ = device.get();
    renderer_ = std::make_unique<ORB::Renderer>(std::move(device));
    ASSERT_EQ(renderer_->Init(nullptr, 0.1f, 0.0f), ORB::kResultOk);
  }

  // Flushes the batch; the vertices the device received in the draws so far.
  std::vector<ORB::platform::GpuVertex> Drawn() {
    renderer_->Flush();
    std::vector<ORB::platform::GpuVertex> out;
    for (const auto& draw : fake_->Draws()) {
      out.insert(out.end(), draw.vertices.begin(), draw.vertices.end());
    }
    return out;
  }

  ORB::platform::FakeGpuDevice* fake_ = nullptr;  // owned by the renderer
  std::unique_ptr<ORB::Renderer> renderer_;
};

}  // namespace test_support
