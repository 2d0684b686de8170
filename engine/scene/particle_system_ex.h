#pragma once
// OC_PARTICLE_SYSTEM_EX: the particle system the game's effects use. Beyond
// the plain system each particle grows from a start size to an end size over
// its life and is pushed along its flight (radial acceleration) and across it
// (tangential acceleration). It reads and writes the particle description, the
// XML element "particles".
#include <cstdint>

#include <pugixml.hpp>

#include "engine/foundation/point.h"
#include "engine/scene/particle_system.h"

namespace ORB {

class OC_PARTICLE_SYSTEM_EX : public OC_PARTICLE_SYSTEM {
 public:
  static constexpr float kDefaultStartSize = 4.0f;
  static constexpr float kDefaultEndSize = 20.0f;

  explicit OC_PARTICLE_SYSTEM_EX(TextureRecord* texture, const OS_PARTICLE* templ = nullptr);

  // Reads a "particles" element. Without its "texture" attribute nothing is
  // read and the answer is false. With it the system takes the renderer's
  // default texture (the owner loads the named one itself) and every other
  // item present replaces the current value. An "area" of one number is a
  // circle of that radius, of two a rectangle of that width and height, both
  // centred on the screen; its numbers stand apart by any white space, and
  // one without a number is ignored. The screen is the game service's
  // resolution, or the one given.
  [[nodiscard]] bool LoadDescription(const pugi::xml_node& element);
  [[nodiscard]] bool LoadDescription(const pugi::xml_node& element, Point screen);
  // Appends a "particles" element to the parent holding every item, in a
  // form LoadDescription reads back to the same settings (a circle as its
  // radius, the frequency unrounded); answers it.
  pugi::xml_node WriteDescription(pugi::xml_node parent, const char* texture_name) const;

  void SetSizes(float start, float end) {
    start_size_ = start;
    end_size_ = end;
  }
  float GetStartSize() const { return start_size_; }
  float GetEndSize() const { return end_size_; }
  void SetTangentialAcceleration(float value) { tangential_ = value; }
  float GetTangentialAcceleration() const { return tangential_; }
  void SetRadialAcceleration(float value) { radial_ = value; }
  float GetRadialAcceleration() const { return radial_; }

 protected:
  // Size = the start size.
  void OnParticleBorn(OS_PARTICLE* particle) override;
  // The size grows towards the end size over the life; the velocity turns
  // by the two accelerations. A particle at rest has no direction to be
  // pushed along or across, and a life of 0 or less ends at the end size.
  void OnParticleUpdate(OS_PARTICLE* particle) override;

 private:
  float start_size_ = kDefaultStartSize;
  float end_size_ = kDefaultEndSize;
  float tangential_ = 0.0f;
  float radial_ = 0.0f;
};

}  // namespace ORB
