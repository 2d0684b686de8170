// The pack descriptions the game ships (tools/make_packs.py): every pack
// loads, stands in order, names the archive folder of its levels, has its
// name in the string table and its background picture, and can be opened by
// the stars the packs before it give.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/file_system.h"
#include "engine/foundation/localization.h"
#include "engine/foundation/repository.h"
#include "engine/foundation/result_codes.h"
#include "game/records/pack_record.h"
#include "support/source_path.h"

namespace game {
namespace {

constexpr const char* kDescription = "data/share/main/other packs_description.xml";
constexpr const char* kLevels = "data/share/main/levels";
constexpr int32_t kStarsPerLevel = 3;

class ShippedPacksTest : public ::testing::Test {
 protected:
  ShippedPacksTest()
      : files_(test_support::SourcePath("")), repository_(files_, nullptr, nullptr) {}

  void SetUp() override {
    for (const char* folder :
         {"data/share/main/other", kLevels, "data/share/image/packs", "data/en"}) {
      ASSERT_EQ(repository_.AddFolder(folder), ORB::kResultOk) << folder;
    }
    pugi::xml_document* strings = repository_.GetXml("data/en strings.xml");
    ASSERT_NE(strings, nullptr);
    ASSERT_GT(strings_.LoadColumns(*strings, 1, 2), 0);
    repository_.ReleaseXml(strings);
    for (const auto& folder : repository_.Folders()) {
      for (const auto& record : folder->records) {
        files_in_[folder->name].push_back(record.first);
        if (folder->name == kLevels)
          levels_per_pack_[record.first.substr(0, record.first.find('/'))] += 1;
      }
    }
  }

  bool Holds(const std::string& folder, const std::string& file) const {
    const auto found = files_in_.find(folder);
    if (found == files_in_.end()) return false;
    for (const std::string& name : found->second) {
      if (name == file) return true;
    }
    return false;
  }

  ORB::FileSystem files_;
  ORB::OC_REPOSITORY repository_;
  ORB::OC_LOCALIZATION strings_;
  std::map<std::string, std::vector<std::string>> files_in_;
  std::map<std::string, int32_t> levels_per_pack_;  // "pack_1" -> levels
};

TEST_F(ShippedPacksTest, EveryPackFolderIsDescribedInOrder) {
  pugi::xml_document* document = repository_.GetXml(kDescription);
  ASSERT_NE(document, nullptr);
  std::vector<std::unique_ptr<gPackRecord>> packs;
  for (const pugi::xml_node element : document->document_element().children()) {
    auto pack = std::make_unique<gPackRecord>();
    ASSERT_TRUE(pack->Load(element, [this](std::string_view key) {
      const std::string text = strings_.Find(std::string(key));
      return std::wstring(text.begin(), text.end());
    })) << element.attribute("key").value();
    ASSERT_TRUE(pack->HasBackground());
    const std::string picture = pack->GetBackgroundElement().child("FILE").text().get();
    const size_t space = picture.find(' ');
    ASSERT_NE(space, std::string::npos) << picture;
    EXPECT_TRUE(Holds(picture.substr(0, space), picture.substr(space + 1))) << picture;
    packs.push_back(std::move(pack));
  }
  repository_.ReleaseXml(document);

  ASSERT_GE(levels_per_pack_.size(), 4u);
  ASSERT_EQ(packs.size(), levels_per_pack_.size())
      << "one description per pack folder of the archive";
  int32_t starsBefore = 0;
  int32_t previousPrice = -1;
  for (size_t i = 0; i < packs.size(); ++i) {
    const gPackRecord& pack = *packs[i];
    const std::string folder = "pack_" + std::to_string(i + 1);
    SCOPED_TRACE(folder);
    EXPECT_EQ(pack.GetId(), i + 1);
    EXPECT_EQ(pack.GetKey(), folder);
    EXPECT_EQ(pack.GetPath(), std::string(kLevels) + " " + folder);
    EXPECT_NE(pack.GetName(), L"etwas") << "the pack's name is in the string table";
    EXPECT_FALSE(pack.GetName().empty());
    // The first pack is open; each later one opens by the stars the packs
    // before it can give, and costs more than the one before.
    if (i == 0) {
      EXPECT_EQ(pack.GetStars2Pass(), 0);
      EXPECT_EQ(pack.GetPrice(), 0);
    } else {
      EXPECT_GT(pack.GetStars2Pass(), 0);
      EXPECT_LE(pack.GetStars2Pass(), starsBefore);
      EXPECT_GT(pack.GetPrice(), previousPrice);
    }
    starsBefore += kStarsPerLevel * levels_per_pack_[folder];
    previousPrice = pack.GetPrice();
  }
}

}  // namespace
}  // namespace game
