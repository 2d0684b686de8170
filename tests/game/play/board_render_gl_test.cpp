// The solved board drawn with real OpenGL (SDL's offscreen driver): a shipped
// level is played to its end through the pointer, drawn with its shipped
// images and font, written as a PNG beside the test program, and pixels of an
// open, a crossed and a closed cell are checked.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/foundation/renderer.h"
#include "engine/foundation/timer.h"
#include "engine/scene/repository_texture_provider.h"
#include "game/play/gameplay.h"
#include "main_road.h"
#include "support/game_host.h"
#include "support/offscreen_gl.h"
#include "support/renderer_textures.h"
#include "support/shipped_fonts.h"

namespace game {
namespace {

const char* kLevel = "data/share/main/levels pack_1/house.xml";
constexpr uint32_t kPaper = 0xFFF4EFE6u;

using test_support::RendererTextures;

int Channel(uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); }

// Within `tolerance` per channel of the expected colour.
::testing::AssertionResult Near(uint32_t actual, uint32_t expected, int tolerance) {
  for (const int shift : {16, 8, 0}) {
    if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > tolerance) {
      char text[64];
      std::snprintf(text, sizeof text, "%06X, expected %06X", actual & 0xFFFFFFu, expected & 0xFFFFFFu);
      return ::testing::AssertionFailure() << text;
    }
  }
  return ::testing::AssertionSuccess();
}

class BoardRenderGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(Open("board render")); }
};

TEST_F(BoardRenderGlTest, SolvedBoardShowsOpenCrossedAndClosedCells) {
  ORB::Renderer& renderer = *renderer_;
  renderer.SetClearColour(ORB::Colour(kPaper));

  RendererTextures loader(renderer);
  {
    test_support::ShippedHost host(&loader);
    ASSERT_EQ(host.Repository().AddFolder("data/share/image/board"), ORB::kResultOk);
    ASSERT_EQ(host.Repository().AddFolder("data/share/font"), ORB::kResultOk);
    ORB::RepositoryTextureProvider provider(host.Repository());
    ORB::SetTextureProvider(&provider);

    // Every shipped font: the level's numbers file names the one it takes.
    test_support::ShippedFonts fonts;
    ASSERT_NO_FATAL_FAILURE(fonts.Load(host.Repository(), [&](const std::string& name) {
      ORB::TextureRecord* page = provider.AcquireTexture(name);
      EXPECT_NE(page, renderer.GetDefaultTexture()) << name;
      return page;
    }));
    fonts.AddTo(host.fonts);

    {
      GG_GAMEPLAY gameplay(&host);
      test_support::MainRoad road(host, gameplay);
      const auto picture = road.Solution(kLevel);
      ASSERT_TRUE(gameplay.Load(kLevel)) << gameplay.LastError();
      gameplay.AcquireResources();
      ASSERT_NE(gameplay.Board().LeftPanel().Font(), nullptr);
      ORB::FrameDelta().store(1.0f / 60.0f);
      road.Solve(picture, 1);  // crosses in the first column only
      ASSERT_TRUE(gameplay.IsEnded());
      EXPECT_EQ(gameplay.Errors(), 0);
      // Let the end sweep and every animation run out.
      for (int frame = 0; frame < 600; ++frame) gameplay.Update();
      ORB::FrameDelta().store(0.0f);
      EXPECT_FALSE(gameplay.Board().IsSweeping());

      ASSERT_EQ(renderer.BeginFrame(), ORB::kResultOk);
      gameplay.Draw();
      const test_support::Frame frame = Snapshot("board_render.png");
      const std::vector<uint32_t>& pixels = frame.pixels;
      auto at = [&frame](const ORB::Vector2& p) {
        return frame.At(static_cast<int32_t>(p.x), static_cast<int32_t>(p.y));
      };

      const BoardSettings& s = gameplay.Settings();
      // House: row 0 "..#..": (0, 2) is a picture cell, (0, 0) crossed,
      // (0, 1) left closed.
      ASSERT_TRUE(picture[0][2]);
      ASSERT_FALSE(picture[0][0]);
      ASSERT_FALSE(picture[0][1]);
      EXPECT_TRUE(Near(at(s.CellCentre(0, 2)), 0xFF2E4057u, 3)) << "open picture cell";
      EXPECT_TRUE(Near(at(s.CellCentre(0, 1)), 0xFFFFFFFFu, 0)) << "closed cell";
      EXPECT_TRUE(Near(at(s.CellCentre(0, 0)), 0xFFA59C8Eu, 12)) << "crossed cell";
      // Beside the board, the clue numbers put ink on the paper.
      int ink = 0;
      const ORB::Vector2 first = s.CellCentre(0, 0);
      for (int y = static_cast<int>(first.y) - 12; y < static_cast<int>(first.y) + 12; ++y) {
        for (int x = static_cast<int>(s.frameCorner.x) - 60; x < static_cast<int>(s.frameCorner.x); ++x) {
          if (!Near(pixels[static_cast<size_t>(y) * 1024u + static_cast<size_t>(x)], kPaper, 10)) ++ink;
        }
      }
      EXPECT_GT(ink, 10) << "row 0's clue";
      EXPECT_EQ(renderer.EndFrame(), ORB::kResultNone);
      gameplay.ReleaseResources();
      gameplay.Stop();
    }
    for (auto& entry : fonts.Entries()) provider.ReleaseTexture(entry.page);
    fonts.Clear();
    ORB::SetTextureProvider(nullptr);
  }
}

}  // namespace
}  // namespace game
