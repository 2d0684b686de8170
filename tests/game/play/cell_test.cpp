#include <gtest/gtest.h>

#include <memory>

#include <pugixml.hpp>

#include "engine/foundation/timer.h"
#include "game/play/element.h"

namespace game {
namespace {

TEST(CellTest, NewCellsAreClosedExceptInertOnes) {
  GG_ELEMENT filled(GG_ELEMENT::kFilled, 1, 2);
  EXPECT_EQ(filled.Shown(), GG_ELEMENT::kClosed);
  EXPECT_FALSE(filled.IsOpen());
  EXPECT_FALSE(filled.IsRevealed());
  GG_ELEMENT inert(GG_ELEMENT::kInert, 0, 0);
  EXPECT_TRUE(inert.IsOpen());
  EXPECT_TRUE(inert.IsRevealed());
  EXPECT_EQ(inert.OpenAsFilled(0.0), GG_ELEMENT::kOpenNothing);
  EXPECT_EQ(inert.OpenAsEmpty(0.0), GG_ELEMENT::kOpenNothing);
}

TEST(CellTest, ToolAgainstContent) {
  const struct {
    uint32_t type;
    bool fill;
    int32_t result;
  } cases[] = {
      {GG_ELEMENT::kFilled, true, GG_ELEMENT::kOpenRight},
      {GG_ELEMENT::kFilled, false, GG_ELEMENT::kOpenWrong},  // a cross on a picture cell
      {GG_ELEMENT::kEmpty, false, GG_ELEMENT::kOpenRight},
      {GG_ELEMENT::kEmpty, true, GG_ELEMENT::kOpenWrong},  // fill on an empty cell
  };
  for (const auto& c : cases) {
    GG_ELEMENT cell(c.type, 0, 0);
    EXPECT_EQ(c.fill ? cell.OpenAsFilled(0.0) : cell.OpenAsEmpty(0.0), c.result);
    // Open at once, showing its true content whatever the tool.
    EXPECT_TRUE(cell.IsOpen());
    EXPECT_EQ(cell.Shown(), c.type);
    EXPECT_TRUE(cell.IsRevealed());
    EXPECT_EQ(cell.OpenAsFilled(0.0), GG_ELEMENT::kOpenNothing);
    EXPECT_EQ(cell.OpenAsEmpty(0.0), GG_ELEMENT::kOpenNothing);
  }
}

TEST(CellTest, DelayedOpeningShowsWhenTheDelayRunsOut) {
  GG_ELEMENT cell(GG_ELEMENT::kEmpty, 0, 0);
  EXPECT_EQ(cell.OpenAsEmpty(0.1), GG_ELEMENT::kOpenRight);
  EXPECT_TRUE(cell.IsOpen());       // counts as open at once
  EXPECT_FALSE(cell.IsRevealed());  // but shows later
  EXPECT_FALSE(cell.UpdateOpenDelay(0.06f));
  EXPECT_FALSE(cell.IsRevealed());
  EXPECT_TRUE(cell.UpdateOpenDelay(0.06f));
  EXPECT_TRUE(cell.IsRevealed());
  EXPECT_FALSE(cell.UpdateOpenDelay(0.06f));  // only once
}

TEST(CellTest, HitRectangleIncludesItsEdgesAndIgnoresLockedCells) {
  GG_ELEMENT cell(GG_ELEMENT::kFilled, 0, 0);
  cell.SetSize({40, 40});
  cell.SetPosition({120.5f, 80});
  EXPECT_EQ(cell.RectCorner(), ORB::Point(100, 60));
  EXPECT_EQ(cell.HitTest(1, {100, 60}), ORB::kEventSwallowed);
  EXPECT_EQ(cell.HitTest(2, {140, 100}), ORB::kEventSwallowed);
  EXPECT_EQ(cell.HitTest(1, {141, 100}), 0);
  EXPECT_EQ(cell.HitTest(1, {99, 70}), 0);
  EXPECT_EQ(cell.HitTest(4, {120, 80}), 0);  // the middle button opens nothing
  cell.SetLocked(true);
  EXPECT_EQ(cell.HitTest(1, {120, 80}), 0);
}

}  // namespace
}  // namespace game

namespace game {
namespace {

class CellLookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document_.load_string(
        "<looks><yes><FILE>f.png</FILE><ANIMATION loop=\"0\" grid=\"4 1\" frames=\"4\" "
        "fps=\"30\"/></yes>"
        "<no><FILE>x.png</FILE><ANIMATION loop=\"0\" grid=\"4 1\" frames=\"4\" fps=\"30\"/></no>"
        "<locked><FILE>l.png</FILE></locked>"
        "<end><FILE>e.png</FILE><ANIMATION loop=\"1\" grid=\"6 1\" frames=\"6\" "
        "fps=\"20\"/></end></looks>");
    const pugi::xml_node looks = document_.child("looks");
    filled_ = std::make_unique<ORB_GF::G_ANIMATION>(looks.child("yes"));
    cross_ = std::make_unique<ORB_GF::G_ANIMATION>(looks.child("no"));
    overlay_ = std::make_unique<ORB_GF::G_SPRITE>(looks.child("locked"));
    end_ = std::make_unique<ORB_GF::G_ANIMATION>(looks.child("end"));
    templates_ = {filled_.get(), cross_.get(), overlay_.get(), end_.get()};
  }

  pugi::xml_document document_;
  std::unique_ptr<ORB_GF::G_ANIMATION> filled_, cross_, end_;
  std::unique_ptr<ORB_GF::G_SPRITE> overlay_;
  CellTemplates templates_;
};

TEST_F(CellLookTest, AnimationsStartWhenTheCellShows) {
  GG_ELEMENT cell(GG_ELEMENT::kFilled, 0, 0);
  cell.SetSize({48, 48});
  cell.SetPosition({100, 100});
  cell.SetVisuals(templates_);
  cell.OpenAsFilled(0.2);
  EXPECT_FALSE(cell.IsRevealed());
  cell.UpdateOpenDelay(0.25f);
  EXPECT_TRUE(cell.IsRevealed());
  EXPECT_FALSE(cell.IsEndPlaying());
  cell.StartEnd();
  EXPECT_TRUE(cell.EndStarted());
  EXPECT_TRUE(cell.IsEndPlaying());  // the end animation plays once, even from a looping template
  // Animations step by the frame time.
  ORB::FrameDelta().store(0.1f);
  for (int i = 0; i < 40; ++i) cell.UpdateOpenDelay(0.1f);
  ORB::FrameDelta().store(0.0f);
  EXPECT_FALSE(cell.IsEndPlaying());
  // Drawing without a renderer draws nothing and does not fail.
  cell.DrawFilled();
  cell.DrawCross();
  cell.DrawOverlay();
  cell.DrawEnd();
}

}  // namespace
}  // namespace game
