#pragma once
// Frame damage: which parts of the window differ between two frames, found by
// comparing the frames' draw calls one by one. The frame skipper
// (frame_skipper.h) keeps the last frame's draws; when the device keeps its
// picture from one frame to the next, only the damaged rectangles are drawn
// again (each draw that reaches one, scissored to it) and presented. On a
// software rasterizer that is the difference between redrawing 1024 x 768
// pixels for a pointer step and redrawing two cursor-sized boxes.
//
// A draw is matched with the draw of the other frame that has the same
// pipeline, texture, transform, draw area and vertices (the longest common
// run of such draws, in order). What is left over is damage: a draw added or
// removed damages its box; a draw that kept its pipeline and its indices but
// changed vertices (moved, recoloured, another part of its texture) damages
// the boxes of those of its triangles, lines or points that changed, before
// and after (unless the device would filter its texture otherwise: it turns
// anisotropic filtering on for a whole draw call when some triangle of it
// minifies its texture, texture_footprint.h). A draw whose texture's pixels
// changed between the frames damages its box in both. The boxes are then
// merged where one rectangle around two wastes little, into a short list: a
// pointer in one corner and a highlight in another stay two rectangles, and
// so do a row's band and a column's band that cross (a part drawn twice gets
// the same pixels).
//
// Boxes are conservative (a margin beyond every vertex, point sizes), in
// pixels of the drawable area where the device puts the game's image.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/platform/gpu_device.h"

namespace ORB {

// One draw call (or clear) of a frame, as the comparison sees it. The
// pointers lead into the frame's record and stay valid while it is kept.
struct FrameDraw {
  uint64_t state = 0;    // pipeline, texture, transform, draw area, primitive
  uint64_t content = 0;  // the state and every vertex, index and point
  platform::TextureHandle texture = 0;
  int32_t texture_width = 0;  // 0: not known
  int32_t texture_height = 0;
  platform::Filter filter = platform::Filter::Point;
  platform::Primitive primitive = platform::Primitive::Triangles;
  platform::DrawArea area = platform::DrawArea::Letterbox;
  bool points = false;      // GpuPoint data (DrawPoints) instead of GpuVertex
  bool everywhere = false;  // reaches every pixel: a clear, or a vertex at or behind the eye
  const float* transform = nullptr;   // 16 floats, row vectors (unaligned copy in the record)
  const uint8_t* vertices = nullptr;  // vertex_count GpuVertex or GpuPoint, unaligned
  int32_t vertex_count = 0;
  const uint8_t* indices = nullptr;  // index_count uint16_t, unaligned
  int32_t index_count = 0;
  // The box of every vertex in clip coordinates after the divide (x right,
  // y up, -1 to 1 across the game's image), and the largest point size.
  float left = 0.0f;
  float bottom = 0.0f;
  float right = 0.0f;
  float top = 0.0f;
  float point_size = 0.0f;
};

// Fills the box fields (and `everywhere`) from the vertices and the transform.
void MeasureDraw(FrameDraw& draw);

// The rectangles of the drawable area that may differ between the picture
// `before` drew and the one `after` draws, draws whose texture is among
// `changed_textures` counting as changed. Empty when both draw the same
// pixels. False when the whole frame should be drawn instead: a damaged draw
// reaches everywhere, the damage reaches the bars beside the letterbox, or
// it covers most of the image.
bool FindDamage(const std::vector<FrameDraw>& before, const std::vector<FrameDraw>& after,
                const std::vector<platform::TextureHandle>& changed_textures,
                const platform::KeptPicture& picture, std::vector<platform::PixelRect>& damage);

// Merges rectangles whose surrounding rectangle is little larger than the
// two together, until no two are; then the cheapest pairs until at most
// `most` are left.
void MergeDamage(std::vector<platform::PixelRect>& rects, size_t most);

// The triangles of a draw of triangles that reach the rectangle, as a draw
// of their own (vertices and indices): true when some were left out and the
// device draws the rest as it would draw them within the whole draw (its
// filtering of the texture, and its blending, unchanged); an empty list
// draws nothing there. False: send the draw as it is.
bool CullToRect(const FrameDraw& draw, const platform::PixelRect& rect,
                const platform::KeptPicture& picture, std::vector<platform::GpuVertex>& vertices,
                std::vector<uint16_t>& indices);

// Whether the draw may change a pixel of the rectangle.
bool DrawReaches(const FrameDraw& draw, const platform::PixelRect& rect,
                 const platform::KeptPicture& picture);

}  // namespace ORB
