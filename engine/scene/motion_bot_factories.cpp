#include "engine/scene/motion_bot_factories.h"

namespace ORB {

OC_BOT_MOVE* BotMove(OS_TRANSFORM3* target, float duration, float speed, float x, float y,
                     float z, float delay) {
  return new OC_BOT_MOVE(target, duration, speed, x, y, z, delay);
}

OC_BOT_MOVE_ON* BotMoveOn(OS_TRANSFORM3* target, float time, float speed, float dx, float dy,
                          float dz, float unused) {
  return new OC_BOT_MOVE_ON(target, time, speed, dx, dy, dz, unused);
}

OC_BOT_MOVE_QUADBEZIER* BotMoveQuadBezier(OS_TRANSFORM3* target, const Vector3* control,
                                          const Vector3* end, float time, float speed,
                                          float delay) {
  return new OC_BOT_MOVE_QUADBEZIER(target, control, end, time, speed, delay);
}

OC_BOT_MOVE_CUBEBEZIER* BotMoveCubeBezier(OS_TRANSFORM3* target, const Vector3* control1,
                                          const Vector3* control2, const Vector3* end,
                                          float time, float speed, float delay) {
  return new OC_BOT_MOVE_CUBEBEZIER(target, control1, control2, end, time, speed, delay);
}

OC_BOT_MOVE_BEZIER* BotMoveBezier(OS_TRANSFORM3* target, const std::vector<Vector3>& controls,
                                  const Vector3& end, float time, float speed, float delay) {
  return new OC_BOT_MOVE_BEZIER(target, controls, end, time, speed, delay);
}

OC_BOT_MOVE_LOOP* BotMoveLoop(OS_TRANSFORM3* target, float duration, float speed,
                              float start_x, float start_y, float start_z, float end_x,
                              float end_y, float end_z, float delay) {
  return new OC_BOT_MOVE_LOOP(target, duration, speed, start_x, start_y, start_z, end_x, end_y,
                              end_z, delay);
}

OC_BOT_ROTATE_ON* BotRotateOn(OS_TRANSFORM3* target, float time, float speed, float rx,
                              float ry, float rz, float delay) {
  return new OC_BOT_ROTATE_ON(target, time, speed, rx, ry, rz, delay);
}

OC_BOT_ROTATE_TO* BotRotateTo(OS_TRANSFORM3* target, float time, float speed, float ex,
                              float ey, float ez, float delay) {
  return new OC_BOT_ROTATE_TO(target, time, speed, ex, ey, ez, delay);
}

OC_BOT_SCALE* BotScale(OS_TRANSFORM3* target, float time, float speed, float ex, float ey,
                       float ez, float delay) {
  return new OC_BOT_SCALE(target, time, speed, ex, ey, ez, delay);
}

OC_BOT_TRANSFORM* BotTransform(OS_TRANSFORM3* target, const OS_TRANSFORM3& end, float duration,
                               float delay) {
  return new OC_BOT_TRANSFORM(target, end, duration, delay);
}

OC_BOT_SWITCH* BotSwitch(OS_TRANSFORM3* target, float time, const OS_TRANSFORM3& a,
                         const OS_TRANSFORM3& b, float delay) {
  return new OC_BOT_SWITCH(target, time, a, b, delay);
}

OC_BOT_ZOOM_INTO* BotZoomInto(OS_TRANSFORM3* target, OS_TRANSFORM3* focus, const Vector3& point,
                              float duration, float delay, float screen_width,
                              float screen_height) {
  return new OC_BOT_ZOOM_INTO(target, focus, point, duration, delay, screen_width,
                              screen_height);
}

OC_BOT_FOLLOW* BotFollow(OS_TRANSFORM3* follower, OS_TRANSFORM3* leader, float speed,
                         float time, uint8_t stop_when_close, float delay) {
  return new OC_BOT_FOLLOW(follower, leader, speed, time, stop_when_close, delay);
}

OC_BOT_RIGID_JOINT* BotRigidJoint(OS_TRANSFORM3* follower, OS_TRANSFORM3* anchor, float time,
                                  float delay) {
  return new OC_BOT_RIGID_JOINT(follower, anchor, time, delay);
}

OC_BOT_DISTANCE_JOINT* BotDistanceJoint(OS_TRANSFORM3* follower, OS_TRANSFORM3* anchor,
                                        float time, float delay) {
  return new OC_BOT_DISTANCE_JOINT(follower, anchor, time, delay);
}

}  // namespace ORB
