#pragma once
// Renderer: the engine's one drawing device. It owns the device (through the
// platform's GpuDevice interface: OpenGL in the program, a recording fake in
// tests), the frame (begin, clear, end, present), one batch that gathers
// consecutive meshes of equal state and texture into one draw call, the
// camera that makes one unit one pixel at z = 0 (origin top-left, y down),
// and every texture (TextureRecord) with the default texture that stands in
// for any image that cannot be had.
//
// Results (result_codes.h): kResultOk, kResultFailed or kResultBadArgument,
// kResultDeviceReset when the device was reset this frame; EndFrame answers
// kResultNone after presenting. A renderer without a
// device, or whose Init failed, answers failure everywhere and draws nothing.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <unordered_map>

#include "engine/foundation/camera.h"
#include "engine/foundation/colour.h"
#include "engine/foundation/matrix4.h"
#include "engine/foundation/mesh_vertex.h"
#include "engine/foundation/point_vertex.h"
#include "engine/foundation/render_batch.h"
#include "engine/foundation/render_state.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/texture_record.h"
#include "engine/platform/gpu_device.h"

namespace ORB {

struct OS_TRANSFORM3;
class FrameSkipper;

class Renderer {
 public:
  static constexpr int32_t kVertexCapacity = RenderBatch::kVertexCapacity;
  static constexpr int32_t kIndexCapacity = RenderBatch::kIndexCapacity;
  static constexpr int32_t kPointCapacity = 4096;
  static constexpr int32_t kPointChunk = 512;
  static constexpr int32_t kDefaultTextureSide = 16;
  static constexpr uint32_t kDefaultClearColour = 0xFF444444u;

  // Frame states.
  static constexpr int32_t kFrameEnded = 1;
  static constexpr int32_t kInFrame = 0;

  // What the current frame cost (zeroed by BeginFrame).
  struct Counters {
    int32_t meshes = 0;         // DrawMesh, DrawMeshTransformed and DrawPoints calls
    int32_t draw_calls = 0;     // draw calls sent to the device
    int32_t state_changes = 0;  // render states applied
  };

  // Draws with the platform's OpenGL device.
  Renderer();
  // Draws with the given device (a fake in tests); null gives a renderer
  // that refuses everything.
  explicit Renderer(std::unique_ptr<platform::GpuDevice> device);
  ~Renderer();
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  // The renderer constructed last (and not yet destroyed), or null.
  static Renderer* Current();

  // Opens the device on the system window (Display::NativeHandle), sets the
  // 1024 x 768 windowed mode, makes the 16 x 16 default texture and the
  // camera. near_plane and far_plane bound the camera (far 0: derived).
  [[nodiscard]] int32_t Init(void* window_handle, float near_plane, float far_plane);
  // The size of the image the game draws. Windowed, the window has that
  // size; fullscreen, the image is scaled into the desktop-sized window and
  // letterboxed (the device sets the viewport), with or without
  // desktop_resolution. Nothing changed: answers kResultOk at once.
  int32_t SetDisplayMode(int32_t width, int32_t height, bool fullscreen, bool desktop_resolution);
  // Brings the device back after a reset and puts the pipeline into its
  // known starting state (alpha blending, 3-D bit), camera rebuilt.
  int32_t RestoreDevice();

  // kResultFailed unless between frames or when the device is lost;
  // kResultDeviceReset when the device was reset (draw nothing this frame);
  // kResultNone when the scene cannot begin; kResultFailed when the clear
  // fails (the scene is ended again); else kResultOk.
  int32_t BeginFrame();
  // kResultFailed unless in a frame; flushes, ends the scene, presents,
  // answers kResultNone. Without `present` the frame is drawn to the end
  // (the device has finished it) and PresentFrame shows it later: a window
  // mapped in between appears with it at once.
  int32_t EndFrame(bool present = true);
  // Presents the frame EndFrame drew without presenting; nothing otherwise.
  void PresentFrame();
  // Clears colour (the clear colour), depth (1.0) and stencil (0).
  int32_t Clear();

  // Batches a mesh: positions times the current draw matrix. A null texture
  // means the default texture; an untextured state draws vertex colours
  // only. The batch is flushed first when the state or texture differ from
  // the batch's or either capacity would overflow. A mesh larger than the
  // batch, or with an index past its vertices, is refused (kResultBadArgument).
  int32_t DrawMesh(const MeshVertex* vertices, TextureRecord* texture, RenderState state,
                   int32_t vertex_count, const uint16_t* indices, int32_t index_count);
  // Draws a mesh at once as given (no CPU transform), with the current draw
  // matrix applied by the device; its own draw call.
  int32_t DrawMeshTransformed(const MeshVertex* vertices, TextureRecord* texture, RenderState state,
                              int32_t vertex_count, const uint16_t* indices, int32_t index_count);
  // Draws points (positions times the current draw matrix) in chunks of 512,
  // each its own draw call. A null texture, or an untextured state, draws
  // untextured. Point sprites (primitive 3) are textured squares of the
  // point's size in back-buffer pixels.
  int32_t DrawPoints(const PointVertex* points, int32_t count, TextureRecord* texture,
                     RenderState state);
  // The same over a linked list: Node begins with the five words of a
  // PointVertex and links to the next through `next`.
  template <typename Node>
  int32_t DrawPointList(const Node* first, TextureRecord* texture, RenderState state);
  // An untextured, unblended square of one colour with corners (x, y) and
  // (x + side, y + side) at z = 1; resets the draw matrix to the identity.
  int32_t DrawSquare(float x, float y, Colour colour, float side);
  // Where the draws that follow land (platform::DrawArea): Window lets them
  // reach the bars beside the letterboxed image, at positions outside 0..
  // width x 0..height, for the game's border pictures. What is batched is
  // drawn first, where it was meant to be. Every frame begins on the
  // letterbox. kResultFailed outside a frame.
  int32_t SetDrawArea(platform::DrawArea area);
  platform::DrawArea GetDrawArea() const { return draw_area_; }
  // Draws what is batched and empties the batch; with unchanged frames
  // skipped, the device receives the frame's work so far at once (to read
  // its pixels), and this frame is then drawn whatever it holds.
  void Flush();

  // From now on a frame identical to the last one drawn is neither drawn
  // nor presented (see frame_skipper.h); the game service asks for it, so
  // an idle game costs next to nothing. Call outside a frame (before or
  // after Init); it cannot be undone.
  void SkipUnchangedFrames();
  // The next frame is drawn and presented even when unchanged: the window
  // was exposed, resized or changed focus, or a frame was lost.
  void RedrawNextFrame();
  // The device in front of the real one while unchanged frames are skipped;
  // null otherwise.
  FrameSkipper* GetFrameSkipper() const { return skipper_; }

  // The current draw matrix, applied to positions as they are batched.
  void SetWorld(const Matrix4& matrix) { draw_matrix_ = matrix; }
  // The model matrix of the transform alone (Matrix4::FromTransform): pass
  // the world placement (OS_TRANSFORM3::GetWorld) to include parents.
  void SetWorld(const OS_TRANSFORM3& transform);
  const Matrix4& GetWorld() const { return draw_matrix_; }
  const Camera& GetCamera() const { return camera_; }

  void SetClearColour(Colour colour) { clear_colour_ = colour; }
  Colour GetClearColour() const { return clear_colour_; }

  // The back buffer's size: the game's screen width and height.
  int32_t GetWidth() const { return width_; }
  int32_t GetHeight() const { return height_; }
  bool IsFullscreen() const { return fullscreen_; }
  bool UsesDesktopResolution() const { return desktop_resolution_; }
  int32_t GetFrameState() const { return frame_state_; }
  const Counters& GetCounters() const { return counters_; }
  RenderState GetCurrentState() const { return current_state_; }
  const TextureRecord* GetCurrentTexture() const { return current_texture_; }
  bool HasDevice() const { return device_ != nullptr && device_->IsOpen(); }
  platform::GpuDevice* GetDevice() const { return device_.get(); }

  // --- Textures. Records belong to the renderer; callers keep pointers.

  // A zero-filled texture of the size; null on failure.
  TextureRecord* CreateBlank(int32_t width, int32_t height);
  // Decodes an image file held in memory (PNG and whatever else the decoder
  // reads) into a texture of the image's own size. When it cannot be
  // decoded or made: the default texture; without a default texture, a
  // message box ("error" / "defaultTexture not exist!!!") and a record
  // without a device texture. Null only without a device.
  TextureRecord* LoadFromMemory(const void* bytes, size_t size,
                                const std::string& name = "unnamed");
  // The same, reading the image file at the path.
  TextureRecord* LoadFromFile(const std::string& path);
  // kResultBadArgument for null, the default texture or a record this
  // renderer does not hold; else the texture is freed (the pointer dies) and
  // kResultOk.
  int32_t ReleaseTexture(TextureRecord* texture);
  TextureRecord* GetDefaultTexture() const { return default_texture_; }
  bool IsTexture(const TextureRecord* texture) const;
  size_t TextureCount() const { return textures_.size(); }

  // The texture's pixels for reading and writing: width x height ARGB words
  // (4 bytes each, rows top to bottom, no gaps); null on failure. Locking a
  // locked texture answers the same pixels.
  uint8_t* LockTexture(TextureRecord* texture);
  // Sends the locked pixels to the device; false when it was not locked.
  bool UnlockTexture(TextureRecord* texture);
  // Replaces the whole image with width x height ARGB words.
  bool CopyToTexture(TextureRecord* texture, const void* pixels);

 private:
  // Draws what is batched and empties the batch.
  void FlushBatch();
  void ApplyState(RenderState state);
  void BindTexture(TextureRecord* texture);
  Matrix4 BaseTransform() const;
  void SendTransform(const Matrix4& matrix);
  void BeginPoints(TextureRecord* texture, RenderState state);
  void AddPoint(const PointVertex& point);
  void FlushPoints();
  TextureRecord* AddRecord(platform::TextureHandle handle, int32_t width, int32_t height,
                           const std::string& name);
  TextureRecord* FallbackTexture(const std::string& name);

  std::unique_ptr<platform::GpuDevice> device_;
  FrameSkipper* skipper_ = nullptr;  // device_ itself, when frames are skipped
  bool initialised_ = false;
  Counters counters_;
  Colour clear_colour_{kDefaultClearColour};
  RenderState current_state_;
  bool device_blend_ = false;  // what the device blends with now
  TextureRecord* current_texture_ = nullptr;
  TextureRecord* default_texture_ = nullptr;
  int32_t frame_state_ = kFrameEnded;
  bool present_pending_ = false;  // EndFrame drew a frame without presenting
  platform::DrawArea draw_area_ = platform::DrawArea::Letterbox;
  void* window_ = nullptr;
  float near_ = 0.1f;
  float far_ = 0.0f;
  Camera camera_;
  Matrix4 draw_matrix_;
  RenderBatch batch_;
  std::unique_ptr<platform::GpuPoint[]> points_;
  int32_t point_count_ = 0;
  platform::Primitive point_primitive_ = platform::Primitive::PointSprites;
  int32_t width_ = 0;
  int32_t height_ = 0;
  bool fullscreen_ = false;
  bool desktop_resolution_ = false;
  std::unordered_map<const TextureRecord*, std::unique_ptr<TextureRecord>> textures_;
};

template <typename Node>
int32_t Renderer::DrawPointList(const Node* first, TextureRecord* texture, RenderState state) {
  static_assert(std::is_standard_layout_v<Node> && sizeof(Node) >= sizeof(PointVertex),
                "a point node starts with the five words of a PointVertex");
  if (!HasDevice() || first == nullptr) return kResultBadArgument;
  BeginPoints(texture, state);
  for (const Node* node = first; node != nullptr; node = node->next) {
    PointVertex point;
    std::memcpy(&point, static_cast<const void*>(node), sizeof(PointVertex));
    AddPoint(point);
  }
  FlushPoints();
  return kResultOk;
}

}  // namespace ORB
