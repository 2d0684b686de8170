// The border pictures on the recording device: their sizes for each shape of
// window, where they are drawn (outside the game's screen, into the whole
// window), when nothing is drawn (windowed, minimised, a 4:3 desktop), and
// frames with unchanged borders left out like any unchanged frame.
#include "game/shell/startup/screen_borders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/foundation/frame_skipper.h"
#include "game/shell/game_shell_fixture.h"
#include "game/shell/startup/display_mode.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_settings.h"
#include "support/quad.h"

namespace game {
namespace {

using ORB::platform::DrawArea;

TEST(ScreenBordersLayoutTest, TheBarsTakeTheSurplusOfTheWindowsShape) {
  const struct {
    int32_t w, h;
    bool wider, taller;
    bool draw, beside;
    float tile_w, tile_h, line_w, line_h;
  } cases[] = {
      // 16:9 at the game's height: 342 surplus, 171 a side, three halves.
      {1366, 768, true, false, true, true, 513, 768, 4, 768},
      {1920, 1080, true, false, true, true, 510, 768, 4, 768},   // trunc(1365.3) - 1024 = 341
      {2560, 1080, true, false, true, true, 1194, 768, 4, 768},  // 796 surplus
      {1024, 768, true, false, false, true, 0, 0, 0, 0},         // 4:3: no bars
      {1080, 1920, false, true, true, false, 1024, 1578, 1024, 6},
      {1024, 1366, false, true, true, false, 1024, 897, 1024, 6},
      {1366, 0, true, false, false, true, 0, 0, 0, 0},  // minimised: no division by zero
      {0, 768, false, true, false, true, 0, 0, 0, 0},
      {1366, 768, false, false, false, true, 0, 0, 0, 0},  // no shape known
  };
  for (const auto& c : cases) {
    const BorderLayout layout = LayOutScreenBorders(c.w, c.h, c.wider, c.taller, 4, 6);
    const std::string what = std::to_string(c.w) + "x" + std::to_string(c.h);
    EXPECT_EQ(layout.draw, c.draw) << what;
    EXPECT_EQ(layout.beside, c.beside) << what;
    EXPECT_EQ(layout.tile_width, c.tile_w) << what;
    EXPECT_EQ(layout.tile_height, c.tile_h) << what;
    EXPECT_EQ(layout.line_width, c.line_w) << what;
    EXPECT_EQ(layout.line_height, c.line_h) << what;
  }
}

TEST(DisplayModeTest, TheDesktopsShapeDecidesTheBarsAndASmallOneFullscreen) {
  const struct {
    bool asked;
    int32_t w, h;
    bool fullscreen, wider, taller;
  } cases[] = {
      {false, 1920, 1080, false, true, false}, {true, 1920, 1080, true, true, false},
      {false, 1024, 768, false, true, false},  // 4:3 counts as wider
      {false, 1200, 1920, false, false, true}, {false, 1000, 700, true, true, false},
      {false, 1280, 720, true, true, false},  // lower than 768
      {false, 800, 1280, true, false, true},  // narrower than 1024
      {false, 0, 0, false, false, false},     // unknown: nothing forced
      {true, 0, 0, true, false, false},
  };
  for (const auto& c : cases) {
    const DisplayChoice choice = ChooseDisplayMode(c.asked, c.w, c.h);
    const std::string what = std::to_string(c.w) + "x" + std::to_string(c.h);
    EXPECT_EQ(choice.fullscreen, c.fullscreen) << what;
    EXPECT_EQ(choice.wider_than_4_3, c.wider) << what;
    EXPECT_EQ(choice.taller_than_4_3, c.taller) << what;
  }
}

class ScreenBordersTest : public GameShellTest {
 protected:
  // The game made on a desktop of that size, its window fullscreen on it.
  void Start(ORB::platform::ScreenSize desktop) {
    ASSERT_NO_FATAL_FAILURE(Open(desktop));
    ASSERT_TRUE(CreateGame("game.xml"));
    ASSERT_TRUE(window_->Create("borders"));
    ASSERT_TRUE(window_->SetMode(1024, 768, true, false));
  }

  // One frame: a quad on the game's screen, then the borders. Answers the
  // device's calls while the borders were drawn (none reach it while the
  // frame is recorded to be compared, skipping unchanged frames); the draws
  // that landed in the window are kept in borders_drawn_.
  std::vector<std::string> Frame() {
    EXPECT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
    const test_support::Quad quad(100, 100, 50, 50);
    renderer_->DrawMesh(quad.v, nullptr, ORB::RenderState::kMeshDefault, 4,
                        test_support::kQuadIndices, 6);
    const size_t before = fake_->Calls().size();
    DrawScreenBorders();
    const std::vector<std::string> calls(
        fake_->Calls().begin() + static_cast<std::ptrdiff_t>(before), fake_->Calls().end());
    EXPECT_EQ(renderer_->EndFrame(), ORB::kResultNone);
    borders_drawn_.clear();
    for (const auto& draw : fake_->Draws()) {
      if (draw.area == DrawArea::Window) borders_drawn_.push_back(draw);
    }
    fake_->ClearLog();
    return calls;
  }

  static bool DrewBorders(const std::vector<std::string>& calls) {
    return std::count(calls.begin(), calls.end(), "SetDrawArea 1") != 0;
  }

  // The x (or y) extent of a draw's vertices.
  static std::pair<float, float> Extent(const ORB::platform::FakeGpuDevice::DrawRecord& draw,
                                        int from, bool x) {
    float low = 1e9f, high = -1e9f;
    for (int i = from; i < from + 4; ++i) {
      const float v = x ? draw.vertices[i].x : draw.vertices[i].y;
      low = std::min(low, v);
      high = std::max(high, v);
    }
    return {low, high};
  }

  std::vector<ORB::platform::FakeGpuDevice::DrawRecord> borders_drawn_;
};

TEST_F(ScreenBordersTest, ASixteenByNineScreenGetsBothBarsOutsideTheGamesScreen) {
  ASSERT_NO_FATAL_FAILURE(Start({1366, 768}));
  ASSERT_TRUE(GetGameSettings().wider_than_4_3);
  const std::vector<std::string> calls = Frame();
  ASSERT_TRUE(DrewBorders(calls));
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetDrawArea 0"), 1);
  EXPECT_EQ(calls.back(), "SetDrawArea 0");
  EXPECT_EQ(renderer_->GetDrawArea(), DrawArea::Letterbox) << "left on the letterbox";

  // Two tiles in one draw, then two lines in another.
  ASSERT_EQ(borders_drawn_.size(), 2u);
  const auto& tiles = borders_drawn_[0];
  const auto& lines = borders_drawn_[1];
  for (const auto* draw : {&tiles, &lines}) {
    EXPECT_EQ(draw->area, DrawArea::Window);
    ASSERT_EQ(draw->vertices.size(), 8u);
  }
  EXPECT_EQ(Extent(tiles, 0, true), std::make_pair(1024.0f, 1024.0f + 513.0f)) << "right";
  EXPECT_EQ(Extent(tiles, 4, true), std::make_pair(-513.0f, 0.0f)) << "left";
  EXPECT_EQ(Extent(tiles, 0, false), std::make_pair(0.0f, 768.0f));
  EXPECT_EQ(Extent(lines, 0, true), std::make_pair(1024.0f, 1029.0f)) << "the line is 5 wide";
  EXPECT_EQ(Extent(lines, 4, true), std::make_pair(-5.0f, 0.0f));
  // The tile repeats both ways, the line along the edge.
  EXPECT_TRUE(tiles.switches.wrap_u && tiles.switches.wrap_v);
  EXPECT_FALSE(lines.switches.wrap_u);
  EXPECT_TRUE(lines.switches.wrap_v);
  float tile_u = 0.0f, line_v = 0.0f;
  for (const auto& v : tiles.vertices) tile_u = std::max(tile_u, v.u);
  for (const auto& v : lines.vertices) line_v = std::max(line_v, v.v);
  EXPECT_FLOAT_EQ(tile_u, 513.0f / 32.0f) << "one texel a pixel";
  EXPECT_FLOAT_EQ(line_v, 768.0f / 3.0f);
}

TEST_F(ScreenBordersTest, AScreenTallerThanFourByThreeGetsBarsAboveAndBelow) {
  ASSERT_NO_FATAL_FAILURE(Start({1080, 1920}));
  ASSERT_TRUE(GetGameSettings().taller_than_4_3);
  Frame();
  ASSERT_EQ(borders_drawn_.size(), 2u);
  const auto& tiles = borders_drawn_[0];
  const auto& lines = borders_drawn_[1];
  EXPECT_EQ(Extent(tiles, 0, false), std::make_pair(768.0f, 768.0f + 1578.0f)) << "below";
  EXPECT_EQ(Extent(tiles, 4, false), std::make_pair(-1578.0f, 0.0f)) << "above";
  EXPECT_EQ(Extent(tiles, 0, true), std::make_pair(0.0f, 1024.0f));
  EXPECT_EQ(Extent(lines, 0, false), std::make_pair(768.0f, 771.0f)) << "the line is 3 high";
  EXPECT_EQ(Extent(lines, 4, false), std::make_pair(-3.0f, 0.0f));
  EXPECT_TRUE(lines.switches.wrap_u);
  EXPECT_FALSE(lines.switches.wrap_v);
}

TEST_F(ScreenBordersTest, NothingIsDrawnWindowedMinimisedOrOnAFourByThreeDesktop) {
  ASSERT_NO_FATAL_FAILURE(Start({1366, 768}));
  SetFullscreen(false);
  EXPECT_FALSE(DrewBorders(Frame())) << "windowed";
  SetFullscreen(true);
  auto& display = static_cast<ORB::platform::FakeDisplay&>(window_->GetDisplay());
  display.Resize({1366, 0});
  EXPECT_FALSE(DrewBorders(Frame())) << "minimised";
  display.Resize({1366, 768});
  EXPECT_TRUE(DrewBorders(Frame()));
}

TEST_F(ScreenBordersTest, AFourByThreeDesktopHasNoBars) {
  ASSERT_NO_FATAL_FAILURE(Start({1024, 768}));
  EXPECT_FALSE(DrewBorders(Frame()));
  EXPECT_TRUE(borders_drawn_.empty());
}

TEST_F(ScreenBordersTest, UnchangedBordersLeaveTheFrameOutAndChangedOnesSendIt) {
  renderer_->SkipUnchangedFrames();
  ASSERT_NO_FATAL_FAILURE(Start({1366, 768}));
  for (int i = 0; i < 3; ++i) Frame();
  const int32_t settled = fake_->PresentCount();
  const int64_t skipped = renderer_->GetFrameSkipper()->SkippedFrames();
  Frame();
  EXPECT_EQ(fake_->PresentCount(), settled);
  EXPECT_EQ(renderer_->GetFrameSkipper()->SkippedFrames(), skipped + 1);
  SetFullscreen(false);  // the bars go
  Frame();
  EXPECT_EQ(fake_->PresentCount(), settled + 1);
  SetFullscreen(true);  // and come back
  Frame();
  EXPECT_EQ(fake_->PresentCount(), settled + 2);
}

}  // namespace
}  // namespace game
