#include "engine/foundation/renderer.h"

#include <atomic>

#include "engine/foundation/frame_skipper.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/transform.h"
#include "engine/platform/gl_device.h"

namespace ORB {

namespace {

std::atomic<Renderer*> g_current{nullptr};

using platform::Filter;
using platform::Primitive;

// Primitives 4 to 7 name nothing; such batches are dropped.
bool ToPrimitive(uint32_t field, Primitive& primitive) {
  switch (field) {
    case RenderState::kPrimitivePoints: primitive = Primitive::Points; return true;
    case RenderState::kPrimitiveLines: primitive = Primitive::Lines; return true;
    case RenderState::kPrimitiveTriangles: primitive = Primitive::Triangles; return true;
    case RenderState::kPrimitivePointSprites: primitive = Primitive::PointSprites; return true;
    default: return false;
  }
}

}  // namespace

Renderer::Renderer() : Renderer(platform::CreateGlDevice()) {}

Renderer::Renderer(std::unique_ptr<platform::GpuDevice> device)
    : device_(std::move(device)), points_(new platform::GpuPoint[kPointChunk]) {
  g_current.store(this);
}

Renderer::~Renderer() {
  if (device_ != nullptr) {
    for (auto& entry : textures_) {
      if (entry.second->handle != 0) device_->DestroyTexture(entry.second->handle);
    }
  }
  textures_.clear();
  device_.reset();
  Renderer* self = this;
  g_current.compare_exchange_strong(self, nullptr);
}

Renderer* Renderer::Current() { return g_current.load(); }

int32_t Renderer::Init(void* window_handle, float near_plane, float far_plane) {
  if (device_ == nullptr) return kResultFailed;
  if (!device_->Open(window_handle)) return kResultFailed;
  window_ = window_handle;
  near_ = near_plane;
  far_ = far_plane;
  initialised_ = true;
  if (SetDisplayMode(1024, 768, false, false) != kResultOk) return kResultFailed;
  if (default_texture_ == nullptr) {
    default_texture_ = CreateBlank(kDefaultTextureSide, kDefaultTextureSide);
    if (default_texture_ == nullptr) return kResultFailed;
    default_texture_->name = "default";
  }
  return kResultOk;
}

int32_t Renderer::SetDisplayMode(int32_t width, int32_t height, bool fullscreen,
                                 bool desktop_resolution) {
  if (!initialised_ || !HasDevice() || width <= 0 || height <= 0) return kResultBadArgument;
  if (width == width_ && height == height_ && fullscreen == fullscreen_ &&
      desktop_resolution == desktop_resolution_) {
    return kResultOk;
  }
  width_ = width;
  height_ = height;
  fullscreen_ = fullscreen;
  desktop_resolution_ = desktop_resolution;
  // The image keeps the game's size whatever the window: the device scales
  // it into the window's drawable area and letterboxes it, so the camera
  // needs no aspect correction of its own.
  device_->SetBackBufferSize(width, height);
  return RestoreDevice();
}

int32_t Renderer::RestoreDevice() {
  if (!initialised_ || !HasDevice()) return kResultFailed;
  if (frame_state_ == kInFrame) {
    FlushBatch();
  } else {
    batch_.Clear();
  }
  point_count_ = 0;
  if (!device_->Reset()) return kResultFailed;

  // The pipeline's known starting state: alpha blending (source alpha,
  // inverse source alpha), 3-D bit, no depth test, no lighting, no texture.
  current_state_ = RenderState(RenderState::kBlend | RenderState::k3D);
  device_->SetBlend(true);
  device_blend_ = true;
  device_->SetAdditive(false);
  device_->SetFilter(Filter::Point);
  device_->SetDepthTest(false);
  device_->SetLighting(false);
  device_->SetAddressing(false, false);
  device_->SetAntialias(false);
  device_->BindTexture(0);
  current_texture_ = nullptr;

  camera_ = Camera::Build(width_, height_, near_, far_);
  draw_matrix_ = Matrix4::Identity();
  SendTransform(BaseTransform());
  return kResultOk;
}

int32_t Renderer::BeginFrame() {
  if (!initialised_ || !HasDevice() || frame_state_ != kFrameEnded) return kResultFailed;
  switch (device_->TestStatus()) {
    case platform::DeviceStatus::Lost: return kResultFailed;
    case platform::DeviceStatus::NeedsReset: RestoreDevice(); return kResultDeviceReset;
    case platform::DeviceStatus::Ok: break;
  }
  if (!device_->BeginScene()) return kResultNone;
  if (!device_->Clear(clear_colour_.ToUInt(), true, true, 1.0f, 0)) {
    // Leave no scene open behind a failed frame, or the next one could not begin.
    device_->EndScene();
    return kResultFailed;
  }
  frame_state_ = kInFrame;
  draw_area_ = platform::DrawArea::Letterbox;
  counters_ = Counters{};
  return kResultOk;
}

int32_t Renderer::SetDrawArea(platform::DrawArea area) {
  if (!HasDevice() || frame_state_ != kInFrame) return kResultFailed;
  if (area == draw_area_) return kResultOk;
  FlushBatch();
  device_->SetDrawArea(area);
  draw_area_ = area;
  return kResultOk;
}

int32_t Renderer::EndFrame(bool present) {
  if (!HasDevice() || frame_state_ != kInFrame) return kResultFailed;
  FlushBatch();
  device_->EndScene();
  if (present) {
    device_->Present();
  } else {
    device_->Finish();
  }
  present_pending_ = !present;
  frame_state_ = kFrameEnded;
  return kResultNone;
}

void Renderer::PresentFrame() {
  if (!present_pending_ || !HasDevice()) return;
  present_pending_ = false;
  device_->Present();
}

int32_t Renderer::Clear() {
  if (!HasDevice()) return kResultFailed;
  return device_->Clear(clear_colour_.ToUInt(), true, true, 1.0f, 0) ? kResultOk : kResultFailed;
}

Matrix4 Renderer::BaseTransform() const {
  // The 3-D and the 2-D world are the same matrix; bit 17 only decides
  // which of the two is in force.
  return camera_.WorldViewProjection();
}

void Renderer::SendTransform(const Matrix4& matrix) { device_->SetTransform(matrix.m); }

void Renderer::ApplyState(RenderState state) {
  if (state == current_state_) return;
  ++counters_.state_changes;
  const RenderState old = current_state_;

  // The blend the device should have follows both bits whenever either
  // changes, so switching the override off turns blending back on.
  const bool blend = state.EffectiveBlend();
  if (blend != device_blend_) {
    device_->SetBlend(blend);
    device_blend_ = blend;
  }
  if (state.Additive() != old.Additive()) device_->SetAdditive(state.Additive());
  if (state.Filter() != old.Filter()) {
    switch (state.Filter()) {
      case 0:
      case 1: device_->SetFilter(Filter::Point); break;
      case 2: device_->SetFilter(Filter::Linear); break;
      case 3: device_->SetFilter(Filter::Anisotropic); break;
      default: break;  // other values leave the filters as they are
    }
  }
  if (state.DepthTest() != old.DepthTest()) device_->SetDepthTest(state.DepthTest());
  if (state.Lighting() != old.Lighting()) device_->SetLighting(state.Lighting());
  const uint32_t addressing = state.Addressing();
  device_->SetAddressing((addressing & 1u) != 0, (addressing & 2u) != 0);
  device_->SetAntialias(state.Antialias());
  if (state.Is3D() != old.Is3D()) {
    FlushBatch();
    SendTransform(BaseTransform());
  }
  current_state_ = state;
}

void Renderer::BindTexture(TextureRecord* texture) {
  if (texture == current_texture_) return;
  device_->BindTexture(texture != nullptr ? texture->handle : 0);
  current_texture_ = texture;
}

int32_t Renderer::DrawMesh(const MeshVertex* vertices, TextureRecord* texture, RenderState state,
                           int32_t vertex_count, const uint16_t* indices, int32_t index_count) {
  if (!HasDevice() || vertices == nullptr || vertex_count <= 0 || index_count < 0)
    return kResultBadArgument;
  if (index_count > 0 && indices == nullptr) return kResultBadArgument;
  ++counters_.meshes;
  if (!RenderBatch::FitsEmpty(vertex_count, index_count)) return kResultBadArgument;
  if (texture == nullptr) texture = default_texture_;
  // An untextured state draws no texture, whatever texture the mesh names,
  // so untextured meshes batch together.
  TextureRecord* bound = state.Textured() ? texture : nullptr;
  if (!(state == current_state_) || bound != current_texture_ ||
      !batch_.Fits(vertex_count, index_count)) {
    FlushBatch();
    ApplyState(state);
    BindTexture(bound);
  }
  return batch_.Append(vertices, vertex_count, indices, index_count, &draw_matrix_) ? kResultOk
                                                                                    : kResultFailed;
}

int32_t Renderer::DrawMeshTransformed(const MeshVertex* vertices, TextureRecord* texture,
                                      RenderState state, int32_t vertex_count,
                                      const uint16_t* indices, int32_t index_count) {
  if (!HasDevice() || vertices == nullptr || vertex_count <= 0 || index_count < 0)
    return kResultBadArgument;
  if (index_count > 0 && indices == nullptr) return kResultBadArgument;
  ++counters_.meshes;
  if (!RenderBatch::FitsEmpty(vertex_count, index_count)) return kResultBadArgument;
  if (texture == nullptr) texture = default_texture_;
  FlushBatch();
  ApplyState(state);
  BindTexture(state.Textured() ? texture : nullptr);
  if (!batch_.Append(vertices, vertex_count, indices, index_count, nullptr)) return kResultFailed;
  SendTransform(draw_matrix_ * BaseTransform());
  FlushBatch();
  SendTransform(BaseTransform());
  return kResultOk;
}

void Renderer::Flush() {
  FlushBatch();
  // Whoever asks wants the device to have it now (to read its pixels).
  if (skipper_ != nullptr && frame_state_ == kInFrame) skipper_->SendPending();
}

void Renderer::SkipUnchangedFrames() {
  if (skipper_ != nullptr || device_ == nullptr || frame_state_ == kInFrame) return;
  auto skipper = std::make_unique<FrameSkipper>(std::move(device_));
  skipper_ = skipper.get();
  device_ = std::move(skipper);
  // The skipper starts each scene from the pipeline it was told of: a
  // renderer already set up tells it again.
  if (initialised_) RestoreDevice();
}

void Renderer::RedrawNextFrame() {
  if (skipper_ != nullptr) skipper_->Invalidate();
}

void Renderer::FlushBatch() {
  if (batch_.Empty() || !HasDevice()) {
    batch_.Clear();
    return;
  }
  Primitive primitive = Primitive::Triangles;
  if (ToPrimitive(current_state_.Primitive(), primitive)) {
    ++counters_.draw_calls;
    device_->DrawMesh(primitive, batch_.Vertices(), batch_.VertexCount(),
                      batch_.IndexCount() > 0 ? batch_.Indices() : nullptr, batch_.IndexCount());
  }
  batch_.Clear();
}

void Renderer::BeginPoints(TextureRecord* texture, RenderState state) {
  FlushBatch();
  ++counters_.meshes;
  ApplyState(state);
  BindTexture(state.Textured() ? texture : nullptr);
  point_primitive_ = state.Primitive() == RenderState::kPrimitivePointSprites
                         ? Primitive::PointSprites
                         : Primitive::Points;
  point_count_ = 0;
}

void Renderer::AddPoint(const PointVertex& point) {
  platform::GpuPoint& out = points_[point_count_];
  out = point;
  const Vector3 p = draw_matrix_.TransformPoint(Vector3(point.x, point.y, point.z));
  out.x = p.x;
  out.y = p.y;
  out.z = p.z;
  if (++point_count_ == kPointChunk) FlushPoints();
}

void Renderer::FlushPoints() {
  if (point_count_ == 0) return;
  ++counters_.draw_calls;
  device_->DrawPoints(point_primitive_, points_.get(), point_count_);
  point_count_ = 0;
}

int32_t Renderer::DrawPoints(const PointVertex* points, int32_t count, TextureRecord* texture,
                             RenderState state) {
  if (!HasDevice() || points == nullptr || count <= 0) return kResultBadArgument;
  BeginPoints(texture, state);
  for (int32_t i = 0; i < count; ++i) AddPoint(points[i]);
  FlushPoints();
  return kResultOk;
}

int32_t Renderer::DrawSquare(float x, float y, Colour colour, float side) {
  if (!HasDevice()) return kResultFailed;
  draw_matrix_ = Matrix4::Identity();
  const uint32_t argb = colour.ToUInt();
  MeshVertex corners[4];
  corners[0].x = x;
  corners[0].y = y;
  corners[1].x = x + side;
  corners[1].y = y;
  corners[2].x = x + side;
  corners[2].y = y + side;
  corners[3].x = x;
  corners[3].y = y + side;
  for (MeshVertex& corner : corners) {
    corner.z = 1.0f;
    corner.colour = argb;
  }
  static constexpr uint16_t kIndices[6] = {0, 1, 2, 0, 2, 3};
  RenderState state(RenderState::k3D);
  state.SetPrimitive(RenderState::kPrimitiveTriangles);
  return DrawMesh(corners, nullptr, state, 4, kIndices, 6);
}

void Renderer::SetWorld(const OS_TRANSFORM3& transform) {
  draw_matrix_ = Matrix4::FromTransform(transform);
}

}  // namespace ORB
