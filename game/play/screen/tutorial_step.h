#pragma once
// One step of the tutorial: what it waits for (its kind), which cells it
// points at, the locks it sets, its pictures (a marker on each listed cell,
// an arrow) and its GUI (a text and the skip button, id 200).
//
//   <step type="CELL" blockelements="true" blockhint="true" blocktool="true"
//         blockstore="true" blockreset="true">
//     <cells><cell>1 0</cell><cell>1 4</cell></cells>
//     <sprite_cells>... an animation ...</sprite_cells>
//     <sprite_arrow>... an animation ...</sprite_arrow>
//     <GUI> ... widgets ... </GUI>
//   </step>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/foundation/vector2.h"
#include "engine/gui/gui_root.h"
#include "framework/animation.h"
#include "game/play/screen/play_locks.h"

namespace game {

// Step kinds and their codes; a name the tutorial does not know is a CELL.
enum class eTutorialStep : int32_t {
  kCell = 0,               // every listed cell open (tested at each release)
  kCellEmpty = 1,          // as kCell
  kTool = 2,               // the tool switch used
  kHint = 3,               // the hint button used
  kMakeError = 4,          // the next release
  kEndless = 5,            // the next release
  kClickBonus = 6,         // becomes a kCell on the first closed picture cell
  kClickStore = 7,         // the store button used
  kUseResetSelection = 8,  // a selection dropped on the reset target
};

eTutorialStep TutorialStepKind(const std::string& name);

struct gTutorialCell {
  int32_t row = 0;
  int32_t col = 0;
};

struct gTutorialStep {
  int32_t level_id = -1;
  eTutorialStep kind = eTutorialStep::kCell;
  std::vector<gTutorialCell> cells;
  std::vector<ORB::Vector2> markers;  // the listed cells' centres, set at the start
  std::unique_ptr<ORB_GF::G_ANIMATION> cells_animation;
  std::unique_ptr<ORB_GF::G_ANIMATION> arrow;
  std::unique_ptr<ORB::OC_GUI_ROOT> gui;
  int32_t errors_at_start = 0;
  gPlayLocks locks;

  // Reads a "step" element of the level `levelId`; false (and `error` says
  // why) for a cell that is not two integers.
  bool Load(const pugi::xml_node& step, int32_t levelId, std::string& error);
};

}  // namespace game
