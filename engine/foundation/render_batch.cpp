#include "engine/foundation/render_batch.h"

namespace ORB {

RenderBatch::RenderBatch()
    : vertices_(new platform::GpuVertex[kVertexCapacity]), indices_(new uint16_t[kIndexCapacity]) {}

bool RenderBatch::Append(const MeshVertex* vertices, int32_t vertex_count, const uint16_t* indices,
                         int32_t index_count, const Matrix4* matrix) {
  if (vertices == nullptr || vertex_count <= 0 || index_count < 0) return false;
  if (index_count > 0 && indices == nullptr) return false;
  if (!Fits(vertex_count, index_count)) return false;

  // Indices first: a bad one refuses the mesh before anything is counted.
  const uint16_t base = static_cast<uint16_t>(vertex_count_);
  uint16_t* index_out = indices_.get() + index_count_;
  for (int32_t i = 0; i < index_count; ++i) {
    if (indices[i] >= vertex_count) return false;
    index_out[i] = static_cast<uint16_t>(indices[i] + base);
  }

  platform::GpuVertex* out = vertices_.get() + vertex_count_;
  for (int32_t i = 0; i < vertex_count; ++i) {
    const MeshVertex& in = vertices[i];
    platform::GpuVertex& v = out[i];
    if (matrix != nullptr) {
      const float* m = matrix->m;
      v.x = in.x * m[0] + in.y * m[4] + in.z * m[8] + m[12];
      v.y = in.x * m[1] + in.y * m[5] + in.z * m[9] + m[13];
      v.z = in.x * m[2] + in.y * m[6] + in.z * m[10] + m[14];
    } else {
      v.x = in.x;
      v.y = in.y;
      v.z = in.z;
    }
    v.nx = in.nx;
    v.ny = in.ny;
    v.nz = in.nz;
    v.colour = in.colour;
    v.u = in.u;
    v.v = in.v;
  }
  vertex_count_ += vertex_count;
  index_count_ += index_count;
  return true;
}

}  // namespace ORB
