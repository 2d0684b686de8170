#include "game/shell/hub/ad_delegate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace game {
namespace {

// Everything a caller can see of the registry.
struct Snapshot {
  bool enabled;
  int32_t value;
  std::vector<std::string> placements;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const ORB::OC_AD_PLACEMENTS& registry) {
  Snapshot snapshot{registry.IsEnabled(), registry.GetValue(), {}};
  for (const auto& placement : registry.Placements()) {
    snapshot.placements.push_back(placement->name + " " + std::to_string(placement->provider) +
                                  " " + std::to_string(placement->location));
  }
  return snapshot;
}

TEST(AdDelegateTest, NotificationsLeaveTheRegistryUnchanged) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(R"(<ads>
      <ad name="apple_top" provider="apple" location="t"/>
      <ad name="flurry_top" provider="flurry" location="t"/>
      <ad name="fernhall_fs" provider="fernhall" location="f"/>
    </ads>)"));
  ORB::OC_AD_PLACEMENTS loaded;
  ASSERT_TRUE(loaded.Load(document.child("ads")));
  loaded.SetValue(3);
  ORB::OC_AD_PLACEMENTS unloaded;

  cAdDelegate delegate;
  ORB::OC_AD_DELEGATE& listener = delegate;
  for (ORB::OC_AD_PLACEMENTS* registry : {&loaded, &unloaded}) {
    const Snapshot before = Take(*registry);
    for (int32_t provider :
         {ORB::AdPlacement::APPLE, ORB::AdPlacement::FLURRY, ORB::AdPlacement::FERNHALL}) {
      ORB::AdPlacement placement;
      placement.name = "banner";
      placement.provider = provider;
      listener.OnAdEventA(*registry, placement);
      listener.OnAdEventB(*registry, placement);
      listener.OnAdEventC(*registry, placement);
    }
    EXPECT_TRUE(Take(*registry) == before);
  }
}

}  // namespace
}  // namespace game
