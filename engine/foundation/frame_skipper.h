#pragma once
// FrameSkipper: a drawing device in front of the real one that draws only
// what changed. An idle game draws the same picture sixty times a second, and
// a pointer step changes two cursor-sized boxes of it; drawing and presenting
// the whole picture again costs a software rasterizer most of a core.
//
// Between BeginScene and EndScene every call that draws (clear, pipeline
// switches, texture binds, the draw area, draw calls with their vertices and
// indices) is
// written to a record instead of being sent, together with the pipeline's
// state at the start of the scene. At EndScene the record is compared with
// the record of the last frame sent:
// - equal, and nothing has invalidated that frame: the device does nothing
//   and Present does not swap;
// - where the device keeps its picture from frame to frame (KeptPicture), the
//   two records are compared draw by draw (frame_damage.h): the rectangles
//   that changed are drawn again, each by the draws that reach it, scissored
//   to it, and only they are presented;
// - otherwise the record is played to the real device, which then presents
//   the whole frame as usual.
//
// Whatever may change the picture without changing the record forces the
// next frame out whole: a new back buffer size, a device reset or loss, and
// Invalidate (the window's expose, resize and focus changes). Texture
// contents changed or destroyed damage the draws that use the texture. A
// texture call or a pixel read inside a scene that has drawn something first
// sends what the scene recorded so far, so the order of work on the device
// never changes; that frame is then sent whole.
//
// The renderer puts one in front of its device when asked to skip unchanged
// frames (the game service asks; tests of the renderer draw every frame).
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

#include "engine/foundation/frame_damage.h"
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
  // Of the frames sent, those drawn and presented in parts.
  int64_t PartialFrames() const { return partial_frames_; }
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
  void Finish() override { device_->Finish(); }
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
  platform::KeptPicture GetKeptPicture() override { return device_->GetKeptPicture(); }

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
  class RecordReader;

  // A pipeline switch (its value as one byte): recorded in a scene, sent
  // at once outside one.
  void Switch(Op op, uint8_t value);
  static void StoreSwitch(Pipeline& pipeline, Op op, uint8_t value);
  // The ops that carry one pipeline switch's byte.
  static bool IsSwitch(Op op);
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
  // Sends the record from its start with only the draws that reach the
  // rectangle, scissored to it.
  void PlayRegion(const platform::PixelRect& rect, const platform::KeptPicture& picture);
  // Sends one recorded operation (the reader stands after its op byte).
  void SendOp(Op op, RecordReader& reader, bool draw);
  // The rectangles to draw and to show when this scene can be drawn in
  // parts over the device's kept picture; false when it is drawn whole.
  bool FindPartialFrame(platform::KeptPicture& picture, std::vector<platform::PixelRect>& drawn,
                        std::vector<platform::PixelRect>& shown);
  // The draws (and clears) of a record, in order.
  void ListDraws(const std::vector<uint8_t>& record, std::vector<FrameDraw>& draws) const;
  // A texture call: inside a scene that has drawn, what was recorded goes
  // first. Draws with the texture count as changed in the next frame.
  void BeforeTextureWork(platform::TextureHandle texture);

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
  bool scene_drew_ = false;       // the scene has recorded a draw
  // Textures whose pixels changed since the last frame sent.
  std::vector<platform::TextureHandle> changed_textures_;
  // The size of every texture made through this device.
  struct TextureSize {
    int32_t width = 0;
    int32_t height = 0;
  };
  std::unordered_map<platform::TextureHandle, TextureSize> texture_sizes_;
  // The draws of the last frame sent (valid when `last_draws_known_`) and
  // of the scene.
  std::vector<FrameDraw> last_draws_;
  bool last_draws_known_ = false;
  std::vector<FrameDraw> draws_;
  bool draws_listed_ = false;  // draws_ lists this scene's record
  // The rectangles of the frames presented last, newest first; a whole
  // frame is an empty entry.
  std::deque<std::vector<platform::PixelRect>> shown_history_;
  // Aligned copies of recorded vertices for the device.
  std::vector<platform::GpuVertex> vertex_scratch_;
  std::vector<uint16_t> index_scratch_;
  std::vector<platform::GpuPoint> point_scratch_;
  int64_t skipped_ = 0;
  int64_t sent_frames_ = 0;
  int64_t partial_frames_ = 0;
};

}  // namespace ORB
