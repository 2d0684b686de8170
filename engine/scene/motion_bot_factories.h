#pragma once
// Factories of the motion bots: each allocates one bot with its arguments in
// the constructor's order and hands it to the caller, who gives it to
// OC_BOT_LIST::Add (the list owns it from then on).
#include <cstdint>
#include <vector>

#include "engine/foundation/transform.h"
#include "engine/foundation/vector3.h"
#include "engine/scene/bot_follow.h"
#include "engine/scene/bot_joint.h"
#include "engine/scene/bot_move.h"
#include "engine/scene/bot_move_bezier.h"
#include "engine/scene/bot_move_loop.h"
#include "engine/scene/bot_move_on.h"
#include "engine/scene/bot_rotate.h"
#include "engine/scene/bot_scale.h"
#include "engine/scene/bot_switch.h"
#include "engine/scene/bot_transform.h"
#include "engine/scene/bot_zoom_into.h"

namespace ORB {

OC_BOT_MOVE* BotMove(OS_TRANSFORM3* target, float duration, float speed, float x, float y,
                     float z, float delay);
OC_BOT_MOVE_ON* BotMoveOn(OS_TRANSFORM3* target, float time, float speed, float dx, float dy,
                          float dz, float unused);
OC_BOT_MOVE_QUADBEZIER* BotMoveQuadBezier(OS_TRANSFORM3* target, const Vector3* control,
                                          const Vector3* end, float time, float speed,
                                          float delay);
OC_BOT_MOVE_CUBEBEZIER* BotMoveCubeBezier(OS_TRANSFORM3* target, const Vector3* control1,
                                          const Vector3* control2, const Vector3* end,
                                          float time, float speed, float delay);
OC_BOT_MOVE_BEZIER* BotMoveBezier(OS_TRANSFORM3* target, const std::vector<Vector3>& controls,
                                  const Vector3& end, float time, float speed, float delay);
OC_BOT_MOVE_LOOP* BotMoveLoop(OS_TRANSFORM3* target, float duration, float speed,
                              float start_x, float start_y, float start_z, float end_x,
                              float end_y, float end_z, float delay);
OC_BOT_ROTATE_ON* BotRotateOn(OS_TRANSFORM3* target, float time, float speed, float rx,
                              float ry, float rz, float delay);
OC_BOT_ROTATE_TO* BotRotateTo(OS_TRANSFORM3* target, float time, float speed, float ex,
                              float ey, float ez, float delay);
OC_BOT_SCALE* BotScale(OS_TRANSFORM3* target, float time, float speed, float ex, float ey,
                       float ez, float delay);
OC_BOT_TRANSFORM* BotTransform(OS_TRANSFORM3* target, const OS_TRANSFORM3& end, float duration,
                               float delay);
OC_BOT_SWITCH* BotSwitch(OS_TRANSFORM3* target, float time, const OS_TRANSFORM3& a,
                         const OS_TRANSFORM3& b, float delay);
OC_BOT_ZOOM_INTO* BotZoomInto(OS_TRANSFORM3* target, OS_TRANSFORM3* focus, const Vector3& point,
                              float duration, float delay, float screen_width,
                              float screen_height);
OC_BOT_FOLLOW* BotFollow(OS_TRANSFORM3* follower, OS_TRANSFORM3* leader, float speed,
                         float time, uint8_t stop_when_close, float delay);
OC_BOT_RIGID_JOINT* BotRigidJoint(OS_TRANSFORM3* follower, OS_TRANSFORM3* anchor, float time,
                                  float delay);
OC_BOT_DISTANCE_JOINT* BotDistanceJoint(OS_TRANSFORM3* follower, OS_TRANSFORM3* anchor,
                                        float time, float delay);

}  // namespace ORB
