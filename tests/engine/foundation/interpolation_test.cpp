#include "engine/foundation/interpolation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace ORB {
namespace {

void ExpectNear(const Vector3& actual, const Vector3& expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-4f);
  EXPECT_NEAR(actual.y, expected.y, 1e-4f);
  EXPECT_NEAR(actual.z, expected.z, 1e-4f);
}

TEST(Interpolation, ScalarLerp) {
  EXPECT_EQ(Lerp(2, 6, 0), 2.0f);
  EXPECT_EQ(Lerp(2, 6, 1), 6.0f);
  EXPECT_EQ(Lerp(2, 6, 0.25f), 3.0f);
  EXPECT_EQ(Lerp(2, 6, 2), 10.0f);   // 2b - a: not clamped
  EXPECT_EQ(Lerp(2, 6, -1), -2.0f);
  // The ends are exact even where a + t * (b - a) would round.
  EXPECT_EQ(Lerp(0.1f, 1e8f, 1), 1e8f);
}

TEST(Interpolation, CurvesAtStartMiddleEnd) {
  const Vector3 p0(0, 0, 0);
  const Vector3 p1(10, 20, 0);
  const Vector3 p2(20, 0, 4);
  const Vector3 p3(30, 20, 8);
  EXPECT_EQ(QuadBezier3(p0, p1, p2, 0), p0);
  ExpectNear(QuadBezier3(p0, p1, p2, 0.5f), {10, 10, 1});
  EXPECT_EQ(QuadBezier3(p0, p1, p2, 1), p2);
  EXPECT_EQ(CubicBezier3(p0, p1, p2, p3, 0), p0);
  ExpectNear(CubicBezier3(p0, p1, p2, p3, 0.5f), {15, 10, 2.5f});
  EXPECT_EQ(CubicBezier3(p0, p1, p2, p3, 1), p3);

  EXPECT_EQ(QuadBezier(1, 5, 3, 0), 1.0f);
  EXPECT_EQ(QuadBezier(1, 5, 3, 0.5f), 3.5f);
  EXPECT_EQ(QuadBezier(1, 5, 3, 1), 3.0f);
  EXPECT_EQ(CubicBezier(0, 8, -8, 4, 0), 0.0f);
  EXPECT_EQ(CubicBezier(0, 8, -8, 4, 0.5f), 0.5f);
  EXPECT_EQ(CubicBezier(0, 8, -8, 4, 1), 4.0f);
}

TEST(Interpolation, BezierNAgreesWithTheFixedCurves) {
  const std::vector<Vector3> three = {{0, 0, 0}, {10, 20, 0}, {20, 0, 4}};
  const std::vector<Vector3> four = {{0, 0, 0}, {10, 20, 0}, {20, 0, 4}, {30, 20, 8}};
  for (float t : {0.0f, 0.1f, 0.5f, 0.9f, 1.0f}) {
    ExpectNear(BezierN(three, t), QuadBezier3(three[0], three[1], three[2], t));
    ExpectNear(BezierN(four, t), CubicBezier3(four[0], four[1], four[2], four[3], t));
  }
  // Two points are a straight line.
  const std::vector<Vector3> two = {{0, 0, 0}, {10, -10, 2}};
  ExpectNear(BezierN(two, 0.5f), {5, -5, 1});
}

TEST(Interpolation, BezierNWithFewPoints) {
  EXPECT_EQ(BezierN({}, 0.0f), Vector3());
  EXPECT_EQ(BezierN({}, 0.5f), Vector3());
  EXPECT_EQ(BezierN({}, 1.0f), Vector3());
  const std::vector<Vector3> one = {{3, 4, 5}};
  for (float t : {0.0f, 0.5f, 1.0f}) EXPECT_EQ(BezierN(one, t), Vector3(3, 4, 5));
}

TEST(Interpolation, TransformCurves) {
  OS_TRANSFORM3 a;
  OS_TRANSFORM3 b;
  OS_TRANSFORM3 c;
  OS_TRANSFORM3 d;
  b.SetPosition(10, 20, 0);
  c.SetPosition(20, 0, 0);
  c.SetScale(3, 3, 3);
  d.SetPosition(30, 20, 0);
  OS_TRANSFORM3 parent;
  OS_TRANSFORM3 result;
  result.parent = &parent;
  QuadBezier(result, a, b, c, 0.5f);
  EXPECT_EQ(result.position, Vector3(10, 10, 0));
  EXPECT_EQ(result.scale, Vector3(1.5f, 1.5f, 1.5f));
  EXPECT_EQ(result.parent, &parent);
  QuadBezier(result, a, b, c, 2.0f);
  EXPECT_EQ(result.scale, c.scale);
  CubicBezier(result, a, b, c, d, -1.0f);
  EXPECT_EQ(result.position, a.position);
  CubicBezier(result, a, b, c, d, 0.5f);
  EXPECT_EQ(result.position, Vector3(15, 10, 0));
}

TEST(Interpolation, DampedOscillation) {
  EXPECT_EQ(DampedOscillation(0, 2, 5, 1), 0.0f);
  // A quarter period: sin = 1, damped by exp(2*pi * 0.125 * 1).
  EXPECT_NEAR(DampedOscillation(0.125f, 2, 5, 1), 5.0f / std::exp(6.2831855f * 0.125f), 1e-5f);
  EXPECT_NEAR(DampedOscillation(0.125f, 2, 5, 0), 5.0f, 1e-5f);
  // A negative damping stays bounded.
  const float wild = DampedOscillation(100.125f, 2, 5, -1);
  EXPECT_TRUE(std::isfinite(wild));
  EXPECT_LE(std::abs(wild), 5000.0f + 1e-3f);
}

}  // namespace
}  // namespace ORB
