#pragma once
// GG_RESET_SELECTION: the target a selection can be dropped on to cancel it.
// When a drag starts it turns from "begin_color" to "mid_color" over "time"
// seconds; while the dragged pointer is over it, it turns to "end_color" and
// plays its "sprite"; a release over it during a drag runs its drop action
// (the control bar cancels the line, so no cell opens). After every drag it
// turns back to "begin_color". A click on it outside a drag runs its click
// action (the control bar opens "GP_FeedBack_Reset", which explains it).
//
//   <reset_selection time="0.25" begin_color="FFFFFFFF" mid_color="..." end_color="...">
//     <TRANSFORM>...</TRANSFORM>  <background>... the target ...</background>
//     <sprite>... an animation ...</sprite>
//   </reset_selection>
#include <cstdint>
#include <functional>
#include <memory>

#include "engine/foundation/colour.h"
#include "game/play/screen/base_control.h"

namespace game {

class GG_RESET_SELECTION : public GG_BASE_CONTROL {
 public:
  static constexpr float kDefaultTime = 0.25f;

  // The board's drag began or ended.
  void OnDragStarted();
  void OnDragEnded();
  bool IsDragging() const { return dragging_; }
  bool IsHovered() const { return hovered_; }

  // A drop during a drag (when over the target and not locked) runs the
  // drop action; a click outside a drag runs the click action. Both answer
  // kEventSwallowed.
  int32_t OnButtonUp(int32_t button) override;
  int32_t OnPointerMove() override;
  void SetDropAction(std::function<void()> action) { drop_ = std::move(action); }

  void Draw() override;
  void Update() override;
  void AcquireResources() override;
  void ReleaseResources() override;
  // No drag, the first colour.
  void Reset() override;

  // The colour shown now.
  ORB::Colour Colour() const { return colour_; }
  ORB::Colour BeginColour() const { return begin_; }
  ORB::Colour MidColour() const { return mid_; }
  ORB::Colour EndColour() const { return end_; }
  // The pointer is over the target.
  bool IsUnderPointer() const;

 protected:
  // "background" (the target) is required.
  bool LoadControl(const pugi::xml_node& root) override;

 private:
  // Turns towards the colour over "time".
  void TurnTo(const ORB::Colour& colour);

  float time_ = kDefaultTime;
  ORB::Colour begin_{0xFFFFFFFFu};
  ORB::Colour mid_{0xFFFFFFFFu};
  ORB::Colour end_{0xFFFFFFFFu};
  ORB::Colour from_{0xFFFFFFFFu};
  ORB::Colour to_{0xFFFFFFFFu};
  ORB::Colour colour_{0xFFFFFFFFu};
  float turned_ = 1.0f;  // share of the turn done
  std::unique_ptr<ORB_GF::G_ANIMATION> sprite_;
  std::function<void()> drop_;
  bool dragging_ = false;
  bool hovered_ = false;
};

}  // namespace game
