#include "game/records/pack_record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using game::gPackRecord;

TEST(PackRecordTest, ReadsEveryField) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(
      "<pack id='3' key='pack_name_3' stars2pass='25' price='200' path='levels/p3'>"
      "<background><FILE name='bg.png'/></background></pack>"));
  gPackRecord record;
  ASSERT_TRUE(record.Load(document.child("pack"), [](std::string_view key) {
    return std::wstring(L"Name of ") + std::wstring(key.begin(), key.end());
  }));
  EXPECT_EQ(record.GetId(), 3);
  EXPECT_EQ(record.GetKey(), "pack_name_3");
  EXPECT_EQ(record.GetStars2Pass(), 25);
  EXPECT_EQ(record.GetPrice(), 200);
  EXPECT_EQ(record.GetPath(), "levels/p3");
  EXPECT_EQ(record.GetName(), L"Name of pack_name_3");
  ASSERT_TRUE(record.HasBackground());
  EXPECT_STREQ(record.GetBackgroundElement().child("FILE").attribute("name").as_string(), "bg.png");
}

TEST(PackRecordTest, EveryRequiredAttributeIsRequired) {
  const char* attributes[] = {"id", "key", "stars2pass", "price", "path"};
  for (const char* missing : attributes) {
    pugi::xml_document document;
    pugi::xml_node pack = document.append_child("pack");
    for (const char* name : attributes) {
      if (std::string(name) != missing) pack.append_attribute(name).set_value("1");
    }
    gPackRecord record;
    EXPECT_FALSE(record.Load(pack)) << missing;
  }
}

TEST(PackRecordTest, IdsMustFitSixteenBits) {
  pugi::xml_document document;
  ASSERT_TRUE(
      document.load_string("<a id='70000' key='k' stars2pass='0' price='0' path='p'/>"
                           "<b id='x' key='k' stars2pass='0' price='0' path='p'/>"
                           "<c id='65534' key='k' stars2pass='0' price='0' path='p'/>"));
  gPackRecord record;
  EXPECT_FALSE(record.Load(document.child("a")));
  EXPECT_FALSE(record.Load(document.child("b")));
  EXPECT_TRUE(record.Load(document.child("c")));
  EXPECT_EQ(record.GetId(), 65534);
  EXPECT_FALSE(record.HasBackground());
}

TEST(PackRecordTest, ANewBackgroundReplacesTheOld) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(
      "<a id='1' key='k' stars2pass='0' price='0' path='p'><background n='1'/></a>"
      "<b id='1' key='k' stars2pass='0' price='0' path='p'><background n='2'/></b>"
      "<c id='1' key='k' stars2pass='0' price='0' path='p'/>"));
  gPackRecord record;
  ASSERT_TRUE(record.Load(document.child("a")));
  ASSERT_TRUE(record.Load(document.child("b")));
  EXPECT_EQ(record.GetBackgroundElement().attribute("n").as_int(), 2);
  ASSERT_TRUE(record.Load(document.child("c")));  // none given: the last one stays
  EXPECT_EQ(record.GetBackgroundElement().attribute("n").as_int(), 2);
}

}  // namespace
