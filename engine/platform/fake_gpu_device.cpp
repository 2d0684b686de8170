#include "engine/platform/fake_gpu_device.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <utility>

namespace ORB::platform {

namespace {

std::string Flag(bool on) { return on ? "1" : "0"; }

// Copies `count` items into `to` (none when `from` is null), reusing its room
// unless that is far more than needed: a reused record must not keep the
// largest draw it ever held.
template <typename T>
void Fill(std::vector<T>& to, const T* from, int32_t count) {
  const size_t n = from != nullptr && count > 0 ? static_cast<size_t>(count) : 0;
  if (to.capacity() > 2 * n + 64) std::vector<T>().swap(to);
  to.assign(from, from + n);
}

std::string Rect(const PixelRect& r) {
  return std::to_string(r.x) + " " + std::to_string(r.y) + " " + std::to_string(r.width) + " " +
         std::to_string(r.height);
}

}  // namespace

void FakeGpuDevice::Log(std::string line) {
  if (recording_) calls_.push_back(std::move(line));
}

void FakeGpuDevice::ClearLog() {
  calls_.clear();
  draws_.clear();
  frame_ends_.clear();
}

void FakeGpuDevice::EndFrame() {
  if (!recording_) return;
  frame_ends_.push_back({calls_.size(), draws_.size()});
  if (frame_ends_.size() < 2 * kKeptFrames) return;
  // Dropping many frames at once keeps the cost per frame small; the dropped
  // draws' records are kept for reuse (never more than the record held).
  const FrameEnd cut = frame_ends_[frame_ends_.size() - kKeptFrames - 1];
  calls_.erase(calls_.begin(), calls_.begin() + static_cast<std::ptrdiff_t>(cut.calls));
  const auto dropped = draws_.begin() + static_cast<std::ptrdiff_t>(cut.draws);
  std::move(draws_.begin(), dropped, std::back_inserter(spare_));
  draws_.erase(draws_.begin(), dropped);
  frame_ends_.erase(frame_ends_.begin(),
                    frame_ends_.end() - static_cast<std::ptrdiff_t>(kKeptFrames));
  for (FrameEnd& end : frame_ends_) {
    end.calls -= cut.calls;
    end.draws -= cut.draws;
  }
}

bool FakeGpuDevice::Open(void* /*native_window*/) {
  Log("Open");
  open_ = !fail_open_;
  return open_;
}

void FakeGpuDevice::SetBackBufferSize(int32_t width, int32_t height) {
  Log("SetBackBufferSize " + std::to_string(width) + " " + std::to_string(height));
  back_width_ = width;
  back_height_ = height;
}

DeviceStatus FakeGpuDevice::TestStatus() { return open_ ? status_ : DeviceStatus::Lost; }

bool FakeGpuDevice::Reset() {
  Log("Reset");
  if (!open_ || fail_reset_) return false;
  ++reset_count_;
  status_ = DeviceStatus::Ok;
  return true;
}

bool FakeGpuDevice::BeginScene() {
  Log("BeginScene");
  if (!open_ || fail_begin_scene_ || in_scene_) return false;
  in_scene_ = true;
  area_ = DrawArea::Letterbox;
  has_scissor_ = false;
  return true;
}

bool FakeGpuDevice::Clear(uint32_t argb, bool colour, bool depth, float /*depth_value*/,
                          int32_t /*stencil*/) {
  Log("Clear " + std::to_string(argb) + " " + Flag(colour) + " " + Flag(depth));
  if (!open_ || fail_clear_) return false;
  if (colour) last_clear_ = argb;
  return true;
}

bool FakeGpuDevice::EndScene() {
  Log("EndScene");
  if (!in_scene_) return false;
  in_scene_ = false;
  return true;
}

bool FakeGpuDevice::Present() {
  std::string line = "Present";
  if (!shown_.empty()) line.append(" ").append(std::to_string(shown_.size()));
  Log(line);
  last_shown_.swap(shown_);
  shown_.clear();
  EndFrame();
  if (!open_) return false;
  ++present_count_;
  presented_ = true;
  return true;
}

void FakeGpuDevice::Finish() { Log("Finish"); }

KeptPicture FakeGpuDevice::GetKeptPicture() {
  KeptPicture kept;
  if (!keeps_picture_ || !presented_) return kept;
  kept.age = 1;
  kept.fit = {0, 0, back_width_, back_height_, 1.0};
  kept.drawable_width = back_width_;
  kept.drawable_height = back_height_;
  return kept;
}

void FakeGpuDevice::SetPartialFrame(const PixelRect* drawn, int32_t drawn_count,
                                    const PixelRect* shown, int32_t shown_count) {
  std::string line = "PartialFrame";
  for (int32_t i = 0; drawn != nullptr && i < drawn_count; ++i) {
    line.append(" [").append(Rect(drawn[i])).append("]");
  }
  Log(line);
  shown_.assign(shown, shown + (shown != nullptr && shown_count > 0 ? shown_count : 0));
}

void FakeGpuDevice::SetScissor(const PixelRect* rect) {
  std::string line = "SetScissor ";
  line.append(rect != nullptr ? Rect(*rect) : std::string("none"));
  Log(line);
  has_scissor_ = rect != nullptr;
  if (rect != nullptr) scissor_ = *rect;
}

void FakeGpuDevice::SetDrawArea(DrawArea area) {
  Log("SetDrawArea " + std::to_string(static_cast<int32_t>(area)));
  area_ = area;
}

void FakeGpuDevice::SetBlend(bool on) {
  Log("SetBlend " + Flag(on));
  switches_.blend = on;
}

void FakeGpuDevice::SetAdditive(bool on) {
  Log("SetAdditive " + Flag(on));
  switches_.additive = on;
}

void FakeGpuDevice::SetFilter(Filter filter) {
  Log("SetFilter " + std::to_string(static_cast<int32_t>(filter)));
  switches_.filter = filter;
}

void FakeGpuDevice::SetDepthTest(bool on) {
  Log("SetDepthTest " + Flag(on));
  switches_.depth_test = on;
}

void FakeGpuDevice::SetLighting(bool on) {
  Log("SetLighting " + Flag(on));
  switches_.lighting = on;
}

void FakeGpuDevice::SetAddressing(bool wrap_u, bool wrap_v) {
  Log("SetAddressing " + Flag(wrap_u) + " " + Flag(wrap_v));
  switches_.wrap_u = wrap_u;
  switches_.wrap_v = wrap_v;
}

void FakeGpuDevice::SetAntialias(bool on) {
  Log("SetAntialias " + Flag(on));
  switches_.antialias = on;
}

void FakeGpuDevice::SetTransform(const float matrix[16]) {
  Log("SetTransform");
  std::memcpy(transform_, matrix, sizeof(transform_));
}

TextureHandle FakeGpuDevice::CreateTexture(int32_t width, int32_t height, const uint32_t* pixels) {
  Log("CreateTexture " + std::to_string(width) + " " + std::to_string(height));
  if (!open_ || fail_create_texture_ || width <= 0 || height <= 0) return 0;
  Texture texture;
  texture.width = width;
  texture.height = height;
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  if (pixels != nullptr) {
    texture.pixels.assign(pixels, pixels + count);
  } else {
    texture.pixels.assign(count, 0u);
  }
  const TextureHandle handle = next_texture_++;
  textures_.emplace(handle, std::move(texture));
  return handle;
}

bool FakeGpuDevice::UpdateTexture(TextureHandle texture, int32_t width, int32_t height,
                                  const uint32_t* pixels) {
  Log("UpdateTexture " + std::to_string(texture));
  auto found = textures_.find(texture);
  if (found == textures_.end() || pixels == nullptr || found->second.width != width ||
      found->second.height != height) {
    return false;
  }
  std::copy(pixels, pixels + found->second.pixels.size(), found->second.pixels.begin());
  return true;
}

bool FakeGpuDevice::ReadTexture(TextureHandle texture, int32_t width, int32_t height,
                                uint32_t* pixels) {
  auto found = textures_.find(texture);
  if (found == textures_.end() || pixels == nullptr || found->second.width != width ||
      found->second.height != height) {
    return false;
  }
  std::copy(found->second.pixels.begin(), found->second.pixels.end(), pixels);
  return true;
}

void FakeGpuDevice::DestroyTexture(TextureHandle texture) {
  Log("DestroyTexture " + std::to_string(texture));
  textures_.erase(texture);
  if (bound_ == texture) bound_ = 0;
}

void FakeGpuDevice::BindTexture(TextureHandle texture) {
  Log("BindTexture " + std::to_string(texture));
  bound_ = texture;
}

void FakeGpuDevice::DrawMesh(Primitive primitive, const GpuVertex* vertices, int32_t vertex_count,
                             const uint16_t* indices, int32_t index_count) {
  ++draw_count_;
  if (!recording_) return;
  Log("DrawMesh " + std::to_string(static_cast<int32_t>(primitive)) + " " +
      std::to_string(vertex_count) + " " + std::to_string(index_count));
  DrawRecord& record = NewDraw(primitive, false, vertex_count, index_count);
  Fill(record.vertices, vertices, vertex_count);
  Fill(record.indices, indices, index_count);
  Fill<GpuPoint>(record.point_data, nullptr, 0);
}

void FakeGpuDevice::DrawPoints(Primitive primitive, const GpuPoint* points, int32_t count) {
  ++draw_count_;
  if (!recording_) return;
  Log("DrawPoints " + std::to_string(static_cast<int32_t>(primitive)) + " " + std::to_string(count));
  DrawRecord& record = NewDraw(primitive, true, count, 0);
  Fill<GpuVertex>(record.vertices, nullptr, 0);
  Fill<uint16_t>(record.indices, nullptr, 0);
  Fill(record.point_data, points, count);
}

FakeGpuDevice::DrawRecord& FakeGpuDevice::NewDraw(Primitive primitive, bool points,
                                                  int32_t vertex_count, int32_t index_count) {
  // A record dropped with an old frame is filled again: its lists keep their
  // room, so a long run does not allocate anew for every draw.
  if (spare_.empty()) {
    draws_.emplace_back();
  } else {
    draws_.push_back(std::move(spare_.back()));
    spare_.pop_back();
  }
  DrawRecord& record = draws_.back();
  record.primitive = primitive;
  record.points = points;
  record.texture = bound_;
  record.vertex_count = vertex_count;
  record.index_count = index_count;
  record.switches = switches_;
  record.area = area_;
  record.scissored = has_scissor_;
  record.scissor = scissor_;
  std::memcpy(record.transform, transform_, sizeof(transform_));
  return record;
}

bool FakeGpuDevice::ReadPixels(int32_t, int32_t, int32_t, int32_t, uint32_t*) { return false; }

std::vector<uint32_t> FakeGpuDevice::TexturePixels(TextureHandle texture) const {
  auto found = textures_.find(texture);
  if (found == textures_.end()) return {};
  return found->second.pixels;
}

}  // namespace ORB::platform
