#pragma once
// GG_BASE_CONTROL: one control of the play screen's control bar (the hint
// button, pause, the store button, the reset-selection target). A control
// stands at its "TRANSFORM" with a "background" picture behind it; it can
// be locked (by the tutorial: it then takes no input) and shown or hidden;
// the hint and store buttons slide out to the right when hidden and back in
// when shown, at "speed" slides a second after "delay" seconds.
//
//   <hint_button speed="1" delay="2">
//     <TRANSFORM>964 150 0 0 0 0 0 0 0 1 1 1</TRANSFORM>
//     <background>... a sprite or an animation ...</background>
//     ...the control's own children...
//   </hint_button>
//
// Input results: kEventSwallowed when the control took the press or the
// release (the board then ignores it), kResultNone otherwise.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/point.h"
#include "engine/foundation/transform.h"
#include "engine/foundation/vector2.h"
#include "framework/animation.h"
#include "framework/sprite.h"

namespace game {

class GG_BASE_CONTROL {
 public:
  // How far a hidden control stands to the right of its place.
  static constexpr float kSlideDistance = 240.0f;
  static constexpr float kDefaultSpeed = 1.0f;
  static constexpr float kDefaultDelay = 2.0f;

  GG_BASE_CONTROL() = default;
  virtual ~GG_BASE_CONTROL() = default;
  GG_BASE_CONTROL(const GG_BASE_CONTROL&) = delete;
  GG_BASE_CONTROL& operator=(const GG_BASE_CONTROL&) = delete;

  // Reads "TRANSFORM", "background", "speed" and "delay" of the control's
  // root element, then the control's own (LoadControl). False when the
  // control cannot work without what is missing.
  bool Load(const pugi::xml_node& root);

  virtual void SetLocked(bool locked) { locked_ = locked; }
  bool IsLocked() const { return locked_; }
  virtual void Draw();
  virtual int32_t OnButtonDown(int32_t button);
  virtual int32_t OnButtonUp(int32_t button);
  virtual int32_t OnPointerMove();
  // Moves the control to its place plus its slide's offset.
  virtual void ApplyPosition();
  // Shown: the background starts playing once; hidden controls take no
  // input. Slides in or out after `delay` seconds (0: at once, no slide).
  virtual void Show();
  virtual void Hide();
  void SlideIn(float delay);
  void SlideOut(float delay);
  // The slide ends where it was going, now.
  void Snap();

  // Once a frame while the level runs.
  virtual void Update();
  virtual void AcquireResources();
  virtual void ReleaseResources();
  // The level stops: unlocked, the slide ends where it was going.
  virtual void Reset();

  // What the control does when it is used (the control bar sets it).
  void SetAction(std::function<void()> action) { action_ = std::move(action); }

  bool IsShown() const { return shown_; }
  // 1 in place, 0 slid out.
  float SlideShare() const { return share_; }
  ORB::OS_TRANSFORM3& Transform() { return transform_; }
  const ORB::OS_TRANSFORM3& Transform() const { return transform_; }
  ORB::Vector2 Home() const { return home_; }
  float Speed() const { return speed_; }
  float Delay() const { return delay_; }

  // Whether the screen point lies on the sprite as drawn (its transform's
  // chain, pivot and size).
  static bool Contains(const ORB_GF::G_SPRITE& sprite, const ORB::Point& point);
  // The pointer in game coordinates.
  static ORB::Point Pointer();

 protected:
  virtual bool LoadControl(const pugi::xml_node& root) = 0;
  // A sprite of the control, hanging from its transform.
  std::unique_ptr<ORB_GF::G_ANIMATION> ReadPart(const pugi::xml_node& node);

  ORB_GF::G_ANIMATION* Background() const { return background_.get(); }
  void RunAction() {
    if (action_) action_();
  }

 private:
  std::function<void()> action_;
  bool locked_ = false;
  bool shown_ = true;
  ORB::OS_TRANSFORM3 transform_;
  ORB::Vector2 home_;
  std::unique_ptr<ORB_GF::G_ANIMATION> background_;
  float speed_ = kDefaultSpeed;
  float delay_ = kDefaultDelay;
  // The slide: its share now, where it goes and the wait before it starts.
  float share_ = 1.0f;
  float target_ = 1.0f;
  float wait_ = 0.0f;
};

}  // namespace game
