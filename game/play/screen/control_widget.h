#pragma once
// The loose widgets of the play screen's controls (pause's and the store
// button's five-state button, the tool switch's check box), built from their
// GUI description elements and kept by the control that made them. A
// control hangs its widget from its own transform, hands it the pointer's
// passes itself and reads its answer.
#include <memory>

#include <pugixml.hpp>

#include "engine/foundation/transform.h"
#include "engine/gui/gui_object.h"

namespace game {

// The widget of a GUI element, or null when it cannot be built.
std::unique_ptr<ORB::OC_GUI_OBJECT> CreateControlWidget(const pugi::xml_node& element);

// Hangs the widget's transform from `parent`.
void AttachWidget(ORB::OC_GUI_OBJECT& widget, ORB::OS_TRANSFORM3& parent);

}  // namespace game
