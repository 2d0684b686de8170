#include "game/play/screen/control_widget.h"

#include "engine/gui/gui_xml_loader.h"

namespace game {

std::unique_ptr<ORB::OC_GUI_OBJECT> CreateControlWidget(const pugi::xml_node& element) {
  return std::unique_ptr<ORB::OC_GUI_OBJECT>(ORB::CreateGuiWidget(element));
}

void AttachWidget(ORB::OC_GUI_OBJECT& widget, ORB::OS_TRANSFORM3& parent) {
  widget.GetTransform().parent = &parent;
}

}  // namespace game
