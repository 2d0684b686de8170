#pragma once
// ShopCatalogue: what the shop offers (hints, hearts, second chances, ...),
// read from the edition's store file. An item's name is a rule value of the
// game ("start_hint", "errors", ...); its value is the count the player gets
// with it, so several items of one name make a ladder of offers, and the
// offer that still applies is the first whose value is above the player's
// count (FindAvailable). An endless item ("refill_hint") always applies.
//
//   <store>
//     <item name="start_hint" value="4" price="150" image="data/share/image/shop hint.png"
//           annotation="shop_start_hint_desc" InAppKey="start_hint"/>
//     <item name="refill_hint" endless="true" price="40" .../>
//   </store>
//
// Items may hold items, read the same way, to any depth. One catalogue
// serves the whole game (GetShopCatalogue).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace ORB_GF {

struct ShopCatalogueItem {
  bool endless = false;  // never runs out
  int32_t price = 0;
  int32_t value = 0;  // compared with the player's count
  std::string name;
  std::string annotation;  // the description's string key
  std::string image;       // the picture's texture name
  std::string InAppKey;    // the store's product key
  std::vector<std::unique_ptr<ShopCatalogueItem>> children;

  // Reads the attributes "name", "price", "annotation", "image", "endless",
  // "InAppKey" and "value" (each optional) and the children.
  void Load(const pugi::xml_node& node);
  // Items of that name in this item and below; -1 once one of them is
  // endless.
  int32_t CountByName(const std::string& name) const;
  // The first item, this one before its children, named `name` that is
  // endless or whose value is above `count`; null when none is.
  const ShopCatalogueItem* FindAvailable(const std::string& name, int32_t count) const;
};

class ShopCatalogue {
 public:
  ShopCatalogue() = default;
  ShopCatalogue(const ShopCatalogue&) = delete;
  ShopCatalogue& operator=(const ShopCatalogue&) = delete;

  // Appends the items of the store file's root element: its first child
  // element "item" and every element after it, whatever its name. A second
  // load appends to the first. False for a null node.
  bool Load(const pugi::xml_node& node);
  void Clear() { items_.clear(); }

  // Searches the items in file order, each before its children.
  const ShopCatalogueItem* FindAvailable(const std::string& name, int32_t count) const;

  const std::vector<std::unique_ptr<ShopCatalogueItem>>& Items() const { return items_; }

 private:
  std::vector<std::unique_ptr<ShopCatalogueItem>> items_;
};

ShopCatalogue* GetShopCatalogue();
ShopCatalogue& CreateShopCatalogue();
void DestroyShopCatalogue();

}  // namespace ORB_GF
