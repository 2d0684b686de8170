#include "engine/foundation/ad_placements.h"

#include <gtest/gtest.h>

#include <string>

namespace ORB {
namespace {

const char kPlacements[] = R"(<ads>
  <ad name="apple_top" provider="apple" location="top"/>
  <ad name="flurry_top" provider="flurry" location="bottom"/>
  <ad name="fernhall_fs" provider="fernhall" location="fullscreen"/>
  <ad name="capital" provider="Apple" location="top"/>
  <ad name="spaced" provider="apple " location="top"/>
  <ad name="where" provider="apple" location="Top"/>
  <ad name="nowhere" provider="apple" location=""/>
  <ad name="no_location" provider="apple"/>
  <ad provider="apple" location="b"/>
</ads>)";

TEST(AdPlacementsTest, ReadsKnownProvidersAndLocations) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(kPlacements));
  OC_AD_PLACEMENTS placements;
  EXPECT_FALSE(placements.IsEnabled());
  EXPECT_FALSE(placements.Has("apple_top")) << "nothing before loading";

  EXPECT_TRUE(placements.Load(document.child("ads")));
  EXPECT_TRUE(placements.IsEnabled("anything"));
  ASSERT_EQ(placements.Placements().size(), 3u);
  struct Expected {
    const char* name;
    int32_t provider;
    int32_t location;
  };
  for (const Expected& e : {Expected{"apple_top", AdPlacement::APPLE, AdPlacement::TOP},
                            Expected{"flurry_top", AdPlacement::FLURRY, AdPlacement::BOTTOM},
                            Expected{"fernhall_fs", AdPlacement::FERNHALL, AdPlacement::FULL}}) {
    const AdPlacement* placement = placements.Find(e.name);
    ASSERT_NE(placement, nullptr) << e.name;
    EXPECT_EQ(placement->provider, e.provider) << e.name;
    EXPECT_EQ(placement->location, e.location) << e.name;
    EXPECT_TRUE(placements.Has(e.name));
    EXPECT_FALSE(placements.IsShown(e.name)) << "no placement is ever shown";
  }
  for (const char* skipped : {"capital", "spaced", "where", "nowhere", "no_location", ""}) {
    EXPECT_EQ(placements.Find(skipped), nullptr) << skipped;
    EXPECT_FALSE(placements.Has(skipped)) << skipped;
  }
}

TEST(AdPlacementsTest, LoadsOnlyOnce) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(kPlacements));
  OC_AD_PLACEMENTS placements;
  pugi::xml_document empty;
  EXPECT_FALSE(placements.Load(empty.child("ads")));
  ASSERT_TRUE(empty.load_string("<ads/>"));
  EXPECT_FALSE(placements.Load(empty.child("ads")));
  EXPECT_FALSE(placements.IsEnabled()) << "a failed load leaves it unloaded";

  ASSERT_TRUE(placements.Load(document.child("ads")));
  EXPECT_FALSE(placements.Load(document.child("ads")));
  EXPECT_EQ(placements.Placements().size(), 3u) << "a second load adds nothing";

  placements.SetValue(-7);
  EXPECT_EQ(placements.GetValue(), -7);
}

}  // namespace
}  // namespace ORB
