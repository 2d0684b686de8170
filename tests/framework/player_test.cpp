#include "framework/player.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <type_traits>
#include <vector>

#include "support/temp_folder.h"

namespace {

using Bytes = std::vector<unsigned char>;
using ORB_GF::gPlayer;

static_assert(std::has_virtual_destructor_v<gPlayer>);

class PlayerStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder_.Path().empty());
    path_ = folder_.File("player.bin");
  }

  void Write(const gPlayer& player) {
    ORB::SaveFile file;
    ASSERT_TRUE(file.Create(path_));
    EXPECT_TRUE(player.WriteToStream(file));
    ASSERT_TRUE(file.Close());
  }
  bool Read(gPlayer& player) {
    ORB::SaveFile file;
    if (!file.OpenForReading(path_)) return false;
    return player.ReadFromStream(file) && file.BytesLeft() == 0;
  }
  Bytes FileBytes() const {
    std::ifstream in(path_, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  void SetFileBytes(const Bytes& bytes) {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }

  test_support::TempFolder folder_;
  std::string path_;
};

TEST(PlayerTest, NewPlayerHasTheDefaults) {
  const gPlayer player(L"Ann");
  EXPECT_EQ(player.GetName(), L"Ann");
  EXPECT_EQ(player.GetSoundVolume(), 50.0f);
  EXPECT_EQ(player.GetMusicVolume(), 50.0f);
  EXPECT_TRUE(player.GetGameCursor());
  EXPECT_FALSE(player.IsTutorialPassed());
  EXPECT_TRUE(player.GetItems().empty());
  EXPECT_TRUE(gPlayer().GetName().empty());
}

TEST(PlayerTest, ItemCountsAreNeverNegative) {
  gPlayer player;
  EXPECT_EQ(player.GetItemCount("x"), 0);
  player.SetItemCount("x", -1);
  EXPECT_TRUE(player.GetItems().empty());
  player.SetItemCount("x", 4);
  player.SetItemCount("x", -3);
  EXPECT_EQ(player.GetItemCount("x"), 4);
  player.SetItemCount("x", 0);
  EXPECT_EQ(player.GetItemCount("x"), 0);
  EXPECT_EQ(player.GetItems().count("x"), 1u);
}

TEST_F(PlayerStreamTest, RecordHasTheStoredLayout) {
  gPlayer player(L"\u00c9va");  // É: two bytes of UTF-8
  player.SetSoundVolume(1.0f);
  player.SetMusicVolume(0.0f);
  player.SetTutorialPassed(true);
  player.SetGameCursor(false);
  player.SetItemCount("health", 5);
  player.SetItemCount("errors", 3);
  Write(player);
  const Bytes expected = {
      0x04, 0,    0,    0,    0xC3, 0x89, 'v', 'a',  // name
      0x00, 0x00, 0x80, 0x3F,                        // sound volume 1.0
      0x00, 0x00, 0x00, 0x00,                        // music volume 0.0
      0x01, 0x00,                                    // tutorial passed, cursor off
      0x02, 0,    0,    0,                           // two items, names ascending
      0x06, 0,    0,    0,    'e',  'r',  'r', 'o', 'r', 's', 0x03, 0, 0, 0,
      0x06, 0,    0,    0,    'h',  'e',  'a', 'l', 't', 'h', 0x05, 0, 0, 0,
  };
  EXPECT_EQ(FileBytes(), expected);
}

TEST_F(PlayerStreamTest, NamesOfAnyScriptSurviveTheRecord) {
  for (const std::wstring& name :
       {std::wstring(L"\u0416\u0435\u043d\u044f"), std::wstring(L"\u5c0f\u660e"),
        std::wstring(L"\u05e9\u05dc\u05d5\u05dd"), std::wstring(L"\U0001F600 smile"),
        std::wstring(L"")}) {
    gPlayer written(name);
    written.SetItemCount("\xE2\x98\x85 key", 1);
    Write(written);
    gPlayer read(L"other");
    ASSERT_TRUE(Read(read));
    EXPECT_EQ(read.GetName(), name);
    EXPECT_EQ(read.GetItemCount("\xE2\x98\x85 key"), 1);
  }
}

TEST_F(PlayerStreamTest, ReadingMergesIntoTheItemTable) {
  gPlayer written(L"A");
  written.SetItemCount("coins", 10);
  Write(written);
  gPlayer read;
  read.SetItemCount("coins", 1);
  read.SetItemCount("hints", 2);
  ASSERT_TRUE(Read(read));
  EXPECT_EQ(read.GetItemCount("coins"), 10);
  EXPECT_EQ(read.GetItemCount("hints"), 2);
}

TEST_F(PlayerStreamTest, DamagedRecordsFailWithoutHugeAllocations) {
  gPlayer written(L"Bob");
  written.SetItemCount("a", 1);
  Write(written);
  Bytes bytes = FileBytes();

  // Cut anywhere: the read fails.
  for (size_t size = 0; size < bytes.size(); ++size) {
    SetFileBytes(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(size)));
    gPlayer read;
    EXPECT_FALSE(Read(read)) << "cut at " << size;
  }
  // An item count of four billion in a file of a few bytes.
  Bytes huge_count = bytes;
  const size_t count_at = 4 + 3 + 4 + 4 + 1 + 1;
  huge_count[count_at] = huge_count[count_at + 1] = huge_count[count_at + 2] =
      huge_count[count_at + 3] = 0xFF;
  SetFileBytes(huge_count);
  gPlayer read;
  EXPECT_FALSE(Read(read));
  // A name that claims to be longer than any name.
  Bytes long_name = bytes;
  long_name[2] = 0x10;  // about a megabyte
  SetFileBytes(long_name);
  EXPECT_FALSE(Read(read));
}

TEST(PlayerXmlTest, SavesAndLoadsTheSameFields) {
  gPlayer player(L"Zo\u00eb");
  player.SetSoundVolume(25.5f);
  player.SetMusicVolume(75.0f);
  player.SetTutorialPassed(true);
  player.SetGameCursor(false);
  player.SetItemCount("start_hint", 3);
  pugi::xml_document document;
  ASSERT_TRUE(player.Save(document.append_child("player")));

  gPlayer read;
  ASSERT_TRUE(read.Load(document.child("player")));
  EXPECT_EQ(read.GetName(), L"Zo\u00eb");
  EXPECT_EQ(read.GetSoundVolume(), 25.5f);
  EXPECT_EQ(read.GetMusicVolume(), 75.0f);
  EXPECT_TRUE(read.IsTutorialPassed());
  EXPECT_FALSE(read.GetGameCursor());
  EXPECT_EQ(read.GetItemCount("start_hint"), 3);
}

TEST(PlayerXmlTest, ATemplateWithoutVolumesKeepsTheDefaults) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(
      "<player><playeritems><item name='health' count='5'/><item name='errors' count='3'/>"
      "<other name='x' count='-2'/><item count='9'/></playeritems></player>"));
  gPlayer player;
  ASSERT_TRUE(player.Load(document.child("player")));
  EXPECT_EQ(player.GetSoundVolume(), 50.0f);
  EXPECT_EQ(player.GetMusicVolume(), 50.0f);
  EXPECT_TRUE(player.GetGameCursor());
  EXPECT_FALSE(player.IsTutorialPassed());
  EXPECT_TRUE(player.GetName().empty());
  EXPECT_EQ(player.GetItemCount("health"), 5);
  EXPECT_EQ(player.GetItemCount("errors"), 3);
  // Siblings after the first "item" count whatever their element name; an
  // entry without a name is skipped.
  EXPECT_EQ(player.GetItems().at("x"), -2);
  EXPECT_EQ(player.GetItems().count(""), 0u);
}

}  // namespace
