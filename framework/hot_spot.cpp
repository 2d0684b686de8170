#include "framework/hot_spot.h"

#include <array>

namespace ORB_GF {

int32_t HotSpotFromName(std::string_view name) {
  static constexpr std::array<std::string_view, 9> kNames = {
      "HS_UL", "HS_MU", "HS_UR", "HS_ML", "HS_MID", "HS_MR", "HS_DL", "HS_MD", "HS_DR"};
  for (size_t i = 0; i < kNames.size(); ++i) {
    if (name == kNames[i]) return static_cast<int32_t>(i);
  }
  return HS_MID;
}

bool HotSpotFractions(int32_t kind, float* fx, float* fy) {
  if (kind < 0 || kind > 8) return false;
  static constexpr float kShare[3] = {0.0f, 0.5f, 1.0f};
  if (fx != nullptr) *fx = kShare[kind % 3];
  if (fy != nullptr) *fy = kShare[kind / 3];
  return true;
}

}  // namespace ORB_GF
