// Draws that reach the bars beside the letterboxed image: the renderer sends
// the draw area in order with its draws, every frame begins on the letterbox,
// and skipping unchanged frames counts the area as part of the frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/frame_skipper.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/result_codes.h"
#include "engine/platform/fake_gpu_device.h"
#include "support/quad.h"
#include "support/recording_device.h"

namespace ORB {
namespace {

using platform::DrawArea;
using platform::FakeGpuDevice;
using test_support::kQuadIndices;
using test_support::Quad;

struct Rig {
  explicit Rig(bool skip) : renderer(test_support::MakeRecordingRenderer(&fake)) {
    EXPECT_NE(renderer, nullptr);
    if (skip) renderer->SkipUnchangedFrames();
  }

  void Draw(float x) {
    const Quad quad(x, 10, 8, 8);
    ASSERT_EQ(renderer->DrawMesh(quad.v, nullptr, RenderState::kMeshDefault, 4, kQuadIndices, 6),
              kResultOk);
  }

  // A quad in the image, then (with `bars`) one left of it in the window.
  void Frame(bool bars) {
    ASSERT_EQ(renderer->BeginFrame(), kResultOk);
    Draw(100);
    if (bars) {
      ASSERT_EQ(renderer->SetDrawArea(DrawArea::Window), kResultOk);
      Draw(-50);
      ASSERT_EQ(renderer->SetDrawArea(DrawArea::Letterbox), kResultOk);
    }
    ASSERT_EQ(renderer->EndFrame(), kResultNone);
  }

  FakeGpuDevice* fake = nullptr;
  std::unique_ptr<Renderer> renderer;
};

TEST(DrawAreaTest, WhatWasBatchedIsDrawnWhereItWasMeantToBe) {
  Rig rig(false);
  EXPECT_EQ(rig.renderer->SetDrawArea(DrawArea::Window), kResultFailed) << "outside a frame";
  ASSERT_EQ(rig.renderer->BeginFrame(), kResultOk);
  rig.fake->ClearLog();
  rig.Draw(100);
  ASSERT_EQ(rig.renderer->SetDrawArea(DrawArea::Window), kResultOk);
  EXPECT_EQ(rig.renderer->SetDrawArea(DrawArea::Window), kResultOk) << "again: nothing to do";
  rig.Draw(-50);
  ASSERT_EQ(rig.renderer->EndFrame(), kResultNone);

  ASSERT_EQ(rig.fake->Draws().size(), 2u) << "the area splits the batch";
  EXPECT_EQ(rig.fake->Draws()[0].area, DrawArea::Letterbox);
  EXPECT_EQ(rig.fake->Draws()[0].vertices[0].x, 100.0f);
  EXPECT_EQ(rig.fake->Draws()[1].area, DrawArea::Window);
  EXPECT_EQ(rig.fake->Draws()[1].vertices[0].x, -50.0f);
  const auto& calls = rig.fake->Calls();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetDrawArea 1"), 1);

  // The next frame begins on the letterbox, in the renderer and the device.
  ASSERT_EQ(rig.renderer->BeginFrame(), kResultOk);
  EXPECT_EQ(rig.renderer->GetDrawArea(), DrawArea::Letterbox);
  EXPECT_EQ(rig.fake->CurrentArea(), DrawArea::Letterbox);
  ASSERT_EQ(rig.renderer->EndFrame(), kResultNone);
}

TEST(DrawAreaTest, SkippingUnchangedFramesComparesTheAreaToo) {
  Rig rig(true);
  for (int i = 0; i < 3; ++i) rig.Frame(true);
  const int32_t settled = rig.fake->PresentCount();
  rig.Frame(true);
  EXPECT_EQ(rig.fake->PresentCount(), settled) << "the same frame with its bars is left out";

  // The same draws, all in the letterbox: another picture.
  rig.fake->ClearLog();
  rig.Frame(false);
  EXPECT_EQ(rig.fake->PresentCount(), settled + 1);
  ASSERT_EQ(rig.fake->Draws().size(), 1u);

  // Back to the bars: sent, and played to the device in order.
  rig.fake->ClearLog();
  rig.Frame(true);
  EXPECT_EQ(rig.fake->PresentCount(), settled + 2);
  ASSERT_EQ(rig.fake->Draws().size(), 2u);
  EXPECT_EQ(rig.fake->Draws()[0].area, DrawArea::Letterbox);
  EXPECT_EQ(rig.fake->Draws()[1].area, DrawArea::Window);
  EXPECT_EQ(rig.fake->CurrentArea(), DrawArea::Letterbox) << "the frame ended on the letterbox";
}

TEST(DrawAreaTest, AFrameWhoseOnlyChangeIsTheAreaIsSent) {
  // The same vertices, drawn once in the letterbox and once in the window.
  Rig rig(true);
  auto frame = [&rig](DrawArea area) {
    ASSERT_EQ(rig.renderer->BeginFrame(), kResultOk);
    ASSERT_EQ(rig.renderer->SetDrawArea(area), kResultOk);
    rig.Draw(100);
    ASSERT_EQ(rig.renderer->EndFrame(), kResultNone);
  };
  for (int i = 0; i < 3; ++i) frame(DrawArea::Letterbox);
  const int32_t settled = rig.fake->PresentCount();
  frame(DrawArea::Window);
  EXPECT_EQ(rig.fake->PresentCount(), settled + 1);
  frame(DrawArea::Window);
  EXPECT_EQ(rig.fake->PresentCount(), settled + 1);
}

}  // namespace
}  // namespace ORB
