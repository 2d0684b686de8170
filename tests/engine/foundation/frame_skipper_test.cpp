// Unchanged frames left out, on the recording device: what reaches the device
// when a frame repeats the last one, when one quad moves by a pixel, and that
// every frame that does go out is drawn exactly as without skipping.
#include "engine/foundation/frame_skipper.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "engine/foundation/renderer.h"
#include "engine/foundation/result_codes.h"
#include "engine/platform/fake_gpu_device.h"
#include "support/quad.h"

namespace ORB {
namespace {

using platform::FakeGpuDevice;
using test_support::kQuadIndices;
using test_support::Quad;

constexpr uint32_t kTextured = RenderState::kMeshDefault;
constexpr uint32_t kAdditive = RenderState::kMeshDefault | RenderState::kAdditive;
constexpr uint32_t kUntextured = RenderState::kMeshDefault & ~RenderState::kTextured;

// A renderer on the recording device, skipping unchanged frames or not.
struct Rig {
  explicit Rig(bool skip) {
    auto device = std::make_unique<FakeGpuDevice>();
    fake = device.get();
    renderer = std::make_unique<Renderer>(std::move(device));
    if (skip) renderer->SkipUnchangedFrames();
    EXPECT_EQ(renderer->Init(nullptr, 0.1f, 0.0f), kResultOk);
    texture = renderer->CreateBlank(4, 4);
  }

  // A small scene: a row of quads, the one at `moved` shifted by `dx`, and
  // a second texture state part-way, so the pipeline changes inside a frame.
  // With `read` the batch is flushed half-way, as before reading pixels.
  void DrawScene(float dx = 0.0f, uint32_t clear = 0xFF444444u, bool read = false) {
    renderer->SetClearColour(Colour(clear));
    ASSERT_EQ(renderer->BeginFrame(), kResultOk);
    for (int i = 0; i < 8; ++i) {
      const Quad quad(10.0f * i + (i == 3 ? dx : 0.0f), 20, 8, 8);
      const RenderState state = i < 5 ? kTextured : kAdditive;
      ASSERT_EQ(
          renderer->DrawMesh(quad.v, i % 2 == 0 ? texture : nullptr, state, 4, kQuadIndices, 6),
          kResultOk);
      if (read && i == 4) renderer->Flush();
    }
    ASSERT_EQ(renderer->EndFrame(), kResultNone);
  }

  FakeGpuDevice* fake = nullptr;
  std::unique_ptr<Renderer> renderer;
  TextureRecord* texture = nullptr;
};

TEST(FrameSkipperTest, AnUnchangedFrameSendsNothingToTheDevice) {
  Rig rig(true);
  rig.DrawScene();
  EXPECT_EQ(rig.fake->PresentCount(), 1) << "the first frame is drawn";
  // The second starts from the pipeline the first left (additive), not the
  // one after start-up, so it may draw differently: it goes out too.
  rig.DrawScene();
  EXPECT_EQ(rig.fake->PresentCount(), 2);
  rig.fake->ClearLog();
  for (int frame = 0; frame < 5; ++frame) rig.DrawScene();
  EXPECT_TRUE(rig.fake->Calls().empty()) << rig.fake->Calls().front();
  EXPECT_EQ(rig.fake->PresentCount(), 2);
  EXPECT_EQ(rig.renderer->GetFrameSkipper()->SkippedFrames(), 5);
  EXPECT_EQ(rig.renderer->GetCounters().meshes, 8) << "the renderer still counts what it drew";
}

TEST(FrameSkipperTest, AOnePixelMoveOfOneQuadSendsTheWholeFrame) {
  Rig rig(true);
  rig.DrawScene();
  rig.DrawScene();
  rig.DrawScene();
  const int32_t settled = rig.fake->PresentCount();
  rig.fake->ClearLog();
  rig.DrawScene(1.0f);
  EXPECT_EQ(rig.fake->PresentCount(), settled + 1);
  int vertices = 0;
  for (const auto& draw : rig.fake->Draws()) vertices += draw.vertex_count;
  EXPECT_EQ(vertices, 8 * 4) << "every quad, not only the one that moved";
  ASSERT_FALSE(rig.fake->Calls().empty());
  EXPECT_EQ(rig.fake->Calls().front(), "BeginScene");
  EXPECT_EQ(rig.fake->Calls()[1].rfind("Clear", 0), 0u) << rig.fake->Calls()[1];
}

TEST(FrameSkipperTest, WhatChangesThePictureWithoutChangingTheFrameSendsIt) {
  Rig rig(true);
  rig.DrawScene();
  const struct {
    const char* what;
    void (*change)(Rig&);
  } cases[] = {
      {"a clear colour", [](Rig& r) { r.DrawScene(0.0f, 0xFF000000u); }},
      {"a texture's pixels",
       [](Rig& r) {
         const std::vector<uint32_t> pixels(16, 0xFFFF0000u);
         r.renderer->CopyToTexture(r.texture, pixels.data());
       }},
      {"an expose of the window", [](Rig& r) { r.renderer->RedrawNextFrame(); }},
      {"a lost device",
       [](Rig& r) {
         r.fake->SetStatus(platform::DeviceStatus::Lost);
         EXPECT_EQ(r.renderer->BeginFrame(), kResultFailed);
         r.fake->SetStatus(platform::DeviceStatus::Ok);
       }},
  };
  rig.DrawScene();
  for (const auto& c : cases) {
    rig.DrawScene();  // settle: whatever the last change was is drawn
    const int32_t before = rig.fake->PresentCount();
    rig.DrawScene();
    ASSERT_EQ(rig.fake->PresentCount(), before) << "settled before " << c.what;
    c.change(rig);
    const int32_t changed = rig.fake->PresentCount();
    rig.DrawScene();
    EXPECT_EQ(rig.fake->PresentCount(), changed + 1) << c.what;
  }
  // A new texture is in no picture shown.
  rig.DrawScene();
  rig.renderer->CreateBlank(2, 2);
  const int32_t settled = rig.fake->PresentCount();
  rig.DrawScene();
  EXPECT_EQ(rig.fake->PresentCount(), settled) << "a new texture";

  // The same frame with its pixels read half-way goes out whole.
  rig.DrawScene();
  const int32_t before = rig.fake->PresentCount();
  rig.fake->ClearLog();
  rig.DrawScene(0.0f, 0xFF444444u, true);
  EXPECT_EQ(rig.fake->PresentCount(), before + 1);
  EXPECT_EQ(rig.fake->Draws().size(), 8u) << "every draw of the frame";
}

// The draws of frames the skipping renderer sent equal, switch for switch,
// the draws of the same frames from a renderer that draws every frame.
TEST(FrameSkipperTest, FramesThatGoOutAreDrawnExactlyAsWithoutSkipping) {
  Rig skipping(true);
  Rig every(false);
  const float moves[] = {0, 0, 1, 1, 1, 2, 0, 0, 3, 3};
  for (float dx : moves) {
    skipping.fake->ClearLog();
    every.fake->ClearLog();
    const int32_t presented = skipping.fake->PresentCount();
    // Every frame leaves the pipeline additive, so a frame does not start
    // from the state the renderer set up at first.
    skipping.DrawScene(dx);
    every.DrawScene(dx);
    if (skipping.fake->PresentCount() == presented) continue;  // left out
    const auto& sent = skipping.fake->Draws();
    const auto& drawn = every.fake->Draws();
    ASSERT_EQ(sent.size(), drawn.size());
    for (size_t i = 0; i < sent.size(); ++i) {
      EXPECT_EQ(sent[i].texture, drawn[i].texture) << i;
      EXPECT_EQ(sent[i].switches.blend, drawn[i].switches.blend) << i;
      EXPECT_EQ(sent[i].switches.additive, drawn[i].switches.additive) << i;
      EXPECT_EQ(sent[i].switches.filter, drawn[i].switches.filter) << i;
      EXPECT_EQ(std::memcmp(sent[i].transform, drawn[i].transform, sizeof(drawn[i].transform)), 0)
          << i;
      ASSERT_EQ(sent[i].vertices.size(), drawn[i].vertices.size());
      EXPECT_EQ(std::memcmp(sent[i].vertices.data(), drawn[i].vertices.data(),
                            drawn[i].vertices.size() * sizeof(platform::GpuVertex)),
                0)
          << i;
      EXPECT_EQ(sent[i].indices, drawn[i].indices) << i;
    }
  }
  EXPECT_EQ(every.fake->PresentCount(), 10);
  // Frame 1 repeats frame 0 but starts from the pipeline frame 0 left; frames
  // 3, 4, 7 and 9 repeat the one before from the same state.
  EXPECT_EQ(skipping.fake->PresentCount(), 6);
}

// --- Frames drawn in parts, on a recording device that keeps its picture.

// A quad of a damage scene: place, colour, texture (0: the rig's, 1: another)
// and state.
struct Piece {
  float x, y, w, h;
  uint32_t colour = 0xFFFFFFFFu;
  int texture = 0;
  uint32_t state = kTextured;
};
using Scene = std::vector<Piece>;

struct KeptRig : Rig {
  KeptRig() : Rig(true) {
    fake->SetKeepsPicture(true);
    other = renderer->CreateBlank(4, 4);
  }
  void Draw(const Scene& scene, uint32_t clear = 0xFF444444u) {
    renderer->SetClearColour(Colour(clear));
    ASSERT_EQ(renderer->BeginFrame(), kResultOk);
    for (const Piece& p : scene) {
      const Quad quad(p.x, p.y, p.w, p.h, p.colour);
      renderer->DrawMesh(quad.v, p.texture == 0 ? texture : other, RenderState(p.state), 4,
                         kQuadIndices, 6);
    }
    ASSERT_EQ(renderer->EndFrame(), kResultNone);
  }
  // Shows `before` until it settles, then `after`: the rectangles shown
  // (none: whole or left out), with the draws sent for it in the log.
  std::vector<platform::PixelRect> Damage(const Scene& before, const Scene& after,
                                          uint32_t clear = 0xFF444444u,
                                          const std::function<void()>& between = {}) {
    for (int i = 0; i < 3; ++i) Draw(before);
    if (between) between();
    fake->ClearLog();
    Draw(after, clear);
    return fake->LastShown();
  }
  TextureRecord* other = nullptr;
};

// The rectangle holds the box and reaches at most 4 pixels beyond it.
::testing::AssertionResult Around(const platform::PixelRect& r, int x, int y, int w, int h) {
  if (r.x <= x && r.y <= y && r.x + r.width >= x + w && r.y + r.height >= y + h && r.x >= x - 4 &&
      r.y >= y - 4 && r.x + r.width <= x + w + 4 && r.y + r.height <= y + h + 4) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << r.x << " " << r.y << " " << r.width << " " << r.height;
}

TEST(FrameDamageTest, EachKindOfChangeDamagesWhatItTouchedBeforeAndAfter) {
  const Piece board{0, 0, 1024, 768, 0xFF808080u, 0, kUntextured};  // under everything
  const Piece a{100, 100, 20, 20};
  const Piece far{900, 600, 30, 30, 0xFFFF0000u, 1, kAdditive};
  const Scene base{board, a, far};
  const struct {
    const char* what;
    Scene after;
    int x, y, w, h;  // the damaged box
  } cases[] = {
      {"added", {board, a, far, {600, 400, 10, 10}}, 600, 400, 10, 10},
      {"removed", {board, far}, 100, 100, 20, 20},
      {"moved", {board, {130, 100, 20, 20}, far}, 100, 100, 50, 20},
      {"recoloured", {board, {100, 100, 20, 20, 0xFF00FF00u}, far}, 100, 100, 20, 20},
      {"re-textured", {board, {100, 100, 20, 20, 0xFFFFFFFFu, 1}, far}, 100, 100, 20, 20},
      {"pipeline state",
       {board, {100, 100, 20, 20, 0xFFFFFFFFu, 0, kAdditive}, far},
       100,
       100,
       20,
       20},
  };
  for (const auto& c : cases) {
    KeptRig rig;
    const auto shown = rig.Damage(base, c.after);
    ASSERT_EQ(shown.size(), 1u) << c.what;
    EXPECT_TRUE(Around(shown[0], c.x, c.y, c.w, c.h)) << c.what;
    // The board reaches the rectangle only in part: it is drawn there,
    // scissored to it; the far quad, outside it, is not drawn at all.
    bool board_drawn = false;
    for (const auto& draw : rig.fake->Draws()) {
      EXPECT_TRUE(draw.scissored) << c.what;
      EXPECT_NE(draw.vertices[0].x, 900.0f) << c.what;
      board_drawn = board_drawn || draw.vertices[0].x == 0.0f;
    }
    EXPECT_TRUE(board_drawn) << c.what;
    EXPECT_EQ(rig.renderer->GetFrameSkipper()->PartialFrames(), 1) << c.what;
  }
}

TEST(FrameDamageTest, OnlyTheQuadsThatChangedInABatchAndFarChangesApart) {
  KeptRig rig;
  Scene row;
  for (int i = 0; i < 10; ++i) row.push_back({40.0f * i, 300, 30, 30});  // one draw call
  Scene moved = row;
  moved[4].y += 3;
  auto shown = rig.Damage(row, moved);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(Around(shown[0], 160, 300, 30, 33)) << "one quad of the batch, not the batch";
  ASSERT_EQ(rig.fake->Draws().size(), 1u);
  EXPECT_EQ(rig.fake->Draws()[0].vertex_count, 4) << "and only its triangles are sent";

  // A texture's new pixels: the draws that use it, where they stand.
  const Scene two{{100, 100, 20, 20}, {600, 500, 20, 20, 0xFFFFFFFFu, 1}};
  shown = rig.Damage(two, two, 0xFF444444u, [&] {
    const std::vector<uint32_t> pixels(16, 0xFF00FF00u);
    rig.renderer->CopyToTexture(rig.other, pixels.data());
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(Around(shown[0], 600, 500, 20, 20));

  // Points: their squares, before and after.
  PointVertex point;
  point.x = 300;
  point.y = 200;
  point.size = 10;
  point.colour = 0xFFFFFFFFu;
  RenderState sprites(RenderState::kBlend);
  sprites.SetPrimitive(RenderState::kPrimitivePointSprites);
  for (int frame = 0; frame < 4; ++frame) {
    if (frame == 3) rig.fake->ClearLog();
    ASSERT_EQ(rig.renderer->BeginFrame(), kResultOk);
    point.y = frame == 3 ? 204.0f : 200.0f;
    rig.renderer->DrawPoints(&point, 1, nullptr, sprites);
    rig.renderer->EndFrame();
  }
  ASSERT_EQ(rig.fake->LastShown().size(), 1u);
  EXPECT_TRUE(Around(rig.fake->LastShown()[0], 295, 195, 10, 14));

  // A pointer in one corner and a highlight in the other stay apart; two
  // changes side by side become one.
  const Scene apart{{10, 10, 32, 32}, {980, 720, 32, 32, 0xFFFFFFFFu, 1}};
  shown = rig.Damage(apart, {{10, 14, 32, 32}, {984, 720, 32, 32, 0xFFFFFFFFu, 1}});
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_TRUE(Around(shown[0], 10, 10, 32, 36));
  EXPECT_TRUE(Around(shown[1], 980, 720, 36, 32));
  const Scene side{{10, 10, 32, 32}, {50, 10, 32, 32, 0xFFFFFFFFu, 1}};
  shown = rig.Damage(side, {{10, 14, 32, 32}, {54, 10, 32, 32, 0xFFFFFFFFu, 1}});
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(Around(shown[0], 10, 10, 76, 36));

  // A new clear colour, or most of the picture changed: drawn whole.
  EXPECT_TRUE(rig.Damage(apart, apart, 0xFF000000u).empty());
  EXPECT_EQ(rig.fake->Calls().front(), "BeginScene");
  EXPECT_EQ(rig.fake->Calls().back(), "Present");
  EXPECT_TRUE(rig.Damage(apart, {{0, 0, 1000, 700}}).empty());
  EXPECT_EQ(rig.fake->Calls().front(), "BeginScene");
}

}  // namespace
}  // namespace ORB
