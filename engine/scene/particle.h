#pragma once
// OS_PARTICLE: one particle of a particle system. It begins with the five
// words of the renderer's point vertex (position, size, colour), so the
// system's live list is drawn as it stands (Renderer::DrawPointList), and is
// linked both ways into the system's live or dead list.
#include <cstdint>
#include <type_traits>

#include "engine/foundation/point_vertex.h"
#include "engine/foundation/vector3.h"

namespace ORB {

struct OS_PARTICLE {
  PointVertex point;             // position x, y, z, size in pixels, ARGB colour
  float remaining = 1.0f;        // 1 at birth, counts down to 0 over the life
  float life = 2.0f;             // seconds
  Vector3 velocity;              // units per second
  float carried[3] = {0, 0, 0};  // copied from the template, not read by the system
  OS_PARTICLE* next = nullptr;
  OS_PARTICLE* previous = nullptr;
};

static_assert(std::is_standard_layout_v<OS_PARTICLE>, "drawn through its leading point vertex");

}  // namespace ORB
