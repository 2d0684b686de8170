#pragma once
// Where pixels read back from the window hold something: the bounding box of
// the pixels that pass a test.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace test_support {

// The rectangle, in window pixels, of the pixels that pass a test; right and
// bottom are inclusive, count is how many passed.
struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};

// The box of the pixels of a w x h area read at (x0, y0) for which
// `passes(argb)` holds.
template <typename Predicate>
Box BoxOf(const std::vector<uint32_t>& pixels, int w, int h, int x0, int y0, Predicate passes) {
  Box box;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!passes(pixels[static_cast<size_t>(y) * w + x])) continue;
      ++box.count;
      box.left = std::min(box.left, x + x0);
      box.top = std::min(box.top, y + y0);
      box.right = std::max(box.right, x + x0);
      box.bottom = std::max(box.bottom, y + y0);
    }
  }
  return box;
}

}  // namespace test_support
