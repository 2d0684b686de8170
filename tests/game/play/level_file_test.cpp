#include "game/play/level_file.h"

#include <gtest/gtest.h>

#include "support/game_host.h"

namespace game {
namespace {

using test_support::LevelText;
using test_support::LevelXml;

LevelText SmallLevel() {
  LevelText level;
  level.rows = {"#.#", ".#.", "#.#"};
  level.block = "0 0";
  level.shiftBlock = "0 0";
  return level;
}

bool ReadText(LevelFile& file, const std::string& xml) {
  pugi::xml_document document;
  EXPECT_TRUE(document.load_string(xml.c_str()));
  return file.Read(document, "pack/level_7.xml");
}

TEST(LevelFileTest, ReadsSettingsAndCells) {
  LevelFile file;
  LevelText level = SmallLevel();
  level.elSize = "32 30";
  level.position = "400.5 300";
  level.bonuses = "2";
  ASSERT_TRUE(ReadText(file, LevelXml(level))) << file.Error();
  const BoardSettings& s = file.Settings();
  EXPECT_EQ(s.grid, ORB::Point(3, 3));
  EXPECT_EQ(s.elSize, ORB::Vector2(32.0f, 30.0f));
  EXPECT_EQ(s.position, ORB::Vector2(400.5f, 300.0f));
  EXPECT_EQ(s.bonuses, 2u);
  EXPECT_EQ(file.PictureCellCount(), 5u);
  ASSERT_EQ(file.CellTypes().size(), 9u);
  EXPECT_EQ(file.CellTypes()[0], 100u);
  EXPECT_EQ(file.CellTypes()[1], 101u);
  EXPECT_TRUE(file.BlockSprite());
  EXPECT_TRUE(file.SelectionNoSprite());
}

TEST(LevelFileTest, BlockSizeZeroMeansOneBlock) {
  LevelFile file;
  ASSERT_TRUE(ReadText(file, LevelXml(SmallLevel()))) << file.Error();
  EXPECT_EQ(file.Settings().block, ORB::Point(3, 3));
  EXPECT_EQ(file.Settings().blocks, ORB::Point(1, 1));
  EXPECT_EQ(file.Settings().width, 120);
}

TEST(LevelFileTest, MoreBonusesThanPictureCellsAreCut) {
  LevelFile file;
  LevelText level = SmallLevel();
  level.bonuses = "40";
  ASSERT_TRUE(ReadText(file, LevelXml(level))) << file.Error();
  EXPECT_EQ(file.Settings().bonuses, 5u);
}

TEST(LevelFileTest, InertCellsAreKnown) {
  LevelFile file;
  LevelText level = SmallLevel();
  level.rows = {"#/#", ".#.", "#.#"};
  ASSERT_TRUE(ReadText(file, LevelXml(level))) << file.Error();
  EXPECT_EQ(file.CellTypes()[1], 103u);
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// Each bad file is refused, and the message names the file.
TEST(LevelFileTest, RefusesBadFiles) {
  const std::string good = LevelXml(SmallLevel());
  const std::string cell = "<element type=\"101\"/>";
  LevelText noPicture = SmallLevel();
  noPicture.rows = {"...", "./.", "..."};
  const struct {
    const char* what;
    std::string xml;
  } cases[] = {
      {"too few cells", Replace(good, cell, "")},
      {"too many cells", Replace(good, cell, cell + cell)},
      {"unknown cell type", Replace(good, cell, "<element type=\"102\"/>")},
      {"cell type not a number", Replace(good, cell, "<element type=\"abc\"/>")},
      {"cell without type", Replace(good, cell, "<element/>")},
      {"no picture cell", LevelXml(noPicture)},
      {"zero columns", Replace(good, "grid=\"3 3\"", "grid=\"0 3\"")},
      {"negative rows", Replace(good, "grid=\"3 3\"", "grid=\"3 -3\"")},
      {"huge grid", Replace(good, "grid=\"3 3\"", "grid=\"100000 100000\"")},
      {"zero cell width", Replace(good, "elSize=\"40 40\"", "elSize=\"0 40\"")},
      {"negative cell height", Replace(good, "elSize=\"40 40\"", "elSize=\"40 -1\"")},
      {"cell size not a number", Replace(good, "elSize=\"40 40\"", "elSize=\"nan 40\"")},
      {"huge cell", Replace(good, "elSize=\"40 40\"", "elSize=\"1e30 40\"")},
      {"huge block shift", Replace(good, "shiftBlock=\"0 0\"", "shiftBlock=\"0 -2000000000\"")},
      {"position far off", Replace(good, "position=\"500 400\"", "position=\"500 1e20\"")},
      {"negative block", Replace(good, "block=\"0 0\"", "block=\"-1 0\"")},
      {"block shift as large as a block",
       Replace(good, "shiftBlock=\"0 0\"", "shiftBlock=\"120 0\"")},
      {"one number for a pair", Replace(good, "position=\"500 400\"", "position=\"500\"")},
      {"text after the pair", Replace(good, "grid=\"3 3\"", "grid=\"3 3 3\"")},
      {"negative bonuses", Replace(good, "bonuses=\"0\"", "bonuses=\"-1\"")},
      {"no bonuses", Replace(good, " bonuses=\"0\"", "")},
      {"no shiftBlock", Replace(good, " shiftBlock=\"0 0\"", "")},
      {"no selection sprite", Replace(good, "<selection><FILE>sel.png</FILE></selection>", "")},
      {"no block sprite", Replace(good, "<block><FILE>block.png</FILE></block>", "")},
      {"no settings", "<level><gElements/></level>"},
      {"no cells element", Replace(good, "<gElements>", "<cells>")},
  };
  for (const auto& c : cases) {
    LevelFile file;
    pugi::xml_document document;
    document.load_string(c.xml.c_str());
    EXPECT_FALSE(file.Read(document, "pack/level_7.xml")) << c.what;
    EXPECT_NE(file.Error().find("pack/level_7.xml"), std::string::npos)
        << c.what << ": " << file.Error();
    EXPECT_TRUE(file.CellTypes().empty()) << c.what;
  }
}

// A level may name the file that sets its clue numbers' font and spacing,
// but only a plain file name of the board's folder.
TEST(LevelFileTest, NamesItsNumbersFile) {
  const std::string good = LevelXml(SmallLevel());
  const auto withNumbers = [&good](const std::string& name) {
    return Replace(good, " bonuses=", " numbers=\"" + name + "\" bonuses=");
  };
  LevelFile file;
  ASSERT_TRUE(ReadText(file, good)) << file.Error();
  EXPECT_EQ(file.NumbersFile(), "") << "none named: the common file";
  ASSERT_TRUE(ReadText(file, withNumbers("numbers_small.xml"))) << file.Error();
  EXPECT_EQ(file.NumbersFile(), "numbers_small.xml");

  for (const char* bad :
       {"", "numbers", ".xml", "../numbers.xml", "other numbers.xml", "sub/numbers.xml",
        "sub\\numbers.xml", "numbers.xml.png", ".hidden.xml"}) {
    EXPECT_FALSE(ReadText(file, withNumbers(bad))) << "\"" << bad << "\"";
    EXPECT_NE(file.Error().find("numbers"), std::string::npos) << file.Error();
    EXPECT_EQ(file.NumbersFile(), "") << bad;
  }
}

}  // namespace
}  // namespace game
