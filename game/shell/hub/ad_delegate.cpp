#include "game/shell/hub/ad_delegate.h"

namespace game {

// The answers would steer an ad provider's banners; with none on this
// platform they are asked and let go.

void cAdDelegate::OnAdEventA(const ORB::OC_AD_PLACEMENTS& placements,
                             const ORB::AdPlacement& placement) {
  if (placement.provider != ORB::AdPlacement::FERNHALL) return;
  static_cast<void>(placements.IsEnabled("flurry_top"));
  static_cast<void>(placements.IsEnabled("apple_top"));
}

void cAdDelegate::OnAdEventB(const ORB::OC_AD_PLACEMENTS& placements,
                             const ORB::AdPlacement& placement) {
  if (placement.provider != ORB::AdPlacement::FERNHALL) return;
  static_cast<void>(placements.Has("apple_top"));
  static_cast<void>(placements.Has("flurry_top"));
  static_cast<void>(placements.Has("fernhall_fs"));
  static_cast<void>(placements.IsShown("apple_top"));
}

void cAdDelegate::OnAdEventC(const ORB::OC_AD_PLACEMENTS& placements,
                             const ORB::AdPlacement& placement) {
  if (placement.provider != ORB::AdPlacement::APPLE) return;
  static_cast<void>(placements.IsEnabled("apple_top"));
  static_cast<void>(placements.Has("flurry_top"));
  static_cast<void>(placements.IsShown("flurry_top"));
}

}  // namespace game
