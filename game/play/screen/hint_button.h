#pragma once
// GG_HINT_BUTTON: the button that spends a hint. It shows how many hints the
// player holds as a frame of its "button_sprite" (a sheet of five frames: 0
// to 4 hints and more), plays its "hint" animation once whenever the count
// rises, and slides out of the screen while no hint is held.
//
//   <hint_button speed="1" delay="2">
//     <TRANSFORM>...</TRANSFORM>  <background>...</background>
//     <button_sprite>... 5 x 1 sheet ...</button_sprite>
//     <hint>... an animation ...</hint>
//   </hint_button>
//
// A press with the left button on it, while hints are held and it stands on
// the screen, runs its action (the level's StartHint).
#include <cstdint>
#include <memory>

#include "engine/foundation/vector2.h"
#include "game/play/screen/base_control.h"

namespace game {

class GG_HINT_BUTTON : public GG_BASE_CONTROL {
 public:
  static constexpr int32_t kFrames = 5;

  // The count shown: frame min(n, 4) (the sheet's last frame stands for 4 and
  // more); n > 0 shows the button at once, 0 slides it out after "delay".
  void SetCount(int32_t count);
  int32_t Count() const { return count_; }
  // The frame of the sheet shown.
  int32_t Frame() const { return frame_; }

  int32_t OnButtonDown(int32_t button) override;
  void Draw() override;
  void Update() override;
  void AcquireResources() override;
  void ReleaseResources() override;
  void Reset() override;

  // Where a hint's flight starts: the button's centre on the screen.
  ORB::Vector2 ScreenPoint() const;
  const ORB_GF::G_ANIMATION* HintAnimation() const { return hint_.get(); }

 protected:
  // "button_sprite" is required.
  bool LoadControl(const pugi::xml_node& root) override;

 private:
  std::unique_ptr<ORB_GF::G_ANIMATION> button_;
  std::unique_ptr<ORB_GF::G_ANIMATION> hint_;
  int32_t count_ = 0;
  int32_t frame_ = 0;
};

}  // namespace game
