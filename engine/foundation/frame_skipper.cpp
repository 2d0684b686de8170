#include "engine/foundation/frame_skipper.h"

#include <algorithm>
#include <cstddef>
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

// How many presented frames back a kept picture may be and still be brought
// up to date in parts.
constexpr size_t kShownHistory = 3;
// The most rectangles a frame is drawn in.
constexpr size_t kMostRegions = 16;

// A 64-bit hash of bytes, eight at a time (a record holds a few hundred
// kilobytes of vertices at most; this is not the place for a slow one).
uint64_t HashBytes(uint64_t hash, const uint8_t* bytes, size_t count) {
  hash ^= count * 0x9E3779B97F4A7C15ull;
  while (count >= 8) {
    uint64_t word;
    std::memcpy(&word, bytes, 8);
    hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 29;
    bytes += 8;
    count -= 8;
  }
  uint64_t rest = 0;
  std::memcpy(&rest, bytes, count);
  hash = (hash ^ rest) * 0xC4CEB9FE1A85EC53ull;
  return hash ^ (hash >> 32);
}

}  // namespace

// Reads a record back in the order it was written.
class FrameSkipper::RecordReader {
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

  size_t At() const { return at_; }

 private:
  const std::vector<uint8_t>& record_;
  size_t at_;
};

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
  scene_drew_ = false;
  draws_listed_ = false;
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
  const bool untouched = !force_send_ && !device_in_scene_ && !scene_failed_;
  if (untouched && changed_textures_.empty() && record_ == last_sent_) {
    skip_present_ = true;
    ++skipped_;
    return true;
  }
  platform::KeptPicture picture;
  std::vector<platform::PixelRect> drawn;
  std::vector<platform::PixelRect> shown;
  const bool partial = untouched && FindPartialFrame(picture, drawn, shown);
  if (partial && shown.empty()) {
    // Other calls, the same pixels: the picture shown stays (and no draw
    // of it uses a texture that changed).
    last_sent_.swap(record_);
    last_draws_.swap(draws_);
    changed_textures_.clear();
    skip_present_ = true;
    ++skipped_;
    return true;
  }
  if (partial) {
    device_->SetPartialFrame(drawn.data(), static_cast<int32_t>(drawn.size()), shown.data(),
                             static_cast<int32_t>(shown.size()));
    if (device_->BeginScene()) {
      device_in_scene_ = true;
      for (const platform::PixelRect& rect : drawn) PlayRegion(rect, picture);
      device_->SetScissor(nullptr);
    } else {
      scene_failed_ = true;
      device_->SetPartialFrame(nullptr, 0, nullptr, 0);
    }
  } else {
    Play();
  }
  bool ended = false;
  if (device_in_scene_) {
    ended = device_->EndScene();
    device_in_scene_ = false;
  }
  skip_present_ = !ended;
  if (ended) {
    last_sent_.swap(record_);
    // The next comparison lists the record when this one did not.
    last_draws_.swap(draws_);
    last_draws_known_ = draws_listed_;
    changed_textures_.clear();
    shown_history_.push_front(partial ? shown : std::vector<platform::PixelRect>());
    if (shown_history_.size() > kShownHistory) shown_history_.pop_back();
    ++sent_frames_;
    if (partial) ++partial_frames_;
  } else {
    invalid_ = true;  // a frame that did not get out is drawn again
    shown_history_.clear();
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

bool FrameSkipper::FindPartialFrame(platform::KeptPicture& picture,
                                    std::vector<platform::PixelRect>& drawn,
                                    std::vector<platform::PixelRect>& shown) {
  picture = device_->GetKeptPicture();
  if (picture.age < 1 || static_cast<size_t>(picture.age) > shown_history_.size()) return false;
  // A frame that does not begin by clearing everything builds on the
  // picture before it, which a part drawn again would not.
  RecordReader reader(record_, sizeof(Pipeline));
  if (reader.AtEnd() || static_cast<Op>(reader.Take<uint8_t>()) != Op::Clear) return false;
  (void)reader.Take<uint32_t>();
  if (reader.Take<uint8_t>() == 0 || reader.Take<uint8_t>() == 0) return false;
  if (!last_draws_known_) ListDraws(last_sent_, last_draws_);
  last_draws_known_ = true;
  ListDraws(record_, draws_);
  draws_listed_ = true;
  if (!FindDamage(last_draws_, draws_, changed_textures_, picture, shown)) return false;
  // A picture older than the last one misses the parts drawn since.
  drawn = shown;
  for (size_t back = 0; back + 1 < static_cast<size_t>(picture.age); ++back) {
    const std::vector<platform::PixelRect>& since = shown_history_[back];
    if (since.empty()) return false;  // a whole frame
    drawn.insert(drawn.end(), since.begin(), since.end());
  }
  if (shown.empty()) return true;
  MergeDamage(drawn, kMostRegions);
  return true;
}

void FrameSkipper::ListDraws(const std::vector<uint8_t>& record,
                             std::vector<FrameDraw>& draws) const {
  draws.clear();
  if (record.size() < sizeof(Pipeline)) return;
  Pipeline pipeline;
  std::memcpy(&pipeline, record.data(), sizeof(pipeline));
  const float* transform =
      reinterpret_cast<const float*>(record.data() + offsetof(Pipeline, transform));
  auto area = platform::DrawArea::Letterbox;
  RecordReader reader(record, sizeof(Pipeline));
  while (!reader.AtEnd()) {
    const size_t at = reader.At();
    const auto op = static_cast<Op>(reader.Take<uint8_t>());
    if (IsSwitch(op)) {
      StoreSwitch(pipeline, op, reader.Take<uint8_t>());
      continue;
    }
    FrameDraw draw;
    switch (op) {
      case Op::Clear:
        (void)reader.Bytes(sizeof(uint32_t) + 2 + sizeof(float) + sizeof(int32_t));
        draw.everywhere = true;
        draw.state = draw.content = HashBytes(0, record.data() + at, reader.At() - at);
        draws.push_back(draw);
        break;
      case Op::DrawArea: area = static_cast<platform::DrawArea>(reader.Take<uint8_t>()); break;
      case Op::Transform:
        transform = reinterpret_cast<const float*>(reader.Bytes(sizeof(pipeline.transform)));
        std::memcpy(pipeline.transform, transform, sizeof(pipeline.transform));
        break;
      case Op::Bind: pipeline.texture = reader.Take<TextureHandle>(); break;
      case Op::DrawMesh:
      case Op::DrawPoints: {
        draw.points = op == Op::DrawPoints;
        draw.primitive = reader.Take<Primitive>();
        draw.vertex_count = reader.Take<int32_t>();
        draw.index_count = draw.points ? 0 : reader.Take<int32_t>();
        const size_t vertex_bytes = static_cast<size_t>(draw.vertex_count) *
                                    (draw.points ? sizeof(GpuPoint) : sizeof(GpuVertex));
        draw.vertices = reader.Bytes(vertex_bytes);
        draw.indices = reader.Bytes(static_cast<size_t>(draw.index_count) * sizeof(uint16_t));
        draw.texture = pipeline.texture;
        if (const auto size = texture_sizes_.find(draw.texture); size != texture_sizes_.end()) {
          draw.texture_width = size->second.width;
          draw.texture_height = size->second.height;
        }
        draw.filter = static_cast<Filter>(pipeline.filter);
        draw.area = area;
        draw.transform = transform;
        const int32_t kind[3] = {static_cast<int32_t>(op), static_cast<int32_t>(draw.primitive),
                                 static_cast<int32_t>(area)};
        const int32_t counts[2] = {draw.vertex_count, draw.index_count};
        draw.state =
            HashBytes(HashBytes(0, reinterpret_cast<const uint8_t*>(&pipeline), sizeof(pipeline)),
                      reinterpret_cast<const uint8_t*>(kind), sizeof(kind));
        draw.content = HashBytes(
            HashBytes(draw.state, reinterpret_cast<const uint8_t*>(counts), sizeof(counts)),
            draw.vertices, vertex_bytes + static_cast<size_t>(draw.index_count) * sizeof(uint16_t));
        MeasureDraw(draw);
        draws.push_back(draw);
        break;
      }
      default: break;  // the switches, taken above
    }
  }
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
  while (!reader.AtEnd()) SendOp(static_cast<Op>(reader.Take<uint8_t>()), reader, true);
  sent_until_ = record_.size();
}

void FrameSkipper::PlayRegion(const platform::PixelRect& rect,
                              const platform::KeptPicture& picture) {
  device_->SetDrawArea(platform::DrawArea::Letterbox);
  device_->SetScissor(&rect);
  Pipeline start;
  std::memcpy(&start, record_.data(), sizeof(start));
  Sync(start);
  size_t next_draw = 0;  // draws_ lists the record's clears and draws in order
  RecordReader reader(record_, sizeof(start));
  while (!reader.AtEnd()) {
    const auto op = static_cast<Op>(reader.Take<uint8_t>());
    bool draw = true;
    if (op == Op::Clear || op == Op::DrawMesh || op == Op::DrawPoints) {
      const FrameDraw& listed = draws_[next_draw++];
      draw = DrawReaches(listed, rect, picture);
      // A large batch reaching the rectangle in part: its triangles there.
      if (draw && op == Op::DrawMesh &&
          CullToRect(listed, rect, picture, vertex_scratch_, index_scratch_)) {
        SendOp(op, reader, false);
        if (!index_scratch_.empty()) {
          device_->DrawMesh(listed.primitive, vertex_scratch_.data(),
                            static_cast<int32_t>(vertex_scratch_.size()), index_scratch_.data(),
                            static_cast<int32_t>(index_scratch_.size()));
        }
        continue;
      }
    }
    SendOp(op, reader, draw);
  }
  sent_until_ = record_.size();
}

void FrameSkipper::SendOp(Op op, RecordReader& reader, bool draw) {
  if (IsSwitch(op)) {
    SendSwitch(op, reader.Take<uint8_t>());
    return;
  }
  switch (op) {
    case Op::Clear: {
      const auto argb = reader.Take<uint32_t>();
      const auto colour = reader.Take<uint8_t>();
      const auto depth = reader.Take<uint8_t>();
      const auto depth_value = reader.Take<float>();
      const auto stencil = reader.Take<int32_t>();
      if (draw) device_->Clear(argb, colour != 0, depth != 0, depth_value, stencil);
      break;
    }
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
      const uint8_t* vertices = reader.Bytes(static_cast<size_t>(vertex_count) * sizeof(GpuVertex));
      const uint8_t* indices = reader.Bytes(static_cast<size_t>(index_count) * sizeof(uint16_t));
      if (!draw) break;
      // The copies keep the layouts' alignment, which the record's bytes
      // do not promise.
      vertex_scratch_.resize(static_cast<size_t>(vertex_count));
      std::memcpy(vertex_scratch_.data(), vertices, vertex_scratch_.size() * sizeof(GpuVertex));
      index_scratch_.resize(static_cast<size_t>(index_count));
      std::memcpy(index_scratch_.data(), indices, index_scratch_.size() * sizeof(uint16_t));
      device_->DrawMesh(primitive, vertex_scratch_.data(), vertex_count,
                        index_count > 0 ? index_scratch_.data() : nullptr, index_count);
      break;
    }
    case Op::DrawPoints: {
      const auto primitive = reader.Take<Primitive>();
      const auto count = reader.Take<int32_t>();
      const uint8_t* points = reader.Bytes(static_cast<size_t>(count) * sizeof(GpuPoint));
      if (!draw) break;
      point_scratch_.resize(static_cast<size_t>(count));
      std::memcpy(point_scratch_.data(), points, point_scratch_.size() * sizeof(GpuPoint));
      device_->DrawPoints(primitive, point_scratch_.data(), count);
      break;
    }
    default: break;  // the switches, sent above
  }
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

bool FrameSkipper::IsSwitch(Op op) {
  switch (op) {
    case Op::Blend:
    case Op::Additive:
    case Op::Filter:
    case Op::DepthTest:
    case Op::Lighting:
    case Op::Addressing:
    case Op::Antialias: return true;
    default: return false;
  }
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
  scene_drew_ = true;
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
  scene_drew_ = true;
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

void FrameSkipper::BeforeTextureWork(TextureHandle texture) {
  // Nothing drawn yet: the texture's new pixels serve every draw of the
  // scene, and the scene may still be drawn in parts.
  if (scene_drew_) SendPending();
  // The last picture shown may hold the texture as it was.
  if (texture != 0 && std::find(changed_textures_.begin(), changed_textures_.end(), texture) ==
                          changed_textures_.end()) {
    changed_textures_.push_back(texture);
  }
}

TextureHandle FrameSkipper::CreateTexture(int32_t width, int32_t height, const uint32_t* pixels) {
  // A new texture is in no picture shown, unless it takes the name of one
  // destroyed, which counted as changed then.
  BeforeTextureWork(0);
  const TextureHandle texture = device_->CreateTexture(width, height, pixels);
  if (texture != 0) texture_sizes_[texture] = {width, height};
  return texture;
}

bool FrameSkipper::UpdateTexture(TextureHandle texture, int32_t width, int32_t height,
                                 const uint32_t* pixels) {
  BeforeTextureWork(texture);
  return device_->UpdateTexture(texture, width, height, pixels);
}

bool FrameSkipper::ReadTexture(TextureHandle texture, int32_t width, int32_t height,
                               uint32_t* pixels) {
  return device_->ReadTexture(texture, width, height, pixels);
}

void FrameSkipper::DestroyTexture(TextureHandle texture) {
  BeforeTextureWork(texture);
  texture_sizes_.erase(texture);
  device_->DestroyTexture(texture);
}

}  // namespace ORB
