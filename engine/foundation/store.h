#pragma once
// OC_STORE: the in-app store as the game sees it. It keeps the store products
// read from the edition's in-app file and forwards purchase, refresh and
// restore requests to a store provider, the extension point through which a
// real store would be reached. On this platform no provider is installed: the
// products are read, HasProvider is false, no product is ever enabled, and
// Buy, Refresh and Restore answer false, so every caller takes its own way
// without a store (the desktop edition sells for coins).
//
// A provider reports back through the store (the Notify operations), which
// passes each report to the listener the game set, the game hub. The listener
// is a plain pointer: whoever sets it clears it (SetListener(nullptr)) before
// it goes away, and a cleared listener is never called.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace ORB {

struct StoreProduct {
  enum Type : int32_t { CONSUMABLE = 0, NON_CONSUMABLE = 1, UNDEFINED = 2 };

  uint8_t enabled = 0;  // only a provider sets it
  int32_t type = UNDEFINED;
  std::string name;
  std::string product_id;
  std::string extra;   // for the provider
  double price = 0.0;  // for the provider
};

class OC_STORE;

// The purchase listener (the game hub), in this order.
class OC_IGP_DELEGATE {
 public:
  virtual ~OC_IGP_DELEGATE() = default;
  // The store asks the game to refresh it.
  virtual void OnRefreshRequest() = 0;
  // A purchase began; the game waits for it to finish.
  virtual void OnPurchaseStarted() = 0;
  // A purchase ended: the product (or null) and whether it went through.
  virtual void OnPurchaseFinished(const StoreProduct* product, bool flag) = 0;
  // A bought product is to be handed to the player.
  virtual void OnPurchaseDelivered(const StoreProduct* product) = 0;
};

// The store provider's operations, in this order (after the destructor).
class OC_STORE_PROVIDER {
 public:
  virtual ~OC_STORE_PROVIDER() = default;
  // Starts the provider with the store key, the game window's handle
  // (opaque) and the store; answers whether it started.
  virtual bool Start(const std::string& key, void* window, OC_STORE& store) = 0;
  // Called once after a true Start.
  virtual void OnStarted() = 0;
  virtual bool Refresh() = 0;
  virtual bool Buy(const std::string& productId) = 0;
  virtual bool Restore() = 0;
};

class OC_STORE {
 public:
  // The process's store, made on first use and kept until exit.
  static OC_STORE& Instance();

  OC_STORE() = default;
  // Deletes the provider, then the products.
  ~OC_STORE() = default;
  OC_STORE(const OC_STORE&) = delete;
  OC_STORE& operator=(const OC_STORE&) = delete;

  // Appends every child element that has the attributes "name",
  // "product_id" and "type"; others are skipped. "type" is read by its first
  // character: "C"/"c" consumable, "N"/"n" non-consumable, anything else
  // undefined. Then, with no provider, true; with one, the provider's Start
  // (key, window, this store), followed by its OnStarted when that answered
  // true. False for a missing element or one without child elements.
  [[nodiscard]] bool LoadProducts(const pugi::xml_node& element, const std::string& key,
                                  void* window);

  // The first product with exactly that name, or null.
  StoreProduct* FindProduct(const std::string& name);
  const std::vector<std::unique_ptr<StoreProduct>>& Products() const { return products_; }

  bool HasProvider() const { return provider_ != nullptr; }
  // Installs (or, with null, removes) the provider; the store owns it.
  void SetProvider(std::unique_ptr<OC_STORE_PROVIDER> provider);

  // With a provider and an enabled product of that name, the provider's Buy
  // of its product_id; otherwise false.
  bool Buy(const std::string& name);
  // The provider's answer; false without a provider.
  bool Refresh();
  bool Restore();

  // The listener that receives the provider's reports; null clears it.
  void SetListener(OC_IGP_DELEGATE* listener) { listener_ = listener; }
  OC_IGP_DELEGATE* GetListener() const { return listener_; }

  // For the provider: each passes its report to the listener, when one is set.
  void NotifyRefreshRequest();
  void NotifyPurchaseStarted();
  void NotifyPurchaseFinished(const StoreProduct* product, bool flag);
  void NotifyPurchaseDelivered(const StoreProduct* product);

 private:
  std::vector<std::unique_ptr<StoreProduct>> products_;
  OC_IGP_DELEGATE* listener_ = nullptr;
  std::unique_ptr<OC_STORE_PROVIDER> provider_;
};

}  // namespace ORB
