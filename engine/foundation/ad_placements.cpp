#include "engine/foundation/ad_placements.h"

#include <cstring>
#include <string>

#include "engine/foundation/xml_elements.h"
#include "engine/platform/log.h"

namespace ORB {

namespace {

// The provider's code; -1 for a name that is not exactly one of the three.
int32_t ProviderCode(const char* text) {
  static constexpr const char* kNames[] = {"apple", "flurry", "fernhall"};
  for (int32_t code = 0; code < 3; ++code) {
    if (std::strcmp(text, kNames[code]) == 0) return code;
  }
  return -1;
}

// The location's code by its first character; -1 when unknown.
int32_t LocationCode(const char* text) {
  switch (text[0]) {
    case 't': return AdPlacement::TOP;
    case 'b': return AdPlacement::BOTTOM;
    case 'f': return AdPlacement::FULL;
    default: return -1;
  }
}

}  // namespace

bool OC_AD_PLACEMENTS::Load(const pugi::xml_node& element) {
  if (loaded_ != 0 || !HasChildElement(element)) return false;
  for (pugi::xml_node node = element.first_child(); node; node = node.next_sibling()) {
    if (node.type() != pugi::node_element) continue;
    const pugi::xml_attribute name = node.attribute("name");
    const pugi::xml_attribute provider = node.attribute("provider");
    const pugi::xml_attribute location = node.attribute("location");
    if (!name || !provider || !location) {
      Log(LogLevel::kWarning, "ads",
          "a placement without \"name\", \"provider\" or \"location\" is skipped");
      continue;
    }
    const int32_t providerCode = ProviderCode(provider.value());
    const int32_t locationCode = LocationCode(location.value());
    if (providerCode < 0 || locationCode < 0) {
      Log(LogLevel::kWarning, "ads",
          std::string("placement \"") + name.value() + "\": unknown provider \"" +
              provider.value() + "\" or location \"" + location.value() + "\"; skipped");
      continue;
    }
    auto placement = std::make_unique<AdPlacement>();
    placement->name = name.value();
    placement->provider = providerCode;
    placement->location = locationCode;
    placements_.push_back(std::move(placement));
  }
  loaded_ = 1;
  return true;
}

const AdPlacement* OC_AD_PLACEMENTS::Find(const std::string& name) const {
  for (const auto& placement : placements_) {
    if (placement->name == name) return placement.get();
  }
  return nullptr;
}

}  // namespace ORB
