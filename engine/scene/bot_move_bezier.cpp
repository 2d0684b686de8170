#include "engine/scene/bot_move_bezier.h"

#include <algorithm>

#include "engine/foundation/interpolation.h"
#include "engine/scene/bot_timing.h"

namespace ORB {

BezierMoveBot::BezierMoveBot(const char* bot_name, OS_TRANSFORM3* target,
                             std::vector<const Vector3*> inner, const Vector3* end, float time,
                             float speed, float delay, bool snap_at_end, bool step_before_countdown)
    : OC_DELAYED_BOT(delay),
      target_(target),
      end_(end != nullptr ? *end : Vector3()),
      end_given_(end != nullptr),
      time_(time),
      speed_(speed),
      snap_at_end_(snap_at_end),
      step_before_countdown_(step_before_countdown) {
  name = bot_name;
  order = kBotOrder;
  flag = 0;
  for (const Vector3* point : inner) {
    inner_.push_back(point != nullptr ? *point : Vector3());
    inner_given_.push_back(point != nullptr);
  }
  if (Delay() <= 0.0f) Capture();
}

void BezierMoveBot::Capture() {
  const Vector3 start = target_ != nullptr ? target_->position : Vector3();
  if (!end_given_) end_ = start;
  points_.clear();
  points_.push_back(start);
  for (size_t i = 0; i < inner_.size(); ++i) points_.push_back(inner_given_[i] ? inner_[i] : start);
  points_.push_back(end_);
  const BotTiming timing = ApplyTimeSpeedRule(time_, speed_, (end_ - start).Length());
  time_ = timing.time;
  speed_ = timing.speed;
  time_left_ = time_;
  t_ = 0.0f;
  started_ = true;
}

Vector3 BezierMoveBot::Curve(float t) const {
  t = std::clamp(t, 0.0f, 1.0f);
  if (points_.size() == 3) return QuadBezier3(points_[0], points_[1], points_[2], t);
  if (points_.size() == 4) return CubicBezier3(points_[0], points_[1], points_[2], points_[3], t);
  return BezierN(points_, t);
}

void BezierMoveBot::Finish() {
  time_left_ = 0.0f;
  if (snap_at_end_ && target_ != nullptr && started_) target_->position = end_;
  Completion().Fire();
}

void BezierMoveBot::OnDelayTick(bool ran_out) {
  if (ran_out) Capture();
}

int32_t BezierMoveBot::OnTick(float delta) {
  if (NoTimeToRun(time_)) {
    // No time for the way: straight to the end point.
    time_left_ = 0.0f;
    if (target_ != nullptr) target_->position = end_;
    Completion().Fire();
    return kResultFinished;
  }
  if (!step_before_countdown_ && time_left_ > 0.0f) time_left_ -= delta;
  if (time_left_ <= 0.0f) {
    Finish();
    return kResultFinished;
  }
  const float step = delta / time_;
  if (target_ != nullptr) target_->position += Curve(t_ + step) - Curve(t_);
  t_ += step;
  if (step_before_countdown_) time_left_ -= delta;
  return kResultNone;
}

void BezierMoveBot::OnFinishNow() { Finish(); }

OC_BOT_MOVE_QUADBEZIER::OC_BOT_MOVE_QUADBEZIER(OS_TRANSFORM3* target, const Vector3* control,
                                               const Vector3* end, float time, float speed,
                                               float delay)
    : BezierMoveBot("bot_move_quadbezier", target, {control}, end, time, speed, delay, true,
                    false) {}

OC_BOT_MOVE_CUBEBEZIER::OC_BOT_MOVE_CUBEBEZIER(OS_TRANSFORM3* target, const Vector3* control1,
                                               const Vector3* control2, const Vector3* end,
                                               float time, float speed, float delay)
    : BezierMoveBot("bot_move_cubebezier", target, {control1, control2}, end, time, speed, delay,
                    false, true) {}

namespace {

std::vector<const Vector3*> Addresses(const std::vector<Vector3>& points) {
  std::vector<const Vector3*> out;
  out.reserve(points.size());
  for (const Vector3& point : points) out.push_back(&point);
  return out;
}

}  // namespace

OC_BOT_MOVE_BEZIER::OC_BOT_MOVE_BEZIER(OS_TRANSFORM3* target, const std::vector<Vector3>& controls,
                                       const Vector3& end, float time, float speed, float delay)
    : BezierMoveBot("bot_move_bezier", target, Addresses(controls), &end, time, speed, delay, false,
                    true) {}

}  // namespace ORB
