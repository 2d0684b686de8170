#pragma once
// OC_PARTICLE_SYSTEM: emits, moves, colours and draws textured point sprites.
// Each particle is born in the emitter area (a rectangle or a circle), flies
// off with the base velocity turned by a random angle within the spread, is
// pulled by a constant gravity, fades from the start colour through the
// average colour to the end colour over its life and dies when the life is
// used up. Effects move the emitter and call Emit themselves, or let Update
// emit at the frequency while emitting is on.
//
// The system owns its particles (singly allocated, on a live and a dead
// list); the texture and the transform belong to others. All steps use the
// global frame time and all random numbers the engine's default generator.
#include <cstdint>

#include "engine/foundation/colour_f.h"
#include "engine/foundation/render_state.h"
#include "engine/foundation/texture_record.h"
#include "engine/foundation/transform.h"
#include "engine/foundation/vector2.h"
#include "engine/foundation/vector3.h"
#include "engine/scene/particle.h"

namespace ORB {

// Where particles are born. A rectangle keeps its corners (x1, y1)-(x2, y2);
// a circle keeps its centre in (x1, y1) and its radius. The shape is kept on
// its own, so a rectangle whose corner lies on an axis stays a rectangle.
struct EmitterArea {
  enum class Shape : uint8_t { kRectangle, kCircle };
  Shape shape = Shape::kCircle;
  float x1 = 0.0f;
  float y1 = 0.0f;
  float x2 = 0.0f;
  float y2 = 0.0f;
  float radius = 0.0f;

  bool IsCircle() const { return shape == Shape::kCircle; }
  // The middle of the rectangle or the circle's centre.
  Vector2 Centre() const;
};

class OC_PARTICLE_SYSTEM {
 public:
  static constexpr int32_t kDefaultMaxCount = 8096;
  static constexpr uint32_t kDefaultStartColour = 0xFFFFFFFFu;
  static constexpr uint32_t kDefaultAverageColour = 0xFF00FF00u;
  static constexpr uint32_t kDefaultEndColour = 0x88FFF700u;

  // Gravity (0, 140, 0), base velocity (0, 150, 0), no spread, additive
  // textured point sprites, one particle a second, not emitting. The
  // template particle is copied from `templ` when given; otherwise it sits
  // at the origin with the texture's height as its size, the start colour,
  // a life of 2 s and the base velocity.
  explicit OC_PARTICLE_SYSTEM(TextureRecord* texture, const OS_PARTICLE* templ = nullptr);
  virtual ~OC_PARTICLE_SYSTEM();
  // A copy has the other's settings and copies of its live particles, never
  // the same records (each system frees its own).
  OC_PARTICLE_SYSTEM(const OC_PARTICLE_SYSTEM& other);
  OC_PARTICLE_SYSTEM& operator=(const OC_PARTICLE_SYSTEM& other);

  // One frame: ages, colours and moves every live particle (those already
  // past their life are taken out first), then emits at most one when
  // emitting and due, frees the dead, and counts down a time limit.
  virtual void Update();
  // The live particles as point sprites through the current renderer, in
  // one call, placed by the transform (combined up its parents) or as they
  // stand without one. Answers the renderer's result; kResultFailed without
  // renderer or particles.
  int32_t Draw() const;

  // Emits for `duration` seconds (0.1 when it is not above 0).
  void Start(float duration);
  void Stop() { emitting_ = false; }
  // Emits again without touching the time left (none: until Stop).
  void Resume() { emitting_ = true; }
  // Emitting on, and one particle now unless the maximum is reached.
  void Emit();
  bool IsEmitting() const { return emitting_; }
  float EmissionTimeLeft() const { return emission_left_; }

  // Particles a second (Update emits at most one per frame whatever this is).
  void SetFrequency(float frequency);
  float GetFrequency() const { return frequency_; }
  float GetInterval() const { return interval_; }

  // The texture and its height; the template's size stays as it is.
  void SetTexture(TextureRecord* texture);
  TextureRecord* GetTexture() const { return texture_; }
  void SetTransform(OS_TRANSFORM3* transform) { transform_ = transform; }
  OS_TRANSFORM3* GetTransform() const { return transform_; }

  // --- The emitter area.
  void SetEmitterRect(float cx, float cy, float w, float h);
  void SetEmitterCircle(float cx, float cy, float r);
  // The same shape and size, centred on (x, y).
  void SetEmitterPosition(float x, float y);
  // Moves the area by (dx, dy).
  void MoveArea(float dx, float dy);
  // Moves the area so that its centre is (x, y).
  void MoveEmitterTo(float x, float y);
  const EmitterArea& GetArea() const { return area_; }

  // --- Settings.
  void SetMaxCount(int32_t count) { max_count_ = count; }
  int32_t GetMaxCount() const { return max_count_; }
  void SetGravity(const Vector3& gravity) { gravity_ = gravity; }
  const Vector3& GetGravity() const { return gravity_; }
  void SetVelocity(const Vector3& velocity) { base_velocity_ = velocity; }
  const Vector3& GetVelocity() const { return base_velocity_; }
  // Radians; the base velocity is turned by up to half of it either way.
  void SetSpreadAngle(float radians) { spread_ = radians; }
  float GetSpreadAngle() const { return spread_; }
  void SetColours(const ColourF& start, const ColourF& average, const ColourF& end);
  const ColourF& GetStartColour() const { return start_colour_; }
  const ColourF& GetAverageColour() const { return average_colour_; }
  const ColourF& GetEndColour() const { return end_colour_; }
  void SetRenderState(uint32_t state) { state_ = state; }
  uint32_t GetRenderState() const { return state_; }
  // Every new particle starts as a copy of the template (life, size, z...).
  OS_PARTICLE& Template() { return template_; }
  const OS_PARTICLE& Template() const { return template_; }
  void SetLifetime(float seconds) { template_.life = seconds; }

  // --- The particles.
  int32_t GetLiveCount() const { return live_count_; }
  // Newest first; linked through `next`.
  const OS_PARTICLE* FirstLive() const { return live_; }
  float GetAccumulator() const { return accumulator_; }

 protected:
  virtual void OnParticleBorn(OS_PARTICLE* /*particle*/) {}
  virtual void OnParticleUpdate(OS_PARTICLE* /*particle*/) {}

 private:
  void Birth();
  void CopySettings(const OC_PARTICLE_SYSTEM& other);
  void CopyLive(const OC_PARTICLE_SYSTEM& other);
  static void FreeList(OS_PARTICLE*& head);
  void FreeAll();

  int32_t live_count_ = 0;
  int32_t max_count_ = kDefaultMaxCount;
  Vector3 gravity_{0.0f, 140.0f, 0.0f};
  Vector3 base_velocity_{0.0f, 150.0f, 0.0f};
  float spread_ = 0.0f;
  ColourF start_colour_;
  ColourF average_colour_;
  ColourF end_colour_;
  uint32_t state_ = RenderState::kParticleDefault;
  OS_PARTICLE template_;
  OS_PARTICLE* live_ = nullptr;
  OS_PARTICLE* dead_ = nullptr;
  OS_TRANSFORM3* transform_ = nullptr;
  float emission_left_ = 0.0f;
  bool emitting_ = false;
  float frequency_ = 1.0f;
  float interval_ = 1.0f;
  float accumulator_ = 0.0f;
  TextureRecord* texture_ = nullptr;
  int32_t texture_height_ = 0;
  EmitterArea area_;
};

}  // namespace ORB
