// The shipped frame and marker pictures on a real OpenGL 3.3 context (SDL's
// offscreen driver): a nine-part panel at two sizes, three page markers and
// a particle burst on the paper background, written as panels.png beside
// the test program.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/file_system.h"
#include "engine/foundation/random.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/timer.h"
#include "engine/platform/image_decoder.h"
#include "engine/scene/repository_texture_provider.h"
#include "framework/nine_panel.h"
#include "framework/page_markers.h"
#include "framework/particles.h"
#include "support/argb.h"
#include "support/offscreen_gl.h"
#include "support/read_file.h"
#include "support/renderer_textures.h"
#include "support/source_path.h"

namespace ORB_GF {
namespace {

constexpr uint32_t kPaper = 0xFFF4EFE6u;
constexpr uint32_t kPanel = 0xFFFFFDF8u;
constexpr uint32_t kBorder = 0xFFD8D0C3u;
constexpr uint32_t kAccent = 0xFFEDAE49u;
constexpr int kPiece = 16;

using test_support::Near;
using test_support::Over;

// Where a panel was drawn: its outer rectangle.
struct Placed {
  int left, top, width, height;
};

class PanelsGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(Open("panels test"));
    renderer_->SetClearColour(ORB::Colour(kPaper));
    random_.Seed(777u);
    textures_ = std::make_unique<test_support::RendererTextures>(*renderer_);
    repository_ = std::make_unique<ORB::OC_REPOSITORY>(checkout_, textures_.get(), nullptr);
    for (const char* folder :
         {"data/share/image/board", "data/share/image/gui", "data/share/image/effects"}) {
      ASSERT_EQ(repository_->AddFolder(folder), ORB::kResultOk) << folder;
    }
    provider_ = std::make_unique<ORB::RepositoryTextureProvider>(*repository_);
  }
  void TearDown() override {
    ORB::SetDefaultRandom(nullptr);
    ORB::FrameDelta().store(0.0f);
    repository_.reset();
    OffscreenGlTest::TearDown();
  }

  // A shipped picture's pixels, as the generator wrote them.
  static ORB::platform::DecodedImage Piece(const std::string& name) {
    const std::vector<unsigned char> bytes = test_support::ReadFile(
        test_support::SourcePath("Resources/data/share/image/board/" + name));
    ORB::platform::DecodedImage image;
    EXPECT_TRUE(ORB::platform::DecodeImage(bytes.data(), bytes.size(), image)) << name;
    return image;
  }

  ORB::FileSystem checkout_{test_support::SourcePath("")};
  ORB::Random random_;
  std::unique_ptr<test_support::RendererTextures> textures_;
  std::unique_ptr<ORB::OC_REPOSITORY> repository_;
  std::unique_ptr<ORB::RepositoryTextureProvider> provider_;
};

TEST_F(PanelsGlTest, PanelsMarkersAndParticlesDrawCleanly) {
  NinePanel small;
  NinePanel large;
  for (NinePanel* panel : {&small, &large}) {
    panel->SetFiles("data/share/image/board panel_ul.png", "data/share/image/board panel_up.png",
                    "data/share/image/board panel_ur.png", "data/share/image/board panel_lt.png",
                    "data/share/image/board panel_mid.png", "data/share/image/board panel_rt.png",
                    "data/share/image/board panel_dl.png", "data/share/image/board panel_dn.png",
                    "data/share/image/board panel_dr.png");
    panel->LoadTextures(provider_.get());
    ASSERT_EQ(panel->GetMinWidth(), 2.0f * kPiece);
  }
  small.SetSize(200, 120);
  small.SetPosition(180.0f, 160.0f);
  large.SetSize(480, 300);
  large.SetPosition(650.0f, 330.0f);
  const Placed placed[] = {{80, 100, 200, 120}, {410, 180, 480, 300}};

  pugi::xml_document doc;
  ASSERT_TRUE(
      doc.load_string("<markers file='data/share/image/gui page_markers.png'>"
                      "<TRANSFORM>512 650 0 0 0 0 0 0 0 1 1 1</TRANSFORM></markers>"));
  PageMarkers markers(doc.first_child());
  markers.LoadTexture(provider_.get());
  markers.SetCount(3);
  markers.Next();

  // A burst of soft dots, every direction, no gravity.
  constexpr float kBurstX = 200.0f;
  constexpr float kBurstY = 520.0f;
  constexpr float kRadius = 10.0f;
  constexpr float kSpeed = 90.0f;
  constexpr float kDot = 12.0f;
  constexpr int kFrames = 30;
  constexpr float kFrame = 1.0f / 60.0f;
  ASSERT_TRUE(doc.load_string(
      "<particles texture='data/share/image/effects soft_dot.png' maxCount='400' spreadAngle='360' "
      "gravity='0 0' area='10'><velocity>0 "
      "90</velocity><lifetime>3</lifetime><startSize>12</startSize>"
      "<endSize>12</endSize><startColor>ff603010</startColor><averColor>ff603010</averColor>"
      "<endColor>ff603010</endColor></particles>"));
  G_PARTICLES burst;
  ASSERT_TRUE(burst.Load(doc.first_child()));
  burst.LoadTexture(provider_.get());
  ASSERT_TRUE(burst.IsLoaded());
  burst.System().SetEmitterCircle(kBurstX, kBurstY, kRadius);
  for (int i = 0; i < 200; ++i) burst.System().Emit();
  burst.System().Stop();
  ORB::FrameDelta().store(kFrame);
  for (int i = 0; i < kFrames; ++i) burst.Update();

  ASSERT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
  small.Draw();
  large.Draw();
  markers.Draw();
  ASSERT_EQ(burst.Draw(), ORB::kResultOk);
  const test_support::Frame frame = Snapshot("panels.png");
  renderer_->EndFrame();

  // Corners: the pictures themselves, at both sizes.
  const ORB::platform::DecodedImage ul = Piece("panel_ul.png");
  const ORB::platform::DecodedImage dr = Piece("panel_dr.png");
  ASSERT_EQ(ul.width, kPiece);
  for (const Placed& p : placed) {
    int wrong = 0;
    for (int y = 0; y < kPiece; ++y) {
      for (int x = 0; x < kPiece; ++x) {
        const uint32_t want_ul = Over(ul.pixels[static_cast<size_t>(y * kPiece + x)], kPaper);
        const uint32_t want_dr = Over(dr.pixels[static_cast<size_t>(y * kPiece + x)], kPaper);
        if (!Near(frame.At(p.left + x, p.top + y), want_ul, 2)) ++wrong;
        if (!Near(frame.At(p.left + p.width - kPiece + x, p.top + p.height - kPiece + y), want_dr,
                  2))
          ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0) << "panel at " << p.left << ", " << p.top;

    // The middle and the inside of every edge: the panel colour; the border
    // runs unbroken along the top edge.
    int off = 0;
    for (int y = p.top + kPiece; y < p.top + p.height - kPiece; y += 3) {
      for (int x = p.left + 8; x < p.left + p.width - 8; x += 3) {
        if (!Near(frame.At(x, y), kPanel, 1)) ++off;
      }
    }
    for (int x = p.left + kPiece; x < p.left + p.width - kPiece; ++x) {
      if (!Near(frame.At(x, p.top + 10), kPanel, 1)) ++off;  // inside the top edge
      if (!Near(frame.At(x, p.top + 5), kBorder, 1)) ++off;  // its border row
    }
    EXPECT_EQ(off, 0) << "panel at " << p.left << ", " << p.top;
  }

  // Three dots on the markers' row, the middle one (the current page) in
  // the accent colour, the others not.
  struct Dot {
    int middle;
    int width;
    uint32_t colour;  // at its middle
  };
  std::vector<Dot> dots;
  int run_start = -1;
  for (int x = 400; x < 624; ++x) {
    const bool ink = !Near(frame.At(x, 650), kPaper, 3);
    if (ink && run_start < 0) run_start = x;
    if (!ink && run_start >= 0) {
      dots.push_back({(run_start + x) / 2, x - run_start, frame.At((run_start + x) / 2, 650)});
      run_start = -1;
    }
  }
  ASSERT_EQ(dots.size(), 3u);
  EXPECT_TRUE(Near(dots[1].colour, kAccent, 2)) << std::hex << dots[1].colour;
  EXPECT_FALSE(Near(dots[0].colour, kAccent, 40));
  EXPECT_FALSE(Near(dots[2].colour, kAccent, 40));
  EXPECT_GT(dots[1].width, dots[0].width) << "the current dot is larger";
  EXPECT_EQ(dots[2].width, dots[0].width);
  const int step = static_cast<int>(markers.GetDotWidth());
  EXPECT_NEAR(dots[1].middle - dots[0].middle, step, 1);
  EXPECT_NEAR(dots[2].middle - dots[1].middle, step, 1);

  // Particle ink lies only within the emitter's reach plus half a dot.
  const float reach = kRadius + kSpeed * kFrame * kFrames + kDot / 2.0f + 1.0f;
  int lit = 0;
  int outside = 0;
  for (int y = 380; y < 680; ++y) {
    for (int x = 40; x < 360; ++x) {
      if (y > 630 && x > 380) continue;
      if (Near(frame.At(x, y), kPaper, 3)) continue;
      ++lit;
      if (std::hypot(static_cast<float>(x) + 0.5f - kBurstX,
                     static_cast<float>(y) + 0.5f - kBurstY) > reach) {
        ++outside;
      }
    }
  }
  EXPECT_GT(lit, 500) << "the burst shows";
  EXPECT_EQ(outside, 0);

  small.ReleaseTextures();
  large.ReleaseTextures();
  markers.ReleaseTexture();
  burst.ReleaseTexture();
}

}  // namespace
}  // namespace ORB_GF
