#include "game/records/players_list.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include <pugixml.hpp>

#include "engine/foundation/replace_file.h"
#include "engine/platform/clock.h"
#include "support/fifo.h"
#include "support/file_size_limit.h"
#include "support/log_capture.h"
#include "support/sample_player.h"
#include "support/temp_folder.h"

namespace {

using game::GG_PLAYER;
using game::PlayersFileLayout;
using game::PlayersFileOptions;
using game::PlayersFileStatus;
using game::PlayersList;
using test_support::Bytes;
using test_support::SamplePlayer;
using test_support::TempFolder;

constexpr const char* kFile = "players.save";

class PlayersListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ORB::platform::SetClock(&clock_);
    clock_.SetCalendarSeconds(1000);
    ASSERT_FALSE(folder_.Path().empty());
  }
  void TearDown() override { ORB::platform::SetClock(nullptr); }

  static PlayersFileOptions Current(bool in_app = false) {
    return {.saved_version = game::kPlayersFileVersion, .in_app = in_app};
  }
  static PlayersFileOptions Old(bool in_app = false) {
    return {.saved_version = game::kPlayersFileVersionOld, .in_app = in_app};
  }

  // "Al" from the template, one heart spent at 1000 and current.
  static void FillSmall(PlayersList& list, bool in_app) {
    GG_PLAYER* player = list.Add(SamplePlayer(in_app));
    ASSERT_NE(player, nullptr);
    ASSERT_TRUE(player->GetHealth().Spend());
  }

  // The same list as the stored bytes of FillSmall.
  static Bytes SmallFileBytes(bool has_max_score, bool in_app) {
    using namespace test_support;
    Bytes b;
    b.push_back(1);      // has current
    PutString(b, "Al");  // current name
    Put32(b, 1);         // one player
    PutString(b, "Al");  // name
    PutFloat(b, 50.0f);  // sound volume
    PutFloat(b, 50.0f);  // music volume
    b.push_back(0);      // tutorial not passed
    b.push_back(1);      // game cursor
    Put32(b, 1);         // one item
    PutString(b, "health");
    Put32(b, 5);
    b.push_back(1);       // hearts refilling
    Put32(b, 4);          // hearts count
    PutDouble(b, 600.0);  // countdown
    Put32(b, 600);        // refill time
    Put32(b, 1);          // queue length
    Put32(b, 1000);       // queued at 1000
    for (uint32_t value : {1u, 20u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) Put32(b, value);
    PutFloat(b, 9.5f);  // min_level_time
    if (has_max_score) Put32(b, 30);
    Put32(b, 1);  // one pack
    Put32(b, 1);  // pack id
    if (in_app) {
      b.push_back(1);  // has lock
      b.push_back(1);  // locked
      PutString(b, "pack_1");
    }
    Put32(b, 2);         // two levels
    Put32(b, 0);         // index
    b.push_back(0);      // unlocked
    Put32(b, 10);        // id
    Put32(b, 3);         // stars
    PutFloat(b, 12.5f);  // best time
    PutString(b, "a.xml");
    Put32(b, 1);
    b.push_back(1);
    Put32(b, 11);
    Put32(b, 0);
    PutFloat(b, 0.0f);
    PutString(b, "b.xml");
    return b;
  }

  static void ExpectSmall(const PlayersList& list, bool has_max_score, bool in_app) {
    ASSERT_EQ(list.Count(), 1u);
    const GG_PLAYER* player = list.GetCurrent();
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->GetName(), L"Al");
    EXPECT_EQ(player->GetItemCount("health"), 5);
    EXPECT_EQ(player->GetHealth().GetCount(), 4);
    EXPECT_EQ(player->GetHealth().GetQueue().size(), 1u);
    EXPECT_EQ(player->GetStatistics().score, 20u);
    EXPECT_EQ(player->GetStatistics().max_score, has_max_score ? 30u : 20u);
    EXPECT_EQ(player->GetStatistics().bad_level, 8u);
    EXPECT_EQ(player->GetStatistics().min_level_time, 9.5f);
    const game::gPackState* pack = player->FindPack(1);
    ASSERT_NE(pack, nullptr);
    EXPECT_EQ(pack->IsLocked(), in_app);
    EXPECT_EQ(pack->GetInAppKey(), in_app ? "pack_1" : "");
    ASSERT_EQ(pack->GetLevelCount(), 2);
    EXPECT_EQ(pack->GetLevelAt(0)->GetStars(), 3);
    EXPECT_EQ(pack->GetLevelAt(0)->GetBestTime(), 12.5f);
    EXPECT_TRUE(pack->GetLevelAt(0)->IsUnlocked());
    EXPECT_EQ(pack->GetLevelAt(1)->GetFile(), "b.xml");
    EXPECT_FALSE(pack->GetLevelAt(1)->IsUnlocked());
  }

  ORB::platform::ManualClock clock_;
  TempFolder folder_;
};

// --- the list itself ---

TEST_F(PlayersListTest, NamesAreExactAndUnique) {
  PlayersList list;
  GG_PLAYER* ann = list.Add(std::make_unique<GG_PLAYER>(L"Ann"));
  ASSERT_NE(ann, nullptr);
  EXPECT_EQ(list.GetCurrent(), ann);  // the first one added
  EXPECT_EQ(list.Add(std::make_unique<GG_PLAYER>(L"Ann")), nullptr);
  GG_PLAYER* upper = list.Add(std::make_unique<GG_PLAYER>(L"ANN"));
  ASSERT_NE(upper, nullptr);
  EXPECT_EQ(list.GetCurrent(), ann);
  EXPECT_EQ(list.FindByName(L"ANN"), upper);
  EXPECT_EQ(list.FindByName(L"ann"), nullptr);
  EXPECT_EQ(list.GetNames(), (std::vector<std::wstring>{L"Ann", L"ANN"}));
  EXPECT_EQ(list.Add(nullptr), nullptr);
}

TEST_F(PlayersListTest, SelectingAndRemoving) {
  PlayersList list;
  list.Add(std::make_unique<GG_PLAYER>(L"A"));
  GG_PLAYER* b = list.Add(std::make_unique<GG_PLAYER>(L"B"));
  const GG_PLAYER outsider(L"B");
  EXPECT_EQ(list.Select(&outsider), b);  // by the name
  EXPECT_EQ(list.GetCurrent(), b);
  EXPECT_FALSE(list.SelectByName(L"C"));
  EXPECT_EQ(list.GetCurrent(), b);
  EXPECT_EQ(list.Select(nullptr), nullptr);
  EXPECT_EQ(list.GetCurrent(), nullptr);
  EXPECT_TRUE(list.SelectByName(L"B"));
  EXPECT_TRUE(list.Remove(L"B"));
  EXPECT_EQ(list.GetCurrent(), nullptr);
  EXPECT_FALSE(list.Remove(L"B"));
  EXPECT_EQ(list.Count(), 1u);
}

TEST_F(PlayersListTest, SelectingAPlayerCatchesUpItsHearts) {
  PlayersList list;
  list.Add(std::make_unique<GG_PLAYER>(L"A"));
  FillSmall(list, false);  // "Al": 4 of 5 hearts, refill queued at 1000
  clock_.SetCalendarSeconds(1000 + 600);
  ASSERT_TRUE(list.SelectByName(L"Al"));
  EXPECT_EQ(list.GetCurrent()->GetHealth().GetCount(), 5);
}

// --- the file's layout ---

TEST_F(PlayersListTest, CurrentVersionFileHasTheStoredBytes) {
  for (const bool in_app : {false, true}) {
    PlayersList list;
    FillSmall(list, in_app);
    ASSERT_TRUE(list.Save(folder_.PathWithSlash(), in_app));
    EXPECT_EQ(folder_.Read(kFile), SmallFileBytes(true, in_app)) << "in-app " << in_app;
    EXPECT_FALSE(folder_.Exists(PlayersList::kTemporaryName));

    PlayersList read;
    EXPECT_EQ(read.Load(folder_.PathWithSlash(), Current(in_app)), PlayersFileStatus::Loaded);
    ExpectSmall(read, true, in_app);
  }
}

TEST_F(PlayersListTest, OldVersionFileTakesTheScoreAsMaximum) {
  for (const bool in_app : {false, true}) {
    // Writing in the old layout gives the old bytes...
    PlayersList list;
    FillSmall(list, in_app);
    ORB::SaveFile stream;
    ASSERT_TRUE(stream.Create(folder_.File("old.save")));
    ASSERT_TRUE(
        list.WriteContent(stream, PlayersFileLayout{.has_max_score = false, .in_app = in_app}));
    ASSERT_TRUE(stream.Close());
    EXPECT_EQ(folder_.Read("old.save"), SmallFileBytes(false, in_app));

    // ...and an old file reads with the score as its maximum.
    folder_.Write(kFile, SmallFileBytes(false, in_app));
    PlayersList read;
    EXPECT_EQ(read.Load(folder_.PathWithSlash(), Old(in_app)), PlayersFileStatus::Loaded);
    ExpectSmall(read, false, in_app);
  }
}

TEST_F(PlayersListTest, AFileWithoutCurrentPlayerHasNoName) {
  PlayersList list;
  list.Add(std::make_unique<GG_PLAYER>(L"A"));
  list.Select(nullptr);
  ASSERT_TRUE(list.Save(folder_.PathWithSlash(), false));
  const Bytes bytes = folder_.Read(kFile);
  ASSERT_GE(bytes.size(), 5u);
  EXPECT_EQ(bytes[0], 0);
  EXPECT_EQ(bytes[1], 1);  // the player count follows at once
  EXPECT_EQ(bytes[2], 0);
}

TEST_F(PlayersListTest, TheLayoutThatReadsTheWholeFileWins) {
  // A lost settings file (no version) or a stale one (the old version beside
  // a new file) must not shift every later field.
  const bool in_app = false;
  folder_.Write(kFile, SmallFileBytes(true, in_app));
  for (const PlayersFileOptions& options :
       {PlayersFileOptions{.saved_version = std::nullopt, .in_app = in_app}, Old(in_app)}) {
    PlayersList read;
    EXPECT_EQ(read.Load(folder_.PathWithSlash(), options), PlayersFileStatus::Loaded);
    ExpectSmall(read, true, in_app);
  }
  folder_.Write(kFile, SmallFileBytes(false, in_app));
  for (const PlayersFileOptions& options :
       {PlayersFileOptions{.saved_version = std::nullopt, .in_app = in_app}, Current(in_app)}) {
    PlayersList read;
    EXPECT_EQ(read.Load(folder_.PathWithSlash(), options), PlayersFileStatus::Loaded);
    ExpectSmall(read, false, in_app);
  }
  // A file of an edition that sells packs, read by one that does not.
  folder_.Write(kFile, SmallFileBytes(true, true));
  PlayersList read;
  EXPECT_EQ(read.Load(folder_.PathWithSlash(), Current(false)), PlayersFileStatus::Loaded);
  ASSERT_EQ(read.Count(), 1u);
  EXPECT_EQ(read.GetCurrent()->FindPack(1)->GetInAppKey(), "pack_1");
}

// --- round trips ---

TEST_F(PlayersListTest, ManyPlayersRoundTrip) {
  PlayersList list;
  const std::wstring names[] = {L"Ann", L"\u0416\u0435\u043d\u044f", L"\u5c0f\u660e", L"\U0001F600",
                                L"Zo\u00eb"};
  int n = 0;
  for (const std::wstring& name : names) {
    GG_PLAYER* player = list.Add(SamplePlayer(true, name));
    ASSERT_NE(player, nullptr);
    player->SetSoundVolume(static_cast<float>(n) * 10.0f);
    player->SetTutorialPassed(n % 2 == 0);
    player->SetItemCount("coins", n * 100);
    player->GetStatistics().AddScore(static_cast<uint32_t>(n * 7));
    player->GetStatistics().without_error = static_cast<uint32_t>(n);
    for (int i = 0; i < n; ++i) player->GetHealth().Spend();
    game::gPackState* pack = player->AddPack(2 + n);
    for (int l = 0; l < n + 2; ++l) pack->AddLevel()->SetStars(l % 4);
    player->FindLevel(1, 11)->SetBestTime(static_cast<float>(n) + 1.25f);
    ++n;
  }
  list.SelectByName(names[3]);
  ASSERT_TRUE(list.Save(folder_.PathWithSlash(), true));

  PlayersList read;
  ASSERT_EQ(read.Load(folder_.PathWithSlash(), Current(true)), PlayersFileStatus::Loaded);
  ASSERT_EQ(read.GetNames(), list.GetNames());
  EXPECT_EQ(read.GetCurrent()->GetName(), names[3]);
  for (size_t i = 0; i < list.Count(); ++i) {
    const GG_PLAYER& a = *list.GetPlayers()[i];
    const GG_PLAYER& b = *read.GetPlayers()[i];
    EXPECT_EQ(a.GetItems(), b.GetItems());
    EXPECT_EQ(a.GetSoundVolume(), b.GetSoundVolume());
    EXPECT_EQ(a.IsTutorialPassed(), b.IsTutorialPassed());
    EXPECT_EQ(a.GetStatistics(), b.GetStatistics());
    EXPECT_EQ(a.GetHealth().GetCount(), b.GetHealth().GetCount());
    EXPECT_EQ(a.GetHealth().GetQueue(), b.GetHealth().GetQueue());
    EXPECT_EQ(a.GetHealth().GetCountdown(), b.GetHealth().GetCountdown());
    EXPECT_EQ(a.TotalStars(), b.TotalStars());
    ASSERT_EQ(a.GetPacks().size(), b.GetPacks().size());
    for (size_t p = 0; p < a.GetPacks().size(); ++p) {
      const game::gPackState& pa = *a.GetPacks()[p];
      const game::gPackState& pb = *b.GetPacks()[p];
      EXPECT_EQ(pa.GetId(), pb.GetId());
      EXPECT_EQ(pa.HasLock(), pb.HasLock());
      EXPECT_EQ(pa.GetInAppKey(), pb.GetInAppKey());
      ASSERT_EQ(pa.GetLevelCount(), pb.GetLevelCount());
      for (int l = 0; l < pa.GetLevelCount(); ++l) {
        EXPECT_EQ(pa.GetLevelAt(l)->GetId(), pb.GetLevelAt(l)->GetId());
        EXPECT_EQ(pa.GetLevelAt(l)->GetStars(), pb.GetLevelAt(l)->GetStars());
        EXPECT_EQ(pa.GetLevelAt(l)->GetBestTime(), pb.GetLevelAt(l)->GetBestTime());
        EXPECT_EQ(pa.GetLevelAt(l)->IsUnlocked(), pb.GetLevelAt(l)->IsUnlocked());
        EXPECT_EQ(pa.GetLevelAt(l)->GetFile(), pb.GetLevelAt(l)->GetFile());
      }
    }
  }
}

TEST_F(PlayersListTest, HeartsCatchUpForTheTimeTheGameWasClosed) {
  PlayersList list;
  GG_PLAYER* player = list.Add(SamplePlayer(false));
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(player->GetHealth().Spend());
  ASSERT_TRUE(list.Save(folder_.PathWithSlash(), false));

  clock_.SetCalendarSeconds(1000 + 2 * 600 + 100);
  PlayersList read;
  ASSERT_EQ(read.Load(folder_.PathWithSlash(), Current()), PlayersFileStatus::Loaded);
  EXPECT_EQ(read.GetCurrent()->GetHealth().GetCount(), 4);
  EXPECT_EQ(read.GetCurrent()->GetHealth().GetCountdown(), 500.0);
}

TEST_F(PlayersListTest, StoredHeartsAreHeldToThePlayersMaximum) {
  // The sample player's "health" item allows 5 hearts.
  for (const auto& [stored, loaded] :
       {std::pair{1000, 5}, std::pair{-3, 0}, std::pair{5, 5}, std::pair{2, 2}}) {
    PlayersList list;
    GG_PLAYER* player = list.Add(SamplePlayer(false));
    player->GetHealth().SetCount(stored);
    ASSERT_TRUE(list.Save(folder_.PathWithSlash(), false));
    PlayersList read;
    ASSERT_EQ(read.Load(folder_.PathWithSlash(), Current()), PlayersFileStatus::Loaded);
    EXPECT_EQ(read.GetCurrent()->GetHealth().GetCount(), loaded) << "stored " << stored;
  }
}

TEST_F(PlayersListTest, RepeatedNamesInTheFileAreDropped) {
  PlayersList list;
  list.Add(SamplePlayer(false, L"X"));
  list.Add(SamplePlayer(false, L"Y"));
  list.Add(SamplePlayer(false, L"Z"));
  list.SelectByName(L"Z");
  list.GetPlayers()[2]->SetName(L"X");  // behind the list's back
  ASSERT_TRUE(list.Save(folder_.PathWithSlash(), false));
  PlayersList read;
  ASSERT_EQ(read.Load(folder_.PathWithSlash(), Current()), PlayersFileStatus::Loaded);
  EXPECT_EQ(read.GetNames(), (std::vector<std::wstring>{L"X", L"Y"}));
  EXPECT_EQ(read.GetCurrent()->GetName(), L"X");
}

TEST_F(PlayersListTest, AMissingFileLeavesTheListAsItWas) {
  PlayersList list;
  list.Add(std::make_unique<GG_PLAYER>(L"A"));
  EXPECT_EQ(list.Load(folder_.PathWithSlash(), Current()), PlayersFileStatus::Missing);
  EXPECT_EQ(list.Count(), 1u);
}

// --- damaged files ---

TEST_F(PlayersListTest, ATruncatedFileIsSetAsideAndNothingIsHalfLoaded) {
  const Bytes whole = SmallFileBytes(true, false);
  for (size_t size = 0; size < whole.size(); ++size) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(size));
    folder_.Write(kFile, cut);
    PlayersList read;
    ASSERT_EQ(read.Load(folder_.PathWithSlash(), Current()), PlayersFileStatus::Corrupt) << size;
    EXPECT_EQ(read.Count(), 0u);
    EXPECT_EQ(read.GetCurrent(), nullptr);
    EXPECT_FALSE(folder_.Exists(kFile));
    // Kept, never deleted.
    const std::string aside = std::string(PlayersList::kSetAsidePrefix) + std::to_string(size + 1);
    EXPECT_EQ(folder_.Read(aside), cut);
  }
}

TEST_F(PlayersListTest, TrailingBytesMakeAFileCorrupt) {
  Bytes bytes = SmallFileBytes(true, false);
  bytes.push_back(0);
  folder_.Write(kFile, bytes);
  PlayersList read;
  EXPECT_EQ(read.Load(folder_.PathWithSlash(), Current()), PlayersFileStatus::Corrupt);
  EXPECT_EQ(read.Count(), 0u);
}

TEST_F(PlayersListTest, HugeCountsAreRefusedAtOnce) {
  // Offsets in the small file: player count, item count, queue length, pack
  // count, level count; and every string length.
  const Bytes whole = SmallFileBytes(true, false);
  const size_t player_count = 1 + 4 + 2;
  const size_t item_count = player_count + 4 + 4 + 2 + 4 + 4 + 2;
  const size_t queue_length = item_count + 4 + 4 + 6 + 4 + 1 + 4 + 8 + 4;
  const size_t pack_count = queue_length + 4 + 4 + 9 * 4 + 4 + 4;
  const size_t level_count = pack_count + 4 + 4;
  const size_t strings[] = {1, player_count + 4, item_count + 4, level_count + 4 + 17};
  std::vector<size_t> fields = {player_count, item_count, queue_length, pack_count, level_count};
  fields.insert(fields.end(), std::begin(strings), std::end(strings));
  for (const size_t at : fields) {
    for (const uint32_t value : {0xFFFFFFFFu, 0x7FFFFFFFu, 0x00100000u}) {
      Bytes bytes = whole;
      for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
      folder_.Write(kFile, bytes);
      PlayersList read;
      EXPECT_EQ(read.Load(folder_.PathWithSlash(), Current()), PlayersFileStatus::Corrupt)
          << "field at " << at << " = " << value;
      EXPECT_EQ(read.Count(), 0u);
    }
  }
}

TEST_F(PlayersListTest, ANameThatIsNotARegularFileIsRefusedAndLeftWhereItIs) {
  const std::string path = folder_.File(kFile);
  for (const bool fifo : {false, true}) {
    SCOPED_TRACE(fifo ? "a FIFO" : "a folder");
    std::filesystem::remove_all(path);
    ASSERT_TRUE(fifo ? test_support::MakeFifo(path) : std::filesystem::create_directory(path));
    PlayersList read;
    test_support::LogCapture log;
    EXPECT_EQ(test_support::WithoutBlocking(
                  path, [&] { return read.Load(folder_.PathWithSlash(), Current()); }),
              PlayersFileStatus::NotRegular);
    EXPECT_EQ(log.Lines().size(), 1u);
    EXPECT_TRUE(log.Has(path + " cannot be read: it is " + (fifo ? "a FIFO" : "a folder")));
    EXPECT_EQ(std::filesystem::is_fifo(path), fifo);
    EXPECT_FALSE(folder_.Exists("players.save.corrupt-1"));
  }
}

// --- saving never loses the previous file ---

TEST_F(PlayersListTest, AnInterruptedSaveKeepsTheOldData) {
  PlayersList list;
  FillSmall(list, false);
  ASSERT_TRUE(list.Save(folder_.PathWithSlash(), false));
  // A save that died half-way left its temporary file behind.
  folder_.Write(PlayersList::kTemporaryName, Bytes{1, 2, 3});
  PlayersList read;
  ASSERT_EQ(read.Load(folder_.PathWithSlash(), Current()), PlayersFileStatus::Loaded);
  ExpectSmall(read, true, false);
  // The next save goes through all the same.
  read.GetCurrent()->GetStatistics().AddScore(1);
  ASSERT_TRUE(read.Save(folder_.PathWithSlash(), false));
  EXPECT_FALSE(folder_.Exists(PlayersList::kTemporaryName));
  PlayersList again;
  ASSERT_EQ(again.Load(folder_.PathWithSlash(), Current()), PlayersFileStatus::Loaded);
  EXPECT_EQ(again.GetCurrent()->GetStatistics().score, 21u);
}

TEST_F(PlayersListTest, AFailedSaveAnswersFalseAndLeavesTheOldFile) {
  PlayersList list;
  FillSmall(list, false);
  ASSERT_TRUE(list.Save(folder_.PathWithSlash(), false));
  const Bytes saved = folder_.Read(kFile);
  list.Add(SamplePlayer(false, L"Another"));

  // The temporary file cannot be made: no descriptor is left for it (a
  // folder where older saves put their temporary file does not stand in the
  // way any more; it is left alone).
  std::filesystem::create_directory(folder_.File(PlayersList::kTemporaryName));
  {
    struct rlimit files {};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &files), 0);
    const int lowest_free = dup(0);
    ASSERT_GE(lowest_free, 0);
    close(lowest_free);
    struct rlimit none = files;
    none.rlim_cur = static_cast<rlim_t>(lowest_free);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &none), 0);
    const bool saved_without_descriptors = list.Save(folder_.PathWithSlash(), false);
    setrlimit(RLIMIT_NOFILE, &files);
    EXPECT_FALSE(saved_without_descriptors);
  }
  EXPECT_EQ(folder_.Read(kFile), saved);
  EXPECT_TRUE(std::filesystem::is_directory(folder_.File(PlayersList::kTemporaryName)));
  std::filesystem::remove(folder_.File(PlayersList::kTemporaryName));

  // The disk takes only a few bytes.
  const bool saved_small = test_support::WithFileSizeLimit(
      20, [&] { return list.Save(folder_.PathWithSlash(), false); });
  EXPECT_FALSE(saved_small);
  EXPECT_EQ(folder_.Read(kFile), saved);
  EXPECT_FALSE(folder_.Exists(PlayersList::kTemporaryName));

  // The file's place is taken by a folder: no failure, the folder is moved
  // aside whole and the save takes its place.
  TempFolder other;
  std::filesystem::create_directory(other.File(kFile));
  EXPECT_TRUE(list.Save(other.PathWithSlash(), false));
  EXPECT_FALSE(other.Exists(PlayersList::kTemporaryName));
  EXPECT_TRUE(std::filesystem::is_directory(other.File(kFile) + ORB::kSetAsideEnding + "1"));

  // The save folder is a file.
  EXPECT_FALSE(list.Save(folder_.File(kFile) + "/", false));
  EXPECT_EQ(folder_.Read(kFile), saved);
}

TEST_F(PlayersListTest, ATextTheReaderWouldRefuseIsNeverSaved) {
  PlayersList list;
  FillSmall(list, true);
  ASSERT_TRUE(list.Save(folder_.PathWithSlash(), true));
  const Bytes saved = folder_.Read(kFile);

  // Each text the reader takes up to 64 KiB of, one byte over.
  const std::string too_long(64 * 1024 + 1, 'x');
  const std::string at_most(64 * 1024, 'y');
  auto replace = [](std::string xml, const std::string& from, const std::string& to) {
    return xml.replace(xml.find(from), from.size(), to);
  };
  const struct {
    const char* what;
    std::string xml;
    std::wstring name;
  } cases[] = {
      {"player name", test_support::kSamplePlayerXml, std::wstring(too_long.size(), L'n')},
      {"item key",
       replace(test_support::kSamplePlayerXml, "name='health'", "name='" + too_long + "'"), L"Al"},
      {"store key",
       replace(test_support::kSamplePlayerXml, "InAppKey='pack_1'", "InAppKey='" + too_long + "'"),
       L"Al"},
      {"level file",
       replace(test_support::kSamplePlayerXml, "file='a.xml'", "file='" + too_long + "'"), L"Al"},
  };
  for (const auto& c : cases) {
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(c.xml.c_str()));
    auto player = std::make_unique<GG_PLAYER>();
    player->SetInAppEdition(true);
    player->Load(document.child("player"));
    player->SetName(c.name);
    PlayersList big;
    big.Add(std::move(player));
    EXPECT_FALSE(big.Save(folder_.PathWithSlash(), true)) << c.what;
    EXPECT_EQ(folder_.Read(kFile), saved) << c.what << ": the old file stays";
  }
  PlayersList read;
  ASSERT_EQ(read.Load(folder_.PathWithSlash(), Current(true)), PlayersFileStatus::Loaded);
  ExpectSmall(read, true, true);

  // Exactly the limit is stored and read back.
  PlayersList edge;
  edge.Add(SamplePlayer(true, std::wstring(at_most.size(), L'n')));
  ASSERT_TRUE(edge.Save(folder_.PathWithSlash(), true));
  PlayersList edge_read;
  ASSERT_EQ(edge_read.Load(folder_.PathWithSlash(), Current(true)), PlayersFileStatus::Loaded);
  EXPECT_EQ(edge_read.GetCurrent()->GetName().size(), at_most.size());
}

TEST_F(PlayersListTest, SavingCreatesTheFolder) {
  const std::string nested = folder_.File("Company/Product/");
  PlayersList list;
  FillSmall(list, false);
  ASSERT_TRUE(list.Save(nested, false));
  PlayersList read;
  EXPECT_EQ(read.Load(nested, Current()), PlayersFileStatus::Loaded);
  ExpectSmall(read, true, false);
}

}  // namespace
