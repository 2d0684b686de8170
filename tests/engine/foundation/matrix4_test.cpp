#include "engine/foundation/matrix4.h"

#include <gtest/gtest.h>

#include <numbers>

#include "engine/foundation/transform.h"

namespace ORB {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

void ExpectNear(const Vector3& actual, const Vector3& expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-4f);
  EXPECT_NEAR(actual.y, expected.y, 1e-4f);
  EXPECT_NEAR(actual.z, expected.z, 1e-4f);
}

TEST(Matrix4, LayoutIsRowMajorWithValuesGivenByColumn) {
  const Matrix4 identity;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) EXPECT_EQ(identity(r, c), r == c ? 1.0f : 0.0f);
  }
  const Matrix4 m(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
  EXPECT_EQ(m(0, 0), 1.0f);
  EXPECT_EQ(m(1, 0), 2.0f);  // the first four values fill column 0
  EXPECT_EQ(m(3, 0), 4.0f);
  EXPECT_EQ(m(0, 1), 5.0f);
  EXPECT_EQ(m.m[4], 2.0f);
  EXPECT_EQ(m.At(3, 3), 16.0f);
  EXPECT_EQ(m.Transposed().m[1], 2.0f);
  // Translations sit in elements 12, 13 and 14.
  EXPECT_EQ(Matrix4::Translation(1, 2, 3).m[12], 1.0f);
  EXPECT_EQ(Matrix4::Translation(1, 2, 3).m[14], 3.0f);
  EXPECT_EQ(Matrix4::TranslationX(5).m[12], 5.0f);
  EXPECT_EQ(Matrix4::TranslationY(5).m[13], 5.0f);
  EXPECT_EQ(Matrix4::TranslationZ(5).m[14], 5.0f);
  EXPECT_EQ(Matrix4::TranslationZ(5).m[12], 0.0f);
}

TEST(Matrix4, ProductsApplyLeftOperandFirst) {
  const Vector3 p(1, 0, 0);
  const Matrix4 moveThenScale = Matrix4::Translation(5, 0, 0) * Matrix4::Scaling(2, 1, 1);
  ExpectNear(moveThenScale.TransformPoint(p), {12, 0, 0});
  const Matrix4 scaleThenMove = Matrix4::Multiply(Matrix4::Scaling(2, 1, 1), Matrix4::Translation(5, 0, 0));
  ExpectNear(scaleThenMove.TransformPoint(p), {7, 0, 0});
  // Vectors ignore the translation.
  ExpectNear(scaleThenMove.TransformVector(p), {2, 0, 0});
}

TEST(Matrix4, RotationsForRowVectors) {
  ExpectNear(Matrix4::RotationZ(kPi / 2).TransformPoint({1, 0, 0}), {0, 1, 0});
  ExpectNear(Matrix4::RotationX(kPi / 2).TransformPoint({0, 1, 0}), {0, 0, 1});
  ExpectNear(Matrix4::RotationY(kPi / 2).TransformPoint({0, 0, 1}), {1, 0, 0});
  EXPECT_EQ(Matrix4::RotationXYZ(0, 0, 0), Matrix4());
  EXPECT_EQ(Matrix4::RotationXYZ(0, 0, 0.3f), Matrix4::RotationZ(0.3f));
  // x first, then y: (0, 1, 0) -> (0, 0, 1) -> (1, 0, 0).
  ExpectNear(Matrix4::RotationXYZ(kPi / 2, kPi / 2, 0).TransformPoint({0, 1, 0}), {1, 0, 0});
  // The camera's world turn: yaw pi, roll pi maps (x, y, z) to (x, -y, -z).
  ExpectNear(Matrix4::RotationYawPitchRoll(kPi, 0, kPi).TransformPoint({1, 2, 3}), {1, -2, -3});
}

TEST(Matrix4, ModelMatrixOfTransform) {
  OS_TRANSFORM3 t;
  t.pivot.Set(50, 20, 0);
  t.SetScale(2, 2, 1);
  t.SetAngle(kPi / 2);
  t.SetPosition(100, 100, 0);
  const Matrix4 model = Matrix4::FromTransform(t);
  // The pivot lands on the position.
  ExpectNear(model.TransformPoint({50, 20, 0}), {100, 100, 0});
  // (0, 0): (-50, -20) scaled to (-100, -40), turned a quarter to (40, -100).
  ExpectNear(model.TransformPoint({0, 0, 0}), {140, 0, 0});
  EXPECT_EQ(Matrix4::FromTransform(OS_TRANSFORM3()), Matrix4());
}

// The model matrix is the product of its steps: minus the pivot, the scale,
// the turns about z, y and x (zero ones skipped), the position. Written out
// for the common turns, it must give exactly those products' values.
TEST(Matrix4, ModelMatrixEqualsTheProductOfItsSteps) {
  struct Case {
    Vector3 pivot, rotation, scale, position;
  };
  const Case cases[] = {
      {{0, 0, 0}, {0, 0, 0}, {1, 1, 1}, {0, 0, 0}},
      {{12.5f, 7.25f, 3}, {0, 0, 0}, {1, 1, 1}, {100.3f, -40.7f, 2}},
      {{-3.1f, 9.9f, 0}, {0, 0, 0.7f}, {1.5f, 0.25f, 2}, {511.9f, 383.1f, -1}},
      {{40, 20, 0}, {0, 0, -2.9f}, {-1, 1, 1}, {0.1f, 0.2f, 0.3f}},
      {{1e-3f, 1e4f, 0}, {0, 0, 1e-6f}, {3e3f, 7e-3f, 1}, {-1e5f, 1e5f, 0}},
      {{5, 6, 7}, {0.3f, 0, 0}, {2, 3, 4}, {1, 2, 3}},
      {{5, 6, 7}, {0, -1.1f, 0.4f}, {2, 3, 4}, {1, 2, 3}},
      {{5, 6, 7}, {0.2f, 0.5f, 0.9f}, {0.5f, 0.5f, 0.5f}, {-8, 9, 10}},
  };
  for (const Case& c : cases) {
    OS_TRANSFORM3 t;
    t.pivot = c.pivot;
    t.rotation = c.rotation;
    t.scale = c.scale;
    t.position = c.position;
    Matrix4 steps = Matrix4::Translation(-c.pivot.x, -c.pivot.y, 0) *
                    Matrix4::Scaling(c.scale.x, c.scale.y, c.scale.z);
    if (c.rotation.z != 0) steps *= Matrix4::RotationZ(c.rotation.z);
    if (c.rotation.y != 0) steps *= Matrix4::RotationY(c.rotation.y);
    if (c.rotation.x != 0) steps *= Matrix4::RotationX(c.rotation.x);
    steps *= Matrix4::Translation(c.position.x, c.position.y, c.position.z);
    EXPECT_EQ(Matrix4::FromTransform(t), steps) << t.ToString();
  }
}

TEST(Matrix4, CameraMatrices) {
  const Matrix4 view = Matrix4::LookAt({0, 0, -10}, {0, 0, 0}, {0, 1, 0});
  ExpectNear(view.TransformPoint({0, 0, 0}), {0, 0, 10});
  ExpectNear(view.TransformPoint({1, 2, 0}), {1, 2, 10});
  const Matrix4 projection = Matrix4::PerspectiveFov(kPi / 4, 4.0f / 3.0f, 1.0f, 100.0f);
  // Depth 0 at the near plane and 1 at the far plane after the division by w (= z).
  const Vector3 nearPoint = projection.TransformPoint({0, 0, 1});
  EXPECT_NEAR(nearPoint.z / 1.0f, 0.0f, 1e-5f);
  const Vector3 farPoint = projection.TransformPoint({0, 0, 100});
  EXPECT_NEAR(farPoint.z / 100.0f, 1.0f, 1e-5f);
}

}  // namespace
}  // namespace ORB
