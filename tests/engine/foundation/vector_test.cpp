#include <gtest/gtest.h>

#include <numbers>

#include "engine/foundation/vector2.h"
#include "engine/foundation/vector3.h"

namespace ORB {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

TEST(Vector2, AngleBetweenTable) {
  struct Case {
    Vector2 a;
    Vector2 b;
    float angle;
  };
  const Case cases[] = {
      {{1, 0}, {0, 1}, kPi / 2},
      {{0, 1}, {1, 0}, 3 * kPi / 2},
      {{1, 0}, {-1, 0}, kPi},
      {{1, 1}, {2, 2}, 0.0f},            // parallel: 0, not 2*pi
      {{0.1f, 0.3f}, {0.2f, 0.6f}, 0.0f},
      {{3, 4}, {3, 4}, 0.0f},
      {{1, 0}, {1, 1}, kPi / 4},
      {{1, 0}, {1, -1}, 7 * kPi / 4},
      {{0, 0}, {1, 0}, 6.2831855f},      // a zero vector
      {{1, 0}, {0, 0}, 6.2831855f},
  };
  for (const Case& c : cases) {
    const float angle = Vector2::AngleBetween(c.a, c.b);
    EXPECT_NEAR(angle, c.angle, 1e-5f) << c.a.ToString() << " / " << c.b.ToString();
    EXPECT_GE(angle, 0.0f);
  }
  // Nearly parallel vectors stay near 0 or just below 2*pi, never beyond.
  EXPECT_LT(Vector2::AngleBetween({1, 1e-7f}, {1, 0}), 6.2831855f);
}

TEST(Vector2, LengthAndNormalize) {
  Vector2 v(3, 4);
  EXPECT_EQ(v.Length(), 5.0f);
  EXPECT_EQ(v.LengthSquared(), 25.0f);
  EXPECT_EQ(v.Normalize(), 5.0f);
  EXPECT_FLOAT_EQ(v.x, 0.6f);
  EXPECT_FLOAT_EQ(v.y, 0.8f);
  Vector2 zero;
  EXPECT_EQ(zero.Normalize(), 0.0f);
  EXPECT_TRUE(zero.IsZero());
  EXPECT_EQ(Vector2::Distance({1, 1}, {4, 5}), 5.0f);
  EXPECT_EQ(Vector2::Dot({1, 2}, {3, 4}), 11.0f);
  // The length against whole numbers.
  EXPECT_TRUE(Vector2(3, 4) == 5);
  EXPECT_TRUE(Vector2(3, 4) < 6);
  EXPECT_TRUE(Vector2(3, 4) >= 5);
  EXPECT_FALSE(Vector2(3, 4) > 5);
  EXPECT_TRUE(Vector2(3, 4) != 4);
}

TEST(Vector2, IndexAndDivision) {
  const Vector2 v(2, -3);
  EXPECT_EQ(v[0], 2.0f);
  EXPECT_EQ(v[1], -3.0f);
  EXPECT_EQ(v[2], 0.0f);
  EXPECT_EQ(v[-1], 0.0f);
  EXPECT_EQ(v / 2.0f, Vector2(1, -1.5f));
  EXPECT_EQ(v / 0.0f, v);  // division by zero leaves the vector
  Vector2 w = v;
  w /= 0.0f;
  EXPECT_EQ(w, v);
}

TEST(Vector2, TextForm) {
  EXPECT_EQ(Vector2(1.5f, -0.25f).ToString(), "1.500 -0.250");
  struct Case {
    const char* text;
    bool parsed;
    Vector2 value;
  };
  const Case cases[] = {
      {"1.5 -0.25", true, {1.5f, -0.25f}},
      {"3 4 5", true, {3, 4}},
      {"1  2", true, {1, 0}},  // the empty part reads as 0
      {"7", false, {9, 9}},
      {"", false, {9, 9}},
      {"abc def", true, {0, 0}},
  };
  for (const Case& c : cases) {
    Vector2 v(9, 9);
    EXPECT_EQ(v.Parse(c.text), c.parsed) << c.text;
    EXPECT_EQ(v, c.value) << c.text;
  }
  Vector2 back;
  ASSERT_TRUE(back.Parse(Vector2(-12.125f, 640.5f).ToString()));
  EXPECT_EQ(back, Vector2(-12.125f, 640.5f));
}

TEST(Vector3, ProductsAndComponents) {
  const Vector3 a(1, 2, 3);
  const Vector3 b(4, 5, 6);
  EXPECT_EQ(Vector3::Dot(a, b), 32.0f);
  EXPECT_EQ(Vector3::Cross(a, b), Vector3(-3, 6, -3));
  EXPECT_EQ(Vector3::Cross({1, 0, 0}, {0, 1, 0}), Vector3(0, 0, 1));
  EXPECT_EQ(a.Perpendicular(), Vector3(-2, 1, 3));
  EXPECT_EQ(Vector3(-1, 7, 2).MaxComponent(), 7.0f);
  EXPECT_EQ(Vector3(-1, 7, 2).MinComponent(), -1.0f);
  EXPECT_EQ(a[2], 3.0f);
  EXPECT_EQ(a[3], 0.0f);
  Vector3 v(2, 3, 6);
  EXPECT_EQ(v.Length(), 7.0f);
  EXPECT_TRUE(v == 7);
  EXPECT_EQ(v.Normalize(), 7.0f);
  EXPECT_NEAR(v.Length(), 1.0f, 1e-6f);
  Vector3 zero;
  EXPECT_EQ(zero.Normalize(), 0.0f);
  EXPECT_EQ(zero, Vector3());
  EXPECT_EQ(a / 0.0f, a);
  Vector3 c = a;
  c /= 0.0f;
  EXPECT_EQ(c, a);
}

TEST(Vector3, AngleBetween) {
  EXPECT_NEAR(Vector3::AngleBetween({1, 0, 0}, {0, 1, 0}), kPi / 2, 1e-6f);
  EXPECT_NEAR(Vector3::AngleBetween({0, 1, 0}, {1, 0, 0}), 3 * kPi / 2, 1e-6f);
  EXPECT_EQ(Vector3::AngleBetween({1, 2, 3}, {2, 4, 6}), 0.0f);
  EXPECT_EQ(Vector3::AngleBetween({0.1f, 0.2f, 0.3f}, {0.3f, 0.6f, 0.9f}), 0.0f);
  EXPECT_NEAR(Vector3::AngleBetween({1, 0, 0}, {-1, 0, 0}), kPi, 1e-6f);
  EXPECT_EQ(Vector3::AngleBetween({0, 0, 0}, {1, 0, 0}), 6.2831855f);
}

TEST(Vector3, LerpClampsAtTheEnds) {
  const Vector3 a(0, 10, -4);
  const Vector3 b(10, 20, 4);
  EXPECT_EQ(Vector3::Lerp(a, b, 0.0f), a);
  EXPECT_EQ(Vector3::Lerp(a, b, -1.0f), a);
  EXPECT_EQ(Vector3::Lerp(a, b, 0.5f), Vector3(5, 15, 0));
  EXPECT_EQ(Vector3::Lerp(a, b, 1.0f), b);
  EXPECT_EQ(Vector3::Lerp(a, b, 2.0f), b);
}

TEST(Vector3, TextForm) {
  // 0.0625 is exact in binary: the tie rounds to even, as printf does.
  EXPECT_EQ(Vector3(1, -2.5f, 0.0625f).ToString(), "1.000 -2.500 0.062");
  Vector3 v(9, 9, 9);
  EXPECT_FALSE(v.Parse("1 2"));
  EXPECT_EQ(v, Vector3(9, 9, 9));
  EXPECT_TRUE(v.Parse("1 2 3"));
  EXPECT_EQ(v, Vector3(1, 2, 3));
  EXPECT_TRUE(v.Parse(Vector3(-0.5f, 100.25f, 7).ToString()));
  EXPECT_EQ(v, Vector3(-0.5f, 100.25f, 7));
}

}  // namespace
}  // namespace ORB
