#pragma once
// The one quad a bitmap font draws every glyph with: four vertices on the
// font's texture page, a render-state word, a transform (which owners may
// give a parent, so text follows a widget, or a scale) and the 3 x 3 anchor
// that sets the transform's pivot. Each glyph re-positions, re-sizes and
// re-maps the quad and draws it through the renderer's batch.
#include <cstdint>

#include "engine/foundation/mesh_vertex.h"
#include "engine/foundation/render_state.h"
#include "engine/foundation/texture_record.h"
#include "engine/foundation/transform.h"

namespace ORB {

class FontPage {
 public:
  // A white quad on no texture, zero-sized, with a fresh transform.
  FontPage();

  // The texture at its full size, showing all of it, all corners white.
  void SetFromTexture(TextureRecord* texture);
  // Only the texture (the size stays). The quad is always drawn textured:
  // with no texture it shows the renderer's default one.
  void SetTexture(TextureRecord* texture);
  TextureRecord* GetTexture() const { return texture_; }

  void SetSize(float width, float height);
  float Width() const { return vertices_[1].x - vertices_[0].x; }
  float Height() const { return vertices_[2].y - vertices_[0].y; }
  // Corner texture coordinates: (u0, v0) top-left to (u1, v1) bottom-right.
  void SetUV(float u0, float v0, float u1, float v1);
  void SetColour(uint32_t argb);
  uint32_t GetColour(int32_t corner) const { return vertices_[corner & 3].colour; }
  // Pivot at the anchor's point of the quad (0..8, rows of three from the
  // top-left); 9 or more changes nothing.
  void SetAnchor(int32_t anchor);

  OS_TRANSFORM3& Transform() { return transform_; }
  const OS_TRANSFORM3& Transform() const { return transform_; }
  uint32_t State() const { return state_; }
  const MeshVertex* Vertices() const { return vertices_; }

  // Draws under the transform's world placement (parents included).
  void Draw();

 private:
  MeshVertex vertices_[4];
  TextureRecord* texture_ = nullptr;
  uint32_t state_ = RenderState::kMeshDefault;
  OS_TRANSFORM3 transform_;
};

}  // namespace ORB
