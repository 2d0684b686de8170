// The trophies the game ships (Resources/, written by tools/make_trophies.py):
// they load, test the values the game passes, have their strings and
// pictures, and a player's progress earns them in the expected order.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/foundation/file_system.h"
#include "engine/foundation/localization.h"
#include "engine/foundation/repository.h"
#include "framework/trophy_list.h"
#include "framework/trophy_values.h"
#include "support/source_path.h"

namespace {

namespace values = ORB_GF::trophy_values;
using ORB_GF::TrophyList;
using ORB_GF::TrophyNumber;
using ORB_GF::TrophyRecord;
using ORB_GF::TrophyValue;
using ORB_GF::TrophyValueType;

constexpr const char* kTrophiesFile = "data/share/main/other trophies.xml";

class ShippedTrophiesTest : public ::testing::Test {
 protected:
  ShippedTrophiesTest() : files_(test_support::SourcePath("")), repository_(files_, nullptr, nullptr) {}

  void SetUp() override {
    ASSERT_EQ(repository_.AddFolder("data/share/main/other"), ORB::kResultOk);
    ASSERT_EQ(repository_.AddFolder("data/share/image/trophies"), ORB::kResultOk);
    ASSERT_EQ(repository_.AddFolder("data/share/main/levels"), ORB::kResultOk);
    ASSERT_EQ(repository_.AddFolder("data/en"), ORB::kResultOk);
    ASSERT_TRUE(list_.Load(repository_, kTrophiesFile));
    for (const auto& folder : repository_.Folders()) {
      if (folder->name != "data/share/main/levels") continue;
      for (const auto& record : folder->records) {
        levels_per_pack_[record.first.substr(0, record.first.find('/'))] += 1;
        ++level_count_;
      }
    }
    ASSERT_GT(level_count_, 0u);
  }

  // Tests every trophy with the value, as the game does after an event; the
  // names of those that became got.
  std::set<std::string> Award(const TrophyValue& value) {
    std::set<std::string> got;
    for (const auto& record : list_.Records()) {
      if (list_.TestValue(record->GetName(), value)) got.insert(record->GetName());
    }
    return got;
  }

  // The trophies the desktop edition requires for "tr_all_trophy".
  bool AllTrophiesGot() const {
    for (size_t n = 1; n <= levels_per_pack_.size(); ++n) {
      if (!list_.IsGot("tr_pack_" + std::to_string(n))) return false;
    }
    for (const char* name : {"pc_tr_without_hint", "tr_without_error", "pc_tr_hint_use",
                             "tr_stars_1", "tr_stars_2", "tr_stars_3"}) {
      if (!list_.IsGot(name)) return false;
    }
    return true;
  }

  ORB::FileSystem files_;
  ORB::OC_REPOSITORY repository_;
  TrophyList list_;
  std::map<std::string, uint32_t> levels_per_pack_;  // "pack_1" -> levels
  uint32_t level_count_ = 0;
};

TEST_F(ShippedTrophiesTest, EveryTrophyHasOneConditionOnASettledValue) {
  const std::map<std::string, TrophyValueType> settled = {
      {values::kPackCompletion, TrophyValueType::kFloat},
      {values::kWithoutHintMax, TrophyValueType::kUint},
      {values::kWithoutErrorMax, TrophyValueType::kUint},
      {values::kHintUse, TrophyValueType::kUint},
      {values::kThreeStarLevels, TrophyValueType::kUint},
      {values::kMaxScore, TrophyValueType::kUint},
      {values::kMinLevelTime, TrophyValueType::kFloat},
      {values::kAllTrophies, TrophyValueType::kBool},
  };
  std::set<std::string> names;
  for (const auto& record : list_.Records()) {
    names.insert(record->GetName());
    ASSERT_EQ(record->GetConditions().size(), 1u) << record->GetName();
    const auto& condition = record->GetConditions().front();
    const auto found = settled.find(condition.GetName());
    ASSERT_NE(found, settled.end()) << record->GetName() << " tests " << condition.GetName();
    EXPECT_EQ(condition.GetType(), found->second) << record->GetName();
    EXPECT_GT(record->GetBonus(), 0) << record->GetName();
    EXPECT_FALSE(record->IsGot());
  }
  std::set<std::string> expected = {
      "pc_tr_without_hint", "tr_without_error", "pc_tr_hint_use", "tr_stars_1",   "tr_stars_2",
      "tr_stars_3",         "tr_bronze_coin",   "tr_silver_coin", "tr_gold_coin", "tr_all_trophy"};
  for (size_t n = 1; n <= levels_per_pack_.size(); ++n)
    expected.insert("tr_pack_" + std::to_string(n));
  EXPECT_EQ(names, expected) << "one pack trophy per shipped pack, and the rest";
  EXPECT_EQ(static_cast<size_t>(list_.Count()), expected.size()) << "no name twice";
}

TEST_F(ShippedTrophiesTest, EveryKeyIsInTheStringTable) {
  pugi::xml_document* strings = repository_.GetXml("strings.xml");
  ASSERT_NE(strings, nullptr);
  ORB::OC_LOCALIZATION table;
  EXPECT_GT(table.LoadColumns(*strings, 0, 0), 1);
  repository_.ReleaseXml(strings);

  for (const auto& record : list_.Records()) {
    for (const std::string& key : {record->GetName(), record->GetDesc()}) {
      ASSERT_FALSE(key.empty()) << record->GetName();
      const std::string& text = table.Find(key);
      EXPECT_NE(text, ORB::OC_LOCALIZATION::kMissing) << key;
      EXPECT_FALSE(text.empty()) << key;
    }
    // A number in the description is the target a player must reach.
    const auto& condition = record->GetConditions().front();
    if (condition.GetType() != TrophyValueType::kUint) continue;
    const std::string target = std::to_string(std::get<uint32_t>(condition.GetTarget()));
    const std::string& text = table.Find(record->GetDesc());
    for (size_t i = 0; i < text.size();) {
      if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
        continue;
      }
      size_t end = i;
      while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
      EXPECT_EQ(text.substr(i, end - i), target) << record->GetDesc() << ": " << text;
      i = end;
    }
  }
}

TEST_F(ShippedTrophiesTest, EveryPictureIsInTheRepository) {
  for (const auto& record : list_.Records()) {
    EXPECT_NE(record->GetImageOpen(), record->GetImageClose()) << record->GetName();
    for (const std::string& image : {record->GetImageOpen(), record->GetImageClose()}) {
      EXPECT_NE(repository_.Find(image), nullptr) << record->GetName() << ": " << image;
    }
  }
}

TEST_F(ShippedTrophiesTest, TargetsAreReachableWithTheShippedLevels) {
  const auto target = [&](const char* name) {
    return std::get<uint32_t>(list_.Find(name)->GetConditions().front().GetTarget());
  };
  EXPECT_LE(target("tr_stars_1"), target("tr_stars_2"));
  EXPECT_LE(target("tr_stars_2"), target("tr_stars_3"));
  EXPECT_LE(target("tr_stars_3"), level_count_) << "three stars on more levels than are shipped";
  EXPECT_LE(target("pc_tr_without_hint"), level_count_);
  EXPECT_LE(target("tr_without_error"), level_count_);
  EXPECT_LT(target("tr_bronze_coin"), target("tr_silver_coin"));
  EXPECT_LT(target("tr_silver_coin"), target("tr_gold_coin"));
  for (size_t n = 1; n <= levels_per_pack_.size(); ++n) {
    const auto& condition = list_.Find("tr_pack_" + std::to_string(n))->GetConditions().front();
    EXPECT_LE(std::get<float>(condition.GetTarget()), 1.0f)
        << "a pack cannot be more than complete";
  }
}

TEST_F(ShippedTrophiesTest, AReplayedCareerAwardsTheExpectedTrophies) {
  using Got = std::set<std::string>;
  const uint32_t all = level_count_;
  // A player's statistics as they grow, each passed as the game passes it.
  EXPECT_EQ(Award({values::kThreeStarLevels, 1u}), Got{"tr_stars_1"});
  EXPECT_EQ(Award({values::kThreeStarLevels, 1u}), Got{}) << "got only once";
  EXPECT_EQ(Award({values::kWithoutHintMax, 3u}), Got{});
  EXPECT_EQ(Award({values::kMaxScore, 120u}), Got{"tr_bronze_coin"});
  EXPECT_EQ(Award({values::kHintUse, 9u}), Got{});
  EXPECT_EQ(Award({values::kHintUse, 10u}), Got{"pc_tr_hint_use"});
  EXPECT_EQ(Award({values::kWithoutHintMax, 5u}), Got{"pc_tr_without_hint"});
  EXPECT_EQ(Award({values::kWithoutErrorMax, 4u}), Got{});
  EXPECT_EQ(Award({values::kPackCompletion, 0.5f}), Got{});
  EXPECT_EQ(Award({values::kAllTrophies, AllTrophiesGot()}), Got{});
  EXPECT_EQ(Award({values::kWithoutErrorMax, 6u}), Got{"tr_without_error"});
  EXPECT_EQ(Award({values::kThreeStarLevels, 4u}), Got{"tr_stars_2"});
  EXPECT_EQ(Award({values::kMaxScore, 400u}), (Got{"tr_silver_coin", "tr_gold_coin"}));
  // Every pack completed: each pack trophy answers to the same value name.
  Got packs;
  for (size_t n = 1; n <= levels_per_pack_.size(); ++n)
    packs.insert("tr_pack_" + std::to_string(n));
  EXPECT_EQ(Award({values::kPackCompletion, 1.0f}), packs);
  EXPECT_FALSE(AllTrophiesGot());
  EXPECT_EQ(Award({values::kThreeStarLevels, all - 1}), Got{});
  EXPECT_EQ(Award({values::kThreeStarLevels, all}), Got{"tr_stars_3"});
  ASSERT_TRUE(AllTrophiesGot());
  EXPECT_EQ(Award({values::kAllTrophies, AllTrophiesGot()}), Got{"tr_all_trophy"});
  for (const auto& record : list_.Records()) EXPECT_TRUE(record->IsGot()) << record->GetName();

  // A player switch starts over.
  list_.ResetAll();
  EXPECT_EQ(Award({values::kAllTrophies, false}), Got{});
  EXPECT_EQ(Award({values::kMaxScore, 100u}), Got{"tr_bronze_coin"});
}

}  // namespace
