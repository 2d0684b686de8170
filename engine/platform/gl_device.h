#pragma once
// The real drawing device: OpenGL 3.3 core on the SDL window. It makes the GL
// context from the window, draws through one small shader program, scales
// the game's image into the window's drawable area (letterboxed where the
// shapes differ) and presents through a GlPresenter: by swapping the
// window's buffers, or, where the system allows, by showing only the parts
// of a frame that were drawn again over the picture the back buffer kept.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/platform/gl_presenter.h"
#include "engine/platform/gpu_device.h"
#include "engine/platform/letterbox_fit.h"

namespace ORB::platform {

class GlDevice final : public GpuDevice {
 public:
  GlDevice();
  ~GlDevice() override;
  GlDevice(const GlDevice&) = delete;
  GlDevice& operator=(const GlDevice&) = delete;

  // native_window is the SDL_Window* of a window made for OpenGL.
  [[nodiscard]] bool Open(void* native_window) override;
  bool IsOpen() const override { return context_ != nullptr; }
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
  KeptPicture GetKeptPicture() override;
  void SetPartialFrame(const PixelRect* drawn, int32_t drawn_count, const PixelRect* shown,
                       int32_t shown_count) override;
  void SetScissor(const PixelRect* rect) override;

  // How frames reach the window (GlPresenter::Describe).
  std::string PresentingWay() const { return presenter_.Describe(); }

  // The letterbox rectangle of the last scene, in drawable pixels from the
  // bottom-left corner (as OpenGL counts them).
  struct Viewport {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
  };
  const Viewport& GetViewport() const { return viewport_; }

 private:
  bool MakeCurrent();
  bool CreateObjects();
  void DestroyObjects();
  // Places the letterbox in the drawable area; `clear_bars` paints the
  // bars beside it black.
  void UpdateViewport(bool clear_bars);
  // Limits drawing to the draw area, and to the scissor rectangle when one
  // is set; for points, one row less at the bottom where they overreach it.
  void ApplyClip(bool points = false);
  // Whether the driver draws points one row below the scissor rectangle in
  // the window's buffer (Mesa's llvmpipe does, as of 22.3): one point over
  // the edge of a scissored corner of the back buffer, read back. Asked
  // once, after the first frame is presented (the driver's shader compiles
  // take some 30 ms, no part of the first frame's wait).
  bool PointsPassTheScissor();
  // Sends the transform last set, widened to the whole window while draws
  // land there.
  void SendTransform();
  void ApplySampler();
  void ApplyBlendFunc();
  void PrepareDraw(bool sprites);
  // Anisotropic filtering on the sampler only while it changes the picture.
  void UseAnisotropy(bool on);

  void* window_ = nullptr;   // SDL_Window*
  void* context_ = nullptr;  // SDL_GLContext
  uint32_t program_ = 0;
  uint32_t mesh_array_ = 0;
  uint32_t mesh_buffer_ = 0;
  uint32_t index_buffer_ = 0;
  uint32_t point_array_ = 0;
  uint32_t point_buffer_ = 0;
  uint32_t sampler_ = 0;
  int32_t u_transform_ = -1;
  int32_t u_textured_ = -1;
  int32_t u_sprite_ = -1;
  int32_t u_point_scale_ = -1;
  size_t mesh_capacity_ = 0;   // bytes allocated in mesh_buffer_
  size_t index_capacity_ = 0;  // bytes allocated in index_buffer_
  size_t point_capacity_ = 0;  // bytes allocated in point_buffer_
  int32_t max_texture_side_ = 0;
  float max_anisotropy_ = 0.0f;  // 0: no anisotropic filtering
  int32_t back_width_ = 1024;
  int32_t back_height_ = 768;
  Viewport viewport_;
  LetterboxFit fit_;        // the letterbox of the last scene, from the top-left corner
  int32_t drawable_w_ = 0;  // the window's drawable area in the last scene
  int32_t drawable_h_ = 0;
  DrawArea area_ = DrawArea::Letterbox;
  float transform_[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};  // as last set
  float point_scale_ = 1.0f;
  bool in_scene_ = false;
  bool additive_ = false;
  Filter filter_ = Filter::Point;
  bool wrap_u_ = false;
  bool wrap_v_ = false;
  TextureHandle bound_ = 0;
  int32_t textured_uniform_ = -1;  // last value sent, -1 unknown
  int32_t sprite_uniform_ = -1;
  bool blend_ = false;                // as last set
  bool sampler_anisotropic_ = false;  // the sampler's anisotropy is above 1
  bool points_probed_ = false;
  bool points_pass_scissor_ = false;  // PointsPassTheScissor's answer
  bool picture_spoiled_ = false;      // the back buffer is not the last picture
  struct TextureInfo {
    int32_t width = 0;
    int32_t height = 0;
    bool opaque = false;  // every pixel has alpha 255
  };
  std::map<TextureHandle, TextureInfo> textures_;
  GlPresenter presenter_;
  // The scene being drawn in parts (SetPartialFrame), and its scissor.
  bool partial_ = false;
  std::vector<PixelRect> drawn_;
  std::vector<PixelRect> shown_;
  bool has_scissor_ = false;
  PixelRect scissor_;
  // The drawable area's size when a frame was last presented (-1: none yet).
  int32_t presented_w_ = -1;
  int32_t presented_h_ = -1;
};

// The device the engine draws with on this platform.
std::unique_ptr<GpuDevice> CreateGlDevice();

// Settings of the OpenGL driver, made before any window asks for OpenGL and
// before other threads start (they change the environment): Mesa's software
// rasterizer wakes every one of its threads for each frame, however small the
// part drawn again, and this program's frames are mostly small parts
// (frame_skipper.h): two threads wake cheaper than one a core, and still
// draw a whole frame within the frame's time. A thread count the user set
// (LP_NUM_THREADS) is kept.
void PrepareOpenGlDriver();

}  // namespace ORB::platform
