#pragma once
// MeshVertex: the renderer's 36-byte vertex (position, normal, ARGB colour
// word, texture coordinates), the layout every drawable hands to DrawMesh. It
// is the device's vertex with a few setters.
#include "engine/platform/gpu_vertex.h"

namespace ORB {

struct MeshVertex : platform::GpuVertex {
  void SetColour(uint32_t argb) { colour = argb; }
  void SetUV(float u_value, float v_value) {
    u = u_value;
    v = v_value;
  }
};

static_assert(sizeof(MeshVertex) == sizeof(platform::GpuVertex), "no fields beyond the device's");

}  // namespace ORB
