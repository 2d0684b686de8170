// The border pictures for real: the shipped "data data.xml" and ear pictures
// drawn by the OpenGL device into the bars of a 16:9 window around the
// game's 1024 x 768 screen, through the renderer that leaves unchanged frames
// out. The bars show the ear colours, the game's screen is the same pixel
// for pixel as without them. The frame is written as screen_borders_16x9.png
// beside the test program.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include "engine/foundation/frame_skipper.h"
#include "engine/foundation/renderer.h"
#include "engine/foundation/result_codes.h"
#include "engine/foundation/window.h"
#include "engine/platform/gl_device.h"
#include "game/shell/game_shell_fixture.h"
#include "game/shell/startup/game_creation.h"
#include "game/shell/startup/game_settings.h"
#include "game/shell/startup/screen_borders.h"
#include "support/quad.h"
#include "support/source_path.h"
#include "support/temp_home.h"
#include "support/write_png.h"

namespace game {
namespace {

constexpr int32_t kWindowWidth = 1366;  // 16:9 at the game's height: one screen pixel a pixel
constexpr int32_t kWindowHeight = 768;
constexpr int32_t kBar = (kWindowWidth - 1024) / 2;  // 171
constexpr int32_t kLine = 4;                         // the shipped edge line's width

// The shipped pictures' colours (tools/make_screen_borders.py).
constexpr uint32_t kEarPaper = 0xFFD5CCBEu;
constexpr uint32_t kEarGrid = 0xFFC1BAAFu;
constexpr uint32_t kEarBlock = 0xFFADA8A0u;
constexpr uint32_t kEarLine = 0xFF7A7368u;

bool Near(uint32_t a, uint32_t b) {
  for (int shift = 0; shift < 32; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >
        2) {
      return false;
    }
  }
  return true;
}

class ScreenBordersGlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.SetSize(kWindowWidth, kWindowHeight);
    ASSERT_TRUE(window_.Create("borders"));
    auto device = std::make_unique<ORB::platform::GlDevice>();
    gl_ = device.get();
    renderer_ = std::make_unique<ORB::Renderer>(std::move(device));
    renderer_->SkipUnchangedFrames();
    ASSERT_EQ(renderer_->Init(window_.GetHandle(), 0.1f, 0.0f), ORB::kResultOk);

    rig_.Open(test_support::SourcePath(""), *renderer_, &window_);
    ASSERT_TRUE(CreateGame("game.xml"));
    // A fullscreen 16:9 desktop: the offscreen driver's desktop is 4:3, so
    // the window stands in for it at the desktop's size.
    GameSettings& settings = GetGameSettings();
    settings.wider_than_4_3 = true;
    settings.taller_than_4_3 = false;
  }

  void TearDown() override {
    rig_.Close();
    renderer_.reset();
  }

  // The game's screen: grey, a red square in the middle and blue corners,
  // then the borders as the driver draws them, last. With `read`, answers
  // the whole window's pixels (rows top to bottom).
  std::vector<uint32_t> Frame(bool read) {
    renderer_->SetClearColour(ORB::Colour(0xFF444444u));
    EXPECT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
    const test_support::Quad squares[] = {{480, 352, 64, 64, 0xFFD1495Bu},
                                          {0, 0, 16, 16, 0xFF00798Cu},
                                          {1008, 0, 16, 16, 0xFF00798Cu},
                                          {0, 752, 16, 16, 0xFF00798Cu},
                                          {1008, 752, 16, 16, 0xFF00798Cu}};
    for (const auto& square : squares) {
      renderer_->DrawMesh(square.v, nullptr,
                          ORB::RenderState(ORB::RenderState::kPrimitiveTriangles
                                           << ORB::RenderState::kPrimitiveShift),
                          4, test_support::kQuadIndices, 6);
    }
    DrawScreenBorders();
    std::vector<uint32_t> pixels;
    if (read) {
      renderer_->Flush();
      const auto& viewport = gl_->GetViewport();
      EXPECT_EQ(viewport.x, kBar);
      EXPECT_EQ(viewport.width, 1024);
      pixels.resize(static_cast<size_t>(kWindowWidth) * kWindowHeight);
      EXPECT_TRUE(gl_->ReadPixels(-viewport.x, 0, kWindowWidth, kWindowHeight, pixels.data()));
    }
    EXPECT_EQ(renderer_->EndFrame(), ORB::kResultNone);
    return pixels;
  }

  static uint32_t At(const std::vector<uint32_t>& pixels, int32_t x, int32_t y) {
    return pixels[static_cast<size_t>(y) * kWindowWidth + static_cast<size_t>(x)];
  }

  test_support::TempHome home_;
  ORB::Window window_;
  ORB::platform::GlDevice* gl_ = nullptr;
  std::unique_ptr<ORB::Renderer> renderer_;
  GameEngineRig rig_;
};

TEST_F(ScreenBordersGlTest, AFullscreenSixteenByNineFrameShowsTheEarsInBothBars) {
  SetFullscreen(false);
  const std::vector<uint32_t> plain = Frame(true);
  SetFullscreen(true);
  const std::vector<uint32_t> framed = Frame(true);
  ASSERT_EQ(framed.size(), plain.size());
  EXPECT_TRUE(test_support::WritePng(test_support::BesideTestProgram("screen_borders_16x9.png"),
                                     framed, kWindowWidth, kWindowHeight));

  // The game's screen is untouched, pixel for pixel.
  int32_t changed = 0;
  for (int32_t y = 0; y < kWindowHeight; ++y) {
    for (int32_t x = kBar; x < kBar + 1024; ++x) changed += At(plain, x, y) != At(framed, x, y);
  }
  EXPECT_EQ(changed, 0);
  EXPECT_EQ(At(framed, kBar, 0), 0xFF00798Cu) << "the blue corner at the screen's edge";
  EXPECT_EQ(At(framed, kBar + 1023, 767), 0xFF00798Cu);
  EXPECT_EQ(At(framed, kBar + 512, 384), 0xFFD1495Bu);

  // Without the borders the bars are black; with them, the ear paper with
  // its grid in both, and the edge line next to the screen on either side.
  EXPECT_EQ(At(plain, 10, 10), 0xFF000000u);
  EXPECT_EQ(At(plain, kWindowWidth - 10, 10), 0xFF000000u);
  for (const auto& [from, to] :
       {std::pair{0, kBar - kLine}, std::pair{kBar + 1024 + kLine, kWindowWidth}}) {
    std::map<uint32_t, int32_t> colours;
    int32_t others = 0;
    for (int32_t y = 0; y < kWindowHeight; ++y) {
      for (int32_t x = from; x < to; ++x) {
        const uint32_t p = At(framed, x, y);
        if (Near(p, kEarPaper)) {
          ++colours[kEarPaper];
        } else if (Near(p, kEarGrid)) {
          ++colours[kEarGrid];
        } else if (Near(p, kEarBlock)) {
          ++colours[kEarBlock];
        } else {
          ++others;
        }
      }
    }
    EXPECT_EQ(others, 0) << "bar from " << from;
    EXPECT_GT(colours[kEarPaper], colours[kEarGrid]) << "mostly paper, from " << from;
    EXPECT_GT(colours[kEarGrid], 0) << from;
    EXPECT_GT(colours[kEarBlock], 0) << from;
  }
  for (int32_t y = 0; y < kWindowHeight; y += 17) {
    for (int32_t i = 0; i < kLine; ++i) {
      EXPECT_TRUE(Near(At(framed, kBar - kLine + i, y), kEarLine)) << "left line " << i << "," << y;
      EXPECT_TRUE(Near(At(framed, kBar + 1024 + i, y), kEarLine)) << "right line " << i << "," << y;
    }
  }

  // The same frame again is left out; the bars take part in the comparison.
  const int64_t skipped = renderer_->GetFrameSkipper()->SkippedFrames();
  Frame(false);
  Frame(false);
  EXPECT_EQ(renderer_->GetFrameSkipper()->SkippedFrames(), skipped + 1);
  SetFullscreen(false);
  Frame(false);
  EXPECT_EQ(renderer_->GetFrameSkipper()->SkippedFrames(), skipped + 1) << "the bars went";
}

}  // namespace
}  // namespace game
