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
    platform::GpuVertex& v = out[i];
    v = vertices[i];
    if (matrix != nullptr) {
      const Vector3 p = matrix->TransformPoint(Vector3(v.x, v.y, v.z));
      v.x = p.x;
      v.y = p.y;
      v.z = p.z;
    }
  }
  vertex_count_ += vertex_count;
  index_count_ += index_count;
  return true;
}

}  // namespace ORB
