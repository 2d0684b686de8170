#include "engine/scene/particle_system_ex.h"

#include <cmath>

#include "engine/foundation/timer.h"

namespace ORB {

OC_PARTICLE_SYSTEM_EX::OC_PARTICLE_SYSTEM_EX(TextureRecord* texture, const OS_PARTICLE* templ)
    : OC_PARTICLE_SYSTEM(texture, templ) {}

void OC_PARTICLE_SYSTEM_EX::OnParticleBorn(OS_PARTICLE* particle) {
  particle->point.size = start_size_;
}

void OC_PARTICLE_SYSTEM_EX::OnParticleUpdate(OS_PARTICLE* particle) {
  const float dt = GetFrameDelta();
  if (particle->life > 0.0f) {
    particle->point.size += (end_size_ - start_size_) * dt / particle->life;
  } else {
    particle->point.size = end_size_;
  }
  Vector3 along = particle->velocity;
  const float speed = along.Normalize();
  if (!(speed > 0.0f) || !std::isfinite(speed)) return;
  const Vector3 across = along.Perpendicular();
  particle->velocity += along * (radial_ * dt);
  particle->velocity += across * (tangential_ * dt);
}

}  // namespace ORB
