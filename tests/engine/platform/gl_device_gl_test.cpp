// The OpenGL device on a real GL 3.3 core context (SDL's offscreen driver).
#include <gtest/gtest.h>

#include <vector>

#include "engine/platform/gl_device.h"
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

// SDL's offscreen driver draws into a buffer nothing swaps away: once a
// frame is presented the device keeps its picture, and a partial frame
// changes its rectangles and not a pixel beside them, whatever it clears
// or draws there (points over a rectangle's edge included).
TEST_F(GlDeviceTest, APartialFrameChangesItsRectanglesAlone) {
  device_.SetBackBufferSize(1024, 768);
  EXPECT_EQ(device_.GetKeptPicture().age, 0) << "nothing presented yet";
  for (int frame = 0; frame < 2; ++frame) {  // the first is followed by the device's probe
    ASSERT_TRUE(device_.BeginScene());
    ASSERT_TRUE(device_.Clear(0xFFFF0000u, true, true, 1.0f, 0));
    device_.EndScene();
    ASSERT_TRUE(device_.Present());
  }
  const KeptPicture kept = device_.GetKeptPicture();
  ASSERT_EQ(kept.age, 1) << device_.PresentingWay();
  EXPECT_EQ(kept.fit.width, 1024);
  const PixelRect rects[2] = {{100, 191, 103, 58}, {40, 241, 90, 70}};
  device_.SetPartialFrame(rects, 2, rects, 2);
  ASSERT_TRUE(device_.BeginScene());
  const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  device_.SetTransform(identity);
  device_.BindTexture(0);
  GpuPoint points[24];  // along the first rectangle's lower edge, in clip space
  for (int i = 0; i < 24; ++i) {
    points[i].x = -0.8f + 0.008f * static_cast<float>(i);
    points[i].y = 1.0f - 2.0f * (247.5f + 0.25f * static_cast<float>(i % 5)) / 768.0f;
    points[i].size = 9.0f + static_cast<float>(i % 4);
    points[i].colour = 0xFF00FF00u;
  }
  device_.SetScissor(&rects[0]);
  ASSERT_TRUE(device_.Clear(0xFF0000FFu, true, true, 1.0f, 0));
  device_.DrawPoints(Primitive::PointSprites, points, 24);
  device_.SetScissor(&rects[1]);
  ASSERT_TRUE(device_.Clear(0xFFFFFFFFu, true, true, 1.0f, 0));
  device_.SetScissor(nullptr);
  std::vector<uint32_t> pixels(1024u * 768u);
  ASSERT_TRUE(device_.ReadPixels(0, 0, 1024, 768, pixels.data()));
  device_.EndScene();
  EXPECT_TRUE(device_.Present());
  auto in = [](const PixelRect& r, int x, int y) {
    return x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
  };
  int outside_changed = 0;
  int green = 0;
  for (int y = 150; y < 340; ++y) {
    for (int x = 0; x < 260; ++x) {
      const uint32_t rgb = pixels[static_cast<size_t>(y) * 1024 + x] & 0xFFFFFFu;
      if (in(rects[1], x, y)) {
        EXPECT_EQ(rgb, 0xFFFFFFu) << x << "," << y;
      } else if (in(rects[0], x, y)) {
        green += rgb == 0x00FF00u;
      } else {
        outside_changed += rgb != 0xFF0000u;
      }
    }
  }
  EXPECT_EQ(outside_changed, 0);
  EXPECT_GT(green, 100) << "the points are drawn inside";
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
