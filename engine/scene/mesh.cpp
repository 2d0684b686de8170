#include "engine/scene/mesh.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/foundation/renderer.h"
#include "engine/foundation/result_codes.h"

namespace ORB {

const uint16_t OC_MESH::kQuadIndices[6] = {0, 1, 2, 0, 2, 3};

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;

// Whole pixels of a size, truncated toward zero, without undefined
// conversions of huge or non-numeric values.
float Truncated(float value) { return std::isfinite(value) ? std::trunc(value) : 0.0f; }

}  // namespace

OS_MESH_FRAME OS_MESH_FRAME::Whole(TextureRecord* texture) {
  OS_MESH_FRAME frame;
  frame.texture = texture;
  if (texture != nullptr) {
    frame.width = static_cast<float>(texture->Width());
    frame.height = static_cast<float>(texture->Height());
  }
  frame.top = 0.0f;
  frame.right = 1.0f;
  frame.left = 0.0f;
  frame.bottom = 1.0f;
  frame.rotated = 0;
  return frame;
}

OC_MESH::OC_MESH()
    : vertices_(nullptr), indices_(kQuadIndices), index_count_(6), state_(kDefaultState) {
  owned_vertices_ = std::make_unique<MeshVertex[]>(4);
  vertices_ = owned_vertices_.get();
  vertex_count_ = 4;
}

OC_MESH::OC_MESH(TextureRecord* texture, OS_TRANSFORM3* transform) : OC_MESH() {
  SetFromTexture(texture, transform);
}

OC_MESH::OC_MESH(const OC_MESH& other) : OC_MESH() {
  state_ = other.state_;
  texture_ = other.texture_;
  u_min_ = other.u_min_;
  v_min_ = other.v_min_;
  u_max_ = other.u_max_;
  v_max_ = other.v_max_;
  rotated_ = other.rotated_;
  SetSize(other.GetWidth(), other.GetHeight());
  // The copy shows what the original shows.
  if (other.HasCorners()) {
    for (int32_t i = 0; i < 4; ++i) vertices_[i].SetUV(other.vertices_[i].u, other.vertices_[i].v);
  }
  SetVertexColor(kWhite);
  if (other.OwnsTransform()) {
    owned_transform_ = std::make_unique<OS_TRANSFORM3>(*other.transform_);
    transform_ = owned_transform_.get();
  } else {
    transform_ = other.transform_;
  }
}

OC_MESH& OC_MESH::operator=(const OC_MESH& other) {
  if (this != &other) {
    OC_MESH copy(other);
    Swap(copy);
  }
  return *this;
}

OC_MESH::OC_MESH(MeshVertex* vertices, int32_t count, TextureRecord* texture,
                 OS_TRANSFORM3* transform, const uint16_t* indices, int32_t index_count)
    : vertices_(vertices),
      vertex_count_(vertices != nullptr ? std::max(count, 0) : 0),
      indices_(indices),
      index_count_(indices != nullptr ? std::max(index_count, 0) : 0),
      texture_(texture),
      transform_(transform) {}

OC_MESH::OC_MESH(int32_t count, TextureRecord* texture, OS_TRANSFORM3* transform,
                 const uint16_t* indices, int32_t index_count)
    : OC_MESH(nullptr, 0, texture, transform, indices, index_count) {
  AllocateVertices(count);
}

OC_MESH::~OC_MESH() = default;

void OC_MESH::Swap(OC_MESH& other) noexcept {
  std::swap(vertices_, other.vertices_);
  std::swap(vertex_count_, other.vertex_count_);
  std::swap(indices_, other.indices_);
  std::swap(index_count_, other.index_count_);
  std::swap(texture_, other.texture_);
  std::swap(state_, other.state_);
  std::swap(transform_, other.transform_);
  std::swap(owned_vertices_, other.owned_vertices_);
  std::swap(owned_indices_, other.owned_indices_);
  std::swap(owned_transform_, other.owned_transform_);
  std::swap(retired_transforms_, other.retired_transforms_);
  std::swap(u_min_, other.u_min_);
  std::swap(v_min_, other.v_min_);
  std::swap(u_max_, other.u_max_);
  std::swap(v_max_, other.v_max_);
  std::swap(rotated_, other.rotated_);
}

// --- Transform.

void OC_MESH::SetTransform(OS_TRANSFORM3* t) {
  if (OwnsTransform() && t == transform_) return;  // setting its own again
  if (OwnsTransform()) owned_transform_.reset();
  if (t != nullptr) {
    transform_ = t;
  } else {
    if (owned_transform_) retired_transforms_.push_back(std::move(owned_transform_));
    owned_transform_ = std::make_unique<OS_TRANSFORM3>();
    transform_ = owned_transform_.get();
  }
}

OS_TRANSFORM3* OC_MESH::ReplaceTransform(OS_TRANSFORM3* t) {
  if (t == nullptr) return nullptr;
  OS_TRANSFORM3* previous = transform_;
  transform_ = t;
  return previous;
}

OS_TRANSFORM3* OC_MESH::ShareTransform(OS_TRANSFORM3* t) { return ReplaceTransform(t); }

OS_TRANSFORM3& OC_MESH::EnsureTransform() {
  if (transform_ == nullptr) SetTransform(nullptr);
  return *transform_;
}

// --- Set-up.

int32_t OC_MESH::SetFromTexture(TextureRecord* texture, OS_TRANSFORM3* transform) {
  const OS_MESH_FRAME frame = OS_MESH_FRAME::Whole(texture);
  return SetFromFrameRecord(&frame, transform) == kResultOk ? kResultOk : kResultFailed;
}

int32_t OC_MESH::SetFromFrameRecord(const OS_MESH_FRAME* frame, OS_TRANSFORM3* transform) {
  if (frame == nullptr || frame->texture == nullptr) return kResultBadArgument;
  texture_ = frame->texture;
  rotated_ = frame->rotated;
  SetTransform(transform);
  SetUVRect(frame->left, frame->top, frame->right, frame->bottom);
  SetSize(Truncated(frame->width), Truncated(frame->height));
  SetUV(0.0f, 0.0f, 1.0f, 1.0f);
  SetVertexColor(kWhite);
  return kResultOk;
}

void OC_MESH::SetFromFrame(const OS_MESH_FRAME* frame) {
  if (frame == nullptr) return;
  SetTexture(frame->texture);
  rotated_ = frame->rotated;
  SetUVRect(frame->left, frame->top, frame->right, frame->bottom);
  SetSize(frame->width, frame->height);
}

int32_t OC_MESH::SetTexture(TextureRecord* texture) {
  if (vertices_ == nullptr) return kResultFailed;
  if (texture != nullptr) {
    state_ |= RenderState::kTextured;
  } else {
    state_ &= ~RenderState::kTextured;
  }
  texture_ = texture;
  return kResultOk;
}

float OC_MESH::TextureWidth() const {
  return texture_ != nullptr ? static_cast<float>(texture_->Width()) : 0.0f;
}

float OC_MESH::TextureHeight() const {
  return texture_ != nullptr ? static_cast<float>(texture_->Height()) : 0.0f;
}

// --- Geometry.

void OC_MESH::SetSize(float w, float h) {
  SetWidth(w);
  SetHeight(h);
}

void OC_MESH::SetWidth(float w) {
  if (!HasCorners()) return;
  vertices_[1].x = vertices_[0].x + w;
  vertices_[2].x = vertices_[0].x + w;
}

void OC_MESH::SetHeight(float h) {
  if (!HasCorners()) return;
  vertices_[2].y = vertices_[0].y + h;
  vertices_[3].y = vertices_[0].y + h;
}

float OC_MESH::GetWidth() const { return HasCorners() ? vertices_[1].x - vertices_[0].x : 0.0f; }

float OC_MESH::GetHeight() const { return HasCorners() ? vertices_[3].y - vertices_[0].y : 0.0f; }

void OC_MESH::SetSizeInUV(float fu, float fv) {
  SetSize((u_max_ - u_min_) * TextureWidth() * fu, TextureHeight() * fv * (v_max_ - v_min_));
}

void OC_MESH::SetPosition(float x, float y, float z) { EnsureTransform().SetPosition(x, y, z); }

void OC_MESH::SetX(float x) { EnsureTransform().position.x = x; }

void OC_MESH::SetY(float y) { EnsureTransform().position.y = y; }

void OC_MESH::SetAngle(float angle) { EnsureTransform().SetAngle(angle); }

void OC_MESH::SetScale(float sx, float sy, float sz) {
  EnsureTransform().SetScale(sx, sy == 0.0f ? sx : sy, sz);
}

void OC_MESH::SetAnchor(int32_t anchor, float dx, float dy) {
  float fx = 0.0f;
  float fy = 0.0f;
  if (!AnchorFractions(anchor, &fx, &fy)) return;
  OS_TRANSFORM3& t = EnsureTransform();
  t.pivot.x = dx + fx * GetWidth();
  t.pivot.y = dy + fy * GetHeight();
}

// --- Texture coordinates.

void OC_MESH::SetUVRect(float u_min, float v_min, float u_max, float v_max) {
  u_min_ = u_min;
  v_min_ = v_min;
  u_max_ = u_max;
  v_max_ = v_max;
}

void OC_MESH::SetUV(float a0, float b0, float a1, float b1) {
  if (!HasCorners()) return;
  const float du = u_max_ - u_min_;
  const float dv = v_max_ - v_min_;
  MeshVertex* v = vertices_;
  if (rotated_ == 0) {
    v[0].u = v[3].u = a0 * du + u_min_;
    v[0].v = v[1].v = b0 * dv + v_min_;
    v[1].u = v[2].u = a1 * du + u_min_;
    v[2].v = v[3].v = v_min_ + dv * b1;
  } else {
    v[0].u = v[1].u = b0 * du + u_min_;
    v[1].v = v[2].v = (1.0f - a1) * dv + v_min_;
    v[2].u = v[3].u = u_min_ + du * b1;
    v[0].v = v[3].v = (1.0f - a0) * dv + v_min_;
  }
}

void OC_MESH::SetFrame(int32_t cols, int32_t rows, int32_t index, bool resize) {
  cols = std::max(cols, 1);
  rows = std::max(rows, 1);
  index = std::max(index, 0);
  const float cw = 1.0f / static_cast<float>(cols);
  const float ch = 1.0f / static_cast<float>(rows);
  const auto column = static_cast<float>(index % cols);
  const auto row = static_cast<float>(index / cols);
  SetUV(cw * column, ch * row, cw * column + cw, ch * row + ch);
  if (resize) {
    const float height = Truncated(GetHeight() / static_cast<float>(rows));
    const float width = Truncated(GetWidth() / static_cast<float>(cols));
    SetSize(width, height);
  }
}

void OC_MESH::SetUVPixels(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  const float tw = TextureWidth();
  const float th = TextureHeight();
  if (tw <= 0.0f || th <= 0.0f) return;
  SetUV(static_cast<float>(x0) / tw, static_cast<float>(y0) / th, static_cast<float>(x1) / tw,
        static_cast<float>(y1) / th);
}

void OC_MESH::FitUVToSize() {
  const float tw = TextureWidth();
  const float th = TextureHeight();
  if (tw <= 0.0f || th <= 0.0f) return;
  SetUV(0.0f, 0.0f, Truncated(GetWidth()) / tw, Truncated(GetHeight()) / th);
}

void OC_MESH::FitUVToSizeInRect() {
  const float uw = (u_max_ - u_min_) * TextureWidth();
  const float vh = (v_max_ - v_min_) * TextureHeight();
  if (uw == 0.0f || vh == 0.0f) return;
  SetUV(0.0f, 0.0f, GetWidth() / uw, GetHeight() / vh);
}

void OC_MESH::InsetUV(float d) {
  if (!HasCorners()) return;
  if (d == 0.0f) d = 0.01f;
  MeshVertex* v = vertices_;
  v[0].u += d;
  v[0].v += d;
  v[1].u -= d;
  v[1].v += d;
  v[2].u -= d;
  v[2].v -= d;
  v[3].u += d;
  v[3].v -= d;
}

void OC_MESH::SetVertexUVs(float u_min, float v_min, float u_max, float v_max) {
  if (!HasCorners()) return;
  vertices_[0].SetUV(u_min, v_min);
  vertices_[1].SetUV(u_max, v_min);
  vertices_[2].SetUV(u_max, v_max);
  vertices_[3].SetUV(u_min, v_max);
}

// --- Colour.

void OC_MESH::SetVertexColor(uint32_t argb) {
  if (vertices_ == nullptr) return;
  for (int32_t i = 0; i < vertex_count_; ++i) vertices_[i].SetColour(argb);
}

void OC_MESH::SetVertexColorAt(uint32_t argb, int32_t index) {
  if (MeshVertex* v = GetVertex(index)) v->SetColour(argb);
}

void OC_MESH::SetCornerColours(uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3) {
  if (!HasCorners()) return;
  vertices_[0].SetColour(c0);
  vertices_[1].SetColour(c1);
  vertices_[2].SetColour(c2);
  vertices_[3].SetColour(c3);
}

uint32_t OC_MESH::GetVertexColor(int32_t index) const {
  const MeshVertex* v = GetVertex(index);
  return v != nullptr ? v->colour : 0u;
}

void OC_MESH::SetAlpha(float a) {
  if (vertices_ == nullptr || vertex_count_ < 1) return;
  // Below 0 (or not a number) is fully transparent, above 1 opaque.
  const float share = std::isnan(a) ? 0.0f : std::clamp(a, 0.0f, 1.0f);
  const auto alpha = static_cast<uint32_t>(share * 255.0f);
  SetVertexColor((vertices_[0].colour & 0x00FFFFFFu) | alpha << 24);
}

// --- State word.

bool OC_MESH::UpdateFilter() {
  const OS_TRANSFORM3 world = transform_ != nullptr ? transform_->GetWorld() : OS_TRANSFORM3();
  RenderState state(state_);
  const bool filtered =
      !(world.rotation.z == 0.0f && world.scale.x == 1.0f && world.scale.y == 1.0f);
  state.SetFilter(filtered ? 3u : 0u);
  state_ = state.bits;
  return filtered;
}

void OC_MESH::SetAddressMode(uint32_t mode) {
  RenderState state(state_);
  state.SetAddressing(mode & 3u);
  state_ = state.bits;
}

// --- Drawing.

int32_t OC_MESH::DrawRaw() const {
  Renderer* renderer = Renderer::Current();
  if (renderer == nullptr || vertices_ == nullptr || vertex_count_ <= 0) return kResultFailed;
  return renderer->DrawMesh(vertices_, texture_, state_, vertex_count_, indices_, index_count_);
}

int32_t OC_MESH::DrawTransformed() const {
  Renderer* renderer = Renderer::Current();
  if (renderer == nullptr) return kResultFailed;
  if (transform_ != nullptr) renderer->SetWorld(*transform_);
  return DrawRaw();
}

int32_t OC_MESH::Draw() const {
  Renderer* renderer = Renderer::Current();
  if (renderer == nullptr) return kResultFailed;
  if (transform_ != nullptr) renderer->SetWorld(transform_->GetWorld());
  return DrawRaw();
}

int32_t OC_MESH::DrawTransformedMatrix() const {
  Renderer* renderer = Renderer::Current();
  if (renderer == nullptr || vertices_ == nullptr || vertex_count_ <= 0) return kResultFailed;
  if (transform_ != nullptr) renderer->SetWorld(*transform_);
  return renderer->DrawMeshTransformed(vertices_, texture_, state_, vertex_count_, indices_,
                                       index_count_);
}

int32_t OC_MESH::DrawAt(float x, float y, float angle, float sx, float sy) {
  Renderer* renderer = Renderer::Current();
  if (renderer == nullptr) return kResultFailed;
  OS_TRANSFORM3& t = EnsureTransform();
  const float old_x = t.position.x;
  const float old_y = t.position.y;
  const Vector3 old_rotation = t.rotation;
  const float old_sx = t.scale.x;
  const float old_sy = t.scale.y;
  t.SetPosition(x, y, 0.0f);
  t.SetRotation(0.0f, 0.0f, angle);
  t.SetScale(sx, sy, 1.0f);
  renderer->SetWorld(t);
  const int32_t result = DrawRaw();
  t.SetPosition(old_x, old_y, 0.0f);
  t.rotation = old_rotation;
  t.SetScale(old_sx, old_sy, 1.0f);
  return result;
}

int32_t OC_MESH::DrawRegion(float x, float y, float u_min, float v_min, float u_max, float v_max,
                            float w, float h) {
  OS_TRANSFORM3& t = EnsureTransform();
  t.position.x = x;
  t.position.y = y;
  SetUV(u_min, v_min, u_max, v_max);
  SetSize(w, h);
  SetAnchor(HS_UL, 0.0f, 0.0f);
  return Draw();
}

int32_t OC_MESH::DrawQuad(const QuadCorner& c0, const QuadCorner& c1, const QuadCorner& c2,
                          const QuadCorner& c3) {
  if (!HasCorners()) return kResultFailed;
  const QuadCorner* corners[4] = {&c0, &c1, &c2, &c3};
  for (int32_t i = 0; i < 4; ++i) {
    vertices_[i].x = corners[i]->x;
    vertices_[i].y = corners[i]->y;
    vertices_[i].SetUV(corners[i]->u, corners[i]->v);
    vertices_[i].SetColour(corners[i]->colour);
  }
  return DrawTransformed();
}

// --- Vertex arrays.

void OC_MESH::Clear() {
  vertices_ = nullptr;
  vertex_count_ = 0;
  indices_ = nullptr;
  index_count_ = 0;
}

void OC_MESH::Set(MeshVertex* vertices, int32_t count, const uint16_t* indices,
                  int32_t index_count) {
  SetVertices(vertices, count);
  SetIndices(indices, index_count);
}

void OC_MESH::SetVertices(MeshVertex* vertices, int32_t count) {
  vertices_ = vertices;
  vertex_count_ = vertices != nullptr ? std::max(count, 0) : 0;
}

void OC_MESH::SetIndices(const uint16_t* indices, int32_t count) {
  indices_ = indices;
  index_count_ = indices != nullptr ? std::max(count, 0) : 0;
}

void OC_MESH::AllocateVertices(int32_t count) {
  count = std::max(count, 0);
  auto block = std::make_unique<MeshVertex[]>(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) block[i].SetColour(kWhite);
  owned_vertices_ = std::move(block);
  vertices_ = count > 0 ? owned_vertices_.get() : nullptr;
  vertex_count_ = count;
}

void OC_MESH::CopyFrom(const OC_MESH& other) {
  if (&other == this) return;
  if (other.vertices_ != nullptr && other.vertex_count_ > 0) {
    auto block = std::make_unique<MeshVertex[]>(static_cast<size_t>(other.vertex_count_));
    std::copy(other.vertices_, other.vertices_ + other.vertex_count_, block.get());
    owned_vertices_ = std::move(block);
    vertices_ = owned_vertices_.get();
    vertex_count_ = other.vertex_count_;
  }
  if (other.indices_ != nullptr && other.index_count_ > 0) {
    auto block = std::make_unique<uint16_t[]>(static_cast<size_t>(other.index_count_));
    std::copy(other.indices_, other.indices_ + other.index_count_, block.get());
    owned_indices_ = std::move(block);
    indices_ = owned_indices_.get();
    index_count_ = other.index_count_;
  }
}

void OC_MESH::Translate(float x, float y, float z) {
  for (int32_t i = 0; vertices_ != nullptr && i < vertex_count_; ++i) {
    vertices_[i].x += x;
    vertices_[i].y += y;
    vertices_[i].z += z;
  }
}

void OC_MESH::ScaleAbout(float cx, float cy, float cz, float sx, float sy, float sz) {
  for (int32_t i = 0; vertices_ != nullptr && i < vertex_count_; ++i) {
    MeshVertex& v = vertices_[i];
    v.x = (v.x - cx) * sx + cx;
    v.y = (v.y - cy) * sy + cy;
    v.z = (v.z - cz) * sz + cz;
  }
}

void OC_MESH::Rotate(float ax, float ay, float az) {
  // Turns the pair (a, b) by the angle: a' = a cos - b sin, b' = a sin + b cos.
  const auto turn = [](float& a, float& b, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float turned = a * c - b * s;
    b = a * s + b * c;
    a = turned;
  };
  for (int32_t i = 0; vertices_ != nullptr && i < vertex_count_; ++i) {
    MeshVertex& v = vertices_[i];
    if (az != 0.0f) turn(v.x, v.y, az);
    if (ax != 0.0f) turn(v.z, v.y, ax);
    if (ay != 0.0f) turn(v.x, v.z, ay);
  }
}

void OC_MESH::OffsetUV(float du, float dv) {
  for (int32_t i = 0; vertices_ != nullptr && i < vertex_count_; ++i) {
    vertices_[i].u += du;
    vertices_[i].v += dv;
  }
}

void OC_MESH::ScaleUV(float cu, float cv, float su, float sv) {
  for (int32_t i = 0; vertices_ != nullptr && i < vertex_count_; ++i) {
    vertices_[i].u = (vertices_[i].u - cu) * su + cu;
    vertices_[i].v = (vertices_[i].v - cv) * sv + cv;
  }
}

void OC_MESH::RotateUV(float angle, float cu, float cv) {
  if (angle == 0.0f) return;
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  for (int32_t i = 0; vertices_ != nullptr && i < vertex_count_; ++i) {
    const float u = vertices_[i].u - cu;
    const float v = vertices_[i].v - cv;
    vertices_[i].u = u * c - v * s + cu;
    vertices_[i].v = u * s + v * c + cv;
  }
}

MeshVertex* OC_MESH::CopyFirstToLast() {
  if (vertices_ == nullptr || vertex_count_ < 1) return nullptr;
  vertices_[vertex_count_ - 1] = vertices_[0];
  return &vertices_[vertex_count_ - 1];
}

MeshVertex* OC_MESH::GetVertex(int32_t index) {
  if (vertices_ == nullptr || index < 0 || index >= vertex_count_) return nullptr;
  return &vertices_[index];
}

const MeshVertex* OC_MESH::GetVertex(int32_t index) const {
  if (vertices_ == nullptr || index < 0 || index >= vertex_count_) return nullptr;
  return &vertices_[index];
}

}  // namespace ORB
