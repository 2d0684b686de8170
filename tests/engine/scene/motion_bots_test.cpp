#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "engine/foundation/callback.h"
#include "engine/foundation/interpolation.h"
#include "engine/foundation/timer.h"
#include "engine/scene/bot_list.h"
#include "engine/scene/bot_swing.h"
#include "engine/scene/motion_bot_factories.h"
#include "support/bot_fixture.h"

namespace ORB {
namespace {

constexpr float kPi = 3.1415927f;

// Every test runs under a set frame time (a binary fraction, so sums are
// exact) and counts completion callbacks.
class MotionBots : public test_support::BotFixture {
 protected:
  static void ExpectNear(const Vector3& actual, const Vector3& expected, float eps = 1e-4f) {
    EXPECT_NEAR(actual.x, expected.x, eps);
    EXPECT_NEAR(actual.y, expected.y, eps);
    EXPECT_NEAR(actual.z, expected.z, eps);
  }
  static bool Finite(const Vector3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
  }
};

TEST_F(MotionBots, MoveRunsFromStartThroughMiddleToEnd) {
  OS_TRANSFORM3 t;
  OC_BOT_MOVE bot(&t, 1.0f, 0.0f, 4.0f, 8.0f, 0.0f, 0.0f);
  EXPECT_EQ(bot.name, "bot_move");
  EXPECT_EQ(bot.order, kBotOrder);
  EXPECT_EQ(bot.flag, 0);
  Watch(bot);
  t.position.Set(5.0f, 5.0f, 5.0f);  // the start was taken at construction
  EXPECT_EQ(Tick(bot), 0);
  EXPECT_EQ(t.position, Vector3(0, 0, 0));
  Tick(bot);
  EXPECT_EQ(t.position, Vector3(1, 2, 0));
  Tick(bot);
  EXPECT_EQ(t.position, Vector3(2, 4, 0));  // the middle
  Tick(bot);
  Tick(bot);
  EXPECT_EQ(t.position, Vector3(4, 8, 0));
  EXPECT_EQ(calls_, 0);
  EXPECT_EQ(Tick(bot), kResultFinished);
  EXPECT_EQ(calls_, 1);
  EXPECT_EQ(last_argument_, 77);
  EXPECT_EQ(bot.Target(), nullptr);
}

TEST_F(MotionBots, MoveWithDelayTakesTheStartWhenTheDelayRunsOut) {
  OS_TRANSFORM3 t;
  OC_BOT_MOVE bot(&t, 0.5f, 0.0f, 10.0f, 0.0f, 0.0f, 0.5f);
  t.position.x = 2.0f;
  EXPECT_EQ(Tick(bot), 0);
  t.position.x = 6.0f;      // moved by someone else while the bot waits
  EXPECT_EQ(Tick(bot), 0);  // the delay runs out: start taken, no move
  EXPECT_EQ(t.position.x, 6.0f);
  EXPECT_EQ(bot.Start().x, 6.0f);
  Tick(bot);
  EXPECT_EQ(t.position.x, 6.0f);
  Tick(bot);
  EXPECT_EQ(t.position.x, 8.0f);
}

TEST_F(MotionBots, MoveFinishNowThenTickCallsBackTwice) {
  OS_TRANSFORM3 t;
  OC_BOT_MOVE bot(&t, 1.0f, 0.0f, 3.0f, 0.0f, 0.0f, 0.0f);
  Watch(bot);
  EXPECT_EQ(bot.Handle(kBotFinishNow, 0, 0, 0, nullptr), 0);
  EXPECT_EQ(t.position.x, 3.0f);
  EXPECT_EQ(calls_, 1);
  t.position.x = -1.0f;
  EXPECT_EQ(Tick(bot), kResultFinished);
  EXPECT_EQ(t.position.x, -1.0f);  // the target was let go
  EXPECT_EQ(calls_, 2);
}

TEST_F(MotionBots, MoveTimedBySpeedMeasuresFromTheTarget) {
  OS_TRANSFORM3 t;
  t.position.Set(100.0f, 0.0f, 0.0f);
  OC_BOT_MOVE bot(&t, 0.0f, 20.0f, 110.0f, 0.0f, 0.0f, 0.0f);
  EXPECT_FLOAT_EQ(bot.Duration(), 0.5f);
}

TEST_F(MotionBots, ZeroTimeMovesEndAtOnceWithoutNaN) {
  // Speed-timed moves of zero length, negative speeds and negative times.
  OS_TRANSFORM3 t;
  t.position.Set(3.0f, 4.0f, 0.0f);
  OC_BOT_MOVE still(&t, 0.0f, 5.0f, 3.0f, 4.0f, 0.0f, 0.0f);
  Watch(still);
  EXPECT_EQ(Tick(still), kResultFinished);
  EXPECT_EQ(t.position, Vector3(3, 4, 0));
  EXPECT_EQ(calls_, 1);

  OC_BOT_MOVE backwards(&t, 0.0f, -5.0f, 9.0f, 9.0f, 0.0f, 0.0f);
  EXPECT_EQ(Tick(backwards), kResultFinished);
  EXPECT_EQ(t.position, Vector3(9, 9, 0));

  t.position.Set(0, 0, 0);
  OC_BOT_MOVE_ON on(&t, 0.0f, 5.0f, 0.0f, 0.0f, 0.0f, 0.0f);
  EXPECT_EQ(Tick(on), kResultFinished);
  EXPECT_TRUE(Finite(t.position));

  Vector3 control(1, 1, 0);
  Vector3 end(0, 0, 0);
  OC_BOT_MOVE_QUADBEZIER quad(&t, &control, &end, 0.0f, 5.0f, 0.0f);
  EXPECT_EQ(Tick(quad), kResultFinished);
  EXPECT_EQ(t.position, end);

  OC_BOT_MOVE_CUBEBEZIER cube(&t, &control, &control, &end, -1.0f, 0.0f, 0.0f);
  EXPECT_EQ(Tick(cube), kResultFinished);
  EXPECT_EQ(t.position, end);

  OC_BOT_MOVE_BEZIER general(&t, {control}, end, 0.0f, 3.0f, 0.0f);
  EXPECT_EQ(Tick(general), kResultFinished);
  EXPECT_EQ(t.position, end);

  OS_TRANSFORM3 goal;
  goal.position.Set(7, 7, 0);
  goal.scale.Set(2, 2, 2);
  OC_BOT_TRANSFORM whole(&t, goal, 0.0f, 0.0f);
  SetDelta(0.0f);  // a paused frame would divide 0 by 0
  EXPECT_EQ(Tick(whole), kResultFinished);
  EXPECT_EQ(t.position, goal.position);
  EXPECT_EQ(t.scale, goal.scale);

  OC_BOT_ZOOM_INTO zoom(&t, nullptr, Vector3(900, 700, 0), 0.0f, 0.0f, 1024, 768);
  EXPECT_EQ(Tick(zoom), kResultFinished);
  EXPECT_TRUE(Finite(t.position));
  EXPECT_TRUE(Finite(t.scale));
}

TEST_F(MotionBots, MoveOnNeverMovesZAndStopsWithoutMoving) {
  OS_TRANSFORM3 t;
  t.position.z = 9.0f;
  OC_BOT_MOVE_ON bot(&t, 1.0f, 0.0f, 8.0f, -4.0f, 100.0f, 123.0f);
  EXPECT_EQ(bot.name, "nonamed");
  Watch(bot);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Tick(bot), 0);
  ExpectNear(t.position, Vector3(8, -4, 9));
  EXPECT_EQ(Tick(bot), kResultFinished);  // time below 0: no move this frame
  ExpectNear(t.position, Vector3(8, -4, 9));
  EXPECT_EQ(calls_, 1);
}

TEST_F(MotionBots, MoveOnWithSpeedOnly) {
  OS_TRANSFORM3 t;
  OC_BOT_MOVE_ON bot(&t, 0.0f, 10.0f, 6.0f, 8.0f, 0.0f, 0.0f);  // 10 long at 10 per second
  EXPECT_FLOAT_EQ(bot.TotalTime(), 1.0f);
  Tick(bot);
  ExpectNear(t.position, Vector3(1.5f, 2.0f, 0));
}

TEST_F(MotionBots, QuadBezierFollowsTheCurveAndSnapsToTheEnd) {
  OS_TRANSFORM3 t;
  t.position.Set(0, 0, 0);
  const Vector3 control(50, 100, 0);
  const Vector3 end(100, 0, 0);
  OC_BOT_MOVE_QUADBEZIER bot(&t, &control, &end, 1.0f, 0.0f, 0.0f);
  EXPECT_EQ(bot.name, "bot_move_quadbezier");
  Watch(bot);
  Tick(bot);
  ExpectNear(t.position, QuadBezier3(Vector3(), control, end, 0.25f));
  Tick(bot);
  ExpectNear(t.position, QuadBezier3(Vector3(), control, end, 0.5f));  // the middle: (50, 50)
  ExpectNear(t.position, Vector3(50, 50, 0));
  Tick(bot);
  EXPECT_EQ(Tick(bot), kResultFinished);
  EXPECT_EQ(t.position, end);
  EXPECT_EQ(calls_, 1);
}

TEST_F(MotionBots, CubicBezierWithDelayStartsWhereTheTargetIsThen) {
  OS_TRANSFORM3 t;
  const Vector3 c1(0, 100, 0);
  const Vector3 c2(100, 100, 0);
  const Vector3 end(100, 0, 0);
  OC_BOT_MOVE_CUBEBEZIER bot(&t, &c1, &c2, &end, 1.0f, 0.0f, 0.25f);
  Watch(bot);
  t.position.Set(0, 0, 0);
  EXPECT_EQ(Tick(bot), 0);  // delay out: start = (0, 0, 0)
  EXPECT_TRUE(bot.Started());
  Tick(bot);
  Tick(bot);
  ExpectNear(t.position, Vector3(50, 75, 0));  // the middle of the curve
  EXPECT_EQ(RunToEnd(bot), 3);
  ExpectNear(t.position, end);
  EXPECT_EQ(calls_, 1);
}

TEST_F(MotionBots, GeneralBezierOverManyPoints) {
  OS_TRANSFORM3 t;
  const std::vector<Vector3> controls{{0, 40, 0}, {40, 40, 0}, {40, 0, 0}};
  const Vector3 end(80, 0, 0);
  OC_BOT_MOVE_BEZIER bot(&t, controls, end, 1.0f, 0.0f, 0.0f);
  ASSERT_EQ(bot.Points().size(), 5u);
  Tick(bot);
  Tick(bot);
  ExpectNear(t.position, BezierN(bot.Points(), 0.5f));
  RunToEnd(bot);
  ExpectNear(t.position, end);
}

TEST_F(MotionBots, MoveLoopGoesBackAndForthAndCallsBackOnce) {
  OS_TRANSFORM3 t;
  t.position.Set(0, 0, 0);
  OC_BOT_MOVE_LOOP bot(&t, 0.5f, 0.0f, 0, 0, 0, 10, 0, 0, 0.0f);
  EXPECT_EQ(bot.name, "bot_move_loop");
  Watch(bot);
  // A leg of 0.5 s at 0.25 s a frame: 3 moving ticks and the finishing one.
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Tick(bot), 0);
  EXPECT_EQ(t.position.x, 10.0f);
  for (int i = 0; i < 2; ++i) Tick(bot);
  EXPECT_EQ(t.position.x, 5.0f);  // on its way back
  for (int i = 0; i < 2; ++i) Tick(bot);
  EXPECT_EQ(t.position.x, 0.0f);
  Tick(bot);
  EXPECT_EQ(t.position.x, 0.0f);
  EXPECT_EQ(bot.Leg()->End().x, 10.0f);  // and out again
  EXPECT_EQ(calls_, 0);
  bot.Handle(kBotFinishNow, 0, 0, 0, nullptr);
  bot.Handle(kBotFinishNow, 0, 0, 0, nullptr);
  EXPECT_EQ(calls_, 1);
  EXPECT_EQ(Tick(bot), kResultFinished);
  EXPECT_EQ(calls_, 1);
}

TEST_F(MotionBots, RotateToAtStartMiddleAndEnd) {
  OS_TRANSFORM3 t;
  t.rotation.z = 1.0f;
  OC_BOT_ROTATE_TO bot(&t, 1.0f, 0.0f, 0.0f, 0.0f, 3.0f, 0.0f);
  EXPECT_EQ(bot.name, "bot_rotate");
  Watch(bot);
  EXPECT_FLOAT_EQ(t.rotation.z, 1.0f);  // nothing turns before the first tick
  Tick(bot);
  EXPECT_FLOAT_EQ(t.rotation.z, 1.5f);
  Tick(bot);
  EXPECT_FLOAT_EQ(t.rotation.z, 2.0f);  // the middle
  Tick(bot);
  Tick(bot);
  EXPECT_FLOAT_EQ(t.rotation.z, 3.0f);
  EXPECT_EQ(Tick(bot), kResultFinished);
  EXPECT_FLOAT_EQ(t.rotation.z, 3.0f);
  EXPECT_EQ(calls_, 1);
}

TEST_F(MotionBots, RotateDoesNotOvershootOnAnUnevenLastFrame) {
  OS_TRANSFORM3 t;
  OC_BOT_ROTATE_ON bot(&t, 0.6f, 0.0f, 0.0f, 0.0f, 1.2f, 0.0f);
  RunToEnd(bot);
  EXPECT_NEAR(t.rotation.z, 1.2f, 1e-5f);
}

TEST_F(MotionBots, RotateOnWithSpeedOnlyAndWithNothingToTurn) {
  OS_TRANSFORM3 t;
  OC_BOT_ROTATE_ON bot(&t, 0.0f, 2.0f, 0.0f, 0.0f, kPi, 0.0f);
  EXPECT_FLOAT_EQ(bot.TimeLeft(), kPi / 2.0f);
  ExpectNear(bot.Direction(), Vector3(0, 0, 1));
  RunToEnd(bot);
  EXPECT_NEAR(t.rotation.z, kPi, 1e-5f);

  OS_TRANSFORM3 u;
  OC_BOT_ROTATE_ON none(&u, 0.0f, 2.0f, 0.0f, 0.0f, 0.0f, 0.0f);
  Watch(none);
  EXPECT_EQ(Tick(none), kResultFinished);
  EXPECT_TRUE(Finite(u.rotation));
  EXPECT_EQ(calls_, 1);

  OC_BOT_ROTATE_ON zero_direction(&u, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
  RunToEnd(zero_direction);
  EXPECT_EQ(u.rotation, Vector3());
}

TEST_F(MotionBots, ScaleReachesItsEndExactly) {
  OS_TRANSFORM3 t;
  OC_BOT_SCALE bot(&t, 0.5f, 0.0f, 3.0f, 3.0f, 1.0f, 0.0f);
  Watch(bot);
  Tick(bot);
  ExpectNear(t.scale, Vector3(2, 2, 1));  // the middle
  Tick(bot);
  EXPECT_EQ(Tick(bot), kResultFinished);
  EXPECT_EQ(t.scale, Vector3(3, 3, 1));
  EXPECT_EQ(calls_, 1);

  OC_BOT_SCALE same(&t, 0.0f, 4.0f, 3.0f, 3.0f, 1.0f, 0.0f);  // nothing to scale
  EXPECT_EQ(Tick(same), kResultFinished);
  EXPECT_EQ(t.scale, Vector3(3, 3, 1));
}

TEST_F(MotionBots, TransformInterpolatesAllNineValues) {
  OS_TRANSFORM3 t;
  OS_TRANSFORM3 end;
  end.position.Set(8, 4, 0);
  end.rotation.Set(0, 0, 2);
  end.scale.Set(3, 3, 1);
  OC_BOT_TRANSFORM bot(&t, end, 1.0f, 0.0f);
  Watch(bot);
  Tick(bot);
  Tick(bot);
  ExpectNear(t.position, Vector3(4, 2, 0));
  ExpectNear(t.rotation, Vector3(0, 0, 1));
  ExpectNear(t.scale, Vector3(2, 2, 1));
  EXPECT_EQ(RunToEnd(bot), 3);
  EXPECT_EQ(t.position, end.position);
  EXPECT_EQ(calls_, 1);
}

TEST_F(MotionBots, FollowReachesTheLeaderInOneFrameAtFullSpeed) {
  OS_TRANSFORM3 follower;
  OS_TRANSFORM3 leader;
  leader.position.Set(10, 20, 30);
  OC_BOT_FOLLOW bot(&follower, &leader, 4.0f, 0.0f, 0, 0.0f);  // 4 x 0.25 = 1
  EXPECT_TRUE(bot.Forever());
  Tick(bot);
  EXPECT_EQ(follower.position, leader.position);
  EXPECT_EQ(bot.Handle(kBotFinishNow, 0, 0, 0, nullptr), 0);  // ignored while forever
  EXPECT_EQ(Tick(bot), 0);
}

TEST_F(MotionBots, FollowWithStopFlagEndsAfterComingClose) {
  OS_TRANSFORM3 follower;
  OS_TRANSFORM3 leader;
  leader.position.Set(0.5f, 0, 0);
  OC_BOT_FOLLOW bot(&follower, &leader, 1.0f, 0.0f, 1, 0.0f);
  Watch(bot);
  EXPECT_EQ(Tick(bot), 0);  // close: the bot ends on its next tick
  EXPECT_EQ(Tick(bot), kResultFinished);
  EXPECT_EQ(calls_, 1);
}

TEST_F(MotionBots, RigidJointKeepsTheOffsetTakenWhenTheDelayEnds) {
  OS_TRANSFORM3 follower;
  OS_TRANSFORM3 anchor;
  follower.position.Set(5, 5, 0);
  OC_BOT_RIGID_JOINT bot(&follower, &anchor, 0.5f, 0.25f);
  follower.position.Set(7, 5, 0);
  Tick(bot);  // the delay re-reads the offset: (7, 5)
  anchor.position.Set(100, 0, 0);
  Tick(bot);
  EXPECT_EQ(follower.position, Vector3(107, 5, 0));
  Watch(bot);
  EXPECT_EQ(RunToEnd(bot), 2);
  EXPECT_EQ(calls_, 1);
}

TEST_F(MotionBots, DistanceJointKeepsTheDistance) {
  OS_TRANSFORM3 follower;
  OS_TRANSFORM3 anchor;
  follower.position.Set(3, 4, 0);
  OC_BOT_DISTANCE_JOINT bot(&follower, &anchor, 0.0f, 0.0f);
  EXPECT_FLOAT_EQ(bot.Distance(), 5.0f);
  follower.position.Set(0, -10, 0);  // pushed away: pulled back to 5 in its direction
  Tick(bot);
  ExpectNear(follower.position, Vector3(0, -5, 0));
}

TEST_F(MotionBots, DirectionAngleQuadrants) {
  EXPECT_FLOAT_EQ(DirectionAngle(1, 0), 0.0f);
  EXPECT_FLOAT_EQ(DirectionAngle(1, 1), kPi / 4);
  EXPECT_FLOAT_EQ(DirectionAngle(-1, 1), 3 * kPi / 4);
  EXPECT_FLOAT_EQ(DirectionAngle(-1, -1), 5 * kPi / 4);
  EXPECT_FLOAT_EQ(DirectionAngle(1, -1), 7 * kPi / 4);
  EXPECT_FLOAT_EQ(DirectionAngle(0, 2), kPi / 2);
  EXPECT_FLOAT_EQ(DirectionAngle(0, -2), 3 * kPi / 2);
  EXPECT_FLOAT_EQ(DirectionAngle(0, 0), 0.0f);
}

TEST_F(MotionBots, SwingKicksThenSwingsAndZeroPeriodStaysPut) {
  float value = 0.0f;
  OC_BOT_SWING bot(&value, 2.0f, 1.0f, 4.0f, 0.25f);
  Tick(bot);  // the clock reaches 0: restart phase and the kick
  EXPECT_FLOAT_EQ(value, 1.0f / 4.0f * 2.0f * 0.85f);
  EXPECT_FLOAT_EQ(bot.Clock(), 1.0f);
  const float before = value;
  Tick(bot);
  EXPECT_FLOAT_EQ(value, before + std::cos(1.25f / 4.0f) * 0.5f * 0.25f);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(Tick(bot), 0);  // never ends

  float still = 3.0f;
  OC_BOT_SWING flat(&still, 2.0f, 1.0f, 0.0f, 0.25f);
  for (int i = 0; i < 4; ++i) Tick(flat);
  EXPECT_EQ(still, 3.0f);
}

TEST_F(MotionBots, ZoomIntoShiftsTowardsTheMiddleAndRestoresTheFocus) {
  OS_TRANSFORM3 target;
  OS_TRANSFORM3 focus;
  focus.position.Set(800, 300, 0);
  focus.pivot.Set(1, 2, 0);
  OC_BOT_ZOOM_INTO bot(&target, &focus, Vector3(), 1.0f, 0.0f, 1000, 600);
  ExpectNear(bot.Shift(), Vector3(-300, 0, 0));  // y at the middle: no shift
  EXPECT_FLOAT_EQ(bot.Zoom(), 0.3f);
  Watch(bot);
  Tick(bot);
  Tick(bot);
  Tick(bot);
  ExpectNear(target.position, Vector3(-150, 0, 0));
  ExpectNear(target.scale, Vector3(1.15f, 1.15f, 0));
  focus.pivot.Set(9, 9, 9);
  EXPECT_EQ(RunToEnd(bot), 2);
  ExpectNear(target.position, Vector3(-300, 0, 0));
  EXPECT_EQ(focus.pivot, Vector3(1, 2, 0));
  EXPECT_EQ(calls_, 1);
}

TEST_F(MotionBots, SwitchRunsOnlyWhenAskedAndReversesInTheTimeMade) {
  OS_TRANSFORM3 t;
  OS_TRANSFORM3 a;
  OS_TRANSFORM3 b;
  b.position.Set(100, 0, 0);
  auto* bot = new OC_BOT_SWITCH(&t, 1.0f, a, b, 0.0f);
  OC_BOT_LIST list;
  list.Add(bot);
  EXPECT_FALSE(bot->Running());
  list.Update();  // the list's filter skips a switch at rest
  EXPECT_EQ(t.position.x, 0.0f);
  bot->Toggle();  // towards B
  EXPECT_TRUE(bot->TowardsB());
  list.Update();
  list.Update();
  EXPECT_FLOAT_EQ(t.position.x, 50.0f);
  bot->Toggle();  // back to A, taking as long as the way made (0.5 s)
  EXPECT_FLOAT_EQ(bot->Duration(), 0.5f);
  list.Update();
  EXPECT_FLOAT_EQ(t.position.x, 25.0f);
  list.Update();
  EXPECT_FLOAT_EQ(t.position.x, 0.0f);
  EXPECT_FALSE(bot->Running());
  EXPECT_EQ(list.Size(), 1u);  // it stays in its list
}

TEST_F(MotionBots, ListDeletesFinishedMovesAndCallsEachBackOnce) {
  OS_TRANSFORM3 a;
  OS_TRANSFORM3 b;
  int done = 0;
  auto counter = CreateCallback([&](intptr_t) {
    ++done;
    return 0;
  });
  OC_BOT_LIST list;
  OC_BASE* first = BotMove(&a, 0.5f, 0.0f, 1, 1, 0, 0.0f);
  OC_BASE* second = BotRotateTo(&b, 0.25f, 0.0f, 0, 0, 1, 0.25f);
  first->Handle(kBotTakeCallback, 0, 0, 0, counter.get());
  second->Handle(kBotTakeCallback, 0, 0, 0, counter.get());
  list.Add(first);
  list.Add(second);
  for (int i = 0; i < 20; ++i) list.Update();
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(done, 2);
  EXPECT_EQ(a.position, Vector3(1, 1, 0));
  EXPECT_FLOAT_EQ(b.rotation.z, 1.0f);
}

}  // namespace
}  // namespace ORB
