#include "framework/trophy_list.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/foundation/file_system.h"
#include "engine/foundation/repository.h"
#include "support/temp_folder.h"

namespace {

using ORB_GF::TrophyList;
using ORB_GF::TrophyRecord;
using ORB_GF::TrophyValue;

const char kTrophies[] = R"(<?xml version="1.0"?>
<trophies>
  <trophy name="ten" gc_id="gc.ten" desc="ten_desc" image_open="img ten_open.png"
          image_close="img ten_closed.png" bonus="25">
    <condition name="count" value_type="int" value="10" operator="=="/>
  </trophy>
  <trophy name="two">
    <condition name="count" value_type="int" value="1" operator="&gt;="/>
    <condition name="other" value_type="bool" value="true" operator="=="/>
  </trophy>
  <trophy name="late">
    <intro/>
    <!-- conditions start at the first "condition", whatever follows it -->
    <condition name="count" value_type="uint" value="3" operator="&gt;"/>
    <limit name="count" value_type="uint" value="x" operator="&gt;"/>
    <limit name="count" value="4"/>
  </trophy>
  <trophy name="none"/>
  <trophy name="ten" bonus="99"/>
</trophies>
)";

class TrophyListTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(document_.load_string(kTrophies)); }
  pugi::xml_document document_;
  TrophyList list_;
};

TEST_F(TrophyListTest, ReadsTrophiesInFileOrder) {
  ASSERT_TRUE(list_.Load(document_));
  ASSERT_EQ(list_.Count(), 5);
  const TrophyRecord* ten = list_.Find("ten");
  ASSERT_NE(ten, nullptr);
  EXPECT_EQ(ten, list_.Records()[0].get()) << "the first of two with one name";
  EXPECT_EQ(ten->GetGcId(), "gc.ten");
  EXPECT_EQ(ten->GetDesc(), "ten_desc");
  EXPECT_EQ(ten->GetImageOpen(), "img ten_open.png");
  EXPECT_EQ(ten->GetImageClose(), "img ten_closed.png");
  EXPECT_EQ(ten->GetBonus(), 25);
  EXPECT_FALSE(ten->IsGot());
  EXPECT_EQ(ten->GetConditions().size(), 1u);

  EXPECT_EQ(list_.Find("two")->GetConditions().size(), 2u);
  EXPECT_EQ(list_.Find("late")->GetConditions().size(), 1u) << "the malformed ones are skipped";
  EXPECT_EQ(list_.Find("none")->GetBonus(), 0);
  EXPECT_TRUE(list_.Find("none")->GetConditions().empty());
  EXPECT_EQ(list_.Find("Ten"), nullptr);
  EXPECT_EQ(list_.Find(""), nullptr);
}

TEST_F(TrophyListTest, TestingAwardsOnceAndOnlyWithOneCondition) {
  ASSERT_TRUE(list_.Load(document_));
  EXPECT_FALSE(list_.TestValue("ten", {"count", int32_t{9}}));
  EXPECT_FALSE(list_.TestValue("ten", {"counter", int32_t{25}})) << "another value's name";
  EXPECT_FALSE(list_.IsGot("ten"));
  EXPECT_TRUE(list_.TestValue("ten", {"count", int32_t{25}}));
  EXPECT_TRUE(list_.IsGot("ten"));
  EXPECT_FALSE(list_.TestValue("ten", {"count", int32_t{30}})) << "already got";
  EXPECT_TRUE(list_.IsGot("ten"));

  EXPECT_FALSE(list_.TestValue("two", {"count", int32_t{5}})) << "two conditions are never got";
  EXPECT_FALSE(list_.TestValue("two", {"other", true}));
  EXPECT_FALSE(list_.IsGot("two"));
  EXPECT_FALSE(list_.TestValue("none", {"count", int32_t{5}})) << "no condition is never got";
  EXPECT_FALSE(list_.TestValue("missing", {"count", int32_t{5}}));
  EXPECT_FALSE(list_.IsGot("missing"));

  EXPECT_FALSE(list_.TestValue("late", {"count", 3u}));
  EXPECT_TRUE(list_.TestValue("late", {"count", 4u}));

  list_.ResetAll();
  EXPECT_FALSE(list_.IsGot("ten"));
  EXPECT_FALSE(list_.IsGot("late"));
  EXPECT_TRUE(list_.TestValue("ten", {"count", int32_t{10}}));
}

TEST_F(TrophyListTest, ABadDocumentLeavesTheListAsItWas) {
  ASSERT_TRUE(list_.Load(document_));
  for (const char* text : {"<trophies/>", "<trophies><!-- none --></trophies>",
                           "<achievements><trophy name=\"x\"/></achievements>", ""}) {
    pugi::xml_document bad;
    bad.load_string(text);
    EXPECT_FALSE(list_.Load(bad)) << text;
    EXPECT_EQ(list_.Count(), 5) << text;
  }
  // A second good document appends.
  EXPECT_TRUE(list_.Load(document_));
  EXPECT_EQ(list_.Count(), 10);
}

TEST_F(TrophyListTest, LoadsThroughTheRepository) {
  test_support::TempFolder folder;
  ORB::FileSystem files(folder.Path());
  ASSERT_TRUE(files.CreateResourcesFolder());
  test_support::WriteText(files.GetResourcesFolder() + "data/trophies.xml", kTrophies);
  ORB::OC_REPOSITORY repository(files, nullptr, nullptr);
  ASSERT_EQ(repository.AddFolder("data"), ORB::kResultOk);

  EXPECT_FALSE(list_.Load(repository, "data missing.xml"));
  EXPECT_EQ(list_.Count(), 0);
  EXPECT_TRUE(list_.Load(repository, "data trophies.xml"));
  EXPECT_EQ(list_.Count(), 5);
  EXPECT_EQ(repository.UnloadUnused(), 1) << "the document was given back";
  EXPECT_FALSE(list_.Load("data trophies.xml")) << "no engine repository in this test";
}

TEST(TrophyListSingletonTest, TheGameMakesAndDropsIt) {
  EXPECT_EQ(ORB_GF::GetTrophyList(), nullptr);
  TrophyList& list = ORB_GF::CreateTrophyList();
  EXPECT_EQ(ORB_GF::GetTrophyList(), &list);
  EXPECT_EQ(list.Count(), 0);
  ORB_GF::DestroyTrophyList();
  EXPECT_EQ(ORB_GF::GetTrophyList(), nullptr);
}

}  // namespace
