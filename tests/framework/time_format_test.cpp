#include "framework/time_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "framework/hot_spot.h"

namespace ORB_GF {
namespace {

TEST(TimeFormatTest, FormatTimeTable) {
  const struct {
    float seconds;
    const wchar_t* text;
  } cases[] = {
      {0.0f, L"00:00"},
      {0.99f, L"00:00"},
      {5.0f, L"00:05"},
      {59.9f, L"00:59"},
      {60.0f, L"01:00"},
      {61.5f, L"01:01"},
      {599.0f, L"09:59"},
      {3599.0f, L"59:59"},
      {3600.0f, L"01:00:00"},
      {3661.0f, L"01:01:01"},
      {36000.0f, L"10:00:00"},
      {360000.0f, L"100:00:00"},
      // Negative and non-numeric times show as no time at all.
      {-1.0f, L"00:00"},
      {-3700.0f, L"00:00"},
      {std::nanf(""), L"00:00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatTime(c.seconds), c.text) << c.seconds;
  }
}

TEST(TimeFormatTest, SplitSeconds) {
  const SplitTime t = SplitSeconds(7384.7f);  // 2 h 3 min 4 s
  EXPECT_EQ(t.hours, 2);
  EXPECT_EQ(t.minutes, 3);
  EXPECT_EQ(t.seconds, 4);
  const SplitTime huge = SplitSeconds(std::numeric_limits<float>::infinity());
  EXPECT_GT(huge.hours, 0);
  EXPECT_LT(huge.minutes, 60);
  EXPECT_LT(huge.seconds, 60);
}

TEST(HotSpotTest, NamesAndFractions) {
  const char* names[] = {"HS_UL", "HS_MU", "HS_UR", "HS_ML", "HS_MID",
                         "HS_MR", "HS_DL", "HS_MD", "HS_DR"};
  for (int32_t i = 0; i < 9; ++i) EXPECT_EQ(HotSpotFromName(names[i]), i);
  EXPECT_EQ(HotSpotFromName("hs_ul"), HS_MID);  // exact text only
  EXPECT_EQ(HotSpotFromName(""), HS_MID);
  EXPECT_EQ(HotSpotFromName("HS_UL "), HS_MID);

  float fx = -1.0f;
  float fy = -1.0f;
  ASSERT_TRUE(ORB::AnchorFractions(HS_MR, &fx, &fy));
  EXPECT_EQ(fx, 1.0f);
  EXPECT_EQ(fy, 0.5f);
  ASSERT_TRUE(ORB::AnchorFractions(HS_DL, &fx, &fy));
  EXPECT_EQ(fx, 0.0f);
  EXPECT_EQ(fy, 1.0f);
  fx = fy = -1.0f;
  EXPECT_FALSE(ORB::AnchorFractions(9, &fx, &fy));
  EXPECT_FALSE(ORB::AnchorFractions(-1, &fx, &fy));
  EXPECT_EQ(fx, -1.0f);
}

}  // namespace
}  // namespace ORB_GF
