#include "game/shell/screens/help_window.h"

#include <memory>

namespace game {

ORB_GF::G_PAGES_ITEM* gPages_Help::CreateItem(const pugi::xml_node& node, int32_t index) {
  return new gHelpItem(node, static_cast<uint32_t>(index));
}

GG_WINDOW_HELP::GG_WINDOW_HELP(const pugi::xml_node& node)
    : GG_WINDOW_PAGED(node, std::make_unique<gPages_Help>(),
                      {kPreviousId, kNextId, kMarkers, std::string()}) {}

void GG_WINDOW_HELP::OnListEvent(int32_t widget_id) {
  if (widget_id == kCloseId) Close(false);
}

}  // namespace game
