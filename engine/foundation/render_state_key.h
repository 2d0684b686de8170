#pragma once
// A render-state word as the renderer's batching compares it: only bits 0-7,
// 8-14, 15-16 and 17 take part (every other bit is ignored).
#include <cstdint>

namespace ORB {

struct RenderStateKey {
  static constexpr uint32_t kComparedBits = 0x3FFFFu;  // bits 0 to 17

  uint32_t word = 0;

  constexpr RenderStateKey() = default;
  constexpr explicit RenderStateKey(uint32_t w) : word(w) {}

  constexpr bool operator==(const RenderStateKey& other) const {
    return (word & kComparedBits) == (other.word & kComparedBits);
  }
};

}  // namespace ORB
