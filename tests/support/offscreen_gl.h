#pragma once
// A fixture that draws for real: a 1024 x 768 window on SDL's offscreen driver
// (OpenGL 3.3 core through Mesa), the GL device and a renderer on it, and the
// back buffer read before it is presented.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/foundation/renderer.h"
#include "engine/platform/gl_device.h"
#include "engine/platform/sdl_display.h"

namespace test_support {

class OffscreenGlTest : public ::testing::Test {
 protected:
  // Opens the window, the device and the renderer, cleared to black. Call it
  // from SetUp inside ASSERT_NO_FATAL_FAILURE.
  void Open(const char* title) {
    ASSERT_TRUE(display_.Open(title, 1024, 768));
    ASSERT_TRUE(display_.SetMode(1024, 768, false));
    auto device = std::make_unique<ORB::platform::GlDevice>();
    device_ = device.get();
    renderer_ = std::make_unique<ORB::Renderer>(std::move(device));
    ASSERT_EQ(renderer_->Init(display_.NativeHandle(), 0.1f, 0.0f), ORB::kResultOk);
    renderer_->SetClearColour(ORB::Colour(0xFF000000u));
  }

  // The device and its context go before the window.
  void TearDown() override { renderer_.reset(); }

  // Flushes and reads the pixels of the rectangle (ARGB), rows top to bottom.
  std::vector<uint32_t> Read(int32_t x, int32_t y, int32_t w, int32_t h) {
    renderer_->Flush();
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    EXPECT_TRUE(device_->ReadPixels(x, y, w, h, pixels.data()));
    return pixels;
  }

  ORB::platform::SdlDisplay display_;
  ORB::platform::GlDevice* device_ = nullptr;  // owned by the renderer
  std::unique_ptr<ORB::Renderer> renderer_;
};

}  // namespace test_support
