// The particle systems under a seeded generator and a set frame time: timed
// emission, births in the emitter area and spread, the three-colour fade,
// deaths, the emitter's moves, the growth and accelerations of the extended
// system, copies, and drawing through the recording device.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "engine/foundation/random.h"
#include "engine/foundation/timer.h"
#include "engine/scene/particle_system_ex.h"
#include "support/recording_renderer.h"

namespace ORB {
namespace {

constexpr float kTwoPi = 6.2831855f;

class ParticleSystemTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    texture_ = renderer_->CreateBlank(16, 24);
    ASSERT_NE(texture_, nullptr);
    random_.Seed(777u);
    SetDelta(0.25f);
  }
  void TearDown() override {
    SetDefaultRandom(nullptr);
    FrameDelta().store(0.0f);
  }
  static void SetDelta(float seconds) { FrameDelta().store(seconds); }

  static std::vector<const OS_PARTICLE*> Live(const OC_PARTICLE_SYSTEM& system) {
    std::vector<const OS_PARTICLE*> out;
    for (const OS_PARTICLE* p = system.FirstLive(); p != nullptr; p = p->next) out.push_back(p);
    return out;
  }
  static int Channel(uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); }
  static ::testing::AssertionResult ColourNear(uint32_t actual, uint32_t expected) {
    for (const int shift : {24, 16, 8, 0}) {
      if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > 1) {
        return ::testing::AssertionFailure() << std::hex << actual << " is not " << expected;
      }
    }
    return ::testing::AssertionSuccess();
  }

  TextureRecord* texture_ = nullptr;
  Random random_;
};

TEST_F(ParticleSystemTest, DefaultsAndTemplate) {
  OC_PARTICLE_SYSTEM system(texture_);
  EXPECT_EQ(system.GetMaxCount(), 8096);
  EXPECT_EQ(system.GetGravity(), Vector3(0, 140, 0));
  EXPECT_EQ(system.GetVelocity(), Vector3(0, 150, 0));
  EXPECT_EQ(system.GetRenderState(), 0x00003416u);
  EXPECT_EQ(system.GetStartColour().ToColour(), 0xFFFFFFFFu);
  EXPECT_EQ(system.GetAverageColour().ToColour(), 0xFF00FF00u);
  EXPECT_EQ(system.GetEndColour().ToColour(), 0x88FFF700u);
  EXPECT_FLOAT_EQ(system.GetInterval(), 1.0f);
  EXPECT_FALSE(system.IsEmitting());
  EXPECT_EQ(system.Template().point.size, 24.0f);  // the texture's height
  EXPECT_EQ(system.Template().life, 2.0f);
  EXPECT_EQ(system.Template().velocity, Vector3(0, 150, 0));

  OS_PARTICLE given;
  given.life = 5.0f;
  given.point.size = 3.0f;
  given.point.z = 0.5f;
  OC_PARTICLE_SYSTEM from_template(texture_, &given);
  EXPECT_EQ(from_template.Template().life, 5.0f);
  from_template.Emit();
  EXPECT_EQ(from_template.FirstLive()->point.size, 3.0f);
  EXPECT_EQ(from_template.FirstLive()->point.z, 0.5f);
  EXPECT_EQ(from_template.FirstLive()->life, 5.0f);
}

TEST_F(ParticleSystemTest, StartWithoutPositiveTimeEmitsForATenthOfASecond) {
  SetDelta(1.0f / 32.0f);
  for (const float duration : {0.0f, -1.0f}) {
    OC_PARTICLE_SYSTEM system(texture_);
    system.SetFrequency(100.0f);
    system.Start(duration);
    EXPECT_FLOAT_EQ(system.EmissionTimeLeft(), 0.1f);
    for (int i = 0; i < 10; ++i) system.Update();
    // One a frame for the four frames that begin within 0.1 s.
    EXPECT_EQ(system.GetLiveCount(), 4) << duration;
    EXPECT_FALSE(system.IsEmitting());
    EXPECT_EQ(system.EmissionTimeLeft(), 0.0f);
  }
}

TEST_F(ParticleSystemTest, AtMostOneBirthPerUpdateWhateverTheFrequency) {
  SetDelta(1.0f / 30.0f);
  OC_PARTICLE_SYSTEM system(texture_);
  system.SetFrequency(100.0f);
  system.Resume();  // no time limit
  for (int i = 0; i < 30; ++i) system.Update();
  EXPECT_EQ(system.GetLiveCount(), 30);
  EXPECT_TRUE(system.IsEmitting());

  // Two a second at 4 updates a second: every other update.
  SetDelta(0.25f);
  OC_PARTICLE_SYSTEM slow(texture_);
  slow.SetFrequency(2.0f);
  slow.Resume();
  for (int i = 0; i < 8; ++i) slow.Update();
  EXPECT_EQ(slow.GetLiveCount(), 4);
}

TEST_F(ParticleSystemTest, EmitStopsAtTheMaximumButStaysOn) {
  OC_PARTICLE_SYSTEM system(texture_);
  system.SetMaxCount(3);
  for (int i = 0; i < 5; ++i) system.Emit();
  EXPECT_EQ(system.GetLiveCount(), 3);
  EXPECT_TRUE(system.IsEmitting());
  EXPECT_FLOAT_EQ(system.GetAccumulator(), 1.0f);  // no birth: the accumulator stays full
  system.Stop();
  EXPECT_FALSE(system.IsEmitting());
}

TEST_F(ParticleSystemTest, CircleBirthsDrawRadiusAngleThenSpread) {
  OC_PARTICLE_SYSTEM system(texture_);
  system.SetEmitterCircle(100.0f, 200.0f, 10.0f);
  system.SetSpreadAngle(1.0f);
  Random twin(random_.State());
  for (int i = 0; i < 20; ++i) {
    system.Emit();
    const float r = twin.RangeF(0.0f, 10.0f);
    const float a = twin.RangeF(0.0f, kTwoPi);
    const float t = twin.RangeF(0.0f, 1.0f);
    const OS_PARTICLE* p = system.FirstLive();
    EXPECT_FLOAT_EQ(p->point.x, 100.0f + std::cos(a) * r);
    EXPECT_FLOAT_EQ(p->point.y, 200.0f + std::sin(a) * r);
    // The base velocity (0, 150) turned by t - 0.5 radians, one way.
    const float turn = t - 0.5f;
    EXPECT_NEAR(p->velocity.x, 150.0f * std::sin(turn), 1e-3f);
    EXPECT_NEAR(p->velocity.y, 150.0f * std::cos(turn), 1e-3f);
    EXPECT_EQ(p->point.colour, 0xFFFFFFFFu);
  }
  EXPECT_EQ(random_.State(), twin.State());
}

TEST_F(ParticleSystemTest, RectangleBirthsLieOnWholeUnitsInsideIt) {
  OC_PARTICLE_SYSTEM system(texture_);
  system.SetEmitterRect(50.0f, 60.0f, 20.0f, 10.0f);  // (40, 55)-(60, 65)
  Random twin(random_.State());
  for (int i = 0; i < 50; ++i) {
    system.Emit();
    const OS_PARTICLE* p = system.FirstLive();
    EXPECT_EQ(p->point.x, static_cast<float>(twin.Range(40, 60)));
    EXPECT_EQ(p->point.y, static_cast<float>(twin.Range(55, 65)));
    twin.RangeF(0.0f, 0.0f);  // the spread is drawn even when it is 0
    EXPECT_EQ(p->velocity, Vector3(0, 150, 0));
  }
  // A rectangle with a corner on an axis is still a rectangle.
  OC_PARTICLE_SYSTEM cornered(texture_);
  cornered.SetEmitterRect(-5.0f, 5.0f, 10.0f, 10.0f);  // (-10, 0)-(0, 10)
  for (int i = 0; i < 50; ++i) {
    cornered.Emit();
    const OS_PARTICLE* p = cornered.FirstLive();
    EXPECT_GE(p->point.x, -10.0f);
    EXPECT_LT(p->point.x, 0.0f);
    EXPECT_GE(p->point.y, 0.0f);
    EXPECT_LT(p->point.y, 10.0f);
  }
}

TEST_F(ParticleSystemTest, ColoursFadeThroughAverageToEnd) {
  SetDelta(0.2f);
  OC_PARTICLE_SYSTEM system(texture_);
  system.SetColours(ColourF(0xFFFFFFFFu), ColourF(0xFF00FF00u), ColourF(0x88FFF700u));
  system.SetLifetime(1.0f);
  system.Emit();
  const OS_PARTICLE* p = system.FirstLive();
  // m = 0.8: start + (average - start) x 0.4.
  system.Update();
  EXPECT_TRUE(ColourNear(p->point.colour, 0xFF99FF99u));
  system.Update();
  system.Update();
  system.Update();
  // m = 0.2: average + (end - average) x 0.6.
  EXPECT_NEAR(p->remaining, 0.2f, 1e-5f);
  EXPECT_TRUE(ColourNear(p->point.colour, 0xB899FA00u));
}

TEST_F(ParticleSystemTest, ParticlesMoveUnderGravityAndDieAfterTheirLife) {
  OC_PARTICLE_SYSTEM system(texture_);
  system.SetLifetime(0.5f);
  system.SetGravity(Vector3(0, 8, 0));
  system.SetVelocity(Vector3(4, 0, 0));
  system.SetEmitterCircle(10.0f, 10.0f, 0.0f);
  system.Emit();
  system.Stop();  // Emit switches emitting on: no more births here
  const OS_PARTICLE* p = system.FirstLive();
  system.Update();  // remaining 0.5
  EXPECT_EQ(p->velocity, Vector3(4, 2, 0));
  EXPECT_EQ(p->point.x, 11.0f);
  EXPECT_EQ(p->point.y, 10.5f);
  system.Update();  // remaining 0: still alive, drawn with the end colour
  EXPECT_EQ(p->remaining, 0.0f);
  EXPECT_EQ(p->point.colour, 0x88FFF700u);
  system.Update();  // remaining below 0: drawn once more
  EXPECT_EQ(system.GetLiveCount(), 1);
  EXPECT_EQ(p->point.colour, 0x88FFF700u);
  system.Update();  // found below 0: removed
  EXPECT_EQ(system.GetLiveCount(), 0);
  EXPECT_EQ(system.FirstLive(), nullptr);
}

TEST_F(ParticleSystemTest, LifetimeOfZeroOrLessLivesOneUpdate) {
  for (const float life : {0.0f, -3.0f, std::nanf("")}) {
    OC_PARTICLE_SYSTEM_EX system(texture_);
    system.SetLifetime(life);
    system.Emit();
    system.Update();
    ASSERT_EQ(system.GetLiveCount(), 1) << life;
    const OS_PARTICLE* p = system.FirstLive();
    EXPECT_EQ(p->point.colour, 0x88FFF700u) << life;
    EXPECT_EQ(p->point.size, 20.0f) << life;  // the end size, not a division by the life
    system.Update();
    EXPECT_EQ(system.GetLiveCount(), 0) << life;
  }
}

TEST_F(ParticleSystemTest, OldestDieFirstAndTheListStaysLinked) {
  OC_PARTICLE_SYSTEM system(texture_);
  system.SetLifetime(1.0f);
  system.SetFrequency(4.0f);
  system.Resume();
  for (int i = 0; i < 12; ++i) system.Update();
  // Born one per update; each is found below 0 on the sixth update after
  // its birth: remaining 1, 0.75, 0.5, 0.25, 0 and -0.25 are alive.
  EXPECT_EQ(system.GetLiveCount(), 6);
  const auto live = Live(system);
  ASSERT_EQ(live.size(), 6u);
  for (size_t i = 1; i < live.size(); ++i) {
    EXPECT_EQ(live[i]->previous, live[i - 1]);
    EXPECT_LT(live[i - 1]->remaining, 1.0f + 1e-6f);
    EXPECT_GT(live[i - 1]->remaining, live[i]->remaining);  // newest first
  }
}

TEST_F(ParticleSystemTest, EmitterMovesKeepShapeAndCentre) {
  OC_PARTICLE_SYSTEM system(texture_);
  system.SetEmitterCircle(10.0f, 20.0f, 5.0f);
  system.SetEmitterPosition(30.0f, 40.0f);
  EXPECT_TRUE(system.GetArea().IsCircle());
  EXPECT_EQ(system.GetArea().radius, 5.0f);
  EXPECT_EQ(system.GetArea().Centre(), Vector2(30, 40));
  system.MoveEmitterTo(1.0f, 2.0f);
  EXPECT_EQ(system.GetArea().Centre(), Vector2(1, 2));
  system.MoveArea(1.0f, 1.0f);
  EXPECT_EQ(system.GetArea().Centre(), Vector2(2, 3));
  EXPECT_EQ(system.GetArea().x2, 0.0f);

  system.SetEmitterRect(0.0f, 0.0f, 20.0f, 10.0f);
  system.SetEmitterPosition(100.0f, 100.0f);
  EXPECT_FALSE(system.GetArea().IsCircle());
  EXPECT_EQ(system.GetArea().x1, 90.0f);
  EXPECT_EQ(system.GetArea().y2, 105.0f);
  system.MoveEmitterTo(50.0f, 60.0f);  // the rectangle's centre goes there
  EXPECT_EQ(system.GetArea().Centre(), Vector2(50, 60));
  EXPECT_EQ(system.GetArea().x2 - system.GetArea().x1, 20.0f);
  // A corner on an axis moves with the rest.
  system.SetEmitterRect(-5.0f, -5.0f, 10.0f, 10.0f);  // (-10, -10)-(0, 0)
  system.MoveArea(3.0f, 4.0f);
  EXPECT_EQ(system.GetArea().x2, 3.0f);
  EXPECT_EQ(system.GetArea().y2, 4.0f);
  EXPECT_FALSE(system.GetArea().IsCircle());
}

TEST_F(ParticleSystemTest, ExtendedSystemGrowsAndAccelerates) {
  SetDelta(0.5f);
  OC_PARTICLE_SYSTEM_EX system(texture_);
  system.SetGravity(Vector3(0, 0, 0));
  system.SetVelocity(Vector3(10, 0, 0));
  system.SetLifetime(2.0f);
  system.SetRadialAcceleration(20.0f);
  system.SetTangentialAcceleration(20.0f);
  system.Emit();
  const OS_PARTICLE* p = system.FirstLive();
  EXPECT_EQ(p->point.size, 4.0f);  // the start size
  system.Update();
  EXPECT_EQ(p->point.size, 8.0f);  // (20 - 4) x 0.5 / 2 a step
  // Pushed 10 along (1, 0), then 10 across it (0, 1).
  EXPECT_EQ(p->velocity, Vector3(20, 10, 0));
  system.Update();
  system.Update();
  system.Update();
  EXPECT_EQ(p->point.size, 20.0f);
}

TEST_F(ParticleSystemTest, ParticleAtRestTakesNoAcceleration) {
  OC_PARTICLE_SYSTEM_EX system(texture_);
  system.SetGravity(Vector3(0, 0, 0));
  system.SetVelocity(Vector3(0, 0, 0));
  system.SetRadialAcceleration(100.0f);
  system.SetTangentialAcceleration(-50.0f);
  system.Emit();
  const OS_PARTICLE* p = system.FirstLive();
  for (int i = 0; i < 4; ++i) system.Update();
  EXPECT_EQ(p->velocity, Vector3(0, 0, 0));
  EXPECT_TRUE(std::isfinite(p->point.x) && std::isfinite(p->point.y));
}

TEST_F(ParticleSystemTest, CopiesOwnTheirParticles) {
  auto original = std::make_unique<OC_PARTICLE_SYSTEM_EX>(texture_);
  original->SetSizes(2.0f, 6.0f);
  original->SetEmitterRect(10, 10, 4, 4);
  for (int i = 0; i < 3; ++i) original->Emit();
  OC_PARTICLE_SYSTEM_EX copy(*original);
  EXPECT_EQ(copy.GetLiveCount(), 3);
  EXPECT_EQ(copy.GetStartSize(), 2.0f);
  EXPECT_FALSE(copy.GetArea().IsCircle());
  const auto theirs = Live(*original);
  const auto ours = Live(copy);
  ASSERT_EQ(ours.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_NE(ours[i], theirs[i]);
    EXPECT_EQ(ours[i]->point.x, theirs[i]->point.x);  // in the same order
  }
  original.reset();  // the copy's particles stay valid
  copy.Update();
  EXPECT_EQ(copy.GetLiveCount(), 3);

  OC_PARTICLE_SYSTEM_EX other(texture_);
  other.Emit();
  other = copy;
  EXPECT_EQ(other.GetLiveCount(), 3);
  const OC_PARTICLE_SYSTEM_EX& same = other;
  other = same;  // assigning a system to itself keeps everything
  EXPECT_EQ(other.GetLiveCount(), 3);
}

TEST_F(ParticleSystemTest, DrawHandsTheLiveListToTheRendererOnce) {
  OC_PARTICLE_SYSTEM system(texture_);
  OS_TRANSFORM3 parent;
  parent.position.Set(100, 0, 0);
  OS_TRANSFORM3 place;
  place.position.Set(0, 50, 0);
  place.parent = &parent;
  system.SetTransform(&place);
  system.SetEmitterCircle(1.0f, 2.0f, 0.0f);
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  EXPECT_EQ(system.Draw(), kResultFailed);  // nothing alive
  for (int i = 0; i < 600; ++i) system.Emit();
  const int32_t meshes_before = renderer_->GetCounters().meshes;
  EXPECT_EQ(system.Draw(), kResultOk);
  EXPECT_EQ(renderer_->GetCounters().meshes - meshes_before, 1);
  int32_t points = 0;
  for (const auto& draw : fake_->Draws()) {
    if (!draw.points) continue;
    points += draw.vertex_count;
    EXPECT_EQ(draw.texture, texture_->handle);
    EXPECT_EQ(draw.primitive, platform::Primitive::PointSprites);
    EXPECT_FLOAT_EQ(draw.point_data[0].x, 101.0f);  // placed by the parent chain
    EXPECT_FLOAT_EQ(draw.point_data[0].y, 52.0f);
  }
  EXPECT_EQ(points, 600);
  EXPECT_TRUE(fake_->Current().additive);
  renderer_->EndFrame();
}

}  // namespace
}  // namespace ORB
