// Hit shapes against what is drawn: a rectangle on a transform covers exactly
// the quad of its size drawn with that transform (read back from the
// recording device), whatever the pivot, turn, scale and parents; a circle
// keeps its strict square and unscaled radius.
#include "engine/gui/hit_shape.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "engine/scene/mesh.h"
#include "support/recording_renderer.h"

namespace ORB {
namespace {

constexpr float kDegree = std::numbers::pi_v<float> / 180.0f;

struct Placement {
  const char* name;
  OS_TRANSFORM3 transform;
  OS_TRANSFORM3 parent;
  bool has_parent = false;
  float w = 40.0f;
  float h = 20.0f;
  bool axis_aligned = true;  // corners lie exactly on the edges
};

OS_TRANSFORM3 Make(float x, float y, float pivot_x, float pivot_y, float degrees, float sx,
                   float sy) {
  OS_TRANSFORM3 t;
  t.SetPosition(x, y, 0.0f);
  t.pivot.Set(pivot_x, pivot_y, 0.0f);
  t.SetAngle(degrees * kDegree);
  t.SetScale(sx, sy, 1.0f);
  return t;
}

class HitShapeTest : public test_support::RecordingRendererTest {
 protected:
  // The four corners of a w x h quad drawn with the transform.
  std::array<Vector2, 4> DrawnCorners(OS_TRANSFORM3* transform, float w, float h) {
    OC_MESH quad(texture_, transform);
    quad.SetSize(w, h);
    EXPECT_EQ(renderer_->BeginFrame(), kResultOk);
    fake_->ClearLog();
    quad.Draw();
    const auto drawn = Drawn();
    renderer_->EndFrame();
    std::array<Vector2, 4> corners;
    EXPECT_EQ(drawn.size(), 4u);
    for (size_t i = 0; i < 4 && i < drawn.size(); ++i) corners[i] = {drawn[i].x, drawn[i].y};
    return corners;
  }

  TextureRecord* texture_ = nullptr;
};

TEST_F(HitShapeTest, ARectangleCoversExactlyItsDrawnQuad) {
  texture_ = renderer_->CreateBlank(8, 8);
  Placement placements[] = {
      {"plain", Make(100, 50, 0, 0, 0, 1, 1), {}},
      {"scaled by 2", Make(100, 50, 20, 10, 0, 2, 2), {}},
      {"turned 30 degrees", Make(200, 200, 20, 10, 30, 1, 1), {}, false, 40, 20, false},
      {"pivot at the far corner", Make(300, 100, 40, 20, 0, 1, 1), {}},
      {"centred square turned 45 degrees",
       Make(400, 300, 15, 15, 45, 1, 1),
       {},
       false,
       30,
       30,
       false},
      {"under a scaled and turned parent", Make(10, 20, 20, 10, 15, 1, 1),
       Make(500, 400, 5, 5, -60, 2, 1.5f), true, 40, 20, false},
      {"mirrored", Make(600, 100, 0, 0, 0, -1, 1), {}},
  };
  for (Placement& p : placements) {
    if (p.has_parent) p.transform.parent = &p.parent;
    OC_HIT_SHAPE shape;
    shape.Set(OC_HIT_SHAPE::kRectangle, &p.transform, p.w, p.h, 0.0f, 0);
    const std::array<Vector2, 4> corners = DrawnCorners(&p.transform, p.w, p.h);
    Vector2 centre;
    for (const Vector2& c : corners) centre = {centre.x + c.x / 4, centre.y + c.y / 4};
    EXPECT_TRUE(shape.Contains(centre.x, centre.y)) << p.name;
    for (size_t i = 0; i < 4; ++i) {
      const Vector2 c = corners[i];
      const Vector2 next = corners[(i + 1) % 4];
      const Vector2 edge_middle{(c.x + next.x) / 2, (c.y + next.y) / 2};
      // A little towards the centre is inside, a little away is outside.
      for (const Vector2 at : {c, edge_middle}) {
        const float dx = centre.x - at.x;
        const float dy = centre.y - at.y;
        const std::string where = std::string(p.name) + " near corner " + std::to_string(i);
        EXPECT_TRUE(shape.Contains(at.x + dx * 0.01f, at.y + dy * 0.01f)) << where;
        EXPECT_FALSE(shape.Contains(at.x - dx * 0.01f, at.y - dy * 0.01f)) << where;
        if (p.axis_aligned) {
          EXPECT_TRUE(shape.Contains(at.x, at.y)) << where << ": on the edge";
        }
      }
    }
  }
}

TEST(HitShape, CircleEdgesAndShapesThatContainNothing) {
  OS_TRANSFORM3 t;
  t.SetPosition(100.0f, 100.0f, 0.0f);
  OC_HIT_SHAPE circle;
  circle.Set(OC_HIT_SHAPE::kCircle, &t, 10.0f, 0.0f, 0.0f, 0);
  struct Case {
    float x, y;
    bool inside;
  };
  const Case cases[] = {
      {100, 100, true},    {110, 100, false},  // the square around it is strict
      {109.9f, 100, true}, {107, 107, true},   // 9.9 from the centre
      {108, 108, false},   {90, 100, false},  {100, 90.5f, true},
  };
  for (const Case& c : cases) EXPECT_EQ(circle.Contains(c.x, c.y), c.inside) << c.x << ", " << c.y;
  t.SetScale(2.0f, 2.0f, 1.0f);
  EXPECT_FALSE(circle.Contains(112.0f, 100.0f)) << "the radius is not scaled";
  EXPECT_EQ(circle.GetRadius(), 10.0f);

  OC_HIT_SHAPE none;
  EXPECT_FALSE(none.Contains(0.0f, 0.0f));
  OC_HIT_SHAPE unplaced;
  unplaced.Set(OC_HIT_SHAPE::kRectangle, nullptr, 10.0f, 10.0f, 0.0f, 0);
  EXPECT_FALSE(unplaced.Contains(5.0f, 5.0f)) << "a kind but no transform";
  OC_HIT_SHAPE odd;
  odd.Set(3, &t, 1000.0f, 1000.0f, 0.0f, 0);
  EXPECT_FALSE(odd.Contains(100.0f, 100.0f));
  circle.Clear();
  EXPECT_EQ(circle.GetKind(), OC_HIT_SHAPE::kNone);
  EXPECT_EQ(circle.GetTransform(), nullptr);
}

}  // namespace
}  // namespace ORB
