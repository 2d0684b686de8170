#include "framework/shop_catalogue.h"

#include "engine/platform/log.h"
#include "framework/game_singleton.h"
#include "framework/whole_number.h"

namespace ORB_GF {

namespace {

// The node's first child element "item" and every element after it.
void ReadItems(const pugi::xml_node& parent,
               std::vector<std::unique_ptr<ShopCatalogueItem>>& items) {
  for (pugi::xml_node node = parent.child("item"); node; node = node.next_sibling()) {
    if (node.type() != pugi::node_element) continue;
    auto item = std::make_unique<ShopCatalogueItem>();
    item->Load(node);
    items.push_back(std::move(item));
  }
}

}  // namespace

void ShopCatalogueItem::Load(const pugi::xml_node& node) {
  name = node.attribute("name").value();
  ReadNumberAttribute(node, "price", price, "shop");
  annotation = node.attribute("annotation").value();
  image = node.attribute("image").value();
  endless = node.attribute("endless").as_bool(endless);
  InAppKey = node.attribute("InAppKey").value();
  ReadNumberAttribute(node, "value", value, "shop");
  if (name.empty()) {
    ORB::Log(ORB::LogLevel::kWarning, "shop", std::string("<") + node.name() + "> has no \"name\"");
  }
  ReadItems(node, children);
}

int32_t ShopCatalogueItem::CountByName(const std::string& wanted) const {
  int32_t count = 0;
  if (name == wanted) {
    if (endless) return -1;
    ++count;
  }
  for (const auto& child : children) {
    const int32_t below = child->CountByName(wanted);
    if (below < 0) return -1;
    count += below;
  }
  return count;
}

const ShopCatalogueItem* ShopCatalogueItem::FindAvailable(const std::string& wanted,
                                                          int32_t count) const {
  if (name == wanted && (endless || value > count)) return this;
  for (const auto& child : children) {
    if (const ShopCatalogueItem* found = child->FindAvailable(wanted, count)) return found;
  }
  return nullptr;
}

bool ShopCatalogue::Load(const pugi::xml_node& node) {
  if (!node) return false;
  const size_t before = items_.size();
  ReadItems(node, items_);
  if (items_.size() == before) {
    ORB::Log(ORB::LogLevel::kWarning, "shop", std::string("<") + node.name() + "> offers no item");
  }
  return true;
}

const ShopCatalogueItem* ShopCatalogue::FindAvailable(const std::string& name,
                                                      int32_t count) const {
  for (const auto& item : items_) {
    if (const ShopCatalogueItem* found = item->FindAvailable(name, count)) return found;
  }
  return nullptr;
}

ShopCatalogue* GetShopCatalogue() { return GameSingleton<ShopCatalogue>::Get(); }

ShopCatalogue& CreateShopCatalogue() { return GameSingleton<ShopCatalogue>::Create(); }

void DestroyShopCatalogue() { GameSingleton<ShopCatalogue>::Destroy(); }

}  // namespace ORB_GF
