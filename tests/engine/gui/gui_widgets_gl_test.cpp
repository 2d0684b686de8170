// The shipped widget pictures drawn by the widgets with real OpenGL (SDL's
// offscreen driver), on the paper background, written as gui_widgets.png
// beside the test program: the five-look button in all five states, a ticked
// box, the switch at both ends, the nine-piece frame at 300 x 200 and
// 520 x 120, a progress bar at 37 %, the ring bar and the two-look button.
// Each picture is checked against the shipped file's pixels, and a press
// near the frame's upper-left corner hits it.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/file_system.h"
#include "engine/foundation/repository.h"
#include "engine/gui/gui_animation_bar.h"
#include "engine/gui/gui_button2.h"
#include "engine/gui/gui_button5.h"
#include "engine/gui/gui_checkbox5.h"
#include "engine/gui/gui_checkbox_ios.h"
#include "engine/gui/gui_panel9.h"
#include "engine/gui/gui_progress_bar.h"
#include "engine/gui/gui_root.h"
#include "engine/platform/image_decoder.h"
#include "engine/scene/repository_texture_provider.h"
#include "support/argb.h"
#include "support/gui_frames.h"
#include "support/offscreen_gl.h"
#include "support/read_file.h"
#include "support/renderer_textures.h"
#include "support/scripted_input.h"
#include "support/source_path.h"

namespace ORB {
namespace {

using test_support::Near;
using test_support::Over;

constexpr uint32_t kPaper = 0xFFF4EFE6u;
constexpr uint32_t kPanel = 0xFFFFFDF8u;
constexpr const char* kFolder = "data/share/image/gui";

std::string Shipped(const std::string& file) { return std::string(kFolder) + " " + file; }

// A shipped picture's pixels, as the generator wrote them.
platform::DecodedImage Picture(const std::string& file) {
  const std::vector<unsigned char> bytes = test_support::ReadFile(
      test_support::SourcePath("Resources/" + std::string(kFolder) + "/" + file));
  platform::DecodedImage image;
  EXPECT_TRUE(platform::DecodeImage(bytes.data(), bytes.size(), image)) << file;
  return image;
}

uint32_t PixelOf(const platform::DecodedImage& image, int x, int y) {
  return image
      .pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)];
}

class GuiWidgetsGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(Open("gui widgets"));
    renderer_->SetClearColour(Colour(kPaper));
    textures_ = std::make_unique<test_support::RendererTextures>(*renderer_);
    repository_ = std::make_unique<OC_REPOSITORY>(checkout_, textures_.get(), nullptr);
    ASSERT_EQ(repository_->AddFolder(kFolder), kResultOk);
    provider_ = std::make_unique<RepositoryTextureProvider>(*repository_);
    SetTextureProvider(provider_.get());
  }
  void TearDown() override {
    SetTextureProvider(nullptr);
    repository_.reset();
    OffscreenGlTest::TearDown();
  }

  // Pixels of the frame's w x h area at (left, top) that differ from the
  // picture's area at (px, py) drawn over the paper, by more than 2.
  static int Differences(const test_support::Frame& frame, int left, int top,
                         const platform::DecodedImage& picture, int px, int py, int w, int h) {
    int wrong = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const uint32_t want = Over(PixelOf(picture, px + x, py + y), kPaper);
        if (!Near(frame.At(left + x, top + y), want, 2)) ++wrong;
      }
    }
    return wrong;
  }

  FileSystem checkout_{test_support::SourcePath("")};
  std::unique_ptr<test_support::RendererTextures> textures_;
  std::unique_ptr<OC_REPOSITORY> repository_;
  std::unique_ptr<RepositoryTextureProvider> provider_;
};

TEST_F(GuiWidgetsGlTest, ShippedPicturesDrawnByTheirWidgets) {
  // Each button in a root of its own, so that the pointer can leave one
  // hovered and another pressed.
  constexpr int kButtonW = 200;
  constexpr int kButtonH = 56;
  std::array<std::unique_ptr<OC_GUI_ROOT>, 5> button_roots;
  std::array<OC_GUI_BUTTON5*, 5> buttons{};
  for (int i = 0; i < 5; ++i) {
    button_roots[i] = std::make_unique<OC_GUI_ROOT>();
    buttons[i] =
        button_roots[i]->Add(std::make_unique<OC_GUI_BUTTON5>(i + 1, Shipped("button_wide.png")));
    buttons[i]->SetPosition(104.0f + 204.0f * static_cast<float>(i), 60.0f, 0.0f);
    button_roots[i]->LoadResources();
    ASSERT_EQ(buttons[i]->GetWidth(), static_cast<float>(kButtonW));
  }

  OC_GUI_ROOT root;
  auto* box = root.Add(std::make_unique<OC_GUI_CHECKBOX5>(10, Shipped("checkbox.png")));
  box->SetPosition(60.0f, 160.0f, 0.0f);
  box->SetChecked(true, false);
  auto* on = root.Add(std::make_unique<OC_GUI_CHECKBOX_IOS>(11, Shipped("switch_track.png"),
                                                            Shipped("switch_knob.png")));
  on->SetPosition(160.0f, 160.0f, 0.0f);
  auto* off = root.Add(std::make_unique<OC_GUI_CHECKBOX_IOS>(12, Shipped("switch_track.png"),
                                                             Shipped("switch_knob.png")));
  off->SetPosition(260.0f, 160.0f, 0.0f);
  auto* two = root.Add(std::make_unique<OC_GUI_BUTTON2>(13, Shipped("button_two.png")));
  two->SetPosition(400.0f, 160.0f, 0.0f);
  auto* ring =
      root.Add(std::make_unique<OC_GUI_ANIMATION_BAR>(14, Shipped("progress_ring.png"), 5, 2, 10));
  ring->SetPosition(520.0f, 160.0f, 0.0f);
  ring->SetPercent(60.0f);

  OC_GUI_PANEL9::Names names;
  const char* parts[9] = {"ul", "up", "ur", "lt", "mid", "rt", "dl", "dn", "dr"};
  for (int i = 0; i < 9; ++i) names[i] = Shipped(std::string("dialog_") + parts[i] + ".png");
  auto* tall = root.Add(std::make_unique<OC_GUI_PANEL9>(20, names));
  tall->SetSize(300, 200);
  tall->SetPosition(180.0f, 400.0f, 0.0f);  // 30..330 x 300..500
  auto* wide = root.Add(std::make_unique<OC_GUI_PANEL9>(21, names));
  wide->SetSize(520, 120);
  wide->SetPosition(700.0f, 300.0f, 0.0f);  // 440..960 x 240..360
  auto* bar = root.Add(std::make_unique<OC_GUI_PROGRESS_BAR>(22, Shipped("progress_bar.png")));
  bar->SetPosition(700.0f, 450.0f, 0.0f);  // 540..860 x 438..462
  bar->SetPercent(37.0f);
  root.LoadResources();
  off->SetChecked(false, true);
  ring->SetPercent(60.0f);
  ASSERT_TRUE(on->IsBuilt());
  ASSERT_EQ(tall->GetWidth(), 300.0f);
  ASSERT_EQ(bar->GetWidth(), 320.0f);

  // The looks: hover and pressed through the pointer, selected and disabled
  // set.
  {
    std::unique_ptr<test_support::GuiFrames> frames;
    test_support::ScriptedInput input([&] { frames->Run(); });
    for (int i : {1, 2}) {
      frames = std::make_unique<test_support::GuiFrames>(*button_roots[i]);
      input.Move(104 + 204 * i, 60);
      if (i == 2) input.Press();
    }
  }
  buttons[3]->Select();
  buttons[4]->Disable();
  for (int i = 0; i < 5; ++i) ASSERT_EQ(buttons[i]->GetFrame(), i);

  ASSERT_EQ(renderer_->BeginFrame(), kResultOk);
  for (auto& r : button_roots) r->Draw();
  root.Draw();
  const test_support::Frame frame = Snapshot("gui_widgets.png");
  EXPECT_EQ(renderer_->EndFrame(), kResultNone);

  // Each button shows its own frame of the sheet.
  const platform::DecodedImage sheet = Picture("button_wide.png");
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Differences(frame, 4 + 204 * i, 60 - kButtonH / 2, sheet, kButtonW * i, 0, kButtonW,
                          kButtonH),
              0)
        << "button " << i;
  }

  // The ticked box: the box frame, then the tick over it.
  const platform::DecodedImage boxes = Picture("checkbox.png");
  int tick_wrong = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const uint32_t want = Over(PixelOf(boxes, 120 + x, y), Over(PixelOf(boxes, x, y), kPaper));
      if (!Near(frame.At(40 + x, 140 + y), want, 2)) ++tick_wrong;
    }
  }
  EXPECT_EQ(tick_wrong, 0);

  // The switch: on, the knob covers the left half and the accent shows on
  // the right; off, the other way round. Track 64 x 32 centred at (160, 160)
  // and (260, 160); the knob's middle 16 px from the track's.
  const platform::DecodedImage track = Picture("switch_track.png");
  const platform::DecodedImage knob = Picture("switch_knob.png");
  const uint32_t knob_middle = Over(PixelOf(knob, 16, 16), kPaper);
  EXPECT_TRUE(Near(frame.At(144, 160), knob_middle, 2));
  EXPECT_TRUE(Near(frame.At(176, 160), Over(PixelOf(track, 48, 16), kPaper), 2));
  EXPECT_TRUE(Near(frame.At(276, 160), knob_middle, 2));
  EXPECT_TRUE(Near(frame.At(244, 160), Over(PixelOf(track, 16, 16), kPaper), 2));
  EXPECT_FALSE(Near(frame.At(176, 160), frame.At(244, 160), 40)) << "on and off differ";

  // The frames: corner pixels are the corner pieces; edges repeat their
  // piece (every column of the top edge is the piece's column, every row of
  // the left edge its row); the middle is the panel's colour.
  const platform::DecodedImage ul = Picture("dialog_ul.png");
  const platform::DecodedImage dr = Picture("dialog_dr.png");
  const platform::DecodedImage up = Picture("dialog_up.png");
  const platform::DecodedImage lt = Picture("dialog_lt.png");
  constexpr int kPiece = 24;
  struct Placed {
    int left, top, width, height;
  };
  for (const Placed& p : {Placed{30, 300, 300, 200}, Placed{440, 240, 520, 120}}) {
    EXPECT_EQ(Differences(frame, p.left, p.top, ul, 0, 0, kPiece, kPiece), 0) << p.left;
    EXPECT_EQ(Differences(frame, p.left + p.width - kPiece, p.top + p.height - kPiece, dr, 0, 0,
                          kPiece, kPiece),
              0)
        << p.left;
    int edges = 0;
    for (int x = p.left + kPiece; x < p.left + p.width - kPiece; ++x) {
      edges += Differences(frame, x, p.top, up, (x - p.left) % kPiece, 0, 1, kPiece);
    }
    for (int y = p.top + kPiece; y < p.top + p.height - kPiece; ++y) {
      edges += Differences(frame, p.left, y, lt, 0, (y - p.top) % kPiece, kPiece, 1);
    }
    EXPECT_EQ(edges, 0) << p.left;
    int middle = 0;
    for (int y = p.top + kPiece; y < p.top + p.height - kPiece; y += 5) {
      for (int x = p.left + kPiece; x < p.left + p.width - kPiece; x += 5) {
        if (!Near(frame.At(x, y), kPanel, 1)) ++middle;
      }
    }
    EXPECT_EQ(middle, 0) << p.left;
  }

  // The progress bar at 37 %: the accent ends 118 px from its left edge
  // (540), within a pixel, on its middle row.
  const platform::DecodedImage bars = Picture("progress_bar.png");
  const uint32_t fill = Over(PixelOf(bars, 480, 12), kPaper);
  const uint32_t empty = Over(PixelOf(bars, 160, 12), kPaper);
  int last_fill = -1;
  for (int x = 540; x < 860; ++x) {
    if (Near(frame.At(x, 450), fill, 3)) last_fill = x;
  }
  EXPECT_NEAR(last_fill, 540 + 118 - 1, 1);
  EXPECT_TRUE(Near(frame.At(700, 450), empty, 2));

  // The ring at 60 %: frame 5 of the sheet.
  const platform::DecodedImage rings = Picture("progress_ring.png");
  EXPECT_EQ(Differences(frame, 496, 136, rings, 0, 48, 48, 48), 0);

  // A press near the tall frame's upper-left corner hits it (its hit area is
  // the frame as drawn, around its position); one just outside does not.
  test_support::GuiFrames frames(root);
  test_support::ScriptedInput input([&] { frames.Run(); });
  input.Move(29, 299);
  input.Press();
  EXPECT_EQ(frames.Last().down, 0);
  input.Release();
  input.Move(31, 301);
  input.Press();
  EXPECT_EQ(frames.Last().down, kGuiEventPressed);
  EXPECT_EQ(frames.Last().id, 20);
  input.Release();

  for (auto& r : button_roots) r->ReleaseResources();
  root.ReleaseResources();
}

}  // namespace
}  // namespace ORB
