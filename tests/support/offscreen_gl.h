#pragma once
// A fixture that draws for real: a 1024 x 768 window on SDL's offscreen driver
// (OpenGL 3.3 core through Mesa), the GL device and a renderer on it, and the
// back buffer read before it is presented.
//
//   class MyGlTest : public test_support::OffscreenGlTest {
//     void SetUp() override { ASSERT_NO_FATAL_FAILURE(Open("my test")); }
//   };
//   TEST_F(MyGlTest, Draws) {
//     ASSERT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
//     ...draw...
//     const Frame frame = Snapshot("my_test.png");   // also written beside the program
//     EXPECT_EQ(frame.At(512, 384), 0xFFFF0000u);
//     renderer_->EndFrame();
//   }
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/renderer.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/window.h"
#include "engine/platform/gl_device.h"
#include "engine/platform/sdl_display.h"
#include "write_png.h"

namespace test_support {

// Pixels read from the window (ARGB), rows top to bottom.
struct Frame {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;

  uint32_t At(int32_t x, int32_t y) const {
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
};

class OffscreenGlTest : public ::testing::Test {
 protected:
  static constexpr int32_t kWidth = 1024;
  static constexpr int32_t kHeight = 768;

  // Opens the window, the device and the renderer, cleared to black. Call it
  // from SetUp inside ASSERT_NO_FATAL_FAILURE.
  void Open(const char* title) {
    ASSERT_TRUE(display_.Open(title, kWidth, kHeight));
    ASSERT_TRUE(display_.SetMode(kWidth, kHeight, false));
    ASSERT_NO_FATAL_FAILURE(StartRenderer(display_.NativeHandle()));
  }
  // The same on the program's window (engine/foundation/window.h), whose
  // message pump turns events injected into SDL's queue into input
  // (window_->PumpMessages): for tests that click and type as a player does.
  void OpenWindow(const char* title) {
    window_ = std::make_unique<ORB::Window>();
    window_->SetSize(kWidth, kHeight);
    ASSERT_TRUE(window_->Create(title));
    ASSERT_TRUE(window_->SetMode(kWidth, kHeight, false, false));
    ASSERT_NO_FATAL_FAILURE(StartRenderer(window_->GetHandle()));
  }

  // The device and its context go before the window.
  void TearDown() override {
    renderer_.reset();
    window_.reset();
  }

  void StartRenderer(void* native_window) {
    auto device = std::make_unique<ORB::platform::GlDevice>();
    device_ = device.get();
    renderer_ = std::make_unique<ORB::Renderer>(std::move(device));
    ASSERT_EQ(renderer_->Init(native_window, 0.1f, 0.0f), ORB::kResultOk);
    renderer_->SetClearColour(ORB::Colour(0xFF000000u));
  }

  // Flushes and reads the pixels of the rectangle (ARGB), rows top to bottom.
  std::vector<uint32_t> Read(int32_t x, int32_t y, int32_t w, int32_t h) {
    renderer_->Flush();
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    EXPECT_TRUE(device_->ReadPixels(x, y, w, h, pixels.data()));
    return pixels;
  }

  // Flushes and reads the whole window; with a file name, also writes it as
  // a PNG beside the test program, to be looked at.
  Frame Snapshot(const std::string& png_name = std::string()) {
    Frame frame{kWidth, kHeight, Read(0, 0, kWidth, kHeight)};
    if (!png_name.empty()) {
      EXPECT_TRUE(WritePng(BesideTestProgram(png_name), frame.pixels, kWidth, kHeight)) << png_name;
    }
    return frame;
  }

  ORB::platform::SdlDisplay display_;
  std::unique_ptr<ORB::Window> window_;        // OpenWindow's
  ORB::platform::GlDevice* device_ = nullptr;  // owned by the renderer
  std::unique_ptr<ORB::Renderer> renderer_;
};

}  // namespace test_support
