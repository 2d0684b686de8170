#pragma once
// PageMarkers: the row of dots under a paged grid, one per page, the current
// page's dot standing out. The dot texture is a sheet of two dots side by
// side: the first marks the current page, the second the others. Nothing is
// shown for fewer than two pages.
//
//   <page_number file="data/share/image/gui page_markers.png">
//     <TRANSFORM>512 700 0 0 0 0 0 0 0 1 1 1</TRANSFORM>
//   </page_number>
#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "engine/foundation/transform.h"
#include "engine/scene/texture_provider.h"
#include "framework/sprite.h"

namespace ORB_GF {

class PageMarkers {
 public:
  // No dots, no texture.
  PageMarkers() = default;
  // The attribute "file" names the dot sheet; the child "TRANSFORM" places
  // the row.
  explicit PageMarkers(const pugi::xml_node& node);
  PageMarkers(const PageMarkers&) = delete;
  PageMarkers& operator=(const PageMarkers&) = delete;

  // The number of pages; the current page is kept below it.
  void SetCount(uint32_t count);
  // The page after the current one, while there is one.
  void Next();
  // The page before, while there is one.
  void Prev();
  void SetCurrent(uint32_t page);
  uint32_t GetCount() const { return count_; }
  uint32_t GetCurrent() const { return current_; }

  void SetPosition(float x, float y) { transform_.SetPosition(x, y, 0.0f); }
  // Ignored when null.
  void SetParent(ORB::OS_TRANSFORM3* parent);
  ORB::OS_TRANSFORM3& GetTransform() { return transform_; }

  // Fetches the sheet; one dot is half its width.
  void LoadTexture(ORB::TextureProvider* provider);
  void LoadTexture() { LoadTexture(ORB::GetTextureProvider()); }
  void ReleaseTexture() { dot_.ReleaseTexture(); }
  float GetDotWidth() const { return dot_width_; }

  // One dot per page, left to right, at the height of the row's world
  // position: the dots' left ends start (count div 2) dot widths left of it,
  // so an even row is centred on it and an odd one lies half a dot right.
  void Draw();

 private:
  ORB::OS_TRANSFORM3 transform_;
  uint32_t count_ = 0;
  uint32_t current_ = 0;
  G_SPRITE dot_;
  float dot_width_ = 0.0f;
};

}  // namespace ORB_GF
