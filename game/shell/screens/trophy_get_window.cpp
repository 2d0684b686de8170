#include "game/shell/screens/trophy_get_window.h"

#include "engine/foundation/vector2.h"
#include "engine/gui/gui_image.h"
#include "engine/gui/gui_wide_label.h"
#include "game/shell/screens/localized_text.h"

namespace game {

GG_WINDOW_TROPHY_GET::GG_WINDOW_TROPHY_GET(const pugi::xml_node& node) : G_WINDOW(node) {
  const pugi::xml_node settings = node.child("settings");
  ORB::OS_TRANSFORM3* place = &GetGuiRoot().Widget().GetTransform();
  title_.LoadStyle(settings.child("fontTitle"));
  description_.LoadStyle(settings.child("fontDescription"));
  ORB::Vector2 shift;
  (void)shift.Parse(settings.attribute("shift").as_string());
  title_.Place(place, shift.x, shift.y);
  ORB::Vector2 below(shift.x, shift.y + static_cast<float>(title_.LineHeight()));
  if (const pugi::xml_attribute at = settings.attribute("shift_description")) {
    (void)below.Parse(at.value());
  }
  description_.Place(place, below.x, below.y);
  description_.SetWrapWidth(settings.attribute("width").as_int(0));
  sound_ = settings.attribute("sound").as_string();
}

void GG_WINDOW_TROPHY_GET::SetTrophy(const ORB_GF::TrophyRecord& trophy) {
  title_.SetText(LocalizedText(trophy.GetName()));
  description_.SetText(LocalizedText(trophy.GetDesc()));
  if (auto* picture = FindWidget<ORB::OC_GUI_IMAGE>(kPictureId)) {
    if (!trophy.GetImageOpen().empty()) picture->SetTextureName(trophy.GetImageOpen());
  }
  if (auto* bonus = FindWidget<ORB::OC_GUI_WLABEL>(kBonusId)) {
    bonus->SetText(std::to_wstring(trophy.GetBonus()));
  }
}

void GG_WINDOW_TROPHY_GET::OnOpenBegin() {
  if (click_sound != nullptr && !sound_.empty()) click_sound(sound_);
}

void GG_WINDOW_TROPHY_GET::OnDraw() {
  title_.Draw();
  description_.Draw();
}

void GG_WINDOW_TROPHY_GET::OnGuiEvent(int32_t widget_id) {
  if (widget_id == kCloseId) Close(false);
}

}  // namespace game
