#pragma once
// A drawing device that draws nothing: it records every call, keeps texture
// images in memory, and can be told to fail or to lose itself, so renderer
// logic runs in tests without a GPU.
//
// The record is a window, not the whole run: it holds what was told since the
// last ClearLog, but once more than 2 x kKeptFrames frames have been presented
// the oldest are dropped, down to the last kKeptFrames and the frame under
// way. A test that reads a few frames sees all of them; a run of hours (the
// soak) holds a bounded record.
#include <map>
#include <string>
#include <vector>

#include "engine/platform/gpu_device.h"

namespace ORB::platform {

class FakeGpuDevice final : public GpuDevice {
 public:
  struct Switches {
    bool blend = false;
    bool additive = false;
    Filter filter = Filter::Point;
    bool depth_test = false;
    bool lighting = false;
    bool wrap_u = false;
    bool wrap_v = false;
    bool antialias = false;
  };

  struct DrawRecord {
    Primitive primitive = Primitive::Triangles;
    bool points = false;  // drawn through DrawPoints
    TextureHandle texture = 0;
    int32_t vertex_count = 0;
    int32_t index_count = 0;
    float transform[16] = {};
    Switches switches;  // the pipeline as the draw found it
    DrawArea area = DrawArea::Letterbox;
    bool scissored = false;  // drawn inside `scissor` only
    PixelRect scissor;
    // Copies of what was drawn (kept while recording is on).
    std::vector<GpuVertex> vertices;
    std::vector<uint16_t> indices;
    std::vector<GpuPoint> point_data;
  };

  // Presented frames the record always holds (when that many were drawn):
  // readers look at one or two frames after a ClearLog.
  static constexpr size_t kKeptFrames = 4;

  FakeGpuDevice() = default;

  [[nodiscard]] bool Open(void* native_window) override;
  bool IsOpen() const override { return open_; }
  void SetBackBufferSize(int32_t width, int32_t height) override;
  DeviceStatus TestStatus() override;
  bool Reset() override;
  bool BeginScene() override;
  bool Clear(uint32_t argb, bool colour, bool depth, float depth_value, int32_t stencil) override;
  bool EndScene() override;
  bool Present() override;
  void Finish() override;
  void SetDrawArea(DrawArea area) override;
  void SetBlend(bool on) override;
  void SetAdditive(bool on) override;
  void SetFilter(Filter filter) override;
  void SetDepthTest(bool on) override;
  void SetLighting(bool on) override;
  void SetAddressing(bool wrap_u, bool wrap_v) override;
  void SetAntialias(bool on) override;
  void SetTransform(const float matrix[16]) override;
  TextureHandle CreateTexture(int32_t width, int32_t height, const uint32_t* pixels) override;
  bool UpdateTexture(TextureHandle texture, int32_t width, int32_t height,
                     const uint32_t* pixels) override;
  bool ReadTexture(TextureHandle texture, int32_t width, int32_t height, uint32_t* pixels) override;
  void DestroyTexture(TextureHandle texture) override;
  void BindTexture(TextureHandle texture) override;
  void DrawMesh(Primitive primitive, const GpuVertex* vertices, int32_t vertex_count,
                const uint16_t* indices, int32_t index_count) override;
  void DrawPoints(Primitive primitive, const GpuPoint* points, int32_t count) override;
  bool ReadPixels(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t* argb) override;
  // Keeps nothing unless told to (SetKeepsPicture).
  KeptPicture GetKeptPicture() override;
  void SetPartialFrame(const PixelRect* drawn, int32_t drawn_count, const PixelRect* shown,
                       int32_t shown_count) override;
  void SetScissor(const PixelRect* rect) override;

  // --- Test controls.
  void FailOpen(bool fail) { fail_open_ = fail; }
  void FailBeginScene(bool fail) { fail_begin_scene_ = fail; }
  void FailClear(bool fail) { fail_clear_ = fail; }
  void FailReset(bool fail) { fail_reset_ = fail; }
  void FailCreateTexture(bool fail) { fail_create_texture_ = fail; }
  // The status the next TestStatus answers; a successful Reset makes it Ok.
  void SetStatus(DeviceStatus status) { status_ = status; }
  // With recording off only the counters and the last switches are kept
  // (for long runs such as benchmarks).
  void SetRecording(bool on) { recording_ = on; }
  // Once a frame was presented, the back buffer keeps the picture last
  // presented (age 1), the image filling a drawable area of the back
  // buffer's size.
  void SetKeepsPicture(bool keeps) { keeps_picture_ = keeps; }

  // --- What the device was told.
  // One line a call, in order ("SetBlend 1", "DrawMesh 2 8 12", "Present").
  const std::vector<std::string>& Calls() const { return calls_; }
  const std::vector<DrawRecord>& Draws() const { return draws_; }
  // Presented frames whose calls the record holds.
  size_t KeptFrames() const { return frame_ends_.size(); }
  // The rectangles the last frame drawn in parts showed (empty after a
  // whole frame).
  const std::vector<PixelRect>& LastShown() const { return last_shown_; }
  void ClearLog();
  int32_t DrawCount() const { return draw_count_; }
  int32_t PresentCount() const { return present_count_; }
  int32_t ResetCount() const { return reset_count_; }
  bool InScene() const { return in_scene_; }
  const Switches& Current() const { return switches_; }
  DrawArea CurrentArea() const { return area_; }
  TextureHandle BoundTexture() const { return bound_; }
  int32_t BackBufferWidth() const { return back_width_; }
  int32_t BackBufferHeight() const { return back_height_; }
  uint32_t LastClearColour() const { return last_clear_; }
  size_t LiveTextureCount() const { return textures_.size(); }
  bool HasTexture(TextureHandle texture) const { return textures_.count(texture) != 0; }
  // The image of a live texture (empty when unknown).
  std::vector<uint32_t> TexturePixels(TextureHandle texture) const;

 private:
  struct Texture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;
  };

  // Where a presented frame ends in the record.
  struct FrameEnd {
    size_t calls = 0;
    size_t draws = 0;
  };

  void Log(std::string line);
  // A new record at the end of the draws, the pipeline as it stands.
  DrawRecord& NewDraw(Primitive primitive, bool points, int32_t vertex_count, int32_t index_count);
  // Marks the end of a frame and drops the oldest frames when too many are held.
  void EndFrame();

  bool open_ = false;
  bool fail_open_ = false;
  bool fail_begin_scene_ = false;
  bool fail_clear_ = false;
  bool fail_reset_ = false;
  bool fail_create_texture_ = false;
  bool recording_ = true;
  bool keeps_picture_ = false;
  bool presented_ = false;
  bool has_scissor_ = false;
  PixelRect scissor_;
  std::vector<PixelRect> shown_;
  std::vector<PixelRect> last_shown_;
  bool in_scene_ = false;
  DeviceStatus status_ = DeviceStatus::Ok;
  int32_t back_width_ = 0;
  int32_t back_height_ = 0;
  uint32_t last_clear_ = 0;
  int32_t draw_count_ = 0;
  int32_t present_count_ = 0;
  int32_t reset_count_ = 0;
  Switches switches_;
  DrawArea area_ = DrawArea::Letterbox;
  TextureHandle bound_ = 0;
  TextureHandle next_texture_ = 1;
  float transform_[16] = {};
  std::map<TextureHandle, Texture> textures_;
  std::vector<std::string> calls_;
  std::vector<DrawRecord> draws_;
  std::vector<FrameEnd> frame_ends_;
  std::vector<DrawRecord> spare_;  // records of dropped frames, to be filled again
};

}  // namespace ORB::platform
