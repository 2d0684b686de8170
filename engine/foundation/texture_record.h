#pragma once
// TextureRecord: a texture on the drawing device with its size in pixels.
// The renderer owns every record; callers hold pointers until they give the
// texture back through Renderer::ReleaseTexture.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/point.h"
#include "engine/platform/gpu_device.h"

namespace ORB {

struct TextureRecord {
  platform::TextureHandle handle = 0;  // 0: no device texture
  Point size;                          // width and height in pixels
  std::string name;                    // for diagnostics only
  // While locked: the image, width x height ARGB words, rows top to bottom.
  std::vector<uint32_t> locked_pixels;
  bool locked = false;

  int32_t Width() const { return size.x; }
  int32_t Height() const { return size.y; }
};

}  // namespace ORB
