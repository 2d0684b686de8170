#pragma once
// OC_BOT_ZOOM_INTO: zooms a target transform (scale and position) so that a
// focus point moves towards the middle of the screen; at the end the focus
// transform gets back the pivot, position and scale it had at the start.
#include <cstdint>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector3.h"
#include "engine/scene/delayed_bot.h"

namespace ORB {

class OC_BOT_ZOOM_INTO : public OC_DELAYED_BOT {
 public:
  // The focus point is the focus transform's position, or `point` when no
  // focus transform is given. The screen size is the game's drawing area.
  // The start (target position, focus copy, shift and zoom) is taken at once
  // for a delay of 0 or less, else when the delay has run out.
  OC_BOT_ZOOM_INTO(OS_TRANSFORM3* target, OS_TRANSFORM3* focus, const Vector3& point,
                   float duration, float delay, float screen_width, float screen_height);

  // Applies the last step, restores the focus transform and invokes the
  // completion callback.
  void Finish();

  const Vector3& Shift() const { return shift_; }
  float Zoom() const { return zoom_; }

 protected:
  void OnDelayTick(bool ran_out) override;
  int32_t OnTick(float delta) override;
  void OnFinishNow() override;

 private:
  void Capture();
  void Step();

  OS_TRANSFORM3* target_;
  OS_TRANSFORM3* focus_;
  Vector3 point_;
  float duration_;
  float screen_width_;
  float screen_height_;
  float elapsed_ = 0.0f;
  Vector3 start_position_;
  OS_TRANSFORM3 focus_copy_;
  Vector3 shift_;
  float zoom_ = 0.0f;
};

}  // namespace ORB
