// The renderer's frame, batching and state rules against the recording device.
#include "engine/foundation/renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/transform.h"
#include "engine/platform/fake_gpu_device.h"
#include "support/quad.h"
#include "support/recording_renderer.h"
#include "support/source_path.h"

namespace ORB {
namespace {

using platform::FakeGpuDevice;
using platform::Primitive;
using test_support::kQuadIndices;
using test_support::Quad;

class RendererTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    texture_a_ = renderer_->CreateBlank(8, 8);
    texture_b_ = renderer_->CreateBlank(8, 8);
    ASSERT_NE(texture_a_, nullptr);
    ASSERT_NE(texture_b_, nullptr);
    fake_->ClearLog();
  }

  int32_t Draw(const Quad& quad, TextureRecord* texture, RenderState state = RenderState::kMeshDefault) {
    return renderer_->DrawMesh(quad.v, texture, state, 4, kQuadIndices, 6);
  }

  // The calls of one kind ("SetBlend", "DrawMesh", ...), in order.
  std::vector<std::string> CallsOf(const std::string& kind) const {
    std::vector<std::string> out;
    for (const auto& call : fake_->Calls()) {
      if (call.rfind(kind, 0) == 0) out.push_back(call);
    }
    return out;
  }

  TextureRecord* texture_a_ = nullptr;
  TextureRecord* texture_b_ = nullptr;
};

TEST_F(RendererTest, EqualStateAndTextureShareOneDrawCall) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  EXPECT_EQ(Draw(Quad(0, 0, 10, 10), texture_a_), kResultOk);
  EXPECT_EQ(Draw(Quad(20, 0, 10, 10), texture_a_), kResultOk);
  EXPECT_EQ(fake_->Draws().size(), 0u);  // still batched
  EXPECT_EQ(Draw(Quad(40, 0, 10, 10), texture_b_), kResultOk);
  ASSERT_EQ(fake_->Draws().size(), 1u);  // another texture flushed the first two
  EXPECT_EQ(fake_->Draws()[0].vertex_count, 8);
  EXPECT_EQ(fake_->Draws()[0].index_count, 12);
  EXPECT_EQ(fake_->Draws()[0].texture, texture_a_->handle);
  // The second quad's indices are raised past the first quad's vertices.
  const std::vector<uint16_t> indices = {0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7};
  EXPECT_EQ(fake_->Draws()[0].indices, indices);
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
  ASSERT_EQ(fake_->Draws().size(), 2u);
  EXPECT_EQ(fake_->Draws()[1].vertex_count, 4);
  EXPECT_EQ(fake_->Draws()[1].texture, texture_b_->handle);
  EXPECT_EQ(renderer_->GetCounters().meshes, 3);
  EXPECT_EQ(renderer_->GetCounters().draw_calls, 2);
  EXPECT_EQ(fake_->PresentCount(), 1);
}

TEST_F(RendererTest, FlushesAtTheVertexCapacity) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  for (int i = 0; i < 2048; ++i) ASSERT_EQ(Draw(Quad(0, 0, 1, kResultOk), texture_a_), 1);
  EXPECT_EQ(fake_->Draws().size(), 0u);
  ASSERT_EQ(Draw(Quad(0, 0, 1, kResultOk), texture_a_), 1);  // the 2049th
  ASSERT_EQ(fake_->Draws().size(), 1u);
  EXPECT_EQ(fake_->Draws()[0].vertex_count, 8192);
  EXPECT_EQ(fake_->Draws()[0].index_count, 12288);
  EXPECT_EQ(fake_->Draws()[0].indices.back(), 8191);
  renderer_->EndFrame();
  ASSERT_EQ(fake_->Draws().size(), 2u);
  EXPECT_EQ(fake_->Draws()[1].vertex_count, 4);
  EXPECT_EQ(fake_->Draws()[1].indices, std::vector<uint16_t>(kQuadIndices, kQuadIndices + 6));
}

TEST_F(RendererTest, FlushesAtTheIndexCapacityAndRefusesMeshesLargerThanTheBatch) {
  // Three vertices drawn with 3000 indices: the index buffer fills first.
  std::vector<MeshVertex> triangle(3);
  std::vector<uint16_t> indices(3000);
  for (size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<uint16_t>(i % 3);
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  for (int i = 0; i < 8; ++i) {
    ASSERT_EQ(renderer_->DrawMesh(triangle.data(), texture_a_, RenderState::kMeshDefault, 3,
                                  indices.data(), 3000),
              1);
  }
  EXPECT_EQ(fake_->Draws().size(), 0u);  // 24000 of 24570 indices
  ASSERT_EQ(renderer_->DrawMesh(triangle.data(), texture_a_, RenderState::kMeshDefault, 3,
                                indices.data(), 3000),
            1);
  ASSERT_EQ(fake_->Draws().size(), 1u);
  EXPECT_EQ(fake_->Draws()[0].index_count, 24000);
  EXPECT_EQ(fake_->Draws()[0].vertex_count, 24);

  // Too large for any batch: refused, and what is batched stays.
  std::vector<MeshVertex> many(Renderer::kVertexCapacity + 1);
  EXPECT_EQ(renderer_->DrawMesh(many.data(), texture_a_, RenderState::kMeshDefault,
                                Renderer::kVertexCapacity + 1, nullptr, 0),
            -1);
  std::vector<uint16_t> too_many(Renderer::kIndexCapacity + 1, 0);
  EXPECT_EQ(renderer_->DrawMesh(triangle.data(), texture_a_, RenderState::kMeshDefault, 3,
                                too_many.data(), Renderer::kIndexCapacity + 1),
            -1);
  // An index past the mesh's own vertices would read another mesh's.
  const uint16_t past_end[3] = {0, 1, 3};
  EXPECT_EQ(renderer_->DrawMesh(triangle.data(), texture_a_, RenderState::kMeshDefault, 3,
                                past_end, 3),
            -1);
  EXPECT_EQ(fake_->Draws().size(), 1u);
  // Exactly the capacity fits.
  EXPECT_EQ(renderer_->DrawMesh(many.data(), texture_a_, RenderState::kMeshDefault,
                                Renderer::kVertexCapacity, nullptr, 0),
            1);
  renderer_->EndFrame();
  ASSERT_EQ(fake_->Draws().size(), 3u);
  EXPECT_EQ(fake_->Draws()[1].index_count, 3000);
  EXPECT_EQ(fake_->Draws()[2].vertex_count, Renderer::kVertexCapacity);
  EXPECT_EQ(fake_->Draws()[2].index_count, 0);
}

TEST_F(RendererTest, AntialiasingBitAloneDoesNotFlush) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  Draw(Quad(0, 0, 1, 1), texture_a_, RenderState::kMeshDefault);
  Draw(Quad(0, 0, 1, 1), texture_a_, RenderState::kMeshDefault | RenderState::kAntialias);
  EXPECT_EQ(fake_->Draws().size(), 0u);
  // Any of bits 0 to 17 does.
  Draw(Quad(0, 0, 1, 1), texture_a_, RenderState::kMeshDefault | RenderState::kDepthTest);
  EXPECT_EQ(fake_->Draws().size(), 1u);
  EXPECT_EQ(fake_->Draws()[0].vertex_count, 8);
  renderer_->EndFrame();
  EXPECT_TRUE(RenderState(0x2432u) == RenderState(0x2432u | (1u << 18)));
  EXPECT_FALSE(RenderState(0x2432u) == RenderState(0x2432u | (1u << 17)));
  EXPECT_TRUE(RenderState(0x2432u) == RenderState(0x2432u | (1u << 31)));
}

TEST_F(RendererTest, BlendingComesBackWhenTheOverrideIsCleared) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  // The device starts blending.
  EXPECT_TRUE(fake_->Current().blend);
  Draw(Quad(0, 0, 1, 1), texture_a_, RenderState::kMeshDefault | RenderState::kNoBlend);
  EXPECT_FALSE(fake_->Current().blend);
  // Same bit 1, override off: blending must be on again.
  Draw(Quad(0, 0, 1, 1), texture_a_, RenderState::kMeshDefault);
  EXPECT_TRUE(fake_->Current().blend);
  // Bit 1 off: off; bit 1 and the override both off, then bit 1 back on: on.
  Draw(Quad(0, 0, 1, 1), texture_a_, RenderState::kMeshDefault & ~RenderState::kBlend);
  EXPECT_FALSE(fake_->Current().blend);
  Draw(Quad(0, 0, 1, 1), texture_a_, RenderState::kMeshDefault | RenderState::kAdditive);
  EXPECT_TRUE(fake_->Current().blend);
  EXPECT_TRUE(fake_->Current().additive);
  renderer_->EndFrame();
  // The blend switch is sent only when the effective blend changes.
  const std::vector<std::string> expected = {"SetBlend 0", "SetBlend 1", "SetBlend 0", "SetBlend 1"};
  EXPECT_EQ(CallsOf("SetBlend"), expected);
}

TEST_F(RendererTest, StateBitsMapOntoDeviceSwitches) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  RenderState state(RenderState::kMeshDefault);
  state.SetFilter(2);
  state.SetAddressing(1);
  Draw(Quad(0, 0, 1, 1), texture_a_, state);
  EXPECT_EQ(fake_->Current().filter, platform::Filter::Linear);
  EXPECT_TRUE(fake_->Current().wrap_u);
  EXPECT_FALSE(fake_->Current().wrap_v);
  state.SetFilter(3);
  state.SetAddressing(2);
  state.SetFlag(RenderState::kDepthTest, true);
  state.SetFlag(RenderState::kAntialias, true);
  Draw(Quad(0, 0, 1, 1), texture_a_, state);
  EXPECT_EQ(fake_->Current().filter, platform::Filter::Anisotropic);
  EXPECT_FALSE(fake_->Current().wrap_u);
  EXPECT_TRUE(fake_->Current().wrap_v);
  EXPECT_TRUE(fake_->Current().depth_test);
  EXPECT_TRUE(fake_->Current().antialias);
  state.SetFilter(9);  // names no filter: leaves it
  state.SetAddressing(3);
  Draw(Quad(0, 0, 1, 1), texture_a_, state);
  EXPECT_EQ(fake_->Current().filter, platform::Filter::Anisotropic);
  EXPECT_TRUE(fake_->Current().wrap_u && fake_->Current().wrap_v);
  state.SetFilter(1);
  Draw(Quad(0, 0, 1, 1), texture_a_, state);
  EXPECT_EQ(fake_->Current().filter, platform::Filter::Point);
  renderer_->EndFrame();
  EXPECT_EQ(renderer_->GetCounters().state_changes, 4);
}

TEST_F(RendererTest, PrimitiveFieldChoosesTheDrawnPrimitive) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  RenderState lines(0);
  lines.SetPrimitive(RenderState::kPrimitiveLines);
  MeshVertex line[2];
  line[1].x = 10;
  renderer_->DrawMesh(line, nullptr, lines, 2, nullptr, 0);
  RenderState bogus(0);
  bogus.SetPrimitive(6);
  renderer_->DrawMesh(line, nullptr, bogus, 2, nullptr, 0);
  renderer_->EndFrame();
  ASSERT_EQ(fake_->Draws().size(), 1u);  // the batch of an unknown primitive is dropped
  EXPECT_EQ(fake_->Draws()[0].primitive, Primitive::Lines);
  EXPECT_EQ(fake_->Draws()[0].index_count, 0);
}

TEST_F(RendererTest, UntexturedMeshesBatchTogetherAndBindNoTexture) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  const RenderState untextured = RenderState::kMeshDefault & ~RenderState::kTextured;
  Draw(Quad(0, 0, 1, 1), texture_a_, untextured);
  Draw(Quad(0, 0, 1, 1), nullptr, untextured);
  Draw(Quad(0, 0, 1, 1), texture_b_, untextured);
  Draw(Quad(0, 0, 1, 1), nullptr);  // textured with no texture: the default
  renderer_->EndFrame();
  ASSERT_EQ(fake_->Draws().size(), 2u);
  EXPECT_EQ(fake_->Draws()[0].texture, 0u);
  EXPECT_EQ(fake_->Draws()[0].vertex_count, 12);
  EXPECT_EQ(fake_->Draws()[1].texture, renderer_->GetDefaultTexture()->handle);
}

TEST_F(RendererTest, SquaresAreUntexturedUnblendedAndBatch) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  renderer_->SetWorld(Matrix4::Translation(500, 500, 0));
  renderer_->DrawSquare(10, 20, Colour(0xFFFF0000u), 5);
  EXPECT_EQ(renderer_->GetWorld(), Matrix4::Identity());
  renderer_->DrawSquare(30, 20, Colour(0xFF00FF00u), 5);
  renderer_->EndFrame();
  ASSERT_EQ(fake_->Draws().size(), 1u);
  const auto& draw = fake_->Draws()[0];
  EXPECT_EQ(draw.texture, 0u);
  EXPECT_EQ(draw.primitive, Primitive::Triangles);
  ASSERT_EQ(draw.vertices.size(), 8u);
  EXPECT_FLOAT_EQ(draw.vertices[0].x, 10);
  EXPECT_FLOAT_EQ(draw.vertices[0].y, 20);
  EXPECT_FLOAT_EQ(draw.vertices[2].x, 15);
  EXPECT_FLOAT_EQ(draw.vertices[2].y, 25);
  EXPECT_FLOAT_EQ(draw.vertices[0].z, 1);
  EXPECT_EQ(draw.vertices[0].colour, 0xFFFF0000u);
  EXPECT_EQ(draw.vertices[4].colour, 0xFF00FF00u);
  EXPECT_FALSE(fake_->Current().blend);
}

TEST_F(RendererTest, PositionsAreTransformedByTheDrawMatrixAsTheyAreBatched) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  renderer_->SetWorld(Matrix4::Translation(100, 50, 0));
  Draw(Quad(0, 0, 10, 10), texture_a_);
  OS_TRANSFORM3 transform;
  transform.SetPosition(200, 100, 0);
  transform.pivot.Set(5, 5, 0);
  transform.SetScale(2, 2, 1);
  renderer_->SetWorld(transform);
  Draw(Quad(0, 0, 10, 10), texture_a_);
  renderer_->EndFrame();
  ASSERT_EQ(fake_->Draws().size(), 1u);
  const auto& v = fake_->Draws()[0].vertices;
  ASSERT_EQ(v.size(), 8u);
  EXPECT_FLOAT_EQ(v[0].x, 100);
  EXPECT_FLOAT_EQ(v[0].y, 50);
  EXPECT_FLOAT_EQ(v[2].x, 110);
  EXPECT_FLOAT_EQ(v[2].y, 60);
  // (0 - 5) * 2 + 200 and (10 - 5) * 2 + 200.
  EXPECT_FLOAT_EQ(v[4].x, 190);
  EXPECT_FLOAT_EQ(v[4].y, 90);
  EXPECT_FLOAT_EQ(v[6].x, 210);
  EXPECT_FLOAT_EQ(v[6].y, 110);
  EXPECT_FLOAT_EQ(v[4].u, 0);
  EXPECT_FLOAT_EQ(v[6].u, 1);
}

TEST_F(RendererTest, TransformedMeshIsItsOwnDrawWithTheMatrixOnTheDevice) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  Draw(Quad(0, 0, 10, 10), texture_a_);
  renderer_->SetWorld(Matrix4::Translation(100, 0, 0));
  Quad quad(0, 0, 10, 10);
  EXPECT_EQ(renderer_->DrawMeshTransformed(quad.v, texture_a_, RenderState::kMeshDefault, 4,
                                           kQuadIndices, 6),
            1);
  ASSERT_EQ(fake_->Draws().size(), 2u);
  const Matrix4 base = renderer_->GetCamera().WorldViewProjection();
  const Matrix4 moved = Matrix4::Translation(100, 0, 0) * base;
  EXPECT_EQ(std::vector<float>(fake_->Draws()[0].transform, fake_->Draws()[0].transform + 16),
            std::vector<float>(base.m, base.m + 16));
  EXPECT_EQ(std::vector<float>(fake_->Draws()[1].transform, fake_->Draws()[1].transform + 16),
            std::vector<float>(moved.m, moved.m + 16));
  EXPECT_FLOAT_EQ(fake_->Draws()[1].vertices[1].x, 10);  // not moved on the CPU
  // Later batches draw under the camera alone again.
  Draw(Quad(0, 0, 10, 10), texture_a_);
  renderer_->EndFrame();
  ASSERT_EQ(fake_->Draws().size(), 3u);
  EXPECT_EQ(std::vector<float>(fake_->Draws()[2].transform, fake_->Draws()[2].transform + 16),
            std::vector<float>(base.m, base.m + 16));
}

struct TestParticle {
  PointVertex point;
  float remaining = 1.0f;
  TestParticle* next = nullptr;
};

TEST_F(RendererTest, PointsAreDrawnInChunksOf512) {
  std::vector<PointVertex> points(1100);
  for (size_t i = 0; i < points.size(); ++i) {
    points[i].x = static_cast<float>(i);
    points[i].size = 8.0f;
    points[i].colour = 0xFF00FF00u;
  }
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  Draw(Quad(0, 0, 1, 1), texture_a_);  // batched first, flushed before the points
  renderer_->SetWorld(Matrix4::Translation(0, 7, 0));
  EXPECT_EQ(renderer_->DrawPoints(points.data(), 1100, texture_b_, RenderState::kParticleDefault), kResultOk);
  ASSERT_EQ(fake_->Draws().size(), 4u);
  EXPECT_FALSE(fake_->Draws()[0].points);
  for (int i = 1; i < 4; ++i) {
    EXPECT_TRUE(fake_->Draws()[i].points);
    EXPECT_EQ(fake_->Draws()[i].primitive, Primitive::PointSprites);
    EXPECT_EQ(fake_->Draws()[i].texture, texture_b_->handle);
  }
  EXPECT_EQ(fake_->Draws()[1].vertex_count, 512);
  EXPECT_EQ(fake_->Draws()[2].vertex_count, 512);
  EXPECT_EQ(fake_->Draws()[3].vertex_count, 76);
  EXPECT_FLOAT_EQ(fake_->Draws()[2].point_data[0].x, 512);
  EXPECT_FLOAT_EQ(fake_->Draws()[2].point_data[0].y, 7);
  EXPECT_FLOAT_EQ(fake_->Draws()[2].point_data[0].size, 8);
  EXPECT_TRUE(fake_->Current().additive);

  // A linked list of particles, untextured state: no texture bound.
  TestParticle particles[3];
  for (int i = 0; i < 3; ++i) {
    particles[i].point.x = static_cast<float>(10 * i);
    if (i < 2) particles[i].next = &particles[i + 1];
  }
  RenderState untextured(RenderState::kParticleDefault & ~RenderState::kTextured);
  renderer_->SetWorld(Matrix4::Identity());
  EXPECT_EQ(renderer_->DrawPointList(&particles[0], texture_b_, untextured), 1);
  ASSERT_EQ(fake_->Draws().size(), 5u);
  EXPECT_EQ(fake_->Draws()[4].vertex_count, 3);
  EXPECT_EQ(fake_->Draws()[4].texture, 0u);
  EXPECT_FLOAT_EQ(fake_->Draws()[4].point_data[2].x, 20);
  renderer_->EndFrame();
  EXPECT_EQ(renderer_->GetCounters().draw_calls, 5);
}

TEST_F(RendererTest, ReleasingTheBatchedTextureDrawsTheBatchFirst) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  const platform::TextureHandle handle = texture_a_->handle;
  Draw(Quad(0, 0, 1, 1), texture_a_);
  EXPECT_EQ(renderer_->ReleaseTexture(texture_a_), kResultOk);
  ASSERT_EQ(fake_->Draws().size(), 1u);
  EXPECT_EQ(fake_->Draws()[0].texture, handle);
  EXPECT_FALSE(fake_->HasTexture(handle));
  EXPECT_EQ(renderer_->GetCurrentTexture(), nullptr);
  renderer_->EndFrame();
}

TEST_F(RendererTest, FramesBeginAndEndInTurn) {
  EXPECT_EQ(renderer_->EndFrame(), kResultFailed);  // without BeginFrame
  EXPECT_EQ(fake_->PresentCount(), 0);
  EXPECT_EQ(renderer_->BeginFrame(), kResultOk);
  EXPECT_EQ(renderer_->GetFrameState(), Renderer::kInFrame);
  EXPECT_EQ(renderer_->BeginFrame(), kResultFailed);  // already in a frame
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
  EXPECT_EQ(renderer_->EndFrame(), kResultFailed);
  EXPECT_EQ(fake_->PresentCount(), 1);
  EXPECT_EQ(fake_->LastClearColour(), 0xFF444444u);
  EXPECT_EQ(renderer_->GetCounters().draw_calls, 0);
  renderer_->SetClearColour(Colour(0xFF102030u));
  EXPECT_EQ(renderer_->BeginFrame(), kResultOk);
  EXPECT_EQ(fake_->LastClearColour(), 0xFF102030u);
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
}

TEST_F(RendererTest, TheRecordingDeviceHoldsABoundedWindowOfFrames) {
  // A run of hours (the soak) must not keep every draw: what is held stays
  // within two windows of frames, and always holds the last frame whole.
  constexpr size_t kWindow = FakeGpuDevice::kKeptFrames;
  constexpr int32_t kFrames = 10 * static_cast<int32_t>(kWindow);
  size_t first_frame_calls = 0;
  for (int32_t frame = 0; frame < kFrames; ++frame) {
    ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
    Draw(Quad(static_cast<float>(frame), 0, 10, 10), texture_a_);
    renderer_->EndFrame();
    if (frame == 0) first_frame_calls = fake_->Calls().size();
    ASSERT_LT(fake_->KeptFrames(), 2 * kWindow);
  }
  EXPECT_GE(fake_->KeptFrames(), kWindow);
  EXPECT_EQ(fake_->Draws().size(), fake_->KeptFrames()) << "one draw a frame";
  EXPECT_LE(fake_->Calls().size(), fake_->KeptFrames() * first_frame_calls);
  EXPECT_EQ(fake_->Draws().back().vertices[0].x, static_cast<float>(kFrames - 1));
  EXPECT_EQ(fake_->Calls().back(), "Present");
  EXPECT_EQ(fake_->PresentCount(), kFrames);
}

TEST_F(RendererTest, LostDeviceSkipsFramesAndAResetSkipsOne) {
  const int32_t resets = fake_->ResetCount();
  fake_->SetStatus(platform::DeviceStatus::Lost);
  EXPECT_EQ(renderer_->BeginFrame(), kResultFailed);
  EXPECT_EQ(renderer_->BeginFrame(), kResultFailed);
  EXPECT_FALSE(fake_->InScene());
  fake_->SetStatus(platform::DeviceStatus::NeedsReset);
  fake_->FailReset(true);
  EXPECT_EQ(renderer_->BeginFrame(), kResultDeviceReset);  // the reset failed: tried again next frame
  EXPECT_EQ(fake_->ResetCount(), resets);
  fake_->FailReset(false);
  EXPECT_EQ(renderer_->BeginFrame(), kResultDeviceReset);
  EXPECT_EQ(fake_->ResetCount(), resets + 1);
  EXPECT_EQ(renderer_->EndFrame(), kResultFailed);  // nothing began
  EXPECT_EQ(fake_->PresentCount(), 0);
  EXPECT_EQ(renderer_->BeginFrame(), kResultOk);
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
  EXPECT_EQ(fake_->PresentCount(), 1);
  // After the reset the pipeline is back in its starting state.
  EXPECT_TRUE(fake_->Current().blend);
  EXPECT_EQ(renderer_->GetCurrentState().bits, RenderState::kBlend | RenderState::k3D);
}

TEST_F(RendererTest, FailedSceneOrClearLeavesNoSceneOpen) {
  fake_->FailBeginScene(true);
  EXPECT_EQ(renderer_->BeginFrame(), kResultNone);
  EXPECT_EQ(renderer_->GetFrameState(), Renderer::kFrameEnded);
  fake_->FailBeginScene(false);
  fake_->FailClear(true);
  EXPECT_EQ(renderer_->BeginFrame(), kResultFailed);
  EXPECT_FALSE(fake_->InScene());
  EXPECT_EQ(renderer_->GetFrameState(), Renderer::kFrameEnded);
  fake_->FailClear(false);
  EXPECT_EQ(renderer_->BeginFrame(), kResultOk);  // would fail if the scene had been left open
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
}

TEST_F(RendererTest, DisplayModeChangesRebuildTheCamera) {
  EXPECT_EQ(renderer_->GetWidth(), 1024);
  EXPECT_EQ(renderer_->GetHeight(), 768);
  EXPECT_EQ(fake_->BackBufferWidth(), 1024);
  const int32_t resets = fake_->ResetCount();
  EXPECT_EQ(renderer_->SetDisplayMode(1024, 768, false, false), kResultOk);
  EXPECT_EQ(fake_->ResetCount(), resets);  // nothing changed
  EXPECT_EQ(renderer_->SetDisplayMode(800, 600, true, true), kResultOk);
  EXPECT_EQ(fake_->ResetCount(), resets + 1);
  EXPECT_EQ(fake_->BackBufferWidth(), 800);
  EXPECT_EQ(fake_->BackBufferHeight(), 600);
  EXPECT_TRUE(renderer_->IsFullscreen());
  EXPECT_TRUE(renderer_->UsesDesktopResolution());
  EXPECT_EQ(renderer_->GetWidth(), 800);
  EXPECT_EQ(renderer_->SetDisplayMode(0, 600, false, false), kResultBadArgument);
  // The camera follows: the far corner of the screen is the far corner of clip space.
  const Matrix4 m = renderer_->GetCamera().WorldViewProjection();
  const float w = 800 * m.m[3] + 600 * m.m[7] + m.m[15];
  EXPECT_NEAR((800 * m.m[0] + 600 * m.m[4] + m.m[12]) / w, 1.0f, 1e-5f);
  EXPECT_NEAR((800 * m.m[1] + 600 * m.m[5] + m.m[13]) / w, -1.0f, 1e-5f);
}

TEST(RendererWithoutDevice, AnswersFailureEverywhere) {
  Renderer renderer(nullptr);
  Quad quad(0, 0, 1, 1);
  PointVertex point;
  EXPECT_FALSE(renderer.HasDevice());
  EXPECT_EQ(renderer.Init(nullptr, 0.1f, 0.0f), kResultFailed);
  EXPECT_EQ(renderer.SetDisplayMode(640, 480, false, false), kResultBadArgument);
  EXPECT_EQ(renderer.RestoreDevice(), kResultFailed);
  EXPECT_EQ(renderer.BeginFrame(), kResultFailed);
  EXPECT_EQ(renderer.Clear(), kResultFailed);
  EXPECT_EQ(renderer.DrawMesh(quad.v, nullptr, RenderState::kMeshDefault, 4, kQuadIndices, 6), kResultBadArgument);
  EXPECT_EQ(renderer.DrawMeshTransformed(quad.v, nullptr, RenderState::kMeshDefault, 4,
                                         kQuadIndices, 6),
            -1);
  EXPECT_EQ(renderer.DrawPoints(&point, 1, nullptr, RenderState::kParticleDefault), kResultBadArgument);
  EXPECT_EQ(renderer.DrawSquare(0, 0, Colour(0xFFFFFFFFu), 4), kResultFailed);
  renderer.Flush();
  EXPECT_EQ(renderer.EndFrame(), kResultFailed);
  EXPECT_EQ(renderer.CreateBlank(16, 16), nullptr);
  const unsigned char bytes[4] = {1, 2, 3, 4};
  EXPECT_EQ(renderer.LoadFromMemory(bytes, sizeof(bytes)), nullptr);
  EXPECT_EQ(renderer.LoadFromFile(test_support::TestData("renderer/red_blue_32.png")), nullptr);
  EXPECT_EQ(renderer.GetDefaultTexture(), nullptr);
  EXPECT_EQ(renderer.ReleaseTexture(nullptr), kResultBadArgument);
  TextureRecord stranger;
  EXPECT_EQ(renderer.ReleaseTexture(&stranger), kResultBadArgument);
  EXPECT_EQ(renderer.LockTexture(&stranger), nullptr);
  EXPECT_FALSE(renderer.UnlockTexture(&stranger));
  EXPECT_FALSE(renderer.CopyToTexture(&stranger, bytes));
}

TEST(RendererWithoutDevice, AFailedOpenLeavesARendererThatRefuses) {
  auto device = std::make_unique<FakeGpuDevice>();
  device->FailOpen(true);
  FakeGpuDevice* fake = device.get();
  Renderer renderer(std::move(device));
  EXPECT_EQ(renderer.Init(nullptr, 0.1f, 0.0f), kResultFailed);
  EXPECT_EQ(renderer.BeginFrame(), kResultFailed);
  Quad quad(0, 0, 1, 1);
  EXPECT_EQ(renderer.DrawMesh(quad.v, nullptr, RenderState::kMeshDefault, 4, kQuadIndices, 6), kResultBadArgument);
  EXPECT_EQ(renderer.EndFrame(), kResultFailed);
  EXPECT_EQ(fake->DrawCount(), 0);
  EXPECT_EQ(fake->PresentCount(), 0);
}

}  // namespace
}  // namespace ORB
