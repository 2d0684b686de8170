#pragma once
// OC_MESH: the engine's one drawable, a textured quad of four vertices and
// six indices drawn through the renderer's batch. It carries its texture, a
// render-state word, an optional transform, a UV rectangle (the part of the
// texture it shows, e.g. one frame of an atlas) and a rotated flag for
// frames stored turned by a quarter in the texture.
//
// The quad owns the vertex block it allocates and every array it copies;
// arrays handed in by a caller (Set, SetVertices, SetIndices) stay the
// caller's. A transform it created is freed with it; a transform it was
// given is only shared. Operations that need the four corners do nothing on
// a quad whose vertices were cleared or number fewer than four; operations
// that need a transform create one on first use.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/foundation/colour.h"
#include "engine/foundation/mesh_vertex.h"
#include "engine/foundation/render_state.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/texture_record.h"
#include "engine/foundation/transform.h"
#include "engine/foundation/vector2.h"
#include "engine/scene/anchor.h"

namespace ORB {

// One frame (texture region) a quad can be set up from.
struct OS_MESH_FRAME {
  TextureRecord* texture = nullptr;
  float width = 0.0f;  // pixels
  float height = 0.0f;
  float top = 0.0f;     // vMin
  float right = 1.0f;   // uMax
  float left = 0.0f;    // uMin
  float bottom = 1.0f;  // vMax
  uint8_t rotated = 0;

  // The whole texture (its size in pixels; 0 x 0 for null).
  static OS_MESH_FRAME Whole(TextureRecord* texture);
};

// One corner for OC_MESH::DrawQuad.
struct QuadCorner {
  float x = 0.0f;
  float y = 0.0f;
  float u = 0.0f;
  float v = 0.0f;
  uint32_t colour = 0xFFFFFFFFu;
};

class OC_MESH {
 public:
  static constexpr uint32_t kDefaultState = RenderState::kMeshDefault;  // 0x00002432
  // The two triangles of every quad, shared and never written.
  static const uint16_t kQuadIndices[6];

  // Four zero vertices (colour 0), no texture, no transform, UV rectangle
  // (0, 0)-(1, 1).
  OC_MESH();
  // A default quad set up from the whole texture (SetFromTexture).
  OC_MESH(TextureRecord* texture, OS_TRANSFORM3* transform);
  // The other's state, texture, UV rectangle, rotated flag, size and
  // texture coordinates, white corners. An owned transform is copied (the
  // copy owns its own); a shared one is shared.
  OC_MESH(const OC_MESH& other);
  OC_MESH& operator=(const OC_MESH& other);
  // Over caller-owned arrays (never freed by the quad); state word 0.
  OC_MESH(MeshVertex* vertices, int32_t count, TextureRecord* texture, OS_TRANSFORM3* transform,
          const uint16_t* indices, int32_t index_count);
  // As above with `count` white vertices the quad allocates and owns.
  OC_MESH(int32_t count, TextureRecord* texture, OS_TRANSFORM3* transform, const uint16_t* indices,
          int32_t index_count);
  ~OC_MESH();

  // --- Transform.
  // Frees an owned transform; a non-null t is shared, null makes a new
  // default transform the quad owns.
  void SetTransform(OS_TRANSFORM3* t);
  // Null changes nothing and answers null; else t is used from now on (and
  // shared) and the previous pointer is answered. A transform the quad made
  // stays alive until the quad goes, so the answer stays valid.
  OS_TRANSFORM3* ReplaceTransform(OS_TRANSFORM3* t);
  OS_TRANSFORM3* ShareTransform(OS_TRANSFORM3* t);
  OS_TRANSFORM3* GetTransform() const { return transform_; }
  bool OwnsTransform() const {
    return transform_ != nullptr && transform_ == owned_transform_.get();
  }
  // The transform, made (owned) when there is none.
  OS_TRANSFORM3& EnsureTransform();

  // --- Set-up from a texture or frame.
  // kResultOk; kResultFailed for a null texture (nothing changes).
  int32_t SetFromTexture(TextureRecord* texture, OS_TRANSFORM3* transform);
  // kResultBadArgument for a null frame or one without texture (nothing
  // changes). Else the texture (state word untouched), rotated flag,
  // transform (SetTransform), UV rectangle, size (whole pixels), full UV and
  // white corners; kResultOk.
  int32_t SetFromFrameRecord(const OS_MESH_FRAME* frame, OS_TRANSFORM3* transform);
  // Texture (SetTexture), rotated flag, UV rectangle and size; null: nothing.
  void SetFromFrame(const OS_MESH_FRAME* frame);
  // kResultFailed without vertices; else state bit 10 follows the texture,
  // kResultOk.
  int32_t SetTexture(TextureRecord* texture);
  TextureRecord* GetTexture() const { return texture_; }

  // --- Geometry (corner 0 is the origin, 1 along x, 2 opposite, 3 along y).
  void SetSize(int32_t w, int32_t h) { SetSize(static_cast<float>(w), static_cast<float>(h)); }
  void SetSize(const Vector2& size) { SetSize(size.x, size.y); }
  void SetSize(float w, float h);
  void SetWidth(float w);
  void SetHeight(float h);
  float GetWidth() const;
  float GetHeight() const;
  // Size = the UV rectangle's share of the texture times (fu, fv).
  void SetSizeInUV(float fu, float fv);
  void SetPosition(float x, float y, float z);
  void SetX(float x);
  void SetY(float y);
  void SetAngle(float angle);
  // sy = sx when sy is 0.
  void SetScale(float sx, float sy, float sz);
  // Pivot = (dx, dy) + the anchor's share of the size; anchors 0..8 are the
  // 3 x 3 grid read row by row (anchor.h: HS_UL ... HS_DR). Any other value:
  // nothing.
  void SetAnchor(int32_t anchor, float dx, float dy);

  // --- Texture coordinates.
  void SetUVRect(float u_min, float v_min, float u_max, float v_max);
  float UMin() const { return u_min_; }
  float VMin() const { return v_min_; }
  float UMax() const { return u_max_; }
  float VMax() const { return v_max_; }
  bool IsRotated() const { return rotated_ != 0; }
  // Corners from fractions of the UV rectangle (turned for a rotated frame).
  void SetUV(float a0, float b0, float a1, float b1);
  // Cell `index` of a cols x rows sheet (row by row); with resize the size
  // is divided by the grid. Columns or rows below 1 count as 1; a negative
  // index as 0.
  void SetFrame(int32_t cols, int32_t rows, int32_t index, bool resize);
  // Pixel coordinates of the texture; nothing without a texture of size.
  void SetUVPixels(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
  // One texel per unit of size; nothing without a texture of size.
  void FitUVToSize();
  void FitUVToSizeInRect();
  // Moves every corner's coordinates d inward (0 means 0.01).
  void InsetUV(float d);
  void SetVertexUVs(float u_min, float v_min, float u_max, float v_max);

  // --- Colour.
  void SetVertexColor(uint32_t argb);
  void SetVertexColor(const Colour& colour) { SetVertexColor(colour.ToUInt()); }
  void SetVertexColorAt(uint32_t argb, int32_t index);
  void SetCornerColours(uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3);
  // 0 for a vertex that does not exist.
  uint32_t GetVertexColor(int32_t index) const;
  // Alpha of every corner = a (clamped to 0..1) x 255, colour of corner 0.
  void SetAlpha(float a);

  // --- State word.
  uint32_t GetState() const { return state_; }
  void SetState(uint32_t state) { state_ = state; }
  // Filter 0 (false) for an unturned, unscaled world transform, else 3.
  bool UpdateFilter();
  void SetAddressMode(uint32_t mode);

  // --- Drawing through the current renderer (nothing without one).
  int32_t DrawRaw() const;
  // The world matrix from the transform alone (no parents), then DrawRaw.
  int32_t DrawTransformed() const;
  // The world matrix from the transform combined up its parents, then
  // DrawRaw; without a transform the current world matrix stays.
  int32_t Draw() const;
  // As DrawTransformed through the renderer's transformed-mesh path.
  int32_t DrawTransformedMatrix() const;
  // Drawn once at (x, y) turned by angle and scaled (sx, sy); the transform
  // gets back its position x, y, rotation and scale x, y (position z 0 and
  // scale z 1 afterwards).
  int32_t DrawAt(float x, float y, float angle, float sx, float sy);
  int32_t DrawRegion(float x, float y, float u_min, float v_min, float u_max, float v_max, float w,
                     float h);
  int32_t DrawQuad(const QuadCorner& c0, const QuadCorner& c1, const QuadCorner& c2,
                   const QuadCorner& c3);

  // --- Vertex arrays (also used for text runs).
  void Clear();
  void Set(MeshVertex* vertices, int32_t count, const uint16_t* indices, int32_t index_count);
  void SetVertices(MeshVertex* vertices, int32_t count);
  void SetIndices(const uint16_t* indices, int32_t count);
  // Frees an array the quad allocated, allocates count white vertices.
  void AllocateVertices(int32_t count);
  // Deep copies of the other's arrays (those it has), owned by this quad.
  void CopyFrom(const OC_MESH& other);
  void SetColour(uint32_t argb) { SetVertexColor(argb); }
  uint32_t GetFirstColour() const { return GetVertexColor(0); }
  void Translate(float x, float y, float z);
  void ScaleAbout(float cx, float cy, float cz, float sx, float sy, float sz);
  // Radians, applied about z, then x, then y; zero angles are skipped.
  void Rotate(float ax, float ay, float az);
  void OffsetUV(float du, float dv);
  void ScaleUV(float cu, float cv, float su, float sv);
  void RotateUV(float angle, float cu, float cv);
  // Copies vertex 0 over the last vertex and answers it (null when empty).
  MeshVertex* CopyFirstToLast();
  MeshVertex* GetVertex(int32_t index);
  const MeshVertex* GetVertex(int32_t index) const;
  bool IsEmpty() const { return vertices_ == nullptr; }
  int32_t VertexCount() const { return vertex_count_; }
  const uint16_t* Indices() const { return indices_; }
  int32_t IndexCount() const { return index_count_; }

 protected:
  // Exchanges everything, owned arrays and transforms included.
  void Swap(OC_MESH& other) noexcept;

 private:
  // True when the four corners exist.
  bool HasCorners() const { return vertices_ != nullptr && vertex_count_ >= 4; }
  float TextureWidth() const;
  float TextureHeight() const;

  MeshVertex* vertices_ = nullptr;
  int32_t vertex_count_ = 0;
  const uint16_t* indices_ = nullptr;
  int32_t index_count_ = 0;
  TextureRecord* texture_ = nullptr;
  uint32_t state_ = 0;
  OS_TRANSFORM3* transform_ = nullptr;
  std::unique_ptr<MeshVertex[]> owned_vertices_;
  std::unique_ptr<uint16_t[]> owned_indices_;
  std::unique_ptr<OS_TRANSFORM3> owned_transform_;
  // Transforms made by the quad and since replaced; kept until it goes.
  std::vector<std::unique_ptr<OS_TRANSFORM3>> retired_transforms_;
  float u_min_ = 0.0f;
  float v_min_ = 0.0f;
  float u_max_ = 1.0f;
  float v_max_ = 1.0f;
  uint8_t rotated_ = 0;
};

}  // namespace ORB
