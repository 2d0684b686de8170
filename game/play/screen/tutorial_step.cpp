#include "game/play/screen/tutorial_step.h"

#include <sstream>

#include "engine/gui/gui_xml_loader.h"

namespace game {

eTutorialStep TutorialStepKind(const std::string& name) {
  static const struct {
    const char* name;
    eTutorialStep kind;
  } kKinds[] = {
      {"CELL", eTutorialStep::kCell},
      {"CELL_EMPTY", eTutorialStep::kCellEmpty},
      {"TOOL", eTutorialStep::kTool},
      {"HINT", eTutorialStep::kHint},
      {"MAKERROR", eTutorialStep::kMakeError},
      {"ENDLESS", eTutorialStep::kEndless},
      {"CLICK_BONUS", eTutorialStep::kClickBonus},
      {"CLICK_STORE", eTutorialStep::kClickStore},
      {"USE_RESET_SELECTION", eTutorialStep::kUseResetSelection},
  };
  for (const auto& kind : kKinds) {
    if (name == kind.name) return kind.kind;
  }
  return eTutorialStep::kCell;
}

namespace {

std::unique_ptr<ORB_GF::G_ANIMATION> ReadAnimation(const pugi::xml_node& node) {
  if (!node) return nullptr;
  return std::make_unique<ORB_GF::G_ANIMATION>(node);
}

}  // namespace

bool gTutorialStep::Load(const pugi::xml_node& step, int32_t levelId, std::string& error) {
  level_id = levelId;
  kind = TutorialStepKind(step.attribute("type").value());
  locks.cells = step.attribute("blockelements").as_bool();
  locks.hint = step.attribute("blockhint").as_bool();
  locks.tool = step.attribute("blocktool").as_bool();
  locks.store = step.attribute("blockstore").as_bool();
  locks.reset = step.attribute("blockreset").as_bool();
  cells.clear();
  for (const pugi::xml_node cell : step.child("cells").children()) {
    if (cell.type() != pugi::node_element) continue;
    std::istringstream text(cell.text().get());
    gTutorialCell read;
    if (!(text >> read.row >> read.col)) {
      error = std::string("a cell \"") + cell.text().get() + "\" is not a row and a column";
      return false;
    }
    cells.push_back(read);
  }
  cells_animation = ReadAnimation(step.child("sprite_cells"));
  arrow = ReadAnimation(step.child("sprite_arrow"));
  gui.reset();
  if (const pugi::xml_node description = step.child("GUI")) {
    gui = std::make_unique<ORB::OC_GUI_ROOT>();
    ORB::LoadGuiXml(*gui, description, nullptr);
  }
  return true;
}

}  // namespace game
