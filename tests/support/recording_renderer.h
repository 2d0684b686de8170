#pragma once
// A renderer that draws on the recording device: no window, the device's log
// and textures are there to be checked. As a fixture:
//
//   class MyTest : public test_support::RecordingRendererTest {};
//   TEST_F(MyTest, Draws) { ...; EXPECT_EQ(Drawn().size(), 4u); }
//
// or on its own:
//
//   ORB::platform::FakeGpuDevice* device = nullptr;
//   auto renderer = test_support::MakeRecordingRenderer(&device);
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/foundation/renderer.h"
#include "engine/foundation/result_codes.h"
#include "engine/platform/fake_gpu_device.h"

namespace test_support {

// An initialised renderer on a new recording device, which it owns; the
// device is written to `device`. Null (with a test failure) when Init fails.
inline std::unique_ptr<ORB::Renderer> MakeRecordingRenderer(ORB::platform::FakeGpuDevice** device) {
  auto owned = std::make_unique<ORB::platform::FakeGpuDevice>();
  *device = owned.get();
  auto renderer = std::make_unique<ORB::Renderer>(std::move(owned));
  const int32_t result = renderer->Init(nullptr, 0.1f, 0.0f);
  EXPECT_EQ(result, ORB::kResultOk);
  if (result != ORB::kResultOk) {
    *device = nullptr;
    return nullptr;
  }
  return renderer;
}

// Flushes the batch; the vertices the device received in its draws so far.
inline std::vector<ORB::platform::GpuVertex> DrawnVertices(ORB::Renderer& renderer,
                                                           const ORB::platform::FakeGpuDevice& device) {
  renderer.Flush();
  std::vector<ORB::platform::GpuVertex> out;
  for (const auto& draw : device.Draws()) {
    out.insert(out.end(), draw.vertices.begin(), draw.vertices.end());
  }
  return out;
}

class RecordingRendererTest : public ::testing::Test {
 protected:
  // Derived fixtures call this first, inside ASSERT_NO_FATAL_FAILURE.
  void SetUp() override {
    renderer_ = MakeRecordingRenderer(&fake_);
    ASSERT_NE(renderer_, nullptr);
  }

  // Flushes the batch; the vertices the device received in the draws so far.
  std::vector<ORB::platform::GpuVertex> Drawn() { return DrawnVertices(*renderer_, *fake_); }

  ORB::platform::FakeGpuDevice* fake_ = nullptr;  // owned by the renderer
  std::unique_ptr<ORB::Renderer> renderer_;
};

}  // namespace test_support
