#pragma once
// What the OpenGL device asks of a draw before it sends it, so that a
// software rasterizer does no more work than the picture needs:
//  - whether any triangle shows its texture smaller than the texture's own
//    pixels (anisotropic filtering only changes a minified texture; at or
//    above one screen pixel a texel it gives what linear filtering gives, and
//    a software rasterizer pays for it on every pixel), and
//  - whether a texture is wholly opaque (a draw of opaque pixels with opaque
//    vertex colours blended "over" leaves exactly what it draws, so blending
//    can be left off for it).
#include <cstddef>
#include <cstdint>

#include "engine/platform/gpu_vertex.h"

namespace ORB::platform {

// True when some triangle of the mesh maps less than one screen pixel onto
// one texel along some direction. `transform` is the device's vertex
// transform (16 floats, row-vector order, to clip space); `half_width` and
// `half_height` are the viewport's half sizes in screen pixels; the texture
// is `texture_width` x `texture_height` texels. Without indices the vertices
// are taken three by three. Triangles with no texture area are passed over.
bool MeshMinifiesTexture(const float transform[16], float half_width, float half_height,
                         const GpuVertex* vertices, int32_t vertex_count, const uint16_t* indices,
                         int32_t index_count, int32_t texture_width, int32_t texture_height);

// True when every one of `count` ARGB words has alpha 255.
bool PixelsOpaque(const uint32_t* argb, size_t count);

// True when every vertex colour (ARGB) has alpha 255.
bool VerticesOpaque(const GpuVertex* vertices, int32_t vertex_count);

}  // namespace ORB::platform
