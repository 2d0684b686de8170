#pragma once
// The frame the game is drawing on the system's window (OpenGL), read before
// it is shown and written beside the test program as a PNG to be looked at.
// For _gl_test files that run the game through its entry; call it from a
// frame step (after the game's draw).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/SERVICE/engine_slots.h"
#include "engine/foundation/renderer.h"
#include "engine/platform/gpu_device.h"
#include "support/write_png.h"

namespace game {

struct CapturedFrame {
  static constexpr int32_t kWidth = 1024;
  static constexpr int32_t kHeight = 768;
  std::vector<uint32_t> pixels;  // ARGB, row by row from the top
  uint32_t At(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * kWidth + x]; }
};

inline CapturedFrame ReadFrame(const std::string& png_name) {
  ORB::Renderer& renderer = *ORB::Engine().renderer;
  renderer.Flush();
  CapturedFrame frame{
      std::vector<uint32_t>(static_cast<size_t>(CapturedFrame::kWidth) * CapturedFrame::kHeight)};
  EXPECT_TRUE(renderer.GetDevice()->ReadPixels(0, 0, CapturedFrame::kWidth, CapturedFrame::kHeight,
                                               frame.pixels.data()));
  EXPECT_TRUE(test_support::WritePng(test_support::BesideTestProgram(png_name), frame.pixels,
                                     CapturedFrame::kWidth, CapturedFrame::kHeight));
  return frame;
}

}  // namespace game
