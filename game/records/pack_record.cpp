#include "game/records/pack_record.h"

#include <charconv>
#include <cstring>

namespace game {

namespace {

bool ParseU16(const char* text, uint16_t& value) {
  const char* end = text + std::strlen(text);
  unsigned parsed = 0;
  const auto result = std::from_chars(text, end, parsed);
  if (result.ec != std::errc() || result.ptr != end || parsed > UINT16_MAX) return false;
  value = static_cast<uint16_t>(parsed);
  return true;
}

}  // namespace

bool gPackRecord::Load(const pugi::xml_node& element, const NameLookup& lookup) {
  const pugi::xml_attribute id = element.attribute("id");
  const pugi::xml_attribute key = element.attribute("key");
  const pugi::xml_attribute stars2pass = element.attribute("stars2pass");
  const pugi::xml_attribute price = element.attribute("price");
  const pugi::xml_attribute path = element.attribute("path");
  if (!id || !key || !stars2pass || !price || !path) return false;
  uint16_t parsed_id = kNoId;
  if (!ParseU16(id.as_string(), parsed_id)) return false;
  id_ = parsed_id;
  key_ = key.as_string();
  stars2pass_ = stars2pass.as_int();
  price_ = price.as_int();
  path_ = path.as_string();
  if (const pugi::xml_node background = element.child("background")) {
    auto copy = std::make_unique<pugi::xml_document>();
    copy->append_copy(background);
    background_ = std::move(copy);
  }
  if (lookup) name_ = lookup(key_);
  return true;
}

pugi::xml_node gPackRecord::GetBackgroundElement() const {
  return background_ ? background_->first_child() : pugi::xml_node();
}

}  // namespace game
