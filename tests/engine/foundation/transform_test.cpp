#include "engine/foundation/transform.h"

#include <gtest/gtest.h>

#include <array>
#include <numbers>

#include "engine/foundation/matrix4.h"

namespace ORB {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

TEST(Transform, NewStateAndTwoDimensionalSetter) {
  OS_TRANSFORM3 t;
  EXPECT_EQ(t.scale, Vector3(1, 1, 1));
  EXPECT_EQ(t.parent, nullptr);
  t.SetPosition(1, 2, 3);
  t.SetPositionV2({7, 8});
  EXPECT_EQ(t.GetPosition(), Vector3(7, 8, 3));  // the 2-D form leaves z
}

TEST(Transform, TextForm) {
  OS_TRANSFORM3 t;
  t.SetPosition(1, 2, 3);
  t.pivot.Set(4, 5, 6);
  t.SetRotation(0, 0, 1.5f);
  t.SetScale(2, 2, 1);
  EXPECT_EQ(t.ToString(),
            "1.000 2.000 3.000 4.000 5.000 6.000 0.000 0.000 1.500 2.000 2.000 1.000");

  OS_TRANSFORM3 parent;
  OS_TRANSFORM3 back;
  back.parent = &parent;
  ASSERT_TRUE(back.Parse(t.ToString()));
  EXPECT_EQ(back.position, t.position);
  EXPECT_EQ(back.pivot, t.pivot);
  EXPECT_EQ(back.rotation, t.rotation);
  EXPECT_EQ(back.scale, t.scale);
  EXPECT_EQ(back.parent, nullptr);  // parsing clears the parent
}

TEST(Transform, ParseShortOrMalformed) {
  OS_TRANSFORM3 t;
  t.SetPosition(9, 9, 9);
  EXPECT_FALSE(t.Parse("1 2 3"));
  // Three numbers: the new state.
  EXPECT_EQ(t.position, Vector3());
  EXPECT_EQ(t.scale, Vector3(1, 1, 1));

  // A doubled blank shifts every later value by one place.
  ASSERT_TRUE(t.Parse("1  2 3 4 5 6 7 8 9 10 11 12"));
  EXPECT_EQ(t.position, Vector3(1, 0, 2));
  EXPECT_EQ(t.pivot, Vector3(3, 4, 5));
  EXPECT_EQ(t.rotation, Vector3(6, 7, 8));
  EXPECT_EQ(t.scale, Vector3(9, 10, 11));

  ASSERT_TRUE(t.Parse("a b c d e f g h i j k l"));
  EXPECT_EQ(t.scale, Vector3());
}

TEST(Transform, RotatePoint) {
  float x = 110;
  float y = 100;
  RotatePoint(100, 100, x, y, kPi / 2);
  EXPECT_NEAR(x, 100, 1e-4f);
  EXPECT_NEAR(y, 110, 1e-4f);
  RotatePoint(0, 0, x, y, 0);
  EXPECT_NEAR(x, 100, 1e-4f);
}

TEST(Transform, WorldUpTheParentChain) {
  OS_TRANSFORM3 parent;
  parent.SetPosition(100, 100, 5);
  parent.SetAngle(kPi / 2);
  parent.SetScale(2, 2, 2);
  OS_TRANSFORM3 child;
  child.SetPosition(10, 0, 1);
  child.parent = &parent;

  const OS_TRANSFORM3 world = child.GetWorld();
  EXPECT_NEAR(world.position.x, 100, 1e-4f);
  EXPECT_NEAR(world.position.y, 120, 1e-4f);
  EXPECT_EQ(world.position.z, 1);  // z is not combined
  EXPECT_EQ(world.scale, Vector3(2, 2, 2));
  EXPECT_NEAR(world.rotation.z, kPi / 2, 1e-6f);
  EXPECT_EQ(world.parent, &parent);  // the result keeps its own parent

  // Without the position step: scaled to (20, 0), not moved, then turned
  // about the parent's position.
  const OS_TRANSFORM3 unshifted = child.GetWorld(true, false, false);
  EXPECT_NEAR(unshifted.position.x, 200, 1e-4f);
  EXPECT_NEAR(unshifted.position.y, 20, 1e-4f);
  const OS_TRANSFORM3 unturned = child.GetWorld(false, true, false);
  EXPECT_NEAR(unturned.position.x, 120, 1e-4f);
  EXPECT_NEAR(unturned.position.y, 100, 1e-4f);
  EXPECT_EQ(unturned.rotation.z, 0);
  const OS_TRANSFORM3 unscaled = child.GetWorld(false, false, true);
  EXPECT_NEAR(unscaled.position.x, 100, 1e-4f);
  EXPECT_NEAR(unscaled.position.y, 110, 1e-4f);
  EXPECT_EQ(unscaled.scale, Vector3(1, 1, 1));

  // A grandparent moves the whole chain; the flags only touch the last step.
  OS_TRANSFORM3 grandparent;
  grandparent.SetPosition(1000, 0, 0);
  grandparent.SetScale(0.5f, 0.5f, 1);
  parent.parent = &grandparent;
  const OS_TRANSFORM3 far = child.GetWorld();
  // Parent world: (1050, 50), scale 1; child: (10, 0) turned about it.
  EXPECT_NEAR(far.position.x, 1050, 1e-3f);
  EXPECT_NEAR(far.position.y, 60, 1e-3f);
  EXPECT_EQ(far.scale, Vector3(1, 1, 2));
}

// A world placement is the transform combined with its parent's world
// placement, exactly, however deep the chain, turned or scaled its links.
TEST(Transform, WorldOfADeepChainIsTheParentsWorldCombined) {
  std::array<OS_TRANSFORM3, 7> chain;
  for (size_t i = 0; i < chain.size(); ++i) {
    const auto k = static_cast<float>(i);
    chain[i].SetPosition(10.5f * k - 17.0f, 3.25f * k + 1.0f, k);
    chain[i].pivot.Set(k, -k, 0.0f);
    chain[i].SetScale(i % 3 == 0 ? 1.0f : 0.75f + 0.125f * k, i % 2 == 0 ? 1.0f : 1.5f, 2.0f);
    chain[i].SetRotation(0.0f, 0.0f, i % 2 == 1 ? 0.3f * k - 0.8f : 0.0f);
    if (i > 0) chain[i].parent = &chain[i - 1];
  }
  for (size_t i = 1; i < chain.size(); ++i) {
    OS_TRANSFORM3 parent_world = chain[i - 1].GetWorld();
    parent_world.parent = nullptr;
    OS_TRANSFORM3 one_step = chain[i];
    one_step.parent = &parent_world;
    for (const auto& flags : {std::array<bool, 3>{false, false, false},
                              std::array<bool, 3>{true, false, true},
                              std::array<bool, 3>{false, true, false}}) {
      const OS_TRANSFORM3 world = chain[i].GetWorld(flags[0], flags[1], flags[2]);
      const OS_TRANSFORM3 expected = one_step.GetWorld(flags[0], flags[1], flags[2]);
      EXPECT_EQ(world.ToString(), expected.ToString()) << i;
      EXPECT_EQ(world.position, expected.position) << i;
      EXPECT_EQ(world.rotation, expected.rotation) << i;
      EXPECT_EQ(world.scale, expected.scale) << i;
      EXPECT_EQ(world.pivot, chain[i].pivot) << "the own pivot is kept";
      EXPECT_EQ(world.parent, &chain[i - 1]) << "and the own parent";
    }
  }
}

TEST(Transform, ParentCycleEnds) {
  OS_TRANSFORM3 a;
  OS_TRANSFORM3 b;
  a.SetPosition(1, 0, 0);
  b.SetPosition(10, 0, 0);
  a.parent = &b;
  b.parent = &a;
  EXPECT_NEAR(a.GetWorld().position.x, 11, 1e-5f);
  EXPECT_NEAR(b.GetWorld().position.x, 11, 1e-5f);
  OS_TRANSFORM3 self;
  self.SetPosition(3, 0, 0);
  self.parent = &self;
  EXPECT_EQ(self.GetWorld().position.x, 3);
  (void)ToLocalPoint(0, 0, a);
  (void)a.WorldToLocal(0, 0);
}

TEST(Transform, WorldToLocal) {
  OS_TRANSFORM3 t;
  t.SetPosition(100, 50, 0);
  t.pivot.Set(10, 10, 0);
  t.SetAngle(kPi / 2);
  t.SetScale(3, 3, 1);  // not applied by this mapping
  const Vector2 local = t.WorldToLocal(100, 60);
  EXPECT_NEAR(local.x, 20, 1e-4f);
  EXPECT_NEAR(local.y, 10, 1e-4f);
  const Vector2 bare = t.WorldToLocalNoPivot(100, 60);
  EXPECT_NEAR(bare.x, 10, 1e-4f);
  EXPECT_NEAR(bare.y, 0, 1e-4f);
}

// What the screen shows: the four corners of a w x h quad drawn with the
// world placement of t.
std::array<Vector2, 4> DrawnCorners(const OS_TRANSFORM3& t, float w, float h) {
  const Matrix4 model = Matrix4::FromTransform(t.GetWorld());
  std::array<Vector2, 4> corners;
  const Vector3 quad[4] = {{0, 0, 0}, {w, 0, 0}, {w, h, 0}, {0, h, 0}};
  for (int i = 0; i < 4; ++i) {
    const Vector3 p = model.TransformPoint(quad[i]);
    corners[i] = {p.x, p.y};
  }
  return corners;
}

// Signed distance-like test against a convex quad: > 0 inside every edge.
float EdgeMargin(const std::array<Vector2, 4>& c, Vector2 p) {
  float margin = 1e30f;
  float orientation = 0;
  for (int i = 0; i < 4; ++i) {
    const Vector2 a = c[i];
    const Vector2 b = c[(i + 1) % 4];
    const Vector2 edge = b - a;
    const float cross = edge.x * (p.y - a.y) - edge.y * (p.x - a.x);
    const float side = cross / edge.Length();
    if (i == 0) orientation = (edge.x * (c[2].y - a.y) - edge.y * (c[2].x - a.x)) > 0 ? 1.0f : -1.0f;
    margin = std::min(margin, side * orientation);
  }
  return margin;
}

// The hit rule: the local point lies in [0, w * sx] x [0, h * sy].
bool HitByLocalPoint(const OS_TRANSFORM3& t, float w, float h, Vector2 p) {
  const OS_TRANSFORM3 world = t.GetWorld();
  const Vector2 local = ToLocalPoint(p.x, p.y, t);
  return local.x >= 0 && local.x <= w * world.scale.x && local.y >= 0 &&
         local.y <= h * world.scale.y;
}

void ExpectHitsMatchDrawing(const OS_TRANSFORM3& t, float w, float h) {
  const std::array<Vector2, 4> corners = DrawnCorners(t, w, h);
  const OS_TRANSFORM3 world = t.GetWorld();
  // The corners map onto the local rectangle's corners.
  const Vector2 expected[4] = {{0, 0},
                               {w * world.scale.x, 0},
                               {w * world.scale.x, h * world.scale.y},
                               {0, h * world.scale.y}};
  for (int i = 0; i < 4; ++i) {
    const Vector2 local = ToLocalPoint(corners[i].x, corners[i].y, t);
    EXPECT_NEAR(local.x, expected[i].x, 1e-2f) << "corner " << i;
    EXPECT_NEAR(local.y, expected[i].y, 1e-2f) << "corner " << i;
  }
  // A grid of points around the quad: inside exactly where it is drawn
  // (points within a hair of an edge are not judged).
  float minX = corners[0].x, maxX = minX, minY = corners[0].y, maxY = minY;
  for (const Vector2& c : corners) {
    minX = std::min(minX, c.x);
    maxX = std::max(maxX, c.x);
    minY = std::min(minY, c.y);
    maxY = std::max(maxY, c.y);
  }
  int inside = 0;
  for (int i = -5; i <= 45; ++i) {
    for (int j = -5; j <= 45; ++j) {
      const Vector2 p(minX + (maxX - minX) * i / 40.0f, minY + (maxY - minY) * j / 40.0f);
      const float margin = EdgeMargin(corners, p);
      if (std::abs(margin) < 0.05f) continue;
      EXPECT_EQ(HitByLocalPoint(t, w, h, p), margin > 0) << p.x << ", " << p.y;
      inside += margin > 0;
    }
  }
  EXPECT_GT(inside, 0);
}

TEST(Transform, HitAreaMatchesDrawnQuad) {
  OS_TRANSFORM3 plain;
  plain.SetPosition(200, 100, 0);
  ExpectHitsMatchDrawing(plain, 100, 40);

  OS_TRANSFORM3 centred = plain;
  centred.pivot.Set(50, 20, 0);  // anchor in the middle
  ExpectHitsMatchDrawing(centred, 100, 40);

  OS_TRANSFORM3 scaled = centred;
  scaled.SetScale(2, 2, 1);
  ExpectHitsMatchDrawing(scaled, 100, 40);

  OS_TRANSFORM3 stretched = plain;
  stretched.pivot.Set(10, 30, 0);
  stretched.SetScale(0.5f, 3, 1);
  ExpectHitsMatchDrawing(stretched, 100, 40);

  OS_TRANSFORM3 rotated = centred;
  rotated.SetAngle(0.5f);
  ExpectHitsMatchDrawing(rotated, 100, 40);

  OS_TRANSFORM3 rotatedScaled = stretched;
  rotatedScaled.SetAngle(-2.0f);
  ExpectHitsMatchDrawing(rotatedScaled, 100, 40);
}

TEST(Transform, HitAreaMatchesDrawnQuadUnderParents) {
  OS_TRANSFORM3 window;
  window.SetPosition(512, 384, 0);
  window.SetAngle(0.3f);
  window.SetScale(1.5f, 1.5f, 1);
  OS_TRANSFORM3 panel;
  panel.SetPosition(-100, 40, 0);
  panel.SetAngle(-0.8f);
  panel.parent = &window;
  OS_TRANSFORM3 button;
  button.SetPosition(30, 10, 0);
  button.pivot.Set(32, 16, 0);
  button.SetScale(2, 1, 1);
  button.parent = &panel;
  ExpectHitsMatchDrawing(panel, 200, 120);
  ExpectHitsMatchDrawing(button, 64, 32);
}

TEST(Transform, ScaledQuadCoversTwiceTheSize) {
  OS_TRANSFORM3 t;
  t.SetPosition(100, 100, 0);
  t.pivot.Set(50, 20, 0);
  // Scale 1: the quad spans x 50..150; scale 2: 0..200.
  EXPECT_FALSE(HitByLocalPoint(t, 100, 40, {20, 100}));
  EXPECT_TRUE(HitByLocalPoint(t, 100, 40, {60, 100}));
  t.SetScale(2, 2, 1);
  EXPECT_TRUE(HitByLocalPoint(t, 100, 40, {1, 100}));
  EXPECT_TRUE(HitByLocalPoint(t, 100, 40, {199, 100}));
  EXPECT_TRUE(HitByLocalPoint(t, 100, 40, {100, 61}));
  EXPECT_FALSE(HitByLocalPoint(t, 100, 40, {201, 100}));
  EXPECT_FALSE(HitByLocalPoint(t, 100, 40, {100, 141}));
  const Vector2 corner = ToLocalPoint(200, 140, t);
  EXPECT_NEAR(corner.x, 200, 1e-4f);
  EXPECT_NEAR(corner.y, 80, 1e-4f);
}

TEST(Transform, LerpOfWholeTransforms) {
  OS_TRANSFORM3 a;
  OS_TRANSFORM3 b;
  a.SetPosition(0, 0, 0);
  b.SetPosition(10, 20, 0);
  b.SetAngle(1.0f);
  OS_TRANSFORM3 parent;
  OS_TRANSFORM3 result;
  result.SetScale(3, 3, 3);
  result.parent = &parent;
  OS_TRANSFORM3::Lerp(result, a, b, 0.5f);
  EXPECT_EQ(result.position, Vector3(5, 10, 0));
  EXPECT_EQ(result.rotation.z, 0.5f);
  EXPECT_EQ(result.scale, Vector3(3, 3, 3));  // equal in a and b: left alone
  EXPECT_EQ(result.parent, &parent);
  OS_TRANSFORM3::Lerp(result, a, b, 1.5f);
  EXPECT_EQ(result.position, b.position);
  EXPECT_EQ(result.scale, Vector3(1, 1, 1));  // t >= 1 copies all of b
  OS_TRANSFORM3::Lerp(result, a, b, -1.0f);
  EXPECT_EQ(result.position, a.position);
  // The result may be one of the ends.
  OS_TRANSFORM3::Lerp(a, a, b, 0.25f);
  EXPECT_EQ(a.position, Vector3(2.5f, 5, 0));
}

}  // namespace
}  // namespace ORB
