#pragma once
// Bots that move a transform's position along a Bezier curve that starts
// where the target is when the bot starts: OC_BOT_MOVE_QUADBEZIER (one
// control point), OC_BOT_MOVE_CUBEBEZIER (two) and OC_BOT_MOVE_BEZIER (any
// number). Each frame adds the curve's increment for the frame to the
// position, so other motion of the target adds up with the curve.
//
// Time and speed follow the time and speed rule over the straight distance
// from the start to the end. When that leaves no time to run (a zero way
// timed by speed, a negative time or speed), the bot ends at once with the
// target at the end point.
#include <cstdint>
#include <vector>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector3.h"
#include "engine/scene/delayed_bot.h"

namespace ORB {

// What the three curve bots share: the capture of the start when the delay
// has run out, the clock and the finish.
class BezierMoveBot : public OC_DELAYED_BOT {
 public:
  // Time left = 0, the completion callback; the quadratic curve also puts
  // the target at the end point.
  void Finish();

  OS_TRANSFORM3* Target() const { return target_; }
  float Time() const { return time_; }
  float TimeLeft() const { return time_left_; }
  float Speed() const { return speed_; }
  // The curve parameter reached so far.
  float Progress() const { return t_; }
  bool Started() const { return started_; }
  // The control points from the start to the end (valid once started).
  const std::vector<Vector3>& Points() const { return points_; }

 protected:
  // `inner` are the control points between the start and the end; a null
  // end or control point reads as the start (taken when the bot starts).
  BezierMoveBot(const char* bot_name, OS_TRANSFORM3* target, std::vector<const Vector3*> inner,
                const Vector3* end, float time, float speed, float delay, bool snap_at_end,
                bool step_before_countdown);

  void OnDelayTick(bool ran_out) override;
  int32_t OnTick(float delta) override;
  void OnFinishNow() override;

 private:
  void Capture();
  Vector3 Curve(float t) const;

  OS_TRANSFORM3* target_;
  std::vector<Vector3> inner_;
  std::vector<bool> inner_given_;
  Vector3 end_;
  bool end_given_;
  float time_;
  float speed_;
  float time_left_ = 0.0f;
  float t_ = 0.0f;
  bool started_ = false;
  bool snap_at_end_;
  // true: add the step, then count the time down (cubic and general curves);
  // false: count down first and step only while time is left (quadratic).
  bool step_before_countdown_;
  std::vector<Vector3> points_;
};

class OC_BOT_MOVE_QUADBEZIER : public BezierMoveBot {
 public:
  OC_BOT_MOVE_QUADBEZIER(OS_TRANSFORM3* target, const Vector3* control, const Vector3* end,
                         float time, float speed, float delay);
};

class OC_BOT_MOVE_CUBEBEZIER : public BezierMoveBot {
 public:
  OC_BOT_MOVE_CUBEBEZIER(OS_TRANSFORM3* target, const Vector3* control1,
                         const Vector3* control2, const Vector3* end, float time, float speed,
                         float delay);
};

class OC_BOT_MOVE_BEZIER : public BezierMoveBot {
 public:
  OC_BOT_MOVE_BEZIER(OS_TRANSFORM3* target, const std::vector<Vector3>& controls,
                     const Vector3& end, float time, float speed, float delay);
};

}  // namespace ORB
