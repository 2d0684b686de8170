#include "game/play/control_widget.h"

#include <string>

#include "engine/foundation/number_text.h"
#include "engine/foundation/vector2.h"
#include "engine/gui/gui_button5.h"
#include "engine/gui/gui_checkbox5.h"

namespace game {

std::unique_ptr<ORB::OC_GUI_OBJECT> CreateControlWidget(const pugi::xml_node& element) {
  // TEMPORARY until the GUI description reader lands: the two kinds the
  // controls use, with their id, sheet and position.
  const std::string kind = element.name();
  const int32_t id = ORB::ParseIntText(element.attribute("ID").value());
  const std::string texture = element.attribute("TEXTURE").value();
  std::unique_ptr<ORB::OC_GUI_OBJECT> widget;
  if (kind == "BUTTON5") widget = std::make_unique<ORB::OC_GUI_BUTTON5>(id, texture);
  if (kind == "CHECKBOX") widget = std::make_unique<ORB::OC_GUI_CHECKBOX5>(id, texture);
  if (!widget || texture.empty()) return nullptr;
  ORB::Vector2 at;
  if (at.Parse(element.child("POSITION").text().get())) widget->SetPosition(at.x, at.y, 0.0f);
  return widget;
}

void AttachWidget(ORB::OC_GUI_OBJECT& widget, ORB::OS_TRANSFORM3& parent) {
  widget.GetTransform().parent = &parent;
}

}  // namespace game
