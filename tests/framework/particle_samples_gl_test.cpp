// The sample particle descriptions (tests/data/particles) as the game's
// effects read them, on the shipped pictures, drawn with real OpenGL (SDL's
// offscreen driver) and written beside the test program: the accent star
// burst, drawn additively on black, lights pixels only within the reach its
// own numbers allow, warm ones; the secondary-colour trail, drawn over the
// paper behind a moving emitter, tints only a band along its path.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/foundation/random.h"
#include "engine/foundation/timer.h"
#include "framework/particles.h"
#include "support/offscreen_gl.h"
#include "support/shipped_resources.h"
#include "support/source_path.h"

namespace {

constexpr uint32_t kPaper = 0xFFF4EFE6u;
constexpr float kFrame = 1.0f / 60.0f;

int Channel(uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFFu); }

class ParticleSamplesGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(Open("particle samples"));
    shipped_ = std::make_unique<test_support::ShippedResources>(
        *renderer_, std::initializer_list<const char*>{"data/share/image/effects"});
    random_.Seed(2024u);
    ORB::FrameDelta().store(kFrame);
  }
  void TearDown() override {
    ORB::SetDefaultRandom(nullptr);
    ORB::FrameDelta().store(0.0f);
    if (shipped_) shipped_->ExpectNothingHeld();
    shipped_.reset();
    OffscreenGlTest::TearDown();
  }

  // The sample's effect with its texture loaded.
  void Read(const char* file, ORB_GF::G_PARTICLES& effect) {
    pugi::xml_document document;
    ASSERT_TRUE(
        document.load_file(test_support::TestData(std::string("particles/") + file).c_str()));
    ASSERT_TRUE(effect.Load(document.child("particles")));
    effect.LoadTexture(&shipped_->textures);
    ASSERT_TRUE(effect.IsLoaded()) << effect.GetTextureName();
  }

  std::unique_ptr<test_support::ShippedResources> shipped_;
  ORB::Random random_;
};

TEST_F(ParticleSamplesGlTest, TheStarBurstGlowsWarmWithinItsReach) {
  ORB_GF::G_PARTICLES burst;
  ASSERT_NO_FATAL_FAILURE(Read("burst.xml", burst));
  ORB::OC_PARTICLE_SYSTEM_EX& system = burst.System();
  ASSERT_TRUE(ORB::RenderState(system.GetRenderState()).Additive());
  ASSERT_TRUE(system.GetArea().IsCircle());
  const ORB::Vector2 centre = system.GetArea().Centre();
  for (int i = 0; i < system.GetMaxCount(); ++i) system.Emit();
  system.Stop();
  constexpr int kFrames = 20;
  for (int i = 0; i < kFrames; ++i) burst.Update();
  ASSERT_EQ(system.GetLiveCount(), system.GetMaxCount()) << "all still alive";

  // The farthest a star's middle can get: the area's edge, the flight and
  // every acceleration pulling the same way, plus half the largest star.
  const float t = kFrames * kFrame;
  const float speed = std::hypot(system.GetVelocity().x, system.GetVelocity().y);
  const float pull = std::hypot(system.GetGravity().x, system.GetGravity().y) +
                     std::abs(system.GetRadialAcceleration()) +
                     std::abs(system.GetTangentialAcceleration());
  const float reach = system.GetArea().radius + speed * t + 0.5f * pull * t * t +
                      std::max(system.GetStartSize(), system.GetEndSize()) / 2.0f + 1.0f;

  renderer_->SetClearColour(ORB::Colour(0xFF000000u));
  ASSERT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
  ASSERT_EQ(burst.Draw(), ORB::kResultOk);
  const test_support::Frame frame = Snapshot("particle_sample_burst.png");
  renderer_->EndFrame();

  int lit = 0;
  int outside = 0;
  int cold = 0;
  float farthest = 0.0f;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const uint32_t argb = frame.At(x, y);
      if ((argb & 0x00FFFFFFu) == 0) continue;
      ++lit;
      const float d = std::hypot(static_cast<float>(x) + 0.5f - centre.x,
                                 static_cast<float>(y) + 0.5f - centre.y);
      farthest = std::max(farthest, d);
      if (d > reach) ++outside;
      if (Channel(argb, 16) < Channel(argb, 0)) ++cold;  // less red than blue
    }
  }
  EXPECT_EQ(outside, 0) << "reach " << reach << ", farthest " << farthest;
  EXPECT_GT(lit, 1500);
  EXPECT_GT(farthest, reach * 0.6f) << "the burst has spread";
  EXPECT_EQ(cold, 0) << "accent stars light warm";
  burst.ReleaseTexture();
}

TEST_F(ParticleSamplesGlTest, TheTrailTintsABandAlongItsPath) {
  ORB_GF::G_PARTICLES trail;
  ASSERT_NO_FATAL_FAILURE(Read("trail.xml", trail));
  ORB::OC_PARTICLE_SYSTEM_EX& system = trail.System();
  ASSERT_FALSE(ORB::RenderState(system.GetRenderState()).Additive());
  // 400 pixels along y 384 in one second, emitting all the way.
  constexpr float kFrom = 300.0f;
  constexpr float kTo = 700.0f;
  constexpr int kFrames = 60;
  system.Resume();
  for (int i = 0; i <= kFrames; ++i) {
    trail.SetEmitterX(kFrom + (kTo - kFrom) * static_cast<float>(i) / kFrames);
    trail.Update();
  }
  ASSERT_GT(system.GetLiveCount(), 25);

  renderer_->SetClearColour(ORB::Colour(kPaper));
  ASSERT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
  ASSERT_EQ(trail.Draw(), ORB::kResultOk);
  const test_support::Frame frame = Snapshot("particle_sample_trail.png");
  renderer_->EndFrame();

  // A dot falls at most (velocity + gravity x life) x life below its birth
  // and drifts sideways within the spread; everything else stays paper.
  const float life = system.Template().life;
  const float below = (system.GetVelocity().y + system.GetGravity().y * life) * life +
                      system.GetStartSize() / 2.0f + system.GetArea().radius + 2.0f;
  const float side = system.GetVelocity().y * std::sin(system.GetSpreadAngle() / 2.0f) * life +
                     system.GetStartSize() / 2.0f + system.GetArea().radius + 2.0f;
  int tinted = 0;
  int stray = 0;
  int strong = 0;
  int teal = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const uint32_t argb = frame.At(x, y);
      if (argb == kPaper) continue;
      ++tinted;
      const bool in_band =
          x >= kFrom - side && x <= kTo + side && y >= 384.0f - side && y <= 384.0f + below;
      if (!in_band) ++stray;
      if (Channel(kPaper, 16) - Channel(argb, 16) < 40) continue;  // a faint edge
      ++strong;
      if (Channel(argb, 0) > Channel(argb, 16)) ++teal;  // bluer than red
    }
  }
  EXPECT_EQ(stray, 0);
  EXPECT_GT(tinted, 2000);
  EXPECT_GT(strong, 300);
  EXPECT_EQ(teal, strong) << "the secondary colour shows";
  trail.ReleaseTexture();
}

}  // namespace
