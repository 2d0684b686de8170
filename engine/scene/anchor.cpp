#include "engine/scene/anchor.h"

#include <array>

namespace ORB {

namespace {

constexpr std::array<std::string_view, kAnchorCount> kNames = {
    "HS_UL", "HS_MU", "HS_UR", "HS_ML", "HS_MID", "HS_MR", "HS_DL", "HS_MD", "HS_DR"};

constexpr float kShare[3] = {0.0f, 0.5f, 1.0f};

}  // namespace

bool AnchorFractions(int32_t anchor, float* fx, float* fy) {
  if (!IsAnchor(anchor)) return false;
  if (fx != nullptr) *fx = kShare[AnchorColumn(anchor)];
  if (fy != nullptr) *fy = kShare[AnchorRow(anchor)];
  return true;
}

std::optional<int32_t> FindAnchor(std::string_view name) {
  for (size_t i = 0; i < kNames.size(); ++i) {
    if (name == kNames[i]) return static_cast<int32_t>(i);
  }
  return std::nullopt;
}

int32_t AnchorFromName(std::string_view name) { return FindAnchor(name).value_or(HS_MID); }

std::string_view AnchorName(int32_t anchor) {
  return IsAnchor(anchor) ? kNames[static_cast<size_t>(anchor)] : std::string_view();
}

}  // namespace ORB
