#pragma once
// A fixture whose renderer draws on the recording device (recording_device.h):
//
//   class MyTest : public test_support::RecordingRendererTest {};
//   TEST_F(MyTest, Draws) { ...; EXPECT_EQ(Drawn().size(), 4u); }
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "recording_device.h"

namespace test_support {

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
