// The clue strips: where each number sits, and the cross-out of a number
// that has just been crossed.
#include "game/play/number_panel.h"

#include <gtest/gtest.h>

#include "game/play/level_file.h"
#include "game/play/process.h"
#include "support/game_host.h"

namespace game {
namespace {

const char* kPanels =
    "<numbers><numbersLeft font=\"sans\" font_color=\"255 46 52 64\" font_cross=\"FFBDB5A8\" "
    "interval=\"30\" shift_first=\"22 0\"><FILE>strike.png</FILE>"
    "<ANIMATION loop=\"1\" grid=\"4 1\" frames=\"4\" fps=\"24\"/></numbersLeft>"
    "<numbersUp interval=\"24\" shift_first=\"0 18\"/></numbers>";

class NumberPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test_support::LevelText text;
    text.rows = {
        "##.#......", "..........", "##########", "#.........", "#.........",
        "#.........", "#.........", "#.........", "#.........", "#........#",
    };
    pugi::xml_document document;
    document.load_string(test_support::LevelXml(text).c_str());
    ASSERT_TRUE(level_.Read(document, "panel.xml")) << level_.Error();
    settings_ = level_.Settings();
    numbers_.load_string(kPanels);
    ASSERT_TRUE(board_.Load(level_, &settings_, numbers_.document_element()));
  }

  LevelFile level_;
  BoardSettings settings_;
  pugi::xml_document numbers_;
  GG_PROCESS board_;
};

TEST_F(NumberPanelTest, ReadsItsElement) {
  const NumberPanel& left = board_.LeftPanel();
  EXPECT_TRUE(left.IsVertical());
  EXPECT_EQ(left.FontName(), "sans");
  EXPECT_EQ(left.FontColour().ToUInt(), 0xFF2E3440u);
  EXPECT_EQ(left.CrossColour().ToUInt(), 0xFFBDB5A8u);
  EXPECT_EQ(left.Interval(), 30);
  EXPECT_EQ(left.ShiftFirst(), ORB::Vector2(22, 0));
  EXPECT_NE(left.CrossOutTemplate(), nullptr);
  EXPECT_EQ(board_.TopPanel().CrossOutTemplate(), nullptr);
  EXPECT_FALSE(board_.TopPanel().IsVertical());
}

TEST_F(NumberPanelTest, NumbersLineUpWithTheirCells) {
  const NumberPanel& left = board_.LeftPanel();
  // Row 0 holds "2 1": the last number sits nearest to the board.
  const ORB::Vector2 last = left.NumberPosition(0, 1, 2);
  const ORB::Vector2 first = left.NumberPosition(0, 0, 2);
  EXPECT_FLOAT_EQ(last.x, settings_.frameCorner.x - 22.0f);
  EXPECT_FLOAT_EQ(first.x, last.x - 30.0f);
  EXPECT_FLOAT_EQ(last.y, settings_.CellCentre(0, 0).y);
  // Past a block boundary the numbers follow the gap, as the cells do.
  EXPECT_FLOAT_EQ(left.NumberPosition(7, 0, 1).y, settings_.CellCentre(7, 0).y);
  const NumberPanel& top = board_.TopPanel();
  EXPECT_FLOAT_EQ(top.NumberPosition(6, 0, 1).x, settings_.CellCentre(0, 6).x);
  EXPECT_FLOAT_EQ(top.NumberPosition(0, 0, 2).y, settings_.frameCorner.y - 18.0f - 24.0f);
}

TEST_F(NumberPanelTest, ACrossedNumberGetsOneCrossOut) {
  board_.ApplyClick(2, 0, 2, 9, true);  // row 2: "10", the only run
  ASSERT_TRUE(board_.Numbers().RowRuns(2)[0]->crossed);
  EXPECT_TRUE(board_.Numbers().RowRuns(2)[0]->newlyCrossed);
  board_.Draw();  // no font and no renderer: only the bookkeeping
  EXPECT_FALSE(board_.Numbers().RowRuns(2)[0]->newlyCrossed);
  EXPECT_TRUE(board_.Numbers().RowRuns(2)[0]->shownCrossed);
  const size_t strikes = board_.LeftPanel().LiveAnimations();
  EXPECT_GE(strikes, 1u);
  board_.Draw();
  board_.Update();
  EXPECT_EQ(board_.LeftPanel().LiveAnimations(), strikes);
  // The top strip has no cross-out picture: it only changes colour.
  EXPECT_EQ(board_.TopPanel().LiveAnimations(), 0u);
  board_.Clear();
  EXPECT_EQ(board_.LeftPanel().LiveAnimations(), 0u);
}

TEST(ColourTextTest, DecimalOrHexadecimal) {
  ORB::Colour colour;
  EXPECT_TRUE(ParseColourText("255 1 2 3", colour));
  EXPECT_EQ(colour.ToUInt(), 0xFF010203u);
  EXPECT_TRUE(ParseColourText("80A0B0C0", colour));
  EXPECT_EQ(colour.ToUInt(), 0x80A0B0C0u);
  EXPECT_FALSE(ParseColourText("", colour));
}

}  // namespace
}  // namespace game
