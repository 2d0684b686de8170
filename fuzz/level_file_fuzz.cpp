// libFuzzer target for the level file reader: any bytes are read without a
// crash, and a level it takes has one known cell type per cell and at least
// one picture cell.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "game/play/level_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pugi::xml_document document;
  if (!fuzz_support::ParseXml(data, size, document)) return 0;
  game::LevelFile level;
  if (!level.Read(document, "fuzz.xml")) {
    if (level.Error().empty()) fuzz_support::Broken("a refused level says why");
    return 0;
  }
  const game::BoardSettings& settings = level.Settings();
  const auto cells = static_cast<size_t>(settings.Columns()) * static_cast<size_t>(settings.Rows());
  if (level.CellTypes().size() != cells) fuzz_support::Broken("one type per cell");
  if (level.PictureCellCount() == 0) fuzz_support::Broken("a level has a picture");
  uint32_t pictures = 0;
  for (uint32_t type : level.CellTypes()) {
    if (type < 100 || type > 103 || type == 102) fuzz_support::Broken("cell types are known");
    pictures += type == 100;
  }
  if (pictures != level.PictureCellCount()) fuzz_support::Broken("picture cells are counted");
  return 0;
}
