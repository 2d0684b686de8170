#include "game/shell/screens/confirm_ex_window.h"

#include "engine/scene/anchor.h"
#include "framework/font_list.h"

namespace game {

GG_WINDOW_CONFIRM_EX::GG_WINDOW_CONFIRM_EX(const pugi::xml_node& node)
    : G_WINDOW_CONFIRM(node), anchor_(ORB::HS_MID) {
  const pugi::xml_node settings = node.child("SETTINGS");
  font_name_ = settings.attribute("font_extra_text").as_string();
  position_.Parse(settings.attribute("pos").as_string());
  if (const pugi::xml_attribute colour = settings.attribute("text_color")) {
    colour_ = ORB::ParseHexColour(colour.value());
  }
  if (const pugi::xml_attribute anchor = settings.attribute("hot_spot")) {
    anchor_ = ORB::AnchorFromName(anchor.value());
  }
}

void GG_WINDOW_CONFIRM_EX::OnLoadResources() {
  const ORB_GF::FontList* fonts = ORB_GF::GetFontList();
  font_ = fonts != nullptr && !font_name_.empty() ? fonts->Find(font_name_) : nullptr;
}

void GG_WINDOW_CONFIRM_EX::OnReleaseResources() { font_ = nullptr; }

void GG_WINDOW_CONFIRM_EX::OnDraw() {
  if (font_ == nullptr || extra_text_.empty()) return;
  const ORB::Vector2 window = GetLiveTransform().GetPositionV2();
  font_->alignment = anchor_;
  font_->SetColor(colour_.ToUInt());
  font_->DrawText(static_cast<int32_t>(window.x + position_.x),
                  static_cast<int32_t>(window.y + position_.y), extra_text_.c_str());
}

}  // namespace game
