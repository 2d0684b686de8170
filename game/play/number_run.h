#pragma once
// One clue number: a run of consecutive picture cells in a row or a column,
// and whether the player has satisfied it.
#include <cstdint>

namespace game {

struct NumberRun {
  uint32_t firstRow = 0;
  uint32_t lastRow = 0;   // equal to firstRow for a row's run
  uint32_t firstCol = 0;
  uint32_t lastCol = 0;   // equal to firstCol for a column's run
  uint32_t length = 0;    // 0 for the clue of a line without picture cells
  uint8_t newlyCrossed = 0;  // crossed since the panel last looked; it plays the cross-out once
  uint8_t shownCrossed = 0;  // the panel has played the cross-out; drawn in the cross colour
  uint8_t crossed = 0;       // satisfied
};

}  // namespace game
