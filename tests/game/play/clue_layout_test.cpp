// The clue numbers of every shipped level, loaded from the level archive
// through the repository and drawn by the real board with the shipped fonts
// on the recording device. Each drawn glyph is one quad; a number's box is the
// union of its glyphs' quads. On every level:
// - no two numbers come closer than a space of their font, so "11 12" never
//   reads as "1112" and stacked numbers never run into one another;
// - no number covers the board;
// - the board and every number stay on the canvas and clear of the regions
//   the gameplay controls own (tools/lib/levels.py keeps them free).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "engine/foundation/result_codes.h"
#include "game/play/gameplay.h"
#include "support/game_host.h"
#include "support/recording_renderer.h"
#include "support/shipped_fonts.h"
#include "support/source_path.h"

namespace game {
namespace {

struct Box {
  float left, top, right, bottom;

  // The clear space between two boxes: the larger of the horizontal and the
  // vertical distance; 0 or less when they touch or overlap.
  float Gap(const Box& other) const {
    return std::max(std::max(other.left - right, left - other.right),
                    std::max(other.top - bottom, top - other.bottom));
  }
  bool Inside(const Box& area) const {
    return left >= area.left && top >= area.top && right <= area.right && bottom <= area.bottom;
  }
};

std::ostream& operator<<(std::ostream& out, const Box& b) {
  return out << "(" << b.left << ", " << b.top << ")-(" << b.right << ", " << b.bottom << ")";
}

// The regions tools/lib/levels.py keeps free for the gameplay controls on
// the 1024 x 768 canvas, and the clearance it keeps from them and from the
// canvas edges.
constexpr Box kCanvas{0, 0, 1024, 768};
constexpr Box kTopBar{0, 0, 1024, 64};          // pause, coin counter, error panel
constexpr Box kSideColumn{904, 64, 1024, 768};  // hint button, tool switch, store button
constexpr float kClearance = 16;

// One drawn clue number.
struct Number {
  std::string where;  // "row 3" or "column 12"
  uint32_t value;
  Box box;
};

class ClueLayoutTest : public test_support::RecordingRendererTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(RecordingRendererTest::SetUp());
    ASSERT_EQ(host_.archive_added, ORB::kResultOk);
    ASSERT_EQ(host_.process_added, ORB::kResultOk);
    ASSERT_EQ(host_.Repository().AddFolder("data/share/font"), ORB::kResultOk);
    ASSERT_NO_FATAL_FAILURE(LoadFonts());
    ASSERT_EQ(renderer_->BeginFrame(), ORB::kResultOk);
  }

  void TearDown() override {
    fonts_.Clear();
    renderer_.reset();
  }

  // Every font of the shipped font list, each on its own page.
  void LoadFonts() {
    fonts_.Load(host_.Repository(), [this](std::string name) {
      name[name.find(' ')] = '/';
      return renderer_->LoadFromFile(test_support::SourcePath("Resources/" + name));
    });
    fonts_.AddTo(host_.fonts);
  }

  // Draws one strip and cuts the glyph quads the device received into its
  // numbers, in the strip's drawing order: line by line, each line's numbers
  // from its last run to its first, each number's digits left to right.
  std::vector<Number> DrawStrip(NumberPanel& panel, GG_NUMBERCROSS& numbers) {
    std::vector<Number> out;
    EXPECT_NE(panel.Font(), nullptr) << "font \"" << panel.FontName() << "\"";
    if (panel.Font() == nullptr) return out;
    fake_->ClearLog();
    panel.Draw(numbers);
    renderer_->Flush();
    std::vector<Box> glyphs;
    for (const auto& draw : fake_->Draws()) {
      // The 0 of an empty line is struck from the start: its strike is no
      // glyph.
      if (draw.texture != fonts_.PageOf(panel.Font())->handle) continue;
      for (size_t i = 0; i + 3 < draw.vertices.size(); i += 4) {
        const auto& v = draw.vertices;
        glyphs.push_back({v[i].x, v[i].y, v[i + 2].x, v[i + 2].y});
      }
    }
    fake_->ClearLog();

    size_t next = 0;
    const bool rows = panel.IsVertical();
    const int32_t lines = rows ? numbers.Rows() : numbers.Columns();
    for (int32_t line = 0; line < lines; ++line) {
      const auto& runs = rows ? numbers.RowRuns(line) : numbers.ColumnRuns(line);
      for (size_t i = runs.size(); i-- > 0;) {
        const uint32_t value = runs[i]->length;
        const size_t digits = std::to_string(value).size();
        if (next + digits > glyphs.size()) {
          ADD_FAILURE() << "fewer glyphs drawn than the clue numbers have digits";
          return out;
        }
        Box box = glyphs[next];
        for (size_t d = 1; d < digits; ++d) {
          const Box& g = glyphs[next + d];
          box = {std::min(box.left, g.left), std::min(box.top, g.top), std::max(box.right, g.right),
                 std::max(box.bottom, g.bottom)};
        }
        next += digits;
        out.push_back(
            {std::string(rows ? "row " : "column ") + std::to_string(line + 1), value, box});
      }
    }
    EXPECT_EQ(next, glyphs.size()) << "more glyphs drawn than the clue numbers have digits";
    return out;
  }

  test_support::ShippedHost host_;
  test_support::ShippedFonts fonts_;
};

TEST_F(ClueLayoutTest, EveryShippedLevelsNumbersStandApartOnTheBoardsFreeSpace) {
  const std::vector<std::string> levels = host_.LevelNames();
  ASSERT_GE(levels.size(), 60u);
  const Box playArea{kCanvas.left + kClearance, kTopBar.bottom + kClearance,
                     kSideColumn.left - kClearance, kCanvas.bottom - kClearance};
  std::map<std::string, int> fontsUsed;

  GG_GAMEPLAY gameplay(&host_);
  for (const std::string& name : levels) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(gameplay.Load(name)) << gameplay.LastError();
    const BoardSettings& s = gameplay.Settings();
    const Box board{s.frameCorner.x, s.frameCorner.y, s.frameCorner.x + static_cast<float>(s.width),
                    s.frameCorner.y + static_cast<float>(s.height)};
    EXPECT_TRUE(board.Inside(playArea)) << "board " << board;

    GG_PROCESS& process = gameplay.Board();
    ++fontsUsed[process.LeftPanel().FontName()];
    EXPECT_EQ(process.LeftPanel().FontName(), process.TopPanel().FontName());
    std::vector<Number> drawn = DrawStrip(process.LeftPanel(), process.Numbers());
    const size_t rowNumbers = drawn.size();
    const std::vector<Number> top = DrawStrip(process.TopPanel(), process.Numbers());
    drawn.insert(drawn.end(), top.begin(), top.end());
    ASSERT_GT(rowNumbers, 0u);
    ASSERT_GT(top.size(), 0u);
    ASSERT_NE(process.LeftPanel().Font(), nullptr);
    const float space = static_cast<float>(process.LeftPanel().Font()->GetAdvance(' '));
    ASSERT_GT(space, 0.0f);

    int faults = 0;
    for (size_t i = 0; i < drawn.size() && faults < 5; ++i) {
      const Number& a = drawn[i];
      if (!a.box.Inside(playArea)) {
        ADD_FAILURE() << a.where << ": " << a.value << " at " << a.box << " leaves the play area";
        ++faults;
      }
      if (a.box.Gap(board) <= 0.0f) {
        ADD_FAILURE() << a.where << ": " << a.value << " at " << a.box << " covers the board";
        ++faults;
      }
      for (size_t j = i + 1; j < drawn.size(); ++j) {
        const Number& b = drawn[j];
        if (a.box.Gap(b.box) < space) {
          ADD_FAILURE() << a.where << ": " << a.value << " at " << a.box << " and " << b.where
                        << ": " << b.value << " at " << b.box << " stand closer than a space ("
                        << space << " pixels)";
          ++faults;
        }
      }
    }
    gameplay.Stop();
  }
  // Small boards take the large clue font and big boards the small one.
  EXPECT_GT(fontsUsed["sans_bold_28"], 0);
  EXPECT_GT(fontsUsed["sans_bold_14"], 0);
}

}  // namespace
}  // namespace game
