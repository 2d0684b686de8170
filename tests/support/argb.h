#pragma once
// Colour words read back from a frame (ARGB, 8 bits a channel): channels,
// closeness, and a picture's pixel drawn over an opaque background, for
// comparing what was drawn with the picture drawn.
#include <cstdint>
#include <cstdlib>

namespace test_support {

inline int Channel(uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); }

// Equal within `slack` in each colour channel (alpha not compared).
inline bool Near(uint32_t a, uint32_t b, int slack) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > slack) return false;
  }
  return true;
}

// The source pixel drawn over an opaque background (source-over, rounded).
inline uint32_t Over(uint32_t source, uint32_t background) {
  const int alpha = Channel(source, 24);
  uint32_t out = 0xFF000000u;
  for (int shift : {0, 8, 16}) {
    const int c =
        (Channel(source, shift) * alpha + Channel(background, shift) * (255 - alpha) + 127) / 255;
    out |= static_cast<uint32_t>(c) << shift;
  }
  return out;
}

}  // namespace test_support
