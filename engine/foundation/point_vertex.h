#pragma once
// PointVertex: the renderer's 20-byte point (position, size in pixels, ARGB
// colour word), the device's point layout. A particle record starts with these
// five words, so the renderer can draw particles as they stand.
#include "engine/platform/gpu_vertex.h"

namespace ORB {

using PointVertex = platform::GpuPoint;

}  // namespace ORB
