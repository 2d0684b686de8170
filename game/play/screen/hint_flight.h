#pragma once
// gHintFlight: a hint flying from the hint button to its cell ("hint_fly" of
// "effects.xml"). The fly sprite follows a cubic Bezier curve from the
// button's point P0 to the cell's centre P3 whose control points stand at a
// third and two thirds of the way, pushed sideways by "deflection1" and
// "deflection2" pixels; the flight takes |P3 - P0| / "speed" seconds, trailed
// by the follow particles. On arrival the finish particles burst at the
// arrival point (at half scale), the follow particles stop, and the owner is
// told which cell the hint reached.
//
//   <hint_fly deflection1="80" deflection2="-40" speed="650">
//     <sprite_fly>... an animation ...</sprite_fly>
//     <particles_follow texture="..." .../>
//     <particles_finish texture="..." .../>
//   </hint_fly>
#include <cstdint>
#include <memory>

#include <pugixml.hpp>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector2.h"
#include "engine/foundation/vector3.h"
#include "engine/scene/bot_list.h"
#include "framework/animation.h"
#include "framework/particles.h"

namespace game {

class GG_ELEMENT;

class gHintFlight {
 public:
  // How long the finish particles burst.
  static constexpr float kFinishBurst = 0.3f;

  gHintFlight();
  ~gHintFlight();
  gHintFlight(const gHintFlight&) = delete;
  gHintFlight& operator=(const gHintFlight&) = delete;

  // Reads the template; false (no template: no flight) when the element or
  // its "sprite_fly" is missing.
  bool Load(const pugi::xml_node& element);
  // A flight can start: a template with a speed above 0.
  bool CanFly() const;

  // Starts a flight to the target's centre (one at a time: a flight under
  // way is dropped). False when no flight can start.
  bool Start(const ORB::Vector2& from, GG_ELEMENT& target);
  // One frame: the flight moves; the cell reached on the frame it arrives,
  // otherwise null. The particles go on after the arrival.
  GG_ELEMENT* Update();
  void Draw();
  // The flight ends without arriving; the particles go.
  void Cancel();
  void AcquireResources();
  void ReleaseResources();

  bool IsFlying() const { return target_ != nullptr; }
  GG_ELEMENT* Target() const { return target_; }
  // The fly sprite's position.
  ORB::Vector2 Position() const;
  // Seconds the flight under way takes in all.
  float Duration() const { return duration_; }
  float Speed() const { return speed_; }
  // The curve's control points of the flight under way.
  ORB::Vector2 Control1() const { return {control1_.x, control1_.y}; }
  ORB::Vector2 Control2() const { return {control2_.x, control2_.y}; }
  const ORB_GF::G_ANIMATION* Sprite() const { return sprite_.get(); }
  // The particles of the flight under way or just ended (null before one,
  // or without their description).
  const ORB_GF::G_PARTICLES* FollowParticles() const { return follow_.get(); }
  const ORB_GF::G_PARTICLES* FinishParticles() const { return finish_.get(); }

 private:
  // A live copy of a particle template, its texture fetched when the
  // flight's textures are held.
  std::unique_ptr<ORB_GF::G_PARTICLES> LiveCopy(const ORB_GF::G_PARTICLES* templ) const;

  std::unique_ptr<ORB_GF::G_ANIMATION> sprite_;
  // The particle descriptions, and the live particles of the last flight.
  std::unique_ptr<ORB_GF::G_PARTICLES> follow_template_;
  std::unique_ptr<ORB_GF::G_PARTICLES> finish_template_;
  std::unique_ptr<ORB_GF::G_PARTICLES> follow_;
  std::unique_ptr<ORB_GF::G_PARTICLES> finish_;
  bool acquired_ = false;
  ORB::OS_TRANSFORM3 finish_place_;
  float deflection1_ = 0.0f;
  float deflection2_ = 0.0f;
  float speed_ = 0.0f;
  // The flight under way.
  ORB::OC_BOT_LIST bots_;
  GG_ELEMENT* target_ = nullptr;
  ORB::Vector3 control1_;
  ORB::Vector3 control2_;
  ORB::Vector3 end_;
  float duration_ = 0.0f;
};

}  // namespace game
