#include "engine/foundation/store.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ORB {
namespace {

const char kProducts[] = R"(<inapp>
  <product name="hints" product_id="com.example.hints" type="consumable"/>
  <product name="pack_2" product_id="com.example.pack2" type="Non-consumable"/>
  <product name="odd" product_id="com.example.odd" type="x"/>
  <product name="empty" product_id="com.example.empty" type=""/>
  <product name="untyped" product_id="com.example.untyped"/>
  <product product_id="com.example.nameless" type="c"/>
  <product name="no_id" type="c"/>
</inapp>)";

// Records every call the store makes to it; its answers are set by the test.
class RecordingProvider : public OC_STORE_PROVIDER {
 public:
  struct Log {
    std::vector<std::string> calls;
    std::string key;
    void* window = nullptr;
    OC_STORE* store = nullptr;
  };
  explicit RecordingProvider(Log& log) : log_(log) {}
  // Says how many products the store still held when it deleted the provider.
  ~RecordingProvider() override {
    log_.calls.push_back("destroyed" + (log_.store ? " with " + std::to_string(log_.store->Products().size())
                                                   : std::string()));
  }

  bool Start(const std::string& key, void* window, OC_STORE& store) override {
    log_.calls.push_back("Start");
    log_.key = key;
    log_.window = window;
    log_.store = &store;
    return start;
  }
  void OnStarted() override { log_.calls.push_back("OnStarted"); }
  bool Refresh() override {
    log_.calls.push_back("Refresh");
    return refresh;
  }
  bool Buy(const std::string& productId) override {
    log_.calls.push_back("Buy " + productId);
    return buy;
  }
  bool Restore() override {
    log_.calls.push_back("Restore");
    return restore;
  }

  bool start = true, refresh = false, buy = false, restore = false;

 private:
  Log& log_;
};

class RecordingListener : public OC_IGP_DELEGATE {
 public:
  void OnRefreshRequest() override { calls.push_back("refresh"); }
  void OnPurchaseStarted() override { calls.push_back("started"); }
  void OnPurchaseFinished(const StoreProduct* product, bool flag) override {
    calls.push_back(std::string("finished ") + (product ? product->name : "-") + (flag ? " 1" : " 0"));
  }
  void OnPurchaseDelivered(const StoreProduct* product) override {
    calls.push_back("delivered " + (product ? product->name : std::string("-")));
  }
  std::vector<std::string> calls;
};

class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(document_.load_string(kProducts)); }
  pugi::xml_node Products() const { return document_.child("inapp"); }

  pugi::xml_document document_;
  OC_STORE store_;
};

TEST_F(StoreTest, ReadsProductsWithTheirTypes) {
  EXPECT_TRUE(store_.LoadProducts(Products(), "key", nullptr));
  ASSERT_EQ(store_.Products().size(), 4u) << "three lack a required attribute";
  struct Expected {
    const char* name;
    int32_t type;
  };
  const Expected expected[] = {{"hints", StoreProduct::CONSUMABLE},
                               {"pack_2", StoreProduct::NON_CONSUMABLE},
                               {"odd", StoreProduct::UNDEFINED},
                               {"empty", StoreProduct::UNDEFINED},
                               {"untyped", -1}};
  for (const Expected& e : expected) {
    const StoreProduct* product = store_.FindProduct(e.name);
    if (e.type < 0) {
      EXPECT_EQ(product, nullptr) << "a product without a type is skipped";
      continue;
    }
    ASSERT_NE(product, nullptr) << e.name;
    EXPECT_EQ(product->type, e.type) << e.name;
    EXPECT_EQ(product->enabled, 0) << e.name;
    EXPECT_EQ(product->price, 0.0);
  }
  EXPECT_EQ(store_.FindProduct("hints")->product_id, "com.example.hints");
  EXPECT_EQ(store_.FindProduct("Hints"), nullptr);
  EXPECT_EQ(store_.FindProduct(""), nullptr);

  pugi::xml_document empty;
  EXPECT_FALSE(store_.LoadProducts(empty.child("inapp"), "key", nullptr));
  ASSERT_TRUE(empty.load_string("<inapp><!-- nothing --></inapp>"));
  EXPECT_FALSE(store_.LoadProducts(empty.child("inapp"), "key", nullptr));
  EXPECT_EQ(store_.Products().size(), 4u);
}

TEST_F(StoreTest, WithoutAProviderNothingIsBought) {
  ASSERT_TRUE(store_.LoadProducts(Products(), "key", nullptr));
  EXPECT_FALSE(store_.HasProvider());
  EXPECT_FALSE(store_.Buy("hints"));
  store_.FindProduct("hints")->enabled = 1;
  EXPECT_FALSE(store_.Buy("hints")) << "no provider to buy from";
  EXPECT_FALSE(store_.Refresh());
  EXPECT_FALSE(store_.Restore());
  EXPECT_EQ(&OC_STORE::Instance(), &OC_STORE::Instance());
  EXPECT_FALSE(OC_STORE::Instance().HasProvider()) << "the program installs none";
}

TEST_F(StoreTest, TheProviderIsStartedAndAnswersPassThrough) {
  RecordingProvider::Log log;
  auto owned = std::make_unique<RecordingProvider>(log);
  RecordingProvider* provider = owned.get();
  store_.SetProvider(std::move(owned));
  ASSERT_TRUE(store_.HasProvider());
  int window = 0;
  EXPECT_TRUE(store_.LoadProducts(Products(), "3c9e1a77", &window));
  EXPECT_EQ(log.calls, (std::vector<std::string>{"Start", "OnStarted"}));
  EXPECT_EQ(log.key, "3c9e1a77");
  EXPECT_EQ(log.window, &window);
  EXPECT_EQ(log.store, &store_);

  log.calls.clear();
  EXPECT_FALSE(store_.Buy("hints")) << "not enabled by the provider";
  store_.FindProduct("hints")->enabled = 1;
  provider->buy = true;
  EXPECT_TRUE(store_.Buy("hints"));
  EXPECT_FALSE(store_.Buy("missing"));
  provider->buy = false;
  EXPECT_FALSE(store_.Buy("hints"));
  provider->refresh = true;
  EXPECT_TRUE(store_.Refresh());
  EXPECT_FALSE(store_.Restore());
  provider->restore = true;
  EXPECT_TRUE(store_.Restore());
  EXPECT_EQ(log.calls, (std::vector<std::string>{"Buy com.example.hints", "Buy com.example.hints", "Refresh",
                                                 "Restore", "Restore"}));

  log.calls.clear();
  provider->start = false;
  EXPECT_FALSE(store_.LoadProducts(Products(), "k", nullptr)) << "a refused start";
  EXPECT_EQ(log.calls, std::vector<std::string>{"Start"}) << "OnStarted follows only a true start";
  EXPECT_EQ(store_.Products().size(), 8u) << "the products are read all the same";

  log.calls.clear();
  store_.SetProvider(nullptr);
  EXPECT_EQ(log.calls, std::vector<std::string>{"destroyed with 8"});
  EXPECT_FALSE(store_.Buy("hints"));
}

TEST_F(StoreTest, ReportsReachOnlyASetListener) {
  ASSERT_TRUE(store_.LoadProducts(Products(), "key", nullptr));
  const StoreProduct* hints = store_.FindProduct("hints");
  store_.NotifyPurchaseStarted();  // no listener yet: nothing happens

  RecordingListener listener;
  store_.SetListener(&listener);
  EXPECT_EQ(store_.GetListener(), &listener);
  store_.NotifyRefreshRequest();
  store_.NotifyPurchaseStarted();
  store_.NotifyPurchaseFinished(hints, true);
  store_.NotifyPurchaseFinished(nullptr, false);
  store_.NotifyPurchaseDelivered(hints);
  EXPECT_EQ(listener.calls, (std::vector<std::string>{"refresh", "started", "finished hints 1",
                                                      "finished - 0", "delivered hints"}));

  listener.calls.clear();
  store_.SetListener(nullptr);
  EXPECT_EQ(store_.GetListener(), nullptr);
  store_.NotifyRefreshRequest();
  store_.NotifyPurchaseStarted();
  store_.NotifyPurchaseFinished(hints, true);
  store_.NotifyPurchaseDelivered(hints);
  EXPECT_TRUE(listener.calls.empty()) << "a cleared listener is never called";
}

TEST(StoreLifetimeTest, TheProviderGoesBeforeTheProducts) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(kProducts));
  RecordingProvider::Log log;
  {
    OC_STORE store;
    store.SetProvider(std::make_unique<RecordingProvider>(log));
    ASSERT_TRUE(store.LoadProducts(document.child("inapp"), "key", nullptr));
    log.calls.clear();
  }
  EXPECT_EQ(log.calls, std::vector<std::string>{"destroyed with 4"});
}

}  // namespace
}  // namespace ORB
