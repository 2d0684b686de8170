// The OpenGL device on a real GL 3.3 core context (SDL's offscreen driver).
#include "engine/platform/gl_device.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/platform/sdl_display.h"

namespace ORB::platform {
namespace {

class GlDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.Open("gl device test", 1024, 768));
    ASSERT_TRUE(display_.SetMode(1024, 768, false));
    ASSERT_TRUE(display_.HasOpenGl());
    ASSERT_TRUE(device_.Open(display_.NativeHandle()));
  }

  SdlDisplay display_;
  GlDevice device_;
};

TEST_F(GlDeviceTest, ClearsTheBackBufferAndReadsItTopDown) {
  device_.SetBackBufferSize(1024, 768);
  ASSERT_TRUE(device_.BeginScene());
  EXPECT_FALSE(device_.BeginScene());  // one scene at a time
  ASSERT_TRUE(device_.Clear(0xFF336699u, true, true, 1.0f, 0));
  std::vector<uint32_t> pixels(4);
  ASSERT_TRUE(device_.ReadPixels(10, 10, 2, 2, pixels.data()));
  for (uint32_t p : pixels) EXPECT_EQ(p & 0x00FFFFFFu, 0x00336699u);
  EXPECT_TRUE(device_.EndScene());
  EXPECT_FALSE(device_.EndScene());
  EXPECT_TRUE(device_.Present());
  EXPECT_EQ(device_.TestStatus(), DeviceStatus::Ok);
}

TEST_F(GlDeviceTest, LetterboxesASmallerGameImageIntoTheWindow) {
  // 512 x 256 into 1024 x 768: scale 2, bars of 128 pixels above and below.
  device_.SetBackBufferSize(512, 256);
  ASSERT_TRUE(device_.BeginScene());
  const auto& viewport = device_.GetViewport();
  EXPECT_EQ(viewport.x, 0);
  EXPECT_EQ(viewport.y, 128);
  EXPECT_EQ(viewport.width, 1024);
  EXPECT_EQ(viewport.height, 512);
  ASSERT_TRUE(device_.Clear(0xFFFFFFFFu, true, true, 1.0f, 0));
  std::vector<uint32_t> inside(1);
  std::vector<uint32_t> bar(1);
  ASSERT_TRUE(device_.ReadPixels(0, 0, 1, 1, inside.data()));
  ASSERT_TRUE(device_.ReadPixels(0, -1, 1, 1, bar.data()));  // just above the letterbox
  EXPECT_EQ(inside[0] & 0x00FFFFFFu, 0x00FFFFFFu);
  EXPECT_EQ(bar[0] & 0x00FFFFFFu, 0u);
  device_.EndScene();
}

TEST_F(GlDeviceTest, TexturesOfAnySizeKeepTheirPixels) {
  const std::vector<uint32_t> image = {0xFF112233u, 0x80445566u, 0x00778899u,
                                       0xFFAABBCCu, 0x01020304u, 0xFFFFFFFFu};
  const TextureHandle texture = device_.CreateTexture(3, 2, image.data());
  ASSERT_NE(texture, 0u);
  std::vector<uint32_t> back(6);
  ASSERT_TRUE(device_.ReadTexture(texture, 3, 2, back.data()));
  EXPECT_EQ(back, image);
  EXPECT_FALSE(device_.ReadTexture(texture, 2, 3, back.data()));  // wrong size

  const TextureHandle blank = device_.CreateTexture(7, 5, nullptr);
  ASSERT_NE(blank, 0u);
  std::vector<uint32_t> zeros(35, 1u);
  ASSERT_TRUE(device_.ReadTexture(blank, 7, 5, zeros.data()));
  EXPECT_EQ(zeros, std::vector<uint32_t>(35, 0u));

  const std::vector<uint32_t> next(35, 0xFF00FF00u);
  EXPECT_TRUE(device_.UpdateTexture(blank, 7, 5, next.data()));
  ASSERT_TRUE(device_.ReadTexture(blank, 7, 5, zeros.data()));
  EXPECT_EQ(zeros, next);

  device_.DestroyTexture(texture);
  EXPECT_FALSE(device_.ReadTexture(texture, 3, 2, back.data()));
  device_.DestroyTexture(blank);
  EXPECT_EQ(device_.CreateTexture(0, 4, nullptr), 0u);
  EXPECT_EQ(device_.CreateTexture(1 << 20, 1, nullptr), 0u);
}

TEST(GlDeviceOpen, RefusesAMissingWindow) {
  GlDevice device;
  EXPECT_FALSE(device.Open(nullptr));
  EXPECT_FALSE(device.IsOpen());
  EXPECT_EQ(device.TestStatus(), DeviceStatus::Lost);
  EXPECT_FALSE(device.BeginScene());
  EXPECT_EQ(device.CreateTexture(4, 4, nullptr), 0u);
  // Switches and draws on a closed device do nothing.
  device.SetBlend(true);
  GpuVertex vertex;
  device.DrawMesh(Primitive::Triangles, &vertex, 1, nullptr, 0);
}

}  // namespace
}  // namespace ORB::platform
