#pragma once
// FrameSkipper: a drawing device in front of the real one that leaves out a
// frame identical to the one last shown. An idle game draws the same picture
// sixty times a second; drawing and presenting it again changes no pixel but
// costs the software rasterizer most of a core.
//
// Between BeginScene and EndScene every call that draws (clear, pipeline
// switches, texture binds, the draw area, draw calls with their vertices and
// indices) is
// written to a record instead of being sent, together with the pipeline's
// state at the start of the scene. At EndScene the record is compared with
// the record of the last frame sent: equal, and nothing has invalidated that
// frame, the device does nothing and Present does not swap; otherwise the
// record is played to the real device, which then presents as usual.
//
// Whatever may change the picture without changing the record forces the
// next frame out: texture contents created, changed or destroyed, a new back
// buffer size, a device reset or loss, and Invalidate (the window's expose,
// resize and focus changes). A texture call or a pixel read inside a scene
// first sends what the scene recorded so far, so the order of work on the
// device never changes; that frame is then sent whole.
//
// The renderer puts one in front of its device when asked to skip unchanged
// frames (the game service asks; tests of the renderer draw every frame).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/platform/gpu_device.h"

namespace ORB {

class FrameSkipper final : public platform::GpuDevice {
 public:
  explicit FrameSkipper(std::unique_ptr<platform::GpuDevice> device);
  ~FrameSkipper() override;
  FrameSkipper(const FrameSkipper&) = delete;
  FrameSkipper& operator=(const FrameSkipper&) = delete;

  // The next frame is sent whatever it holds.
  void Invalidate() { invalid_ = true; }
  // Sends what the current scene recorded so far to the device (a reader of
  // its pixels wants them now); the scene is then sent whole. Nothing
  // outside a scene.
  void SendPending();
  // Frames left out and frames sent since the device was made.
  int64_t SkippedFrames() const { return skipped_; }
  int64_t SentFrames() const { return sent_frames_; }
  platform::GpuDevice& Device() { return *device_; }

  bool Open(void* native_window) override;
  bool IsOpen() const override;
  void SetBackBufferSize(int32_t width, int32_t height) override;
  platform::DeviceStatus TestStatus() override;
  bool Reset() override;
  bool BeginScene() override;
  bool Clear(uint32_t argb, bool colour, bool depth, float depth_value, int32_t stencil) override;
  bool EndScene() override;
  bool Present() override;
  // Recorded in the scene like a draw: a frame whose border draws land in
  // the window differs from one whose do not.
  void SetDrawArea(platform::DrawArea area) override;
  void SetBlend(bool on) override;
  void SetAdditive(bool on) override;
  void SetFilter(platform::Filter filter) override;
  void SetDepthTest(bool on) override;
  void SetLighting(bool on) override;
  void SetAddressing(bool wrap_u, bool wrap_v) override;
  void SetAntialias(bool on) override;
  void SetTransform(const float matrix[16]) override;
  platform::TextureHandle CreateTexture(int32_t width, int32_t height,
                                        const uint32_t* pixels) override;
  bool UpdateTexture(platform::TextureHandle texture, int32_t width, int32_t height,
                     const uint32_t* pixels) override;
  bool ReadTexture(platform::TextureHandle texture, int32_t width, int32_t height,
                   uint32_t* pixels) override;
  void DestroyTexture(platform::TextureHandle texture) override;
  void BindTexture(platform::TextureHandle texture) override;
  void DrawMesh(platform::Primitive primitive, const platform::GpuVertex* vertices,
                int32_t vertex_count, const uint16_t* indices, int32_t index_count) override;
  void DrawPoints(platform::Primitive primitive, const platform::GpuPoint* points,
                  int32_t count) override;
  bool ReadPixels(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t* argb) override;

  // The pipeline's switches, as the renderer last set them.
  struct Pipeline {
    uint8_t blend = 0;
    uint8_t additive = 0;
    uint8_t depth_test = 0;
    uint8_t lighting = 0;
    uint8_t wrap_u = 0;
    uint8_t wrap_v = 0;
    uint8_t antialias = 0;
    uint8_t filter = 0;
    platform::TextureHandle texture = 0;
    float transform[16] = {};
  };

 private:
  enum class Op : uint8_t;

  // A pipeline switch (its value as one byte): recorded in a scene, sent
  // at once outside one.
  void Switch(Op op, uint8_t value);
  static void StoreSwitch(Pipeline& pipeline, Op op, uint8_t value);
  // Sends a switch to the device and notes it as the device's.
  void SendSwitch(Op op, uint8_t value);
  void Put(const void* data, size_t size);
  void PutOp(Op op) { Put(&op, 1); }
  // Brings the device's switches to `wanted` (all of them when its state is
  // not known).
  void Sync(const Pipeline& wanted);
  // Sends the record from `sent_until_` on, beginning the device's scene
  // first when it has not begun.
  void Play();
  // A texture call inside a scene: what was recorded goes first.
  void BeforeTextureWork();

  std::unique_ptr<platform::GpuDevice> device_;
  std::vector<uint8_t> record_;     // the scene being recorded
  std::vector<uint8_t> last_sent_;  // the record of the last frame sent
  Pipeline wanted_;                 // as the renderer set it
  Pipeline device_state_;           // as the device has it
  bool device_state_known_ = false;
  bool in_scene_ = false;
  bool device_in_scene_ = false;  // the device's scene has begun
  bool scene_failed_ = false;     // the device refused to begin this scene
  bool force_send_ = false;       // this scene goes out whatever it holds
  size_t sent_until_ = 0;         // bytes of the record sent so far
  bool invalid_ = true;           // the next frame is sent whatever it holds
  bool skip_present_ = false;     // the last scene was left out
  // Aligned copies of recorded vertices for the device.
  std::vector<platform::GpuVertex> vertex_scratch_;
  std::vector<uint16_t> index_scratch_;
  std::vector<platform::GpuPoint> point_scratch_;
  int64_t skipped_ = 0;
  int64_t sent_frames_ = 0;
};

}  // namespace ORB
