// The fuzz target's promises, checked on a fixed series of damaged files so
// that every build runs them: bit flips, overwritten bytes, large counts,
// cuts, repeated and dropped stretches of valid players files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "engine/platform/clock.h"
#include "fuzz/players_file_check.h"
#include "support/sample_player.h"
#include "support/source_path.h"
#include "support/temp_folder.h"

namespace {

using test_support::Bytes;
using test_support::TempFolder;

Bytes ValidFile(bool in_app) {
  ORB::platform::ManualClock clock;
  clock.SetCalendarSeconds(1'700'000'000);
  ORB::platform::SetClock(&clock);
  game::PlayersList list;
  for (const std::wstring name : {L"Ann", L"\u5c0f\u660e", L"Bo"}) {
    game::GG_PLAYER* player = list.Add(test_support::SamplePlayer(in_app, name));
    player->GetHealth().Spend();
    player->GetHealth().Spend();
    player->SetItemCount("coins", 120);
  }
  TempFolder folder;
  EXPECT_TRUE(list.Save(folder.PathWithSlash(), in_app));
  ORB::platform::SetClock(nullptr);
  return folder.Read(game::PlayersList::kFileName);
}

Bytes Mutate(const Bytes& input, std::mt19937& random) {
  Bytes bytes = input;
  const auto pick = [&](size_t limit) {
    return limit == 0 ? size_t{0} : std::uniform_int_distribution<size_t>(0, limit - 1)(random);
  };
  const int rounds = 1 + static_cast<int>(pick(3));
  for (int round = 0; round < rounds && bytes.size() > 1; ++round) {
    switch (pick(7)) {
      case 0:  // flip one bit (the option byte included)
        bytes[pick(bytes.size())] ^= static_cast<unsigned char>(1u << pick(8));
        break;
      case 1:  // overwrite one byte
        bytes[pick(bytes.size())] = static_cast<unsigned char>(pick(256));
        break;
      case 2: {  // a large 32-bit value somewhere
        const size_t at = pick(bytes.size() - 1);
        const unsigned char fill = pick(2) == 0 ? 0xFF : 0x7F;
        for (size_t i = at; i < std::min(bytes.size(), at + 4); ++i) bytes[i] = fill;
        break;
      }
      case 3:  // cut the end
        bytes.resize(1 + pick(bytes.size() - 1));
        break;
      case 4: {  // drop a stretch
        const size_t at = 1 + pick(bytes.size() - 1);
        const size_t length = std::min(bytes.size() - at, 1 + pick(16));
        bytes.erase(bytes.begin() + static_cast<long>(at),
                    bytes.begin() + static_cast<long>(at + length));
        break;
      }
      case 5: {  // repeat a stretch
        const size_t at = 1 + pick(bytes.size() - 1);
        const size_t length = std::min(bytes.size() - at, 1 + pick(64));
        const Bytes copy(bytes.begin() + static_cast<long>(at),
                         bytes.begin() + static_cast<long>(at + length));
        bytes.insert(bytes.begin() + static_cast<long>(pick(bytes.size())), copy.begin(),
                     copy.end());
        break;
      }
      default:  // add a byte at the end
        bytes.push_back(static_cast<unsigned char>(pick(256)));
        break;
    }
  }
  return bytes;
}

std::string CheckBytes(const TempFolder& folder, const Bytes& bytes) {
  return players_file_check::Check(folder.PathWithSlash(), bytes.data(), bytes.size());
}

TEST(PlayersFileMutationTest, ValidFilesPassInEveryOption) {
  TempFolder folder;
  for (const bool in_app : {false, true}) {
    const Bytes file = ValidFile(in_app);
    for (unsigned char options = 0; options < 8; ++options) {
      Bytes input{options};
      input.insert(input.end(), file.begin(), file.end());
      EXPECT_EQ(CheckBytes(folder, input), "") << "options " << int{options};
    }
  }
}

TEST(PlayersFileMutationTest, DamagedFilesNeverBreakThePromises) {
  TempFolder folder;
  std::mt19937 random(20240611);
  int loaded = 0;
  int corrupt = 0;
  for (const bool in_app : {false, true}) {
    Bytes seed{static_cast<unsigned char>((in_app ? 1 : 0) | (2 << 1))};
    const Bytes file = ValidFile(in_app);
    seed.insert(seed.end(), file.begin(), file.end());
    for (int i = 0; i < 1500; ++i) {
      const Bytes input = Mutate(seed, random);
      const std::string failure = CheckBytes(folder, input);
      ASSERT_EQ(failure, "") << "case " << i << ", " << input.size() << " bytes";
      const bool kept = folder.Exists(game::PlayersList::kFileName);
      (kept ? loaded : corrupt) += 1;
    }
  }
  // Both outcomes occur: a flipped flag or count still reads, a cut never.
  EXPECT_GT(loaded, 0);
  EXPECT_GT(corrupt, 0);
}

TEST(PlayersFileMutationTest, TheFuzzSeedsAreValidFiles) {
  // Tests run in the tests/ folder; the seeds sit beside the fuzz target.
  const std::filesystem::path seeds = test_support::SourcePath("fuzz/corpus/players");
  ASSERT_TRUE(std::filesystem::is_directory(seeds));
  TempFolder folder;
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(seeds)) {
    const Bytes input = players_file_check::ReadFile(entry.path());
    EXPECT_EQ(CheckBytes(folder, input), "") << entry.path();
    EXPECT_TRUE(folder.Exists(game::PlayersList::kFileName)) << entry.path() << " did not load";
    ++count;
  }
  EXPECT_GE(count, 4);
}

TEST(PlayersFileMutationTest, ShortAndEmptyInputs) {
  TempFolder folder;
  EXPECT_EQ(players_file_check::Check(folder.PathWithSlash(), nullptr, 0), "");
  for (int value = 0; value < 256; ++value) {
    const Bytes one{static_cast<unsigned char>(value), 0, 0, 0, 0, 0};
    EXPECT_EQ(CheckBytes(folder, one), "");
  }
}

}  // namespace
