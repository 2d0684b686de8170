// The shop catalogue: ladders of offers found by name and count, endless
// offers, the search order through sub-items, and the shipped store file.
#include "framework/shop_catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/foundation/file_system.h"
#include "engine/foundation/localization.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/repository_document.h"
#include "support/log_capture.h"
#include "support/source_path.h"

namespace ORB_GF {
namespace {

constexpr const char* kStore = R"(<store>
  <!-- offers -->
  <item name="hint" value="5" price="10"/>
  <item name="hint" value="10" price="20" image="img hint.png" annotation="hint_desc" InAppKey="buy.hint"/>
  <offer name="hint" value="20" price="40">
    <item name="heart" value="2"/>
    <item name="hint" value="30"/>
  </offer>
  <item name="refill" endless="true" price="5"/>
  <item name="bundle">
    <item name="pack" value="1">
      <item name="pack" endless="1"/>
    </item>
  </item>
</store>)";

class ShopCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(document_.load_string(kStore));
    ASSERT_TRUE(catalogue_.Load(document_.first_child()));
  }
  pugi::xml_document document_;
  ShopCatalogue catalogue_;
};

TEST_F(ShopCatalogueTest, ReadsItemsAndSubItemsInFileOrder) {
  ASSERT_EQ(catalogue_.Items().size(), 5u) << "every element after the first item counts";
  const ShopCatalogueItem& second = *catalogue_.Items()[1];
  EXPECT_EQ(second.name, "hint");
  EXPECT_EQ(second.value, 10);
  EXPECT_EQ(second.price, 20);
  EXPECT_EQ(second.image, "img hint.png");
  EXPECT_EQ(second.annotation, "hint_desc");
  EXPECT_EQ(second.InAppKey, "buy.hint");
  EXPECT_FALSE(second.endless);
  EXPECT_EQ(catalogue_.Items()[2]->children.size(), 2u);
  EXPECT_TRUE(catalogue_.Items()[3]->endless);
}

TEST_F(ShopCatalogueTest, FindsTheFirstOfferAboveTheCount) {
  struct Case {
    const char* name;
    int32_t count;
    int32_t value;  // of the offer found; -1: none
  };
  const Case cases[] = {
      {"hint", 0, 5},   {"hint", 4, 5},   {"hint", 5, 10}, {"hint", 7, 10},
      {"hint", 19, 20}, {"hint", 20, 30},  // the sub-item after its parent
      {"hint", 30, -1}, {"heart", 0, 2},  {"Hint", 0, -1}, {"nothing", 0, -1},
  };
  for (const Case& c : cases) {
    const ShopCatalogueItem* found = catalogue_.FindAvailable(c.name, c.count);
    if (c.value < 0) {
      EXPECT_EQ(found, nullptr) << c.name << " " << c.count;
    } else {
      ASSERT_NE(found, nullptr) << c.name << " " << c.count;
      EXPECT_EQ(found->value, c.value) << c.name << " " << c.count;
    }
  }
  // Endless offers match whatever the count.
  ASSERT_NE(catalogue_.FindAvailable("refill", 1000000), nullptr);
  const ShopCatalogueItem* pack = catalogue_.FindAvailable("pack", 1);
  ASSERT_NE(pack, nullptr);
  EXPECT_TRUE(pack->endless) << "found below its parent once the parent is used up";
  EXPECT_EQ(catalogue_.FindAvailable("pack", 0)->value, 1);
}

TEST_F(ShopCatalogueTest, CountsByNameAndEndlessCountsAsMinusOne) {
  const ShopCatalogueItem& offer = *catalogue_.Items()[2];
  EXPECT_EQ(offer.CountByName("hint"), 2);
  EXPECT_EQ(offer.CountByName("heart"), 1);
  EXPECT_EQ(offer.CountByName("pack"), 0);
  const ShopCatalogueItem& bundle = *catalogue_.Items()[4];
  EXPECT_EQ(bundle.CountByName("pack"), -1) << "an endless match among others";
  EXPECT_EQ(catalogue_.Items()[3]->CountByName("refill"), -1);
}

TEST_F(ShopCatalogueTest, BadInputKeepsDefaultsAndASecondLoadAppends) {
  test_support::LogCapture log;
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string(
      "<store><junk/><item name='a' price='12x' value='' endless='maybe'/><item/></store>"));
  ShopCatalogue catalogue;
  EXPECT_FALSE(catalogue.Load(pugi::xml_node()));
  ASSERT_TRUE(catalogue.Load(doc.first_child()));
  ASSERT_EQ(catalogue.Items().size(), 2u) << "elements before the first item are not items";
  EXPECT_EQ(catalogue.Items()[0]->price, 0);
  EXPECT_EQ(catalogue.Items()[0]->value, 0);
  EXPECT_FALSE(catalogue.Items()[0]->endless);
  EXPECT_TRUE(log.Has("price=\"12x\" is not a number"));
  EXPECT_TRUE(log.Has("has no \"name\""));
  // The hub loads once; a second load appends.
  ASSERT_TRUE(catalogue.Load(doc.first_child()));
  EXPECT_EQ(catalogue.Items().size(), 4u);
  pugi::xml_document none;
  ASSERT_TRUE(none.load_string("<store><junk/></store>"));
  EXPECT_TRUE(catalogue.Load(none.first_child()));
  EXPECT_TRUE(log.Has("offers no item"));
  catalogue.Clear();
  EXPECT_TRUE(catalogue.Items().empty());

  EXPECT_EQ(GetShopCatalogue(), nullptr);
  CreateShopCatalogue();
  EXPECT_NE(GetShopCatalogue(), nullptr);
  DestroyShopCatalogue();
  EXPECT_EQ(GetShopCatalogue(), nullptr);
}

// The template player's counts the shipped ladders start above (the rule
// values of tools/lib/rules.py).
const std::map<std::string, int32_t> kTemplateCounts = {{"start_hint", 2}, {"errors", 5}};

TEST(ShippedStoreTest, OffersTheRuleValuesWithStringsAndPictures) {
  ORB::FileSystem checkout(test_support::SourcePath(""));
  ORB::OC_REPOSITORY repository(checkout, nullptr, nullptr);
  ASSERT_EQ(repository.AddFolder("data/share/main/other"), ORB::kResultOk);
  ASSERT_EQ(repository.AddFolder("data/share/image/shop"), ORB::kResultOk);
  ASSERT_EQ(repository.AddFolder("data/en"), ORB::kResultOk);
  ShopCatalogue catalogue;
  ASSERT_TRUE(ORB::ReadDocument(
      repository, "data/share/main/other store.xml",
      [&](const pugi::xml_document& doc) { return catalogue.Load(doc.document_element()); }));
  ASSERT_FALSE(catalogue.Items().empty());

  const ShopCatalogueItem* refill = catalogue.FindAvailable("refill_hint", 1000);
  ASSERT_NE(refill, nullptr);
  EXPECT_TRUE(refill->endless);
  for (const auto& [name, base] : kTemplateCounts) {
    const ShopCatalogueItem* first = catalogue.FindAvailable(name, base);
    ASSERT_NE(first, nullptr) << name;
    EXPECT_GT(first->value, base) << name;
    EXPECT_FALSE(first->endless) << name;
    EXPECT_EQ(catalogue.FindAvailable(name, 0), first)
        << name << ": the ladder starts above the template";
    // Buying up the ladder ends with nothing more to offer.
    int32_t count = base;
    while (const ShopCatalogueItem* next = catalogue.FindAvailable(name, count)) {
      EXPECT_GT(next->value, count);
      count = next->value;
    }
    EXPECT_GT(count, base);
  }

  ORB::OC_LOCALIZATION strings;
  ASSERT_TRUE(ORB::ReadDocument(repository, "strings.xml", [&](const pugi::xml_document& doc) {
    return strings.LoadColumns(doc, 0, 0) > 1;
  }));
  for (const auto& item : catalogue.Items()) {
    EXPECT_EQ(item->InAppKey, item->name);
    EXPECT_GT(item->price, 0) << item->name;
    EXPECT_NE(strings.Find(item->name), ORB::OC_LOCALIZATION::kMissing) << item->name;
    EXPECT_NE(strings.Find(item->annotation), ORB::OC_LOCALIZATION::kMissing) << item->annotation;
    ASSERT_NE(repository.Find(item->image), nullptr) << item->image;
  }
  EXPECT_NE(repository.Find("data/share/image/shop coins.png"), nullptr);
}

}  // namespace
}  // namespace ORB_GF
