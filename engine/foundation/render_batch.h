#pragma once
// The renderer's batch: vertices and 16-bit indices of consecutive meshes
// that share one render state and texture, transformed on the CPU and kept
// until the renderer flushes them to the device in one draw call.
#include <cstdint>
#include <memory>

#include "engine/foundation/matrix4.h"
#include "engine/foundation/mesh_vertex.h"
#include "engine/platform/gpu_device.h"

namespace ORB {

class RenderBatch {
 public:
  static constexpr int32_t kVertexCapacity = 8192;
  // The index buffer holds 8192 x 6 - 12 bytes of 16-bit indices.
  static constexpr int32_t kIndexCapacity = (8192 * 6 - 12) / 2;

  RenderBatch();

  // Whether a mesh of this size fits beside what is batched already.
  bool Fits(int32_t vertex_count, int32_t index_count) const {
    return vertex_count_ + vertex_count <= kVertexCapacity &&
           index_count_ + index_count <= kIndexCapacity;
  }
  // Whether a mesh of this size can ever be batched (an empty batch holds it).
  static bool FitsEmpty(int32_t vertex_count, int32_t index_count) {
    return vertex_count <= kVertexCapacity && index_count <= kIndexCapacity;
  }

  // Appends the mesh, each position times the matrix (or as given when
  // matrix is null), each index raised by the vertices batched before it.
  // Refuses (false, batch unchanged) a mesh that does not fit or whose
  // indices point past its own vertices.
  bool Append(const MeshVertex* vertices, int32_t vertex_count, const uint16_t* indices,
              int32_t index_count, const Matrix4* matrix);

  bool Empty() const { return vertex_count_ == 0; }
  int32_t VertexCount() const { return vertex_count_; }
  int32_t IndexCount() const { return index_count_; }
  const platform::GpuVertex* Vertices() const { return vertices_.get(); }
  const uint16_t* Indices() const { return indices_.get(); }
  void Clear() {
    vertex_count_ = 0;
    index_count_ = 0;
  }

 private:
  std::unique_ptr<platform::GpuVertex[]> vertices_;
  std::unique_ptr<uint16_t[]> indices_;
  int32_t vertex_count_ = 0;
  int32_t index_count_ = 0;
};

}  // namespace ORB
