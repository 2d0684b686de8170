// A particle burst on a real OpenGL 3.3 context (SDL's offscreen driver):
// drawn additively with a soft dot made here, it lights pixels only within the
// reach of its fastest particle, and where dots overlap their light adds up.
// The frame is written as particle_burst.png beside the test program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/foundation/random.h"
#include "engine/foundation/timer.h"
#include "engine/scene/particle_system_ex.h"
#include "support/offscreen_gl.h"
#include "support/write_png.h"

namespace ORB {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr float kCentreX = 512.0f;
constexpr float kCentreY = 384.0f;
constexpr float kEmitterRadius = 20.0f;
constexpr float kSpeed = 100.0f;
constexpr float kDotSize = 16.0f;
constexpr int kFrames = 30;
constexpr float kFrameTime = 1.0f / 60.0f;
// A dim orange: one dot alone never gets red above 0x40.
constexpr uint32_t kDotColour = 0xFF402010u;

int Red(uint32_t argb) { return static_cast<int>((argb >> 16) & 0xFF); }

// A white dot whose alpha falls off from the middle to nothing at the edge.
std::vector<uint32_t> SoftDot(int side) {
  std::vector<uint32_t> pixels(static_cast<size_t>(side) * side);
  const float middle = (static_cast<float>(side) - 1.0f) / 2.0f;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const float d = std::hypot(static_cast<float>(x) - middle, static_cast<float>(y) - middle) /
                      (static_cast<float>(side) / 2.0f);
      const float share = std::max(0.0f, 1.0f - d);
      const auto alpha = static_cast<uint32_t>(share * share * 255.0f);
      pixels[static_cast<size_t>(y) * side + x] = alpha << 24 | 0x00FFFFFFu;
    }
  }
  return pixels;
}

class ParticleSystemGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(Open("particle test"));
    random_.Seed(4242u);
  }
  void TearDown() override {
    SetDefaultRandom(nullptr);
    FrameDelta().store(0.0f);
    OffscreenGlTest::TearDown();
  }

  Random random_;
};

TEST_F(ParticleSystemGlTest, AdditiveBurstLightsOnlyWithinItsReach) {
  TextureRecord* dot = renderer_->CreateBlank(16, 16);
  ASSERT_NE(dot, nullptr);
  const std::vector<uint32_t> dot_pixels = SoftDot(16);
  ASSERT_TRUE(renderer_->CopyToTexture(dot, dot_pixels.data()));

  OC_PARTICLE_SYSTEM_EX burst(dot);
  ASSERT_TRUE(RenderState(burst.GetRenderState()).Additive());
  burst.SetEmitterCircle(kCentreX, kCentreY, kEmitterRadius);
  burst.SetVelocity(Vector3(0.0f, kSpeed, 0.0f));
  burst.SetSpreadAngle(6.2831855f);  // every direction
  burst.SetGravity(Vector3(0.0f, 0.0f, 0.0f));
  burst.SetColours(ColourF(kDotColour), ColourF(kDotColour), ColourF(kDotColour));
  burst.SetSizes(kDotSize, kDotSize);
  burst.SetLifetime(2.0f);
  for (int i = 0; i < 300; ++i) burst.Emit();
  burst.Stop();
  FrameDelta().store(kFrameTime);
  for (int frame = 0; frame < kFrames; ++frame) burst.Update();
  ASSERT_EQ(burst.GetLiveCount(), 300);

  // The farthest a dot's middle can be: the emitter's edge plus the flight.
  const float reach = kEmitterRadius + kSpeed * kFrameTime * kFrames;
  float farthest = 0.0f;
  for (const OS_PARTICLE* p = burst.FirstLive(); p != nullptr; p = p->next) {
    farthest = std::max(farthest, std::hypot(p->point.x - kCentreX, p->point.y - kCentreY));
  }
  EXPECT_LE(farthest, reach + 0.01f);
  EXPECT_GT(farthest, reach - 10.0f);  // the burst has really spread

  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  ASSERT_EQ(burst.Draw(), kResultOk);
  const std::vector<uint32_t> pixels = Read(0, 0, kWidth, kHeight);
  EXPECT_TRUE(test_support::WritePng(test_support::BesideTestProgram("particle_burst.png"), pixels,
                                     kWidth, kHeight));
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);

  // Every lit pixel lies within the reach plus half a dot; the light gets
  // near that edge; and somewhere overlapping dots add up past one dot.
  const float limit = reach + kDotSize / 2.0f + 1.0f;
  int lit = 0;
  int outside = 0;
  float lit_farthest = 0.0f;
  int brightest = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const uint32_t argb = pixels[static_cast<size_t>(y) * kWidth + x];
      if ((argb & 0x00FFFFFFu) == 0) continue;
      ++lit;
      const float d = std::hypot(static_cast<float>(x) + 0.5f - kCentreX,
                                 static_cast<float>(y) + 0.5f - kCentreY);
      if (d > limit) ++outside;
      lit_farthest = std::max(lit_farthest, d);
      brightest = std::max(brightest, Red(argb));
    }
  }
  EXPECT_EQ(outside, 0);
  EXPECT_GT(lit, 2000);
  EXPECT_GT(lit_farthest, reach - 10.0f);
  EXPECT_GT(brightest, 0x40);
}

}  // namespace
}  // namespace ORB
