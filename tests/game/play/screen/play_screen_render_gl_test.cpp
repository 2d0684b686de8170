// The play screen drawn with real OpenGL (SDL's offscreen driver) from the
// shipped pictures and fonts: a 15 x 15 level in the middle of a game (a
// hovered cell, one error, coins on the counter, a hint halfway to its
// cell), and the first level with the tutorial's first step. Both frames are
// written as PNGs beside the test program; pixels of the frame, a clue
// strip's tint, the highlight, the error mark, the hint button's count, the
// coin counter's digits, the flying hint, the tutorial's arrow and its text
// are checked. Then the play screen's shipped windows over it: the
// question before the tutorial is skipped, answered yes, and the reset
// target's note, which goes again by itself.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "engine/foundation/localization.h"
#include "engine/foundation/utf8.h"
#include "engine/gui/gui_wide_label.h"
#include "framework/stock_windows.h"
#include "framework/window_manager.h"
#include "play_screen_rig.h"
#include "support/argb.h"
#include "support/offscreen_gl.h"

namespace game {
namespace {

constexpr uint32_t kPaper = 0xFFF4EFE6u;
constexpr uint32_t kInk = 0xFF2E3440u;
constexpr uint32_t kAccent = 0xFFEDAE49u;
constexpr uint32_t kError = 0xFFD1495Bu;
constexpr uint32_t kSecondary = 0xFF00798Cu;
constexpr const char* kCat = "data/share/main/levels pack_1/cat.xml";

using test_support::Channel;
using test_support::Near;

// The largest difference of a colour channel.
int Distance(uint32_t a, uint32_t b) {
  int most = 0;
  for (const int shift : {16, 8, 0})
    most = std::max(most, std::abs(Channel(a, shift) - Channel(b, shift)));
  return most;
}

class PlayScreenRenderGlTest : public test_support::OffscreenGlTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(Open("play screen render"));
    renderer_->SetClearColour(ORB::Colour(kPaper));
    rig_ = std::make_unique<PlayScreenRig>(*renderer_);
  }
  void TearDown() override {
    rig_.reset();
    OffscreenGlTest::TearDown();
  }

  // Pixels within `tolerance` of the colour in the box (inclusive).
  static int Count(const test_support::Frame& frame, int x0, int y0, int x1, int y1,
                   uint32_t colour, int tolerance) {
    int count = 0;
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) count += Distance(frame.At(x, y), colour) <= tolerance;
    }
    return count;
  }
  // The wide labels of a tree show their texts translated, as the game
  // shows them.
  static void Translate(ORB::OC_GUI_OBJECT& widget, const ORB::OC_LOCALIZATION& table) {
    if (auto* label = dynamic_cast<ORB::OC_GUI_WLABEL*>(&widget)) {
      label->SetText(ORB::Utf8ToWide(table.Find(ORB::WideToUtf8(label->GetText()))));
    }
    for (size_t i = 0; i < widget.GetChildCount(); ++i) Translate(*widget.GetChild(i), table);
  }
  // The shipped string table, through the rig's repository.
  void LoadStrings() {
    ASSERT_EQ(rig_->host.Repository().AddFolder("data/en"), ORB::kResultOk);
    pugi::xml_document* strings = rig_->host.GetDocument("data/en strings.xml");
    ASSERT_NE(strings, nullptr);
    ASSERT_GT(table_.LoadColumns(*strings, 1, 2), 0);
    rig_->host.ReleaseDocument(strings);
  }
  test_support::Frame DrawFrame(const std::string& png) {
    EXPECT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
    rig_->Draw();
    test_support::Frame frame = Snapshot(png);
    renderer_->EndFrame();
    return frame;
  }

  ORB::OC_LOCALIZATION table_;

  std::unique_ptr<PlayScreenRig> rig_;
};

TEST_F(PlayScreenRenderGlTest, ALevelInTheMiddleOfAGame) {
  ASSERT_NO_FATAL_FAILURE(rig_->Start(kCat, 15));
  GG_GAMEPLAY& gameplay = *rig_->gameplay;
  const BoardSettings& s = gameplay.Settings();
  // A row opened rightly (coins), one empty cell filled (an error).
  int32_t wrongRow = -1;
  int32_t wrongCol = -1;
  for (const auto& cell : gameplay.Board().GetCells()) {
    if (!cell->IsFilled() && cell->Row() >= 10) {
      wrongRow = static_cast<int32_t>(cell->Row());
      wrongCol = static_cast<int32_t>(cell->Col());
      break;
    }
  }
  ASSERT_GE(wrongRow, 0);
  int32_t filledRow = -1;
  for (int32_t row = 0; row < s.Rows() && filledRow < 0; ++row) {
    for (int32_t col = 0; col < s.Columns(); ++col) {
      if (rig_->Cell(row, col).IsFilled()) filledRow = row;
    }
  }
  for (int32_t col = 0; col < s.Columns(); ++col) {
    if (rig_->Cell(filledRow, col).IsFilled()) rig_->Click(rig_->CellPoint(filledRow, col));
  }
  rig_->Click(rig_->CellPoint(wrongRow, wrongCol));
  EXPECT_EQ(gameplay.Errors(), 1);
  rig_->Frames(90);
  ASSERT_GT(rig_->screen->GetCoins(), 0);
  // The pointer on a closed cell: its row and column light up.
  int32_t hoverRow = 7;
  int32_t hoverCol = 7;
  while (rig_->Cell(hoverRow, hoverCol).IsOpen()) ++hoverCol;
  const ORB::Point hover = rig_->CellPoint(hoverRow, hoverCol);
  rig_->input.Move(hover.x, hover.y);
  // A hint halfway.
  ASSERT_GT(gameplay.HintsHeld(), 0);
  const int32_t hints = gameplay.HintsHeld();
  gameplay.StartHint();
  gHintFlight& flight = rig_->screen->Effects().Hint();
  ASSERT_TRUE(flight.IsFlying());
  rig_->Frames(static_cast<int>(flight.Duration() / PlayScreenRig::kFrame / 2.0f));
  ASSERT_TRUE(flight.IsFlying());

  ASSERT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
  rig_->Draw();
  const test_support::Frame frame = Snapshot("play_screen.png");
  renderer_->EndFrame();

  // The frame shows round the board's lower right corner (no strip there).
  const int right = static_cast<int>(s.frameCorner.x) + s.width;
  const int bottom = static_cast<int>(s.frameCorner.y) + s.height;
  const int edgeY = bottom - 40;
  EXPECT_GE(Count(frame, right - 4, edgeY, right + 4, edgeY, 0xFFFFFDF8u, 3), 3)
      << "the frame's body";
  EXPECT_GE(Count(frame, right, edgeY, right + 8, edgeY, 0xFFD8D0C3u, 12), 1) << "its border";
  EXPECT_GE(Count(frame, right + 2, bottom + 1, right + 2, bottom + 8, 0xFFD8D0C3u, 12), 1)
      << "round the corner";
  // The left strip: the far end of a row's band, past its numbers, tinted
  // every other row.
  const int far =
      static_cast<int>(s.frameCorner.x) - rig_->screen->Pieces().LeftStrip().Depth() + 3;
  const ORB::Vector2 row0 = s.CellCentre(0, 0);
  const ORB::Vector2 row1 = s.CellCentre(1, 0);
  const uint32_t band0 = frame.At(far, static_cast<int>(row0.y));
  const uint32_t band1 = frame.At(far, static_cast<int>(row1.y));
  EXPECT_TRUE(Near(band0, 0xFFFFFDF8u, 3)) << "an untinted band";
  EXPECT_GE(Distance(band0, band1), 6) << "the next one tinted";
  EXPECT_FALSE(Near(band1, kPaper, 1)) << "the band is no paper";
  // The highlight tints the hovered row's closed cells toward the accent.
  int32_t farCol = hoverCol > 7 ? 0 : s.Columns() - 1;
  while (rig_->Cell(hoverRow, farCol).IsOpen()) farCol += hoverCol > 7 ? 1 : -1;
  const ORB::Vector2 lit = s.CellCentre(hoverRow, farCol);
  const uint32_t litPixel = frame.At(static_cast<int>(lit.x) + 5, static_cast<int>(lit.y) + 5);
  EXPECT_FALSE(Near(litPixel, 0xFFFFFFFFu, 6)) << "not plain white";
  EXPECT_LT(Distance(litPixel, kAccent), Distance(0xFFFFFFFFu, kAccent)) << "toward the accent";
  // The error's mark on the panel's first place.
  const ORB::Vector2 place = rig_->screen->Pieces().ErrorPanel().PlaceCentre(0);
  EXPECT_GT(Count(frame, static_cast<int>(place.x) - 8, static_cast<int>(place.y) - 8,
                  static_cast<int>(place.x) + 8, static_cast<int>(place.y) + 8, kError, 20),
            30);
  // The hint button shows the hints left: its badge is in the secondary
  // colour (a dimmed grey at 0).
  ASSERT_EQ(gameplay.HintsHeld(), hints - 1);
  ASSERT_GT(gameplay.HintsHeld(), 0);
  const ORB::Vector2 button = rig_->Controls().HintButton().ScreenPoint();
  const int badgeX = static_cast<int>(button.x) + 36 - 17;
  const int badgeY = static_cast<int>(button.y) - 36 + 17;
  EXPECT_GT(Count(frame, badgeX - 10, badgeY - 10, badgeX + 10, badgeY + 10, kSecondary, 24), 60);
  // The counter's digits in ink right of its coin.
  const ORB::Vector2 counter = rig_->screen->Pieces().Coins().Position();
  EXPECT_GT(Count(frame, static_cast<int>(counter.x), static_cast<int>(counter.y) - 14,
                  static_cast<int>(counter.x) + 40, static_cast<int>(counter.y) + 14, kInk, 40),
            20);
  // The hint in flight, off its straight way.
  const ORB::Vector2 fly = flight.Position();
  EXPECT_GT(Count(frame, static_cast<int>(fly.x) - 10, static_cast<int>(fly.y) - 12,
                  static_cast<int>(fly.x) + 10, static_cast<int>(fly.y) + 8, kAccent, 40),
            30);
}

TEST_F(PlayScreenRenderGlTest, TheTutorialsFirstStep) {
  ASSERT_NO_FATAL_FAILURE(rig_->Start(PlayScreenRig::kFirstLevel, 1));
  ASSERT_NO_FATAL_FAILURE(LoadStrings());
  GG_TUTORIAL& tutorial = *rig_->tutorial;
  for (const auto& step : tutorial.Steps()) Translate(step->gui->Widget(), table_);
  ASSERT_TRUE(tutorial.SelectLevel(1));
  tutorial.Activate();
  rig_->Frames(3);

  ASSERT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
  rig_->Draw();
  const test_support::Frame frame = Snapshot("play_screen_tutorial.png");
  renderer_->EndFrame();

  const gTutorialStep& step = *tutorial.CurrentStep();
  // The arrow beside the second row, in the secondary colour.
  const ORB::Vector2 arrow = step.arrow->GetTransform()->GetPositionV2();
  EXPECT_GT(Count(frame, static_cast<int>(arrow.x) - 24, static_cast<int>(arrow.y) - 6,
                  static_cast<int>(arrow.x) + 24, static_cast<int>(arrow.y) + 6, kSecondary, 30),
            100);
  // A marker round each of the row's cells.
  for (const ORB::Vector2& marker : step.markers) {
    EXPECT_GT(
        Count(frame, static_cast<int>(marker.x) - 31, static_cast<int>(marker.y) - 31,
              static_cast<int>(marker.x) + 31, static_cast<int>(marker.y) + 31, kSecondary, 40),
        100);
  }
  // The text in ink on the panel, left of the skip button.
  const ORB::OC_GUI_OBJECT* label = step.gui->FindById(2);
  ASSERT_NE(label, nullptr);
  const ORB::Vector2 at = label->GetTransform().GetWorld().GetPositionV2();
  EXPECT_GT(Count(frame, static_cast<int>(at.x), static_cast<int>(at.y) - 36,
                  static_cast<int>(at.x) + 400, static_cast<int>(at.y) + 36, kInk, 60),
            400);
  const ORB::OC_GUI_OBJECT* skip = step.gui->FindById(GG_TUTORIAL::kSkipButton);
  ASSERT_NE(skip, nullptr);
  const ORB::Vector2 button = skip->GetTransform().GetWorld().GetPositionV2();
  EXPECT_GT(Count(frame, static_cast<int>(button.x) - 60, static_cast<int>(button.y) - 15,
                  static_cast<int>(button.x) + 60, static_cast<int>(button.y) + 15, kAccent, 50),
            500);
  // Locked cells show their overlay: a locked closed cell is no plain white.
  const ORB::Vector2 locked = rig_->gameplay->Settings().CellCentre(3, 0);
  EXPECT_FALSE(Near(frame.At(static_cast<int>(locked.x) + 9, static_cast<int>(locked.y) + 2),
                    0xFFFFFFFFu, 2));
}

TEST_F(PlayScreenRenderGlTest, TheShippedWindowsOfThePlayScreen) {
  ASSERT_NO_FATAL_FAILURE(rig_->Build());
  ASSERT_NO_FATAL_FAILURE(LoadStrings());
  ASSERT_EQ(rig_->host.Repository().AddFolder("data/share/main/windows"), ORB::kResultOk);
  // The shipped windows, their labels translated as the game's factory does.
  ORB_GF::G_WINDOW_MANAGER manager([this](const pugi::xml_node& element) {
    ORB_GF::G_WINDOW* window = ORB_GF::CreateStockWindow(element);
    if (window != nullptr) Translate(window->GetGuiRoot().Widget(), table_);
    return window;
  });
  ASSERT_TRUE(manager.LoadWindows("data/share/main/other scenes.xml"));
  rig_->host.windows = &manager;
  ASSERT_NO_FATAL_FAILURE(rig_->LoadLevel(PlayScreenRig::kFirstLevel, 1));
  GG_TUTORIAL& tutorial = *rig_->tutorial;
  for (const auto& step : tutorial.Steps()) Translate(step->gui->Widget(), table_);
  ASSERT_TRUE(tutorial.SelectLevel(1));
  tutorial.Activate();

  // The skip button asks first.
  const ORB::OC_GUI_OBJECT* skip = tutorial.CurrentStep()->gui->FindById(GG_TUTORIAL::kSkipButton);
  ASSERT_NE(skip, nullptr);
  rig_->Click(PlayScreenRig::At(skip->GetTransform().GetWorld().GetPositionV2()));
  rig_->Frames(40);
  ASSERT_TRUE(manager.IsOpen(GG_TUTORIAL::kSkipDialog));
  EXPECT_TRUE(rig_->gameplay->IsPaused());
  const test_support::Frame asked = DrawFrame("play_screen_skip.png");
  EXPECT_GT(Count(asked, 412, 320, 612, 370, kInk, 60), 150) << "the question";
  // Yes: the dialogue's button 3.
  const ORB::OC_GUI_OBJECT* yes =
      manager.FindWindow(GG_TUTORIAL::kSkipDialog)->GetGuiRoot().FindById(3);
  ASSERT_NE(yes, nullptr);
  rig_->Click(PlayScreenRig::At(yes->GetTransform().GetWorld().GetPositionV2()));
  rig_->Frames(40);
  EXPECT_FALSE(manager.IsOpen(GG_TUTORIAL::kSkipDialog));
  EXPECT_FALSE(tutorial.IsActive());
  EXPECT_TRUE(rig_->host.Player().IsTutorialPassed());
  EXPECT_FALSE(rig_->gameplay->IsPaused());

  // The reset target's note, beside it, and gone again after a while.
  rig_->Click(PlayScreenRig::At(rig_->Controls().ResetTarget().Home()));
  rig_->Frames(30);
  ASSERT_TRUE(manager.IsOpen(gControlBar::kResetFeedbackWindow));
  const test_support::Frame note = DrawFrame("play_screen_reset_note.png");
  EXPECT_GT(Count(note, 600, 650, 860, 690, kInk, 60), 150) << "the note's text";
  rig_->Frames(static_cast<int>(gControlBar::kFeedbackTime * 60.0f) + 40);
  EXPECT_FALSE(manager.IsOpen(gControlBar::kResetFeedbackWindow));
  rig_->host.windows = &rig_->windows.Manager();
  manager.ReleaseAllResources(true);
}

}  // namespace
}  // namespace game
