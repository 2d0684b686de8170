// The drawable quad: corners, texture coordinates, anchors, sheet frames,
// colours, transforms and ownership, drawn through the recording device.
#include "engine/scene/mesh.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/foundation/renderer.h"
#include "engine/platform/fake_gpu_device.h"
#include "support/recording_renderer.h"

namespace ORB {
namespace {

class MeshTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    texture_ = renderer_->CreateBlank(256, 128);
    ASSERT_NE(texture_, nullptr);
  }

  static void ExpectCorners(const OC_MESH& mesh, float w, float h) {
    const float xs[4] = {0, w, w, 0};
    const float ys[4] = {0, 0, h, h};
    for (int i = 0; i < 4; ++i) {
      EXPECT_FLOAT_EQ(mesh.GetVertex(i)->x, xs[i]) << "corner " << i;
      EXPECT_FLOAT_EQ(mesh.GetVertex(i)->y, ys[i]) << "corner " << i;
    }
  }
  static void ExpectUVs(const OC_MESH& mesh, float u0, float v0, float u1, float v1) {
    const float us[4] = {u0, u1, u1, u0};
    const float vs[4] = {v0, v0, v1, v1};
    for (int i = 0; i < 4; ++i) {
      EXPECT_FLOAT_EQ(mesh.GetVertex(i)->u, us[i]) << "corner " << i;
      EXPECT_FLOAT_EQ(mesh.GetVertex(i)->v, vs[i]) << "corner " << i;
    }
  }

  TextureRecord* texture_ = nullptr;
};

TEST_F(MeshTest, DefaultQuad) {
  OC_MESH mesh;
  EXPECT_EQ(mesh.GetState(), 0x00002432u);
  EXPECT_EQ(mesh.GetTransform(), nullptr);
  EXPECT_EQ(mesh.VertexCount(), 4);
  EXPECT_EQ(mesh.IndexCount(), 6);
  EXPECT_EQ(mesh.Indices(), OC_MESH::kQuadIndices);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(mesh.GetVertexColor(i), 0u);
    EXPECT_EQ(mesh.GetVertex(i)->x, 0.0f);
  }
  EXPECT_EQ(mesh.GetVertex(4), nullptr);
  EXPECT_EQ(mesh.GetVertex(-1), nullptr);
  EXPECT_EQ(mesh.UMax(), 1.0f);

  // Without a transform it draws under the world matrix in force.
  renderer_->SetWorld(Matrix4::Translation(5, 6, 0));
  mesh.SetSize(2.0f, 2.0f);
  EXPECT_EQ(mesh.Draw(), kResultOk);
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_FLOAT_EQ(drawn[2].x, 7.0f);
  EXPECT_FLOAT_EQ(drawn[2].y, 8.0f);
}

TEST_F(MeshTest, FromTextureCornersUVsAndColours) {
  OC_MESH mesh(texture_, nullptr);
  ExpectCorners(mesh, 256, 128);
  ExpectUVs(mesh, 0, 0, 1, 1);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(mesh.GetVertexColor(i), 0xFFFFFFFFu);
  ASSERT_NE(mesh.GetTransform(), nullptr);
  EXPECT_TRUE(mesh.OwnsTransform());
  EXPECT_EQ(mesh.GetTexture(), texture_);

  OS_MESH_FRAME frame;
  EXPECT_EQ(mesh.SetFromFrameRecord(nullptr, nullptr), kResultBadArgument);
  EXPECT_EQ(mesh.SetFromFrameRecord(&frame, nullptr), kResultBadArgument);  // no texture
  OC_MESH empty(nullptr, nullptr);
  EXPECT_EQ(empty.GetTexture(), nullptr);
  EXPECT_EQ(empty.GetTransform(), nullptr);
}

TEST_F(MeshTest, FramesOfASheet) {
  OC_MESH mesh(texture_, nullptr);
  mesh.SetFrame(4, 2, 5, false);  // column 1, row 1
  ExpectUVs(mesh, 0.25f, 0.5f, 0.5f, 1.0f);
  mesh.SetFrame(4, 2, 0, true);
  ExpectUVs(mesh, 0.0f, 0.0f, 0.25f, 0.5f);
  ExpectCorners(mesh, 64, 64);
  // The device gets the cell's corners and coordinates.
  mesh.SetAnchor(8, 0, 0);
  mesh.SetPosition(100, 100, 0);
  ASSERT_EQ(mesh.Draw(), kResultOk);
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_FLOAT_EQ(drawn[0].x, 36.0f);
  EXPECT_FLOAT_EQ(drawn[0].y, 36.0f);
  EXPECT_FLOAT_EQ(drawn[2].x, 100.0f);
  EXPECT_FLOAT_EQ(drawn[2].u, 0.25f);
  EXPECT_FLOAT_EQ(drawn[2].v, 0.5f);
  EXPECT_EQ(drawn[1].colour, 0xFFFFFFFFu);

  // A sheet of no columns or rows reads as one cell; a negative index as 0.
  OC_MESH whole(texture_, nullptr);
  whole.SetFrame(0, 0, 0, true);
  ExpectUVs(whole, 0, 0, 1, 1);
  ExpectCorners(whole, 256, 128);
  whole.SetFrame(-2, 1, -7, false);
  ExpectUVs(whole, 0, 0, 1, 1);
}

TEST_F(MeshTest, UVRectangleAndRotatedFrames) {
  OC_MESH mesh;
  OS_MESH_FRAME frame = OS_MESH_FRAME::Whole(texture_);
  frame.left = 0.5f;
  frame.right = 1.0f;
  frame.top = 0.0f;
  frame.bottom = 0.5f;
  frame.width = 128.9f;
  frame.height = 64.0f;
  ASSERT_EQ(mesh.SetFromFrameRecord(&frame, nullptr), kResultOk);
  ExpectCorners(mesh, 128, 64);  // whole pixels
  ExpectUVs(mesh, 0.5f, 0.0f, 1.0f, 0.5f);
  mesh.SetUV(0.5f, 0.5f, 1.0f, 1.0f);  // fractions of the rectangle
  ExpectUVs(mesh, 0.75f, 0.25f, 1.0f, 0.5f);

  frame.rotated = 1;
  ASSERT_EQ(mesh.SetFromFrameRecord(&frame, nullptr), kResultOk);
  // Turned a quarter: corner 0 takes the rectangle's lower left.
  EXPECT_FLOAT_EQ(mesh.GetVertex(0)->u, 0.5f);
  EXPECT_FLOAT_EQ(mesh.GetVertex(0)->v, 0.5f);
  EXPECT_FLOAT_EQ(mesh.GetVertex(1)->u, 0.5f);
  EXPECT_FLOAT_EQ(mesh.GetVertex(1)->v, 0.0f);
  EXPECT_FLOAT_EQ(mesh.GetVertex(2)->u, 1.0f);
  EXPECT_FLOAT_EQ(mesh.GetVertex(2)->v, 0.0f);
  EXPECT_FLOAT_EQ(mesh.GetVertex(3)->u, 1.0f);
  EXPECT_FLOAT_EQ(mesh.GetVertex(3)->v, 0.5f);
}

TEST_F(MeshTest, PixelAndFittedCoordinates) {
  OC_MESH mesh(texture_, nullptr);
  mesh.SetUVPixels(64, 32, 128, 128);
  ExpectUVs(mesh, 0.25f, 0.25f, 0.5f, 1.0f);
  mesh.SetSize(128.0f, 64.0f);
  mesh.FitUVToSize();
  ExpectUVs(mesh, 0, 0, 0.5f, 0.5f);
  mesh.SetSizeInUV(1.0f, 0.5f);
  ExpectCorners(mesh, 256, 64);
  mesh.InsetUV(0.0f);
  EXPECT_FLOAT_EQ(mesh.GetVertex(0)->u, 0.01f);
  EXPECT_FLOAT_EQ(mesh.GetVertex(2)->v, 0.49f);

  // Without a texture these have nothing to measure by and change nothing.
  OC_MESH bare;
  bare.SetSize(10.0f, 10.0f);
  bare.SetUVPixels(1, 1, 2, 2);
  bare.FitUVToSize();
  bare.FitUVToSizeInRect();
  ExpectUVs(bare, 0, 0, 0, 0);
}

TEST_F(MeshTest, AnchorsAndTransformSetters) {
  OC_MESH mesh(texture_, nullptr);
  mesh.SetSize(100.0f, 40.0f);
  const float expected[9][2] = {{0, 0},    {50, 0}, {100, 0}, {0, 20},  {50, 20},
                                {100, 20}, {0, 40}, {50, 40}, {100, 40}};
  for (int a = 0; a < 9; ++a) {
    mesh.SetAnchor(a, 1.0f, 2.0f);
    EXPECT_FLOAT_EQ(mesh.GetTransform()->pivot.x, expected[a][0] + 1.0f) << a;
    EXPECT_FLOAT_EQ(mesh.GetTransform()->pivot.y, expected[a][1] + 2.0f) << a;
  }
  mesh.SetAnchor(4, 0, 0);
  mesh.SetAnchor(9, 7, 7);
  mesh.SetAnchor(-1, 7, 7);
  EXPECT_EQ(mesh.GetTransform()->pivot, Vector3(50, 20, 0));

  mesh.SetScale(2.0f, 0.0f, 1.0f);
  EXPECT_EQ(mesh.GetTransform()->scale, Vector3(2, 2, 1));

  // A quad without a transform gets one when it needs one.
  OC_MESH bare;
  bare.SetAnchor(4, 0, 0);
  bare.SetPosition(1, 2, 3);
  ASSERT_NE(bare.GetTransform(), nullptr);
  EXPECT_TRUE(bare.OwnsTransform());
  EXPECT_EQ(bare.GetTransform()->position, Vector3(1, 2, 3));
}

TEST_F(MeshTest, DrawPlacesTheCornersByTheWorldTransform) {
  OC_MESH mesh(texture_, nullptr);
  mesh.SetSize(100.0f, 40.0f);
  mesh.SetAnchor(4, 0, 0);
  OS_TRANSFORM3 parent;
  parent.position.Set(1000, 0, 0);
  mesh.GetTransform()->parent = &parent;
  mesh.SetPosition(10, 20, 0);
  ASSERT_EQ(mesh.Draw(), kResultOk);
  auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_FLOAT_EQ(drawn[0].x, 1000 + 10 - 50);
  EXPECT_FLOAT_EQ(drawn[0].y, 20 - 20);
  EXPECT_FLOAT_EQ(drawn[2].x, 1000 + 10 + 50);
  EXPECT_FLOAT_EQ(drawn[2].y, 20 + 20);

  // DrawTransformed ignores the parents.
  fake_->ClearLog();
  ASSERT_EQ(mesh.DrawTransformed(), kResultOk);
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_FLOAT_EQ(drawn[0].x, 10 - 50);
}

TEST_F(MeshTest, DrawAtRestoresTheTransform) {
  OC_MESH mesh(texture_, nullptr);
  mesh.SetSize(10.0f, 10.0f);
  OS_TRANSFORM3& t = *mesh.GetTransform();
  t.position.Set(3, 4, 5);
  t.rotation.Set(0.1f, 0.2f, 0.3f);
  t.scale.Set(2, 3, 4);
  ASSERT_EQ(mesh.DrawAt(100, 200, 0.0f, 1.0f, 1.0f), kResultOk);
  const auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_FLOAT_EQ(drawn[0].x, 100.0f);
  EXPECT_FLOAT_EQ(drawn[2].y, 210.0f);
  EXPECT_EQ(t.position, Vector3(3, 4, 0));
  EXPECT_EQ(t.rotation, Vector3(0.1f, 0.2f, 0.3f));
  EXPECT_EQ(t.scale, Vector3(2, 3, 1));
}

TEST_F(MeshTest, DrawRegionAndDrawQuad) {
  OC_MESH mesh(texture_, nullptr);
  ASSERT_EQ(mesh.DrawRegion(50, 60, 0.0f, 0.0f, 0.5f, 0.5f, 20, 30), kResultOk);
  auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_FLOAT_EQ(drawn[0].x, 50.0f);
  EXPECT_FLOAT_EQ(drawn[2].x, 70.0f);
  EXPECT_FLOAT_EQ(drawn[2].y, 90.0f);
  EXPECT_FLOAT_EQ(drawn[2].u, 0.5f);

  fake_->ClearLog();
  mesh.GetTransform()->position.Set(0, 0, 0);
  mesh.GetTransform()->pivot.Set(0, 0, 0);
  ASSERT_EQ(mesh.DrawQuad({0, 0, 0, 0, 0xFF000001u}, {8, 0, 1, 0, 0xFF000002u},
                          {8, 8, 1, 1, 0xFF000003u}, {0, 8, 0, 1, 0xFF000004u}),
            1);
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[3].colour, 0xFF000004u);
  EXPECT_FLOAT_EQ(drawn[1].x, 8.0f);
}

TEST_F(MeshTest, ReleasedTextureDrawsTheDefault) {
  OC_MESH mesh(texture_, nullptr);
  mesh.SetTexture(nullptr);
  EXPECT_EQ(mesh.GetState() & RenderState::kTextured, 0u);
  mesh.SetTexture(texture_);
  EXPECT_NE(mesh.GetState() & RenderState::kTextured, 0u);

  OC_MESH shown(nullptr, nullptr);
  shown.SetSize(4.0f, 4.0f);
  ASSERT_EQ(shown.Draw(), kResultOk);
  renderer_->Flush();
  ASSERT_FALSE(fake_->Draws().empty());
  EXPECT_EQ(fake_->Draws().back().texture, renderer_->GetDefaultTexture()->handle);
}

TEST_F(MeshTest, Colours) {
  OC_MESH mesh(texture_, nullptr);
  mesh.SetVertexColor(0x80102030u);
  mesh.SetVertexColorAt(0x11111111u, 2);
  mesh.SetVertexColorAt(0x22222222u, 9);  // no such vertex
  EXPECT_EQ(mesh.GetVertexColor(2), 0x11111111u);
  EXPECT_EQ(mesh.GetFirstColour(), 0x80102030u);
  mesh.SetCornerColours(1, 2, 3, 4);
  EXPECT_EQ(mesh.GetVertexColor(3), 4u);

  const struct {
    float alpha;
    uint32_t word;
  } cases[] = {{0.5f, 0x7F102030u}, {1.0f, 0xFF102030u},  {7.0f, 0xFF102030u},
               {0.0f, 0x00102030u}, {-0.5f, 0x00102030u}, {-1e30f, 0x00102030u}};
  for (const auto& c : cases) {
    mesh.SetVertexColor(0x80102030u);
    mesh.SetAlpha(c.alpha);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(mesh.GetVertexColor(i), c.word) << c.alpha;
  }
}

TEST_F(MeshTest, FilterAndAddressing) {
  OC_MESH mesh(texture_, nullptr);
  EXPECT_FALSE(mesh.UpdateFilter());
  EXPECT_EQ(RenderState(mesh.GetState()).Filter(), 0u);
  mesh.SetAngle(0.5f);
  EXPECT_TRUE(mesh.UpdateFilter());
  EXPECT_EQ(RenderState(mesh.GetState()).Filter(), 3u);
  mesh.SetAddressMode(7);
  EXPECT_EQ(RenderState(mesh.GetState()).Addressing(), 3u);
}

TEST_F(MeshTest, CopiesOwnTheirTransformsAndArraysOnce) {
  OC_MESH original(texture_, nullptr);
  original.SetSize(30.0f, 20.0f);
  original.SetFrame(2, 2, 3, false);
  original.SetVertexColor(0x12345678u);
  original.GetTransform()->position.Set(5, 6, 7);

  OC_MESH copy(original);
  EXPECT_NE(copy.GetTransform(), original.GetTransform());
  EXPECT_TRUE(copy.OwnsTransform());
  EXPECT_EQ(copy.GetTransform()->position, Vector3(5, 6, 7));
  ExpectCorners(copy, 30, 20);
  ExpectUVs(copy, 0.5f, 0.5f, 1.0f, 1.0f);  // shows what the original shows
  EXPECT_EQ(copy.GetVertexColor(0), 0xFFFFFFFFu);
  EXPECT_NE(copy.GetVertex(0), original.GetVertex(0));

  OS_TRANSFORM3 shared;
  OC_MESH sharing(texture_, &shared);
  EXPECT_FALSE(sharing.OwnsTransform());
  OC_MESH shared_copy(sharing);
  EXPECT_EQ(shared_copy.GetTransform(), &shared);
  EXPECT_FALSE(shared_copy.OwnsTransform());

  // Assignment, also to itself and through chains, frees each thing once.
  copy = sharing;
  EXPECT_EQ(copy.GetTransform(), &shared);
  copy = original;
  EXPECT_TRUE(copy.OwnsTransform());
  OC_MESH& self = copy;
  copy = self;
  EXPECT_EQ(copy.GetTransform()->position, Vector3(5, 6, 7));
  std::vector<OC_MESH> many(3, original);
  many.push_back(many.front());
  for (const auto& m : many) EXPECT_NE(m.GetTransform(), original.GetTransform());
}

TEST_F(MeshTest, TransformOwnership) {
  OC_MESH mesh;
  mesh.SetTransform(nullptr);
  OS_TRANSFORM3* made = mesh.GetTransform();
  ASSERT_NE(made, nullptr);
  OS_TRANSFORM3 outside;
  EXPECT_EQ(mesh.ReplaceTransform(nullptr), nullptr);
  EXPECT_EQ(mesh.ReplaceTransform(&outside), made);
  made->position.x = 1.0f;  // still alive while the quad lives
  EXPECT_FALSE(mesh.OwnsTransform());
  EXPECT_EQ(mesh.ShareTransform(made), &outside);
  mesh.SetTransform(&outside);
  EXPECT_EQ(mesh.GetTransform(), &outside);
  mesh.SetTransform(nullptr);
  EXPECT_TRUE(mesh.OwnsTransform());
}

TEST_F(MeshTest, VertexArrayOperations) {
  OC_MESH mesh;
  mesh.AllocateVertices(3);
  EXPECT_EQ(mesh.VertexCount(), 3);
  EXPECT_EQ(mesh.GetVertexColor(2), 0xFFFFFFFFu);
  mesh.AllocateVertices(5);  // the first array is freed, not leaked
  EXPECT_EQ(mesh.VertexCount(), 5);
  // Fewer than four corners: quad operations do nothing.
  mesh.AllocateVertices(2);
  mesh.SetSize(5.0f, 5.0f);
  mesh.SetUV(0, 0, 1, 1);
  mesh.SetFrame(2, 2, 1, true);
  EXPECT_EQ(mesh.GetWidth(), 0.0f);

  MeshVertex v[4];
  v[0].x = 1;
  v[3].x = 9;
  uint16_t idx[3] = {0, 1, 2};
  OC_MESH other;
  other.Set(v, 4, idx, 3);
  mesh.CopyFrom(other);
  EXPECT_EQ(mesh.VertexCount(), 4);
  EXPECT_EQ(mesh.IndexCount(), 3);
  EXPECT_NE(mesh.GetVertex(0), &v[0]);
  EXPECT_NE(mesh.Indices(), idx);
  EXPECT_EQ(mesh.CopyFirstToLast()->x, 1.0f);
  EXPECT_EQ(v[3].x, 9.0f);

  mesh.Translate(1, 2, 3);
  EXPECT_EQ(mesh.GetVertex(0)->x, 2.0f);
  mesh.ScaleAbout(2, 0, 0, 3, 1, 1);
  EXPECT_EQ(mesh.GetVertex(0)->x, 2.0f);
  EXPECT_EQ(mesh.GetVertex(1)->x, -1.0f);
  mesh.OffsetUV(0.5f, 0.25f);
  EXPECT_EQ(mesh.GetVertex(1)->u, 0.5f);
  mesh.ScaleUV(0, 0, 2, 2);
  EXPECT_EQ(mesh.GetVertex(1)->v, 0.5f);

  OC_MESH turned;
  turned.SetSize(1.0f, 0.0f);
  turned.Rotate(0, 0, 3.14159265f / 2);
  EXPECT_NEAR(turned.GetVertex(1)->x, 0.0f, 1e-6f);
  EXPECT_NEAR(turned.GetVertex(1)->y, 1.0f, 1e-6f);
  turned.SetVertexUVs(1, 0, 1, 0);
  turned.RotateUV(3.14159265f, 0.5f, 0.0f);
  EXPECT_NEAR(turned.GetVertex(0)->u, 0.0f, 1e-6f);

  // A cleared quad draws nothing and refuses a texture.
  mesh.Clear();
  EXPECT_TRUE(mesh.IsEmpty());
  EXPECT_EQ(mesh.SetTexture(texture_), kResultFailed);
  EXPECT_EQ(mesh.GetTexture(), nullptr);
  EXPECT_EQ(mesh.DrawRaw(), kResultFailed);
  EXPECT_EQ(mesh.CopyFirstToLast(), nullptr);
  mesh.SetAlpha(0.5f);
  mesh.SetAnchor(4, 0, 0);
}

TEST(MeshWithoutRendererTest, DrawingDoesNothing) {
  ASSERT_EQ(Renderer::Current(), nullptr);
  OC_MESH mesh;
  EXPECT_EQ(mesh.Draw(), kResultFailed);
  EXPECT_EQ(mesh.DrawAt(0, 0, 0, 1, 1), kResultFailed);
}

}  // namespace
}  // namespace ORB
