#include "game/shell/screens/template_window.h"

#include "framework/font_list.h"

namespace game {

GG_WINDOW_TEMPLATE::GG_WINDOW_TEMPLATE(const pugi::xml_node& node) : G_WINDOW(node) {
  const pugi::xml_node settings = node.child("settings");
  font_name_ = settings.attribute("font").as_string();
  shift_.Parse(settings.attribute("shift").as_string());
}

void GG_WINDOW_TEMPLATE::OnLoadResources() {
  const ORB_GF::FontList* fonts = ORB_GF::GetFontList();
  font_ = fonts != nullptr ? fonts->Find(font_name_) : nullptr;
}

void GG_WINDOW_TEMPLATE::OnReleaseResources() { font_ = nullptr; }

void GG_WINDOW_TEMPLATE::OnGuiEvent(int32_t widget_id) {
  if (widget_id == kCloseId) Close(false);
}

}  // namespace game
