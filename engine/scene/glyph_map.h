#pragma once
// The glyphs of a bitmap font: for each character id its rectangle in the
// texture page (as texture coordinates), its size in pixels, the offset at
// which it is drawn from the pen and how far it moves the pen.
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>

namespace ORB {

struct Glyph {
  int32_t id = 0;
  // Texture rectangle: x / page width, y / page height, (x + width) / page
  // width, (y + height) / page height.
  float left = 0.0f;
  float top = 0.0f;
  float right = 0.0f;
  float bottom = 0.0f;
  int32_t width = 0;  // pixels
  int32_t height = 0;
  int32_t xoffset = 0;
  int32_t yoffset = 0;
  int32_t xadvance = 0;
};

// A glyph whose page rectangle is (x, y) to (x + width, y + height) in a page
// of the given size. A page side of 0 (or not a finite positive number) has
// no texels to address, so the coordinates along it are 0 rather than the
// infinities a division would give.
Glyph MakeGlyph(int32_t id, float x, float y, float width, float height, int32_t pixel_width,
                int32_t pixel_height, int32_t xoffset, int32_t yoffset, int32_t xadvance,
                float page_width, float page_height);

// Character id to glyph, ordered by id. A glyph stored under an id already
// present replaces the earlier one. Ids below 256 (most of every text) are
// found through a direct table: text is drawn glyph by glyph every frame.
class GlyphMap {
 public:
  static constexpr int32_t kReplacement = 63;  // '?'

  GlyphMap() = default;
  // The table points into the map, so a copy builds its own.
  GlyphMap(const GlyphMap& other) : glyphs_(other.glyphs_) { Index(); }
  GlyphMap& operator=(const GlyphMap& other);

  void Clear();
  void Set(const Glyph& glyph);
  bool Empty() const { return glyphs_.empty(); }
  size_t Size() const { return glyphs_.size(); }

  // The glyph stored under the id, or null.
  const Glyph* Find(int32_t id) const;
  // The glyph that stands for the character on screen: its own, else the
  // glyph of "?", else null (nothing is drawn).
  const Glyph* FindForDrawing(int32_t id) const;
  // The glyph with the lowest id, or null.
  const Glyph* First() const;

 private:
  static constexpr int32_t kDirect = 256;
  void Index();

  std::map<int32_t, Glyph> glyphs_;
  std::array<const Glyph*, kDirect> direct_{};  // glyphs_ entries of ids 0..255
};

}  // namespace ORB
