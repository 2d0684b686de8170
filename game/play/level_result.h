#pragma once
// What a won level hands to the finish window: the block of the level's
// results, and the one operation the finish window offers for it.
//
// The gameplay screen looks up the window "GP_Finish" when a level is won,
// gives it the results through cFinishResults::ShowResults and opens it once
// the end sweep and every flying bonus coin are over. The finish window
// (GG_WINDOW_FINISH, a window of the shell) derives from cFinishResults
// beside its window base:
//
//   class GG_WINDOW_FINISH : public ORB_GF::G_WINDOW, public game::cFinishResults {
//     void ShowResults(const game::LevelResult& result) override { ...fill labels... }
//   };
#include <cstddef>
#include <cstdint>
#include <vector>

namespace game {

// The level's picture: which cells of its grid are picture cells.
struct SolvedPicture {
  int32_t columns = 0;
  int32_t rows = 0;
  // Row by row, columns x rows of them; 1 for a picture cell.
  std::vector<uint8_t> cells;
  bool IsFilled(int32_t col, int32_t row) const {
    if (col < 0 || row < 0 || col >= columns || row >= rows) return false;
    const size_t at =
        static_cast<size_t>(row) * static_cast<size_t>(columns) + static_cast<size_t>(col);
    return at < cells.size() && cells[at] != 0;
  }
};

struct LevelResult {
  // The level neither gave nor took hints (an edition with an in-app store).
  bool store_flag = false;
  int32_t pack_id = 0;
  int32_t level_id = 0;
  float elapsed_time = 0.0f;  // seconds
  int32_t errors = 0;
  int32_t hints_awarded = 0;
  int32_t hints_held = 0;
  int32_t hints_used = 0;
  // Coins of the revealed picture cells (bonus coins only reach the
  // on-screen counter).
  int32_t level_coins = 0;
  // What the player solved (the finish window shows it).
  SolvedPicture picture;
};

// Stars of a won level: 3 without an error, 2 with one, 1 with more.
constexpr int32_t StarsForErrors(int32_t errors) {
  if (errors <= 0) return 3;
  return errors == 1 ? 2 : 1;
}

class cFinishResults {
 public:
  virtual ~cFinishResults() = default;
  // Called once per won level, before the window opens.
  virtual void ShowResults(const LevelResult& result) = 0;
};

}  // namespace game
