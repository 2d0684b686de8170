// Pixel tests: the renderer on a real OpenGL 3.3 core context (SDL's
// offscreen driver), reading the back buffer before it is presented.
#include <gtest/gtest.h>

#include "support/read_file.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/foundation/renderer.h"
#include "support/offscreen_gl.h"
#include "support/pixel_box.h"
#include "support/quad.h"
#include "support/source_path.h"

namespace ORB {
namespace {

using test_support::Box;
using test_support::kQuadIndices;
using test_support::Quad;

constexpr uint32_t kUntexturedOpaque = RenderState::kPrimitiveTriangles << RenderState::kPrimitiveShift;
constexpr uint32_t kTexturedOpaque = kUntexturedOpaque | RenderState::kTextured;
constexpr uint32_t kBlended = kUntexturedOpaque | RenderState::kBlend;

using test_support::ReadFile;

int Red(uint32_t argb) { return static_cast<int>((argb >> 16) & 0xFF); }
int Green(uint32_t argb) { return static_cast<int>((argb >> 8) & 0xFF); }
int Blue(uint32_t argb) { return static_cast<int>(argb & 0xFF); }
uint32_t Rgb(uint32_t argb) { return argb & 0x00FFFFFFu; }

// The rectangle of pixels that hold the colour inside the area read.
Box Covered(const std::vector<uint32_t>& pixels, int w, int h, uint32_t rgb, int x0, int y0) {
  return test_support::BoxOf(pixels, w, h, x0, y0, [rgb](uint32_t argb) { return Rgb(argb) == rgb; });
}

class RendererGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(Open("renderer test")); }

  void Draw(const Quad& quad, TextureRecord* texture, RenderState state) {
    ASSERT_EQ(renderer_->DrawMesh(quad.v, texture, state, 4, kQuadIndices, 6), kResultOk);
  }

  uint32_t ReadOne(int32_t x, int32_t y) { return Read(x, y, 1, 1)[0]; }

  // Reads the rectangle and finds the colour in it.
  Box CoveredIn(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t rgb) {
    return Covered(Read(x, y, w, h), w, h, rgb, x, y);
  }
};

TEST_F(RendererGlTest, QuadCoversExactlyItsPixels) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  Draw(Quad(100, 200, 32, 32, 0xFFFF0000u), nullptr, kUntexturedOpaque);
  Draw(Quad(990, 700, 34, 68, 0xFF00FF00u), nullptr, kUntexturedOpaque);  // to the far corner
  Draw(Quad(0, 0, 3, 2, 0xFF0000FFu), nullptr, kUntexturedOpaque);
  Box red = CoveredIn(90, 190, 60, 60, 0xFF0000u);
  EXPECT_EQ(red.left, 100);
  EXPECT_EQ(red.top, 200);
  EXPECT_EQ(red.right, 131);
  EXPECT_EQ(red.bottom, 231);
  EXPECT_EQ(red.count, 32 * 32);
  Box green = CoveredIn(980, 690, 44, 78, 0x00FF00u);
  EXPECT_EQ(green.left, 990);
  EXPECT_EQ(green.top, 700);
  EXPECT_EQ(green.right, 1023);
  EXPECT_EQ(green.bottom, 767);
  EXPECT_EQ(green.count, 34 * 68);
  Box blue = CoveredIn(0, 0, 5, 5, 0x0000FFu);
  EXPECT_EQ(blue.right, 2);
  EXPECT_EQ(blue.bottom, 1);
  EXPECT_EQ(blue.count, 6);
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
}

TEST_F(RendererGlTest, AlphaAndAdditiveBlending) {
  renderer_->SetClearColour(Colour(0xFF0000FFu));
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  // Half red over blue.
  Draw(Quad(10, 10, 10, 10, 0x80FF0000u), nullptr, kBlended);
  // The same with the override: drawn as it is.
  Draw(Quad(30, 10, 10, 10, 0x80FF0000u), nullptr, kBlended | RenderState::kNoBlend);
  // Override off again: blended again.
  Draw(Quad(50, 10, 10, 10, 0x80FF0000u), nullptr, kBlended);
  // Additive: blue stays whole, half the red is added.
  Draw(Quad(70, 10, 10, 10, 0x80FF0000u), nullptr, kBlended | RenderState::kAdditive);
  const uint32_t blended = ReadOne(15, 15);
  EXPECT_NEAR(Red(blended), 128, 2);
  EXPECT_NEAR(Blue(blended), 127, 2);
  EXPECT_EQ(Rgb(ReadOne(35, 15)), 0xFF0000u);
  const uint32_t again = ReadOne(55, 15);
  EXPECT_NEAR(Red(again), 128, 2);
  EXPECT_NEAR(Blue(again), 127, 2);
  const uint32_t added = ReadOne(75, 15);
  EXPECT_NEAR(Red(added), 128, 2);
  EXPECT_EQ(Blue(added), 255);
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
}

TEST_F(RendererGlTest, VertexColoursReachThePixels) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  Draw(Quad(0, 0, 8, 8, 0xFF102030u), nullptr, kUntexturedOpaque);
  Quad shaded(100, 100, 100, 100);
  shaded.v[0].colour = 0xFFFF0000u;
  shaded.v[1].colour = 0xFF00FF00u;
  shaded.v[2].colour = 0xFF0000FFu;
  shaded.v[3].colour = 0xFFFFFFFFu;
  Draw(shaded, nullptr, kUntexturedOpaque);
  EXPECT_EQ(Rgb(ReadOne(4, 4)), 0x102030u);
  const uint32_t top_left = ReadOne(100, 100);
  EXPECT_GT(Red(top_left), 240);
  EXPECT_LT(Green(top_left), 15);
  const uint32_t top_right = ReadOne(199, 100);
  EXPECT_GT(Green(top_right), 240);
  EXPECT_LT(Red(top_right), 15);
  const uint32_t bottom_left = ReadOne(100, 199);
  EXPECT_GT(Red(bottom_left), 240);
  EXPECT_GT(Green(bottom_left), 240);
  EXPECT_GT(Blue(bottom_left), 240);
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
}

TEST_F(RendererGlTest, PointSpritesHaveTheirSizeInPixels) {
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  PointVertex point;
  point.x = 200;
  point.y = 300;
  point.size = 10;
  point.colour = 0xFFFFFFFFu;
  RenderState sprites(0);
  sprites.SetPrimitive(RenderState::kPrimitivePointSprites);
  ASSERT_EQ(renderer_->DrawPoints(&point, 1, nullptr, sprites), kResultOk);
  Box box = CoveredIn(180, 280, 40, 40, 0xFFFFFFu);
  EXPECT_EQ(box.count, 100);
  EXPECT_EQ(box.left, 195);
  EXPECT_EQ(box.right, 204);
  EXPECT_EQ(box.top, 295);
  EXPECT_EQ(box.bottom, 304);

  // A textured sprite shows its whole texture across its square: red left, blue right.
  TextureRecord* texture = renderer_->LoadFromFile(test_support::TestData("renderer/red_blue_32.png"));
  ASSERT_NE(texture, renderer_->GetDefaultTexture());
  sprites.SetFlag(RenderState::kTextured, true);
  point.x = 500;
  point.size = 32;
  ASSERT_EQ(renderer_->DrawPoints(&point, 1, texture, sprites), kResultOk);
  EXPECT_EQ(Rgb(ReadOne(486, 300)), 0xFF0000u);
  EXPECT_EQ(Rgb(ReadOne(513, 300)), 0x0000FFu);
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
}

TEST_F(RendererGlTest, PngTextureIsDrawnTexelForPixel) {
  const auto bytes = ReadFile(test_support::TestData("renderer/five_by_three.png"));
  TextureRecord* small = renderer_->LoadFromMemory(bytes.data(), bytes.size());
  ASSERT_NE(small, renderer_->GetDefaultTexture());
  TextureRecord* halves = renderer_->LoadFromFile(test_support::TestData("renderer/red_blue_32.png"));
  ASSERT_NE(halves, renderer_->GetDefaultTexture());
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  Draw(Quad(40, 50, 5, 3), small, kTexturedOpaque);
  Draw(Quad(300, 300, 32, 32), halves, kTexturedOpaque);
  const auto pixels = Read(40, 50, 5, 3);
  EXPECT_EQ(Rgb(pixels[0]), 0xFF0000u);
  EXPECT_EQ(Rgb(pixels[1]), 0x00FF00u);
  EXPECT_EQ(Rgb(pixels[2]), 0x0000FFu);
  EXPECT_EQ(Rgb(pixels[3]), 0xFFFFFFu);
  EXPECT_EQ(Rgb(pixels[5]), 0x0A141Eu);
  EXPECT_EQ(Rgb(pixels[14]), 0xC86432u);
  const auto block = Read(300, 300, 32, 32);
  EXPECT_EQ(Covered(block, 32, 32, 0xFF0000u, 300, 300).count, 16 * 32);
  EXPECT_EQ(Covered(block, 32, 32, 0x0000FFu, 300, 300).right, 331);
  EXPECT_EQ(Covered(block, 32, 32, 0x0000FFu, 300, 300).left, 316);
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
}

TEST_F(RendererGlTest, CorruptPngDrawsTheDefaultTexture) {
  const auto bytes = ReadFile(test_support::TestData("renderer/corrupt.png"));
  TextureRecord* texture = renderer_->LoadFromMemory(bytes.data(), bytes.size());
  ASSERT_EQ(texture, renderer_->GetDefaultTexture());
  renderer_->SetClearColour(Colour(0xFF808080u));
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  // The default texture is zero-filled: unblended it blacks out its quad,
  // blended it leaves the background as it was.
  Draw(Quad(10, 10, 20, 20), texture, kTexturedOpaque);
  Draw(Quad(50, 10, 20, 20), texture, kTexturedOpaque | RenderState::kBlend);
  EXPECT_EQ(Rgb(ReadOne(20, 20)), 0x000000u);
  EXPECT_EQ(Rgb(ReadOne(60, 20)), 0x808080u);
  EXPECT_EQ(Rgb(ReadOne(40, 20)), 0x808080u);
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
  EXPECT_EQ(renderer_->ReleaseTexture(texture), kResultBadArgument);
}

TEST_F(RendererGlTest, SmallerGameImageIsScaledIntoTheWindow) {
  // 512 x 384 in the 1024 x 768 window: every game pixel is 2 x 2.
  ASSERT_EQ(renderer_->SetDisplayMode(512, 384, true, true), kResultOk);
  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  Draw(Quad(10, 20, 5, 5, 0xFFFF0000u), nullptr, kUntexturedOpaque);
  PointVertex point;
  point.x = 100;
  point.y = 100;
  point.size = 4;
  point.colour = 0xFF00FF00u;
  RenderState sprites(0);
  sprites.SetPrimitive(RenderState::kPrimitivePointSprites);
  renderer_->DrawPoints(&point, 1, nullptr, sprites);
  const auto pixels = Read(0, 0, 300, 300);
  Box red = Covered(pixels, 300, 300, 0xFF0000u, 0, 0);
  EXPECT_EQ(red.left, 20);
  EXPECT_EQ(red.top, 40);
  EXPECT_EQ(red.right, 29);
  EXPECT_EQ(red.bottom, 49);
  Box green = Covered(pixels, 300, 300, 0x00FF00u, 0, 0);
  EXPECT_EQ(green.count, 64);
  EXPECT_EQ(green.left, 196);
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);
}

}  // namespace
}  // namespace ORB
