#include "framework/font_style.h"

#include "engine/platform/log.h"
#include "engine/scene/anchor.h"

namespace ORB_GF {

bool FontStyle::Load(const pugi::xml_node& node, const FontList& fonts) {
  const pugi::xml_attribute name = node.attribute("fntName");
  if (!name) {
    ORB::Log(ORB::LogLevel::kWarning, "font",
             std::string("<") + node.name() + "> lacks \"fntName\"");
    return false;
  }
  font_name_ = name.value();
  if (const pugi::xml_attribute colour = node.attribute("fntColor")) {
    colour_ = ORB::ParseHexColour(colour.value());
  }
  if (const pugi::xml_attribute spot = node.attribute("fntHotSpot")) {
    const std::optional<int32_t> anchor = ORB::FindAnchor(spot.value());
    if (!anchor) {
      ORB::Log(ORB::LogLevel::kWarning, "font",
               std::string("<") + node.name() + ">: unknown fntHotSpot '" + spot.value() + "'");
    }
    alignment_ = anchor.value_or(ORB::HS_MID);
  }
  font_ = fonts.Find(font_name_);
  if (font_ == nullptr) {
    ORB::Log(ORB::LogLevel::kWarning, "font",
             "no font \"" + font_name_ + "\" for <" + node.name() + ">");
  }
  return font_ != nullptr;
}

ORB::OC_FONT* FontStyle::Apply() const {
  if (font_ == nullptr) return nullptr;
  font_->SetColor(colour_.ToUInt());
  font_->alignment = alignment_;
  return font_;
}

}  // namespace ORB_GF
