#include "engine/foundation/frame_skipper.h"

#include <cstring>
#include <utility>

namespace ORB {

using platform::DeviceStatus;
using platform::Filter;
using platform::GpuPoint;
using platform::GpuVertex;
using platform::Primitive;
using platform::TextureHandle;

enum class FrameSkipper::Op : uint8_t {
  Clear,
  Blend,
  Additive,
  Filter,
  DepthTest,
  Lighting,
  Addressing,
  Antialias,
  Transform,
  Bind,
  DrawMesh,
  DrawPoints,
  DrawArea,
};

namespace {

static_assert(sizeof(FrameSkipper::Pipeline) == 8 + 4 + 64,
              "the start state is stored as it stands");

// Reads a record back in the order it was written.
class RecordReader {
 public:
  RecordReader(const std::vector<uint8_t>& record, size_t from) : record_(record), at_(from) {}
  bool AtEnd() const { return at_ >= record_.size(); }
  template <typename T>
  T Take() {
    T value;
    std::memcpy(&value, record_.data() + at_, sizeof(T));
    at_ += sizeof(T);
    return value;
  }
  const uint8_t* Bytes(size_t count) {
    const uint8_t* start = record_.data() + at_;
    at_ += count;
    return start;
  }

 private:
  const std::vector<uint8_t>& record_;
  size_t at_;
};

}  // namespace

FrameSkipper::FrameSkipper(std::unique_ptr<platform::GpuDevice> device)
    : device_(std::move(device)) {}

FrameSkipper::~FrameSkipper() = default;

void FrameSkipper::Put(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  record_.insert(record_.end(), bytes, bytes + size);
}

bool FrameSkipper::Open(void* native_window) {
  device_state_known_ = false;
  invalid_ = true;
  return device_->Open(native_window);
}

bool FrameSkipper::IsOpen() const { return device_->IsOpen(); }

void FrameSkipper::SetBackBufferSize(int32_t width, int32_t height) {
  invalid_ = true;
  device_->SetBackBufferSize(width, height);
}

DeviceStatus FrameSkipper::TestStatus() {
  const DeviceStatus status = device_->TestStatus();
  if (status != DeviceStatus::Ok) invalid_ = true;
  return status;
}

bool FrameSkipper::Reset() {
  invalid_ = true;
  device_state_known_ = false;
  return device_->Reset();
}

bool FrameSkipper::BeginScene() {
  if (in_scene_) return false;
  in_scene_ = true;
  device_in_scene_ = false;
  scene_failed_ = false;
  force_send_ = invalid_;
  invalid_ = false;
  record_.clear();
  Put(&wanted_, sizeof(wanted_));
  sent_until_ = 0;
  return true;
}

bool FrameSkipper::Clear(uint32_t argb, bool colour, bool depth, float depth_value,
                         int32_t stencil) {
  if (!in_scene_) return device_->Clear(argb, colour, depth, depth_value, stencil);
  PutOp(Op::Clear);
  const uint8_t flags[2] = {static_cast<uint8_t>(colour), static_cast<uint8_t>(depth)};
  Put(&argb, sizeof(argb));
  Put(flags, sizeof(flags));
  Put(&depth_value, sizeof(depth_value));
  Put(&stencil, sizeof(stencil));
  return true;
}

bool FrameSkipper::EndScene() {
  if (!in_scene_) return false;
  in_scene_ = false;
  if (!force_send_ && !device_in_scene_ && !scene_failed_ && record_ == last_sent_) {
    skip_present_ = true;
    ++skipped_;
    return true;
  }
  Play();
  bool ended = false;
  if (device_in_scene_) {
    ended = device_->EndScene();
    device_in_scene_ = false;
  }
  skip_present_ = !ended;
  if (ended) {
    last_sent_.swap(record_);
    ++sent_frames_;
  } else {
    invalid_ = true;  // a frame that did not get out is drawn again
  }
  return ended;
}

bool FrameSkipper::Present() {
  if (skip_present_) {
    skip_present_ = false;
    return true;
  }
  return device_->Present();
}

void FrameSkipper::SendPending() {
  if (in_scene_) Play();
}

void FrameSkipper::Play() {
  if (scene_failed_) return;
  if (!device_in_scene_) {
    if (!device_->BeginScene()) {
      scene_failed_ = true;
      invalid_ = true;
      return;
    }
    device_in_scene_ = true;
    Pipeline start;
    std::memcpy(&start, record_.data(), sizeof(start));
    Sync(start);
    sent_until_ = sizeof(start);
  }
  RecordReader reader(record_, sent_until_);
  while (!reader.AtEnd()) {
    const auto op = static_cast<Op>(reader.Take<uint8_t>());
    switch (op) {
      case Op::Clear: {
        const auto argb = reader.Take<uint32_t>();
        const auto colour = reader.Take<uint8_t>();
        const auto depth = reader.Take<uint8_t>();
        const auto depth_value = reader.Take<float>();
        const auto stencil = reader.Take<int32_t>();
        device_->Clear(argb, colour != 0, depth != 0, depth_value, stencil);
        break;
      }
      case Op::Blend:
      case Op::Additive:
      case Op::Filter:
      case Op::DepthTest:
      case Op::Lighting:
      case Op::Addressing:
      case Op::Antialias: SendSwitch(op, reader.Take<uint8_t>()); break;
      case Op::DrawArea:
        device_->SetDrawArea(static_cast<platform::DrawArea>(reader.Take<uint8_t>()));
        break;
      case Op::Transform:
        std::memcpy(device_state_.transform, reader.Bytes(sizeof(device_state_.transform)),
                    sizeof(device_state_.transform));
        device_->SetTransform(device_state_.transform);
        break;
      case Op::Bind:
        device_state_.texture = reader.Take<TextureHandle>();
        device_->BindTexture(device_state_.texture);
        break;
      case Op::DrawMesh: {
        const auto primitive = reader.Take<Primitive>();
        const auto vertex_count = reader.Take<int32_t>();
        const auto index_count = reader.Take<int32_t>();
        // The copies keep the layouts' alignment, which the record's bytes
        // do not promise.
        vertex_scratch_.resize(static_cast<size_t>(vertex_count));
        std::memcpy(vertex_scratch_.data(),
                    reader.Bytes(vertex_scratch_.size() * sizeof(GpuVertex)),
                    vertex_scratch_.size() * sizeof(GpuVertex));
        index_scratch_.resize(static_cast<size_t>(index_count));
        std::memcpy(index_scratch_.data(), reader.Bytes(index_scratch_.size() * sizeof(uint16_t)),
                    index_scratch_.size() * sizeof(uint16_t));
        device_->DrawMesh(primitive, vertex_scratch_.data(), vertex_count,
                          index_count > 0 ? index_scratch_.data() : nullptr, index_count);
        break;
      }
      case Op::DrawPoints: {
        const auto primitive = reader.Take<Primitive>();
        const auto count = reader.Take<int32_t>();
        point_scratch_.resize(static_cast<size_t>(count));
        std::memcpy(point_scratch_.data(), reader.Bytes(point_scratch_.size() * sizeof(GpuPoint)),
                    point_scratch_.size() * sizeof(GpuPoint));
        device_->DrawPoints(primitive, point_scratch_.data(), count);
        break;
      }
    }
  }
  sent_until_ = record_.size();
}

void FrameSkipper::Sync(const Pipeline& wanted) {
  const bool all = !device_state_known_;
  Pipeline& now = device_state_;
  if (all || now.blend != wanted.blend) device_->SetBlend(wanted.blend != 0);
  if (all || now.additive != wanted.additive) device_->SetAdditive(wanted.additive != 0);
  if (all || now.filter != wanted.filter) device_->SetFilter(static_cast<Filter>(wanted.filter));
  if (all || now.depth_test != wanted.depth_test) device_->SetDepthTest(wanted.depth_test != 0);
  if (all || now.lighting != wanted.lighting) device_->SetLighting(wanted.lighting != 0);
  if (all || now.wrap_u != wanted.wrap_u || now.wrap_v != wanted.wrap_v) {
    device_->SetAddressing(wanted.wrap_u != 0, wanted.wrap_v != 0);
  }
  if (all || now.antialias != wanted.antialias) device_->SetAntialias(wanted.antialias != 0);
  if (all || std::memcmp(now.transform, wanted.transform, sizeof(wanted.transform)) != 0) {
    device_->SetTransform(wanted.transform);
  }
  if (all || now.texture != wanted.texture) device_->BindTexture(wanted.texture);
  now = wanted;
  device_state_known_ = true;
}

// --- pipeline switches: recorded inside a scene, sent at once outside ------

void FrameSkipper::SetDrawArea(platform::DrawArea area) {
  // The device begins every scene on the letterbox, so the area needs no
  // place in the scene's start state: the record replays it in order.
  if (!in_scene_) {
    device_->SetDrawArea(area);
    return;
  }
  PutOp(Op::DrawArea);
  const auto value = static_cast<uint8_t>(area);
  Put(&value, 1);
}

void FrameSkipper::Switch(Op op, uint8_t value) {
  StoreSwitch(wanted_, op, value);
  if (!in_scene_) {
    SendSwitch(op, value);
    return;
  }
  PutOp(op);
  Put(&value, 1);
}

void FrameSkipper::StoreSwitch(Pipeline& pipeline, Op op, uint8_t value) {
  switch (op) {
    case Op::Blend: pipeline.blend = value; break;
    case Op::Additive: pipeline.additive = value; break;
    case Op::Filter: pipeline.filter = value; break;
    case Op::DepthTest: pipeline.depth_test = value; break;
    case Op::Lighting: pipeline.lighting = value; break;
    case Op::Addressing:
      pipeline.wrap_u = value & 1u;
      pipeline.wrap_v = (value >> 1) & 1u;
      break;
    case Op::Antialias: pipeline.antialias = value; break;
    default: break;
  }
}

void FrameSkipper::SendSwitch(Op op, uint8_t value) {
  StoreSwitch(device_state_, op, value);
  switch (op) {
    case Op::Blend: device_->SetBlend(value != 0); break;
    case Op::Additive: device_->SetAdditive(value != 0); break;
    case Op::Filter: device_->SetFilter(static_cast<Filter>(value)); break;
    case Op::DepthTest: device_->SetDepthTest(value != 0); break;
    case Op::Lighting: device_->SetLighting(value != 0); break;
    case Op::Addressing: device_->SetAddressing((value & 1u) != 0, (value & 2u) != 0); break;
    case Op::Antialias: device_->SetAntialias(value != 0); break;
    default: break;
  }
}

void FrameSkipper::SetBlend(bool on) { Switch(Op::Blend, on); }
void FrameSkipper::SetAdditive(bool on) { Switch(Op::Additive, on); }
void FrameSkipper::SetFilter(Filter filter) { Switch(Op::Filter, static_cast<uint8_t>(filter)); }
void FrameSkipper::SetDepthTest(bool on) { Switch(Op::DepthTest, on); }
void FrameSkipper::SetLighting(bool on) { Switch(Op::Lighting, on); }
void FrameSkipper::SetAntialias(bool on) { Switch(Op::Antialias, on); }
void FrameSkipper::SetAddressing(bool wrap_u, bool wrap_v) {
  Switch(Op::Addressing, static_cast<uint8_t>((wrap_u ? 1u : 0u) | (wrap_v ? 2u : 0u)));
}

void FrameSkipper::SetTransform(const float matrix[16]) {
  std::memcpy(wanted_.transform, matrix, sizeof(wanted_.transform));
  if (!in_scene_) {
    std::memcpy(device_state_.transform, matrix, sizeof(device_state_.transform));
    device_->SetTransform(matrix);
    return;
  }
  PutOp(Op::Transform);
  Put(wanted_.transform, sizeof(wanted_.transform));
}

void FrameSkipper::BindTexture(TextureHandle texture) {
  wanted_.texture = texture;
  if (!in_scene_) {
    device_state_.texture = texture;
    device_->BindTexture(texture);
    return;
  }
  PutOp(Op::Bind);
  Put(&texture, sizeof(texture));
}

// --- drawing ---------------------------------------------------------------

void FrameSkipper::DrawMesh(Primitive primitive, const GpuVertex* vertices, int32_t vertex_count,
                            const uint16_t* indices, int32_t index_count) {
  if (!in_scene_) {
    device_->DrawMesh(primitive, vertices, vertex_count, indices, index_count);
    return;
  }
  if (vertices == nullptr || vertex_count <= 0) return;
  if (indices == nullptr || index_count < 0) index_count = 0;
  PutOp(Op::DrawMesh);
  Put(&primitive, sizeof(primitive));
  Put(&vertex_count, sizeof(vertex_count));
  Put(&index_count, sizeof(index_count));
  Put(vertices, static_cast<size_t>(vertex_count) * sizeof(GpuVertex));
  if (index_count > 0) Put(indices, static_cast<size_t>(index_count) * sizeof(uint16_t));
}

void FrameSkipper::DrawPoints(Primitive primitive, const GpuPoint* points, int32_t count) {
  if (!in_scene_) {
    device_->DrawPoints(primitive, points, count);
    return;
  }
  if (points == nullptr || count <= 0) return;
  PutOp(Op::DrawPoints);
  Put(&primitive, sizeof(primitive));
  Put(&count, sizeof(count));
  Put(points, static_cast<size_t>(count) * sizeof(GpuPoint));
}

bool FrameSkipper::ReadPixels(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t* argb) {
  SendPending();
  return device_->ReadPixels(x, y, width, height, argb);
}

// --- textures: sent at once, after what the scene drew before them ---------

void FrameSkipper::BeforeTextureWork() {
  SendPending();
  // The last picture shown may hold the texture as it was.
  invalid_ = true;
}

TextureHandle FrameSkipper::CreateTexture(int32_t width, int32_t height, const uint32_t* pixels) {
  BeforeTextureWork();
  return device_->CreateTexture(width, height, pixels);
}

bool FrameSkipper::UpdateTexture(TextureHandle texture, int32_t width, int32_t height,
                                 const uint32_t* pixels) {
  BeforeTextureWork();
  return device_->UpdateTexture(texture, width, height, pixels);
}

bool FrameSkipper::ReadTexture(TextureHandle texture, int32_t width, int32_t height,
                               uint32_t* pixels) {
  return device_->ReadTexture(texture, width, height, pixels);
}

void FrameSkipper::DestroyTexture(TextureHandle texture) {
  BeforeTextureWork();
  device_->DestroyTexture(texture);
}

}  // namespace ORB
