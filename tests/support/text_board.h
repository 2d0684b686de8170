#pragma once
// A board built from a level drawn as text (level_text.h), without the
// gameplay screen:
//
//   test_support::LevelText text;
//   text.rows = {"#.", ".#"};
//   ASSERT_TRUE(test_support::BuildBoard(text, level_, settings_, board_));
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "game/play/board_settings.h"
#include "game/play/level_file.h"
#include "game/play/process.h"
#include "level_text.h"

namespace test_support {

// Reads the level into `level`, copies its settings into `settings` (which
// the board keeps pointing at) and builds `board` on them with the numbers
// file's text. A failure says which step refused.
inline ::testing::AssertionResult BuildBoard(const LevelText& text, game::LevelFile& level,
                                             game::BoardSettings& settings, game::GG_PROCESS& board,
                                             const char* numbers = kNumbersXml) {
  pugi::xml_document document;
  document.load_string(LevelXml(text).c_str());
  if (!level.Read(document, "level.xml")) return ::testing::AssertionFailure() << level.Error();
  settings = level.Settings();
  pugi::xml_document numbersDocument;
  numbersDocument.load_string(numbers);
  if (!board.Load(level, &settings, numbersDocument.document_element())) {
    return ::testing::AssertionFailure() << "the board is refused";
  }
  return ::testing::AssertionSuccess();
}

}  // namespace test_support
