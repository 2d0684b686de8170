// A shipped level lost by crosses, end to end with real OpenGL (SDL's
// offscreen driver): the shipped level and GameProcess files, the shipped
// template player (five errors allowed), the shipped windows made by a real
// window manager from the scene list with their labels translated. The
// wrong crosses reveal picture cells; the fifth loses the level, and
// "Confirm_Restart_Finish" slides in over the dimmed board. The settled frame
// is written as loss_dialog.png beside the test program: the dimmed board
// above the dialog, the backdrop over the paper, the panel and the restart
// button are checked. A click injected on "Restart" gives a clean level
// (loss_dialog_restarted.png).
#include <gtest/gtest.h>

#include <cstdint>
#include <ios>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/localization.h"
#include "engine/foundation/repository_document.h"
#include "engine/foundation/timer.h"
#include "engine/scene/document_provider.h"
#include "engine/scene/repository_document_provider.h"
#include "engine/scene/repository_texture_provider.h"
#include "engine/scene/texture_provider.h"
#include "framework/stock_windows.h"
#include "framework/window_manager.h"
#include "game/play/element.h"
#include "game/play/gameplay.h"
#include "main_road.h"
#include "support/argb.h"
#include "support/game_host.h"
#include "support/offscreen_gl.h"
#include "support/renderer_textures.h"
#include "support/shipped_fonts.h"
#include "support/translated_labels.h"

namespace game {
namespace {

const char* kLevel = "data/share/main/levels pack_1/apple.xml";
constexpr const char* kScenes = "data/share/main/other scenes.xml";
constexpr uint32_t kPaper = 0xFFF4EFE6u;
constexpr uint32_t kInk = 0xFF2E3440u;
constexpr uint32_t kFilled = 0xFF2E4057u;
constexpr uint32_t kClosed = 0xFFFFFFFFu;
constexpr uint32_t kPanel = 0xFFFFFDF8u;
// The dialogues dim what lies behind them with the ink at 140 / 255.
constexpr int kDim = 140;
// The restart dialogue's frame: 560 x 240 at the screen's middle.
constexpr int kPanelLeft = 512 - 280;
constexpr int kPanelTop = 384 - 120;

// The colour under the backdrop: the ink at 140 / 255 over it.
uint32_t Dimmed(uint32_t argb) {
  return test_support::Over((static_cast<uint32_t>(kDim) << 24) | (kInk & 0xFFFFFFu), argb);
}

// Within `tolerance` per channel, naming both colours when not.
::testing::AssertionResult Near(uint32_t actual, uint32_t expected, int tolerance) {
  if (test_support::Near(actual, expected, tolerance)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << std::hex << actual << ", expected " << expected;
}

// Within the dialogue's frame or its shadow.
bool InsidePanel(const ORB::Vector2& point) {
  return point.x >= kPanelLeft - 12 && point.x <= kPanelLeft + 560 + 12 &&
         point.y >= kPanelTop - 12 && point.y <= kPanelTop + 240 + 12;
}

class LossDialogGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(Open("loss dialog")); }
};

TEST_F(LossDialogGlTest, ALevelLostByCrossesAsksAndRestartsClean) {
  ORB::Renderer& renderer = *renderer_;
  renderer.SetClearColour(ORB::Colour(kPaper));
  test_support::RendererTextures loader(renderer);
  test_support::ShippedHost host(&loader);
  for (const char* folder : {"data/share/image/board", "data/share/font", "data/share/image/gui",
                             "data/share/main/windows", "data/en"}) {
    ASSERT_EQ(host.Repository().AddFolder(folder), ORB::kResultOk) << folder;
  }
  ORB::RepositoryTextureProvider textures(host.Repository());
  ORB::RepositoryDocumentProvider documents(host.Repository());
  ORB::SetTextureProvider(&textures);
  ORB::SetDocumentProvider(&documents);
  ORB::OC_LOCALIZATION strings;
  ASSERT_TRUE(ORB::ReadDocument(host.Repository(), "data/en strings.xml",
                                [&](const pugi::xml_document& document) {
                                  return strings.LoadLanguage(document, 1, "en", "en") > 0;
                                }));
  test_support::ShippedFonts fonts;
  ASSERT_NO_FATAL_FAILURE(fonts.Load(
      host.Repository(), [&](const std::string& name) { return textures.AcquireTexture(name); }));
  fonts.AddTo(host.fonts);
  {
    // The game's windows, as its factory makes them.
    ORB_GF::G_WINDOW_MANAGER windows([&strings](const pugi::xml_node& element) {
      ORB_GF::G_WINDOW* window = ORB_GF::CreateStockWindow(element);
      if (window != nullptr) test_support::TranslateLabels(window->GetGuiRoot().Widget(), strings);
      return window;
    });
    ASSERT_TRUE(windows.LoadWindows(&documents, kScenes));
    GG_GAMEPLAY gameplay(&host);
    host.windows = &windows;
    host.gameplay = &gameplay;
    test_support::MainRoad road(host, gameplay, &windows);
    const auto picture = road.Solution(kLevel);
    ASSERT_TRUE(gameplay.Load(kLevel)) << gameplay.LastError();
    gameplay.AcquireResources();
    ORB::FrameDelta().store(1.0f / 60.0f);

    road.GuessWrongUntilLost(picture, true);
    ASSERT_TRUE(gameplay.IsEnded());
    EXPECT_EQ(gameplay.Errors(), 5);
    ORB_GF::G_WINDOW* dialog = windows.FindWindow("Confirm_Restart_Finish");
    ASSERT_NE(dialog, nullptr);
    for (int i = 0; i < 120 && (!dialog->IsOpen() || dialog->IsAnimating()); ++i) road.Idle(1);
    ASSERT_TRUE(dialog->IsOpen());
    ASSERT_FALSE(dialog->IsAnimating());
    EXPECT_TRUE(gameplay.IsBusy());

    const auto draw = [&](const std::string& png) {
      EXPECT_EQ(renderer.BeginFrame(), ORB::kResultOk);
      gameplay.Draw();
      windows.Draw();
      test_support::Frame frame = Snapshot(png);
      renderer.EndFrame();
      return frame;
    };
    const test_support::Frame asked = draw("loss_dialog.png");
    const auto at = [](const test_support::Frame& frame, const ORB::Vector2& p) {
      return frame.At(static_cast<int32_t>(p.x), static_cast<int32_t>(p.y));
    };

    // The board under the backdrop, where the dialogue leaves it seen: the
    // crossed picture cells show their true content, the others are closed.
    const BoardSettings& s = gameplay.Settings();
    int wrong = 0;
    int closed = 0;
    for (const auto& cell : gameplay.Board().GetCells()) {
      const ORB::Vector2 centre = cell->Centre();
      if (InsidePanel(centre)) continue;
      if (cell->IsOpen()) {
        ++wrong;
        EXPECT_TRUE(Near(at(asked, centre), Dimmed(kFilled), 6))
            << "revealed " << cell->Row() << "," << cell->Col();
      } else if (closed++ < 8) {
        EXPECT_TRUE(Near(at(asked, centre), Dimmed(kClosed), 6))
            << "closed " << cell->Row() << "," << cell->Col();
      }
    }
    EXPECT_GE(wrong, 3);
    EXPECT_GT(closed, 8);
    // The backdrop over the paper, beside the board.
    EXPECT_TRUE(Near(asked.At(8, 8), Dimmed(kPaper), 4));
    EXPECT_TRUE(Near(asked.At(1016, 760), Dimmed(kPaper), 4));
    EXPECT_LT(s.frameCorner.x, static_cast<float>(kPanelLeft));
    // The frame's near-white between its message lines and its buttons.
    EXPECT_TRUE(Near(asked.At(kPanelLeft + 20, 384), kPanel, 3));
    EXPECT_TRUE(Near(asked.At(512 + 250, 384 + 100), kPanel, 3));
    // The message's ink in the frame's upper half.
    int ink = 0;
    for (int y = kPanelTop + 30; y < 384; ++y) {
      for (int x = kPanelLeft + 40; x < kPanelLeft + 520; ++x)
        ink += Near(asked.At(x, y), kInk, 40);
    }
    EXPECT_GT(ink, 300);
    // "Restart", 110 left of the middle and 60 below it, in the accent
    // colour beside its caption.
    const uint32_t face = asked.At(512 - 110 - 75, 384 + 60);
    EXPECT_GT(test_support::Channel(face, 16), 220);
    EXPECT_GT(test_support::Channel(face, 8), 150);
    EXPECT_LT(test_support::Channel(face, 8), 200);
    EXPECT_LT(test_support::Channel(face, 0), 120);

    // A click on "Restart": the level starts again, clean.
    road.Click(512 - 110, 384 + 60);
    EXPECT_EQ(host.Count("restart"), 1);
    for (int i = 0; i < 120 && windows.IsOpen("Confirm_Restart_Finish"); ++i) road.Idle(1);
    EXPECT_TRUE(windows.OpenWindows().empty());
    EXPECT_TRUE(gameplay.IsActive());
    EXPECT_FALSE(gameplay.IsBusy());
    EXPECT_FALSE(gameplay.IsEnded());
    EXPECT_EQ(gameplay.Errors(), 0);
    const test_support::Frame restarted = draw("loss_dialog_restarted.png");
    for (const auto& cell : gameplay.Board().GetCells()) {
      EXPECT_FALSE(cell->IsOpen());
      if (!InsidePanel(cell->Centre())) {
        EXPECT_TRUE(Near(at(restarted, cell->Centre()), kClosed, 2))
            << cell->Row() << "," << cell->Col();
      }
    }
    EXPECT_TRUE(Near(restarted.At(8, 8), kPaper, 2));

    ORB::FrameDelta().store(0.0f);
    gameplay.ReleaseResources();
    gameplay.Stop();
    host.windows = nullptr;
    windows.ReleaseAllResources(true);
  }
  for (auto& entry : fonts.Entries()) textures.ReleaseTexture(entry.page);
  fonts.Clear();
  ORB::SetTextureProvider(nullptr);
  ORB::SetDocumentProvider(nullptr);
}

}  // namespace
}  // namespace game
