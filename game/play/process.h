#pragma once
// The board: the cells of one level laid out in blocks, the clue numbers and
// the opening of a straight line of cells with the fill or cross tool. The
// gameplay screen owns one board and drives it; the board tells its owner of
// every rightly and wrongly opened cell through cBoardEvents.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/vector2.h"
#include "game/play/board_events.h"
#include "game/play/board_settings.h"
#include "game/play/element.h"
#include "game/play/number_cross.h"
#include "game/play/number_panel.h"

namespace game {

class LevelFile;

class GG_PROCESS {
 public:
  using Cells = std::vector<std::unique_ptr<GG_ELEMENT>>;

  // The owner may be null: the board then opens cells without telling
  // anyone and plays no sounds.
  explicit GG_PROCESS(cBoardEvents* owner = nullptr);
  virtual ~GG_PROCESS();
  GG_PROCESS(const GG_PROCESS&) = delete;
  GG_PROCESS& operator=(const GG_PROCESS&) = delete;

  // Builds the board of a level that has been read and checked: the number
  // panels from the numbers file's root element, cells at their places,
  // bonus cells, clue runs. Keeps `settings`, which must outlive the board
  // or be cleared with it. False when the numbers file lacks a panel or the
  // level's cells do not fill its grid.
  [[nodiscard]] bool Load(const LevelFile& level, BoardSettings* settings,
                          const pugi::xml_node& numbers);
  // Deletes the cells and the clues and stops the end sweep.
  void Clear();

  // The cell, or null without cells or settings or outside the grid.
  GG_ELEMENT* CellAt(int32_t row, int32_t col) const;
  // The cell whose area covers the point, following the blocks and their
  // gaps; false (row and col -1) when the point is in a gap or off the cells.
  bool CellUnderPoint(const ORB::Vector2& point, int32_t* row, int32_t* col) const;

  // Picture cells opened so far over all picture cells.
  double GetProgress() const;
  void SetCellsLocked(bool locked);

  // The straight line of cells from the start to the end cell: along the
  // start row when the column distance is at least the row distance,
  // otherwise along the start column; both ends included, in the order from
  // the start; cells outside the grid are left out.
  std::vector<GG_ELEMENT*> CollectSelection(int32_t startRow, int32_t startCol, int32_t endRow,
                                            int32_t endCol) const;
  // Opens every closed cell of that line with the fill tool (`fill`) or the
  // cross tool, each one the open delay step later than the one before; the
  // clues of each opened cell's row and column are re-tested. Then the owner
  // checks whether the level is finished.
  void ApplyClick(int32_t startRow, int32_t startCol, int32_t endRow, int32_t endCol, bool fill);
  // Opens each listed cell alone with the fill tool.
  void OpenAll(const std::vector<GG_ELEMENT*>& cells);

  // Per frame: the number panels, the end sweep and the cells' open
  // delays and animations.
  void Update();
  // The cells' looks (filled, then crosses, overlays and end animations,
  // the end animations twice while the sweep runs), then the clue numbers.
  void Draw();
  // Textures of the cells and the number panels.
  void AcquireResources();
  void ReleaseResources();
  // The looks cells copy when they are made (null: none); they must outlive
  // the board's loads.
  void SetCellTemplates(const CellTemplates* templates) { templates_ = templates; }
  // The fonts of the two number panels.
  NumberPanel& LeftPanel() { return left_panel_; }
  NumberPanel& TopPanel() { return top_panel_; }

  // The end-of-level sweep: a segment that moves diagonally across the
  // board at `speed` (pixels per second) and lights the picture cells it
  // passes. Answers its duration in seconds; the owner hears when it ends.
  float StartEndEffect(float speed);
  bool IsSweeping() const { return active_; }

  void SetOpenDelayStep(float seconds) { open_delay_step_ = seconds; }
  float OpenDelayStep() const { return open_delay_step_; }

  const Cells& GetCells() const { return cells_; }
  const std::vector<GG_ELEMENT*>& CellsToFind() const { return cells_to_find_; }
  const std::vector<GG_ELEMENT*>& FoundCells() const { return found_cells_; }
  const NumberPanel& LeftPanel() const { return left_panel_; }
  const NumberPanel& TopPanel() const { return top_panel_; }
  GG_NUMBERCROSS& Numbers() { return numbers_; }
  const GG_NUMBERCROSS& Numbers() const { return numbers_; }
  const BoardSettings* Settings() const { return settings_; }

  // The sweep's two end points (for drawing and tests).
  ORB::Vector2 SweepPointA() const { return sweep_a_; }
  ORB::Vector2 SweepPointB() const { return sweep_b_; }

 private:
  bool LoadNumbers(const pugi::xml_node& numbers);
  void LoadCells(const std::vector<uint32_t>& types);
  void ChooseBonusCells();
  void UpdateSweep(float frameTime);
  void PlaySound(const std::string& name);

  bool active_ = false;  // the end sweep runs
  cBoardEvents* owner_;
  Cells cells_;
  std::vector<GG_ELEMENT*> cells_to_find_;
  std::vector<GG_ELEMENT*> found_cells_;
  GG_NUMBERCROSS numbers_;
  NumberPanel left_panel_{true};
  NumberPanel top_panel_{false};
  BoardSettings* settings_ = nullptr;
  float open_delay_step_ = 0.0f;
  const CellTemplates* templates_ = nullptr;

  ORB::Vector2 sweep_start_a_;
  ORB::Vector2 sweep_start_b_;
  ORB::Vector2 sweep_a_;
  ORB::Vector2 sweep_b_;
  ORB::Vector2 sweep_move_;
  float sweep_time_ = 0.0f;
  float sweep_elapsed_ = 0.0f;
};

}  // namespace game
