#pragma once
// The drawing device as the renderer sees it: a frame (begin, clear, end,
// present), a handful of pipeline switches, textures by handle and one draw
// call over vertices the caller has already transformed into its own arrays.
// GlDevice is the real one (OpenGL 3.3 core); FakeGpuDevice records calls for
// tests. Nothing here names a graphics API, so code above the platform layer
// never sees one.
#include <cstddef>
#include <cstdint>

#include "engine/platform/gpu_vertex.h"
#include "engine/platform/letterbox_fit.h"

namespace ORB::platform {

enum class Primitive : int32_t {
  Points = 0,
  Lines = 1,
  Triangles = 2,
  PointSprites = 3,
};

enum class Filter : int32_t {
  Point = 0,
  Linear = 1,
  Anisotropic = 2,  // falls back to linear where the device has no anisotropy
};

enum class DeviceStatus : int32_t {
  Ok = 0,
  Lost = 1,        // nothing can be drawn now; try again next frame
  NeedsReset = 2,  // the device can be brought back with Reset
};

// Where the draws of a scene land. The game's image is letterboxed into the
// window (see SetBackBufferSize) and its draws are clipped to that rectangle.
// Window widens the clipping to the whole drawable area and nothing else: a
// point stays on the pixel it was on, so a point left of the image's left
// edge (x < 0 in the game's coordinates) lands in the left bar. The game
// draws its border pictures into the bars so.
enum class DrawArea : int32_t {
  Letterbox = 0,
  Window = 1,
};

// A texture on the device; 0 is no texture.
using TextureHandle = uint32_t;

// A rectangle of the window's drawable area, in pixels from its top-left
// corner.
struct PixelRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// What the back buffer holds when the next scene begins, for drawing only
// the parts of a frame that changed. age 1: the picture last presented, so a
// scene may redraw rectangles of it and present those alone; age n: the
// picture presented n frames ago (the rectangles of the frames since must be
// redrawn too); 0: nothing known, the whole frame is drawn. `fit` places the
// game's image in the drawable area of `drawable_width` x `drawable_height`.
struct KeptPicture {
  int32_t age = 0;
  LetterboxFit fit;
  int32_t drawable_width = 0;
  int32_t drawable_height = 0;
};

class GpuDevice {
 public:
  virtual ~GpuDevice() = default;

  // Makes the device for the system window (the Display's NativeHandle).
  // Answers false when that is impossible; every other call then fails or
  // does nothing.
  [[nodiscard]] virtual bool Open(void* native_window) = 0;
  virtual bool IsOpen() const = 0;

  // The size of the image the game draws (the back buffer). Where the window's
  // drawable area is larger or of another shape, the device scales the image
  // into the largest centred rectangle of the same aspect (letterbox).
  virtual void SetBackBufferSize(int32_t width, int32_t height) = 0;

  virtual DeviceStatus TestStatus() = 0;
  // Recreates what a reset loses; false when it failed (try again later).
  virtual bool Reset() = 0;

  virtual bool BeginScene() = 0;
  // Clears the back buffer: colour (ARGB), depth and stencil, each when asked.
  virtual bool Clear(uint32_t argb, bool colour, bool depth, float depth_value,
                     int32_t stencil) = 0;
  virtual bool EndScene() = 0;
  virtual bool Present() = 0;
  // Returns once everything sent so far is drawn (before a window that is
  // to show it at once is mapped).
  virtual void Finish() {}

  // Draws from now on land in the area (see DrawArea). Every scene begins
  // with Letterbox; a clear follows the area too.
  virtual void SetDrawArea(DrawArea area) = 0;

  // Pipeline switches. The renderer sends only what changed.
  virtual void SetBlend(bool on) = 0;
  // Destination factor one (true) or inverse source alpha (false).
  virtual void SetAdditive(bool on) = 0;
  virtual void SetFilter(Filter filter) = 0;
  virtual void SetDepthTest(bool on) = 0;
  virtual void SetLighting(bool on) = 0;
  // Per axis: true wraps, false clamps to the edge.
  virtual void SetAddressing(bool wrap_u, bool wrap_v) = 0;
  virtual void SetAntialias(bool on) = 0;
  // The whole vertex transform, from drawn positions to clip space, as 16
  // floats in row-vector order (a point is a row multiplied on the left;
  // translation in elements 12, 13, 14); clip depth runs from 0 to w.
  virtual void SetTransform(const float matrix[16]) = 0;

  // Textures hold ARGB words (bytes B, G, R, A), rows top to bottom, no gaps.
  // Null pixels make a zero-filled texture. Answers 0 on failure.
  virtual TextureHandle CreateTexture(int32_t width, int32_t height, const uint32_t* pixels) = 0;
  // Replaces the whole image of the texture (which has that size).
  virtual bool UpdateTexture(TextureHandle texture, int32_t width, int32_t height,
                             const uint32_t* pixels) = 0;
  // Reads the whole image back into pixels (width x height words).
  virtual bool ReadTexture(TextureHandle texture, int32_t width, int32_t height,
                           uint32_t* pixels) = 0;
  virtual void DestroyTexture(TextureHandle texture) = 0;
  // Binds the texture to stage 0; 0 draws untextured.
  virtual void BindTexture(TextureHandle texture) = 0;

  // One draw call. Indices (when index_count > 0) refer to the vertices given.
  virtual void DrawMesh(Primitive primitive, const GpuVertex* vertices, int32_t vertex_count,
                        const uint16_t* indices, int32_t index_count) = 0;
  virtual void DrawPoints(Primitive primitive, const GpuPoint* points, int32_t count) = 0;

  // Copies back-buffer pixels (ARGB words, rows top to bottom) of the area
  // at (x, y) of size width x height, in drawable pixels counted from the
  // top-left corner of the letterbox rectangle. For tests and screenshots;
  // call before Present.
  virtual bool ReadPixels(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t* argb) = 0;

  // --- Frames drawn in parts. A device that cannot keep its picture answers
  // age 0 and ignores the rest, and every frame is drawn whole.

  // Asked before a scene begins (and before anything of it is drawn).
  virtual KeptPicture GetKeptPicture() { return {}; }
  // The next scene redraws only the `drawn` rectangles of the kept picture
  // (the bars beside the letterbox are left as they are) and its Present
  // shows only the `shown` ones. Call before BeginScene; Present ends it.
  virtual void SetPartialFrame(const PixelRect* /*drawn*/, int32_t /*drawn_count*/,
                               const PixelRect* /*shown*/, int32_t /*shown_count*/) {}
  // Clears and draws from now on reach only the pixels inside the rectangle
  // (and inside the draw area); null lifts the limit. Every scene begins
  // without one.
  virtual void SetScissor(const PixelRect* /*rect*/) {}
};

}  // namespace ORB::platform
