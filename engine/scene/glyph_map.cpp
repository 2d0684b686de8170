#include "engine/scene/glyph_map.h"

#include <cmath>

namespace ORB {

namespace {

float Fraction(float value, float side) {
  if (!(side > 0.0f) || !std::isfinite(side)) return 0.0f;
  return value / side;
}

}  // namespace

Glyph MakeGlyph(int32_t id, float x, float y, float width, float height, int32_t pixel_width,
                int32_t pixel_height, int32_t xoffset, int32_t yoffset, int32_t xadvance,
                float page_width, float page_height) {
  Glyph glyph;
  glyph.id = id;
  glyph.left = Fraction(x, page_width);
  glyph.top = Fraction(y, page_height);
  glyph.right = Fraction(x + width, page_width);
  glyph.bottom = Fraction(y + height, page_height);
  glyph.width = pixel_width;
  glyph.height = pixel_height;
  glyph.xoffset = xoffset;
  glyph.yoffset = yoffset;
  glyph.xadvance = xadvance;
  return glyph;
}

GlyphMap& GlyphMap::operator=(const GlyphMap& other) {
  if (this != &other) {
    glyphs_ = other.glyphs_;
    Index();
  }
  return *this;
}

void GlyphMap::Clear() {
  glyphs_.clear();
  direct_.fill(nullptr);
}

void GlyphMap::Set(const Glyph& glyph) {
  Glyph& stored = glyphs_[glyph.id];
  stored = glyph;
  if (glyph.id >= 0 && glyph.id < kDirect) direct_[static_cast<size_t>(glyph.id)] = &stored;
}

void GlyphMap::Index() {
  direct_.fill(nullptr);
  for (const auto& [id, glyph] : glyphs_) {
    if (id >= 0 && id < kDirect) direct_[static_cast<size_t>(id)] = &glyph;
  }
}

const Glyph* GlyphMap::Find(int32_t id) const {
  if (id >= 0 && id < kDirect) return direct_[static_cast<size_t>(id)];
  const auto it = glyphs_.find(id);
  return it == glyphs_.end() ? nullptr : &it->second;
}

const Glyph* GlyphMap::FindForDrawing(int32_t id) const {
  const Glyph* glyph = Find(id);
  return glyph != nullptr ? glyph : Find(kReplacement);
}

const Glyph* GlyphMap::First() const {
  return glyphs_.empty() ? nullptr : &glyphs_.begin()->second;
}

}  // namespace ORB
