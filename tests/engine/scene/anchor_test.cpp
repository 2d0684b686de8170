#include "engine/scene/anchor.h"

#include <gtest/gtest.h>

#include <optional>

namespace ORB {
namespace {

TEST(AnchorTest, NamesAndPlacesRoundTrip) {
  for (int32_t anchor = 0; anchor < kAnchorCount; ++anchor) {
    EXPECT_EQ(FindAnchor(AnchorName(anchor)), anchor);
    float fx = -1.0f;
    float fy = -1.0f;
    ASSERT_TRUE(AnchorFractions(anchor, &fx, &fy));
    EXPECT_EQ(fx, 0.5f * static_cast<float>(AnchorColumn(anchor))) << AnchorName(anchor);
    EXPECT_EQ(fy, 0.5f * static_cast<float>(AnchorRow(anchor))) << AnchorName(anchor);
  }
  EXPECT_EQ(AnchorName(HS_MID), "HS_MID");
  EXPECT_EQ(AnchorName(kAnchorCount), "");
  EXPECT_EQ(AnchorName(-1), "");
  // A loader tells an unknown name from the centre it falls back to.
  for (const char* unknown : {"HS_MDI", "hs_mid", "", "HS_MID "}) {
    EXPECT_EQ(FindAnchor(unknown), std::nullopt) << unknown;
    EXPECT_EQ(AnchorFromName(unknown), HS_MID) << unknown;
  }
}

}  // namespace
}  // namespace ORB
