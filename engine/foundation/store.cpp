#include "engine/foundation/store.h"

#include "engine/foundation/xml_elements.h"
#include "engine/platform/log.h"

namespace ORB {

namespace {

int32_t ProductType(const char* text) {
  switch (text[0]) {
    case 'C':
    case 'c': return StoreProduct::CONSUMABLE;
    case 'N':
    case 'n': return StoreProduct::NON_CONSUMABLE;
    default: return StoreProduct::UNDEFINED;
  }
}

}  // namespace

OC_STORE& OC_STORE::Instance() {
  static OC_STORE store;
  return store;
}

bool OC_STORE::LoadProducts(const pugi::xml_node& element, const std::string& key, void* window) {
  if (!HasChildElement(element)) return false;
  for (pugi::xml_node node = element.first_child(); node; node = node.next_sibling()) {
    if (node.type() != pugi::node_element) continue;
    const pugi::xml_attribute name = node.attribute("name");
    const pugi::xml_attribute id = node.attribute("product_id");
    const pugi::xml_attribute type = node.attribute("type");
    if (!name || !id || !type) {
      Log(LogLevel::kWarning, "store",
          "a product without \"name\", \"product_id\" or \"type\" is skipped");
      continue;
    }
    auto product = std::make_unique<StoreProduct>();
    product->name = name.value();
    product->product_id = id.value();
    product->type = ProductType(type.value());
    products_.push_back(std::move(product));
  }
  if (!provider_) return true;
  if (!provider_->Start(key, window, *this)) return false;
  provider_->OnStarted();
  return true;
}

StoreProduct* OC_STORE::FindProduct(const std::string& name) {
  for (const auto& product : products_) {
    if (product->name == name) return product.get();
  }
  return nullptr;
}

void OC_STORE::SetProvider(std::unique_ptr<OC_STORE_PROVIDER> provider) {
  provider_ = std::move(provider);
}

bool OC_STORE::Buy(const std::string& name) {
  if (!provider_) return false;
  const StoreProduct* product = FindProduct(name);
  if (product == nullptr || product->enabled == 0) return false;
  return provider_->Buy(product->product_id);
}

bool OC_STORE::Refresh() { return provider_ && provider_->Refresh(); }

bool OC_STORE::Restore() { return provider_ && provider_->Restore(); }

void OC_STORE::NotifyRefreshRequest() {
  if (listener_ != nullptr) listener_->OnRefreshRequest();
}

void OC_STORE::NotifyPurchaseStarted() {
  if (listener_ != nullptr) listener_->OnPurchaseStarted();
}

void OC_STORE::NotifyPurchaseFinished(const StoreProduct* product, bool flag) {
  if (listener_ != nullptr) listener_->OnPurchaseFinished(product, flag);
}

void OC_STORE::NotifyPurchaseDelivered(const StoreProduct* product) {
  if (listener_ != nullptr) listener_->OnPurchaseDelivered(product);
}

}  // namespace ORB
