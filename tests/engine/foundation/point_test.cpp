#include "engine/foundation/point.h"

#include <gtest/gtest.h>

#include <limits>

namespace ORB {
namespace {

TEST(Point, TextForm) {
  EXPECT_EQ(Point(1024, 768).ToString(), "1024 768");
  EXPECT_EQ(Point(5, 60).ToString(), "005 060");
  EXPECT_EQ(Point(0, -7).ToString(), "000 -007");
  struct Case {
    const char* text;
    bool parsed;
    Point value;
  };
  const Case cases[] = {
      {"1024 768", true, {1024, 768}},
      {"005 060", true, {5, 60}},
      {"800 600 32", true, {800, 600}},
      {"-3 +4", true, {-3, 4}},
      {"1024", false, {1, 2}},
      {"", false, {1, 2}},
      {"1024  768", true, {1024, 0}},  // the empty part reads as 0
      {"12px 7.9", true, {12, 7}},
  };
  for (const Case& c : cases) {
    Point p(1, 2);
    EXPECT_EQ(p.Parse(c.text), c.parsed) << c.text;
    EXPECT_EQ(p, c.value) << c.text;
  }
  for (const Point p : {Point(0, 0), Point(5, 60), Point(-1, 123456), Point(1920, 1080)}) {
    Point back;
    ASSERT_TRUE(back.Parse(p.ToString()));
    EXPECT_EQ(back, p);
  }
}

TEST(Point, DivisionByZeroAndOverflowAreSafe) {
  const Point p(6, -9);
  EXPECT_EQ(p / 3, Point(2, -3));
  EXPECT_EQ(p[1], -9);
  EXPECT_EQ(p[2], 0);  // outside 0..1
  EXPECT_EQ(p[-1], 0);
  EXPECT_EQ(p / 0, p);
  EXPECT_EQ(p / Point(0, 3), Point(6, -3));
  EXPECT_EQ(p / Point(2, 0), Point(3, -9));
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(Point(kMin, 4) / -1, Point(kMin, -4));
  EXPECT_EQ(Point(kMax, 0) + Point(1, 0), Point(kMin, 0));
  EXPECT_EQ(-Point(kMin, 0), Point(kMin, 0));
}

TEST(Point, InsideAndDistance) {
  const Point p(10, 20);
  EXPECT_TRUE(p.IsInside(0, 0, 100, 100));
  EXPECT_FALSE(p.IsInside(10, 0, 100, 100));  // strict on every edge
  EXPECT_FALSE(p.IsInside(0, 20, 100, 100));
  EXPECT_FALSE(p.IsInside(0, 0, 10, 100));
  EXPECT_FALSE(p.IsInside(0, 0, 100, 20));
  EXPECT_EQ(p.Distance(13, 24), 5.0f);
  EXPECT_EQ(PointDistance(0, 0, -3, -4), 5.0f);
  EXPECT_GT(PointDistance(std::numeric_limits<int32_t>::min(), 0, std::numeric_limits<int32_t>::max(), 0), 4.2e9f);
}

}  // namespace
}  // namespace ORB
