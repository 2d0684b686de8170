#pragma once
// cAdDelegate: the game's ad listener. On each notification of the ad service
// it asks the banner placements about themselves; the registry's questions
// change nothing, and nothing else is done. The hub keeps one right after its
// ad placements and installs it only on mobile free editions, so on the
// desktop it is never installed and never called.
#include "engine/foundation/ad_placements.h"

namespace game {

class cAdDelegate : public ORB::OC_AD_DELEGATE {
 public:
  ~cAdDelegate() override = default;

  // For a "fernhall" placement: whether the registry is enabled for
  // "flurry_top" and for "apple_top".
  void OnAdEventA(const ORB::OC_AD_PLACEMENTS& placements,
                  const ORB::AdPlacement& placement) override;
  // For a "fernhall" placement: whether "apple_top", "flurry_top" and
  // "fernhall_fs" exist, then whether "apple_top" is shown.
  void OnAdEventB(const ORB::OC_AD_PLACEMENTS& placements,
                  const ORB::AdPlacement& placement) override;
  // For an "apple" placement: whether the registry is enabled for
  // "apple_top", whether "flurry_top" exists and whether it is shown.
  void OnAdEventC(const ORB::OC_AD_PLACEMENTS& placements,
                  const ORB::AdPlacement& placement) override;
};

}  // namespace game
