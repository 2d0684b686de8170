#include "game/shell/hub/guided_tutorial.h"

#include "game/shell/screens/gui_localization.h"

namespace game {

bool gGuidedTutorial::Load(const pugi::xml_node& tutorial, const std::string& file) {
  if (!tutorial_.Load(tutorial, file)) return false;
  for (const auto& step : tutorial_.Steps()) {
    if (step->gui) LocalizeGuiTree(&step->gui->Widget());
  }
  return true;
}

}  // namespace game
