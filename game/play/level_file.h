#pragma once
// A level file read and checked before anything is built from it.
//
//   <level>
//     <settings elSize="32 32" grid="10 10" block="5 5" shiftBlock="-4 -4"
//               position="560 430" bonuses="2" numbers="numbers_small.xml">
//       <block>...</block> <selection>...</selection>
//       <selection_yes>...</selection_yes> <selection_no>...</selection_no>
//     </settings>
//     <gElements> <element type="100"/> ... </gElements>
//   </level>
//
// "gElements" holds one child per cell, row by row from the top-left, each
// with its integer "type": 100 a picture cell, 101 an empty cell, 103 an inert
// cell that never opens. The four children of "settings" are sprite
// descriptions for the block frame and the selection marks. The optional
// "numbers" names the file, in the board's own folder, that sets the clue
// numbers' font and spacing: a board of many small cells needs a smaller font
// than one of a few large cells. Without it the board takes the common one.
#include <cstdint>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "game/play/board_settings.h"

namespace game {

class LevelFile {
 public:
  // Cells larger than this per side are refused: nothing on screen can show
  // them, and a bad file must not make the board allocate without bound.
  static constexpr int32_t kMaxSide = 1000;
  // Cell sizes, block shifts and positions beyond these are refused: the
  // board's pixel sizes must stay whole numbers that fit.
  static constexpr float kMaxCellSize = 4096.0f;
  static constexpr int32_t kMaxShift = 4096;
  static constexpr float kMaxPosition = 1.0e6f;

  // Reads the document's "settings" and "gElements". False, with a message
  // naming the file in `error`, when an attribute or a sprite child is
  // missing or unreadable, a size is not positive, a block size or the
  // bonus count is negative, a size, shift or position is out of bounds,
  // the cell count is not columns x rows, a cell type is unknown or no cell
  // belongs to the picture (the caller reports the refusal). More bonus
  // cells than picture cells are cut to the picture cell count, with a
  // warning in the log. A "numbers" that is not a plain file name (letters,
  // digits, '_', '-', '.', ending in ".xml") is refused too.
  [[nodiscard]] bool Read(const pugi::xml_document& document, const std::string& fileName);

  const std::string& Error() const { return error_; }
  const std::string& FileName() const { return file_name_; }

  // The settings as read, with the layout computed.
  const BoardSettings& Settings() const { return settings_; }
  // One type per cell, row-major.
  const std::vector<uint32_t>& CellTypes() const { return cell_types_; }
  uint32_t PictureCellCount() const { return picture_cells_; }
  // The clue numbers file named by the level; empty when it names none.
  const std::string& NumbersFile() const { return numbers_file_; }

  // The sprite children of "settings" (valid while the document lives).
  pugi::xml_node BlockSprite() const { return block_; }
  pugi::xml_node SelectionSprite() const { return selection_; }
  pugi::xml_node SelectionYesSprite() const { return selection_yes_; }
  pugi::xml_node SelectionNoSprite() const { return selection_no_; }

 private:
  bool Fail(const std::string& reason);

  std::string file_name_;
  std::string error_;
  std::string numbers_file_;
  BoardSettings settings_;
  std::vector<uint32_t> cell_types_;
  uint32_t picture_cells_ = 0;
  pugi::xml_node block_;
  pugi::xml_node selection_;
  pugi::xml_node selection_yes_;
  pugi::xml_node selection_no_;
};

}  // namespace game
