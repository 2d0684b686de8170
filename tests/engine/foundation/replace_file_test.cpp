// Replacing a file through a temporary file of its own: two processes saving
// at once, a symbolic link where an older save put its temporary file, the
// leftovers of interrupted saves, and names that are not a regular file,
// which a save moves aside or, for a link to a file, saves through.
#include "engine/foundation/replace_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/not_a_file.h"
#include "support/read_file.h"
#include "support/temp_folder.h"

namespace ORB {
namespace {

using test_support::TempFolder;
using test_support::WriteText;

std::string Text(const std::string& path) {
  const auto bytes = test_support::ReadFile(path);
  return std::string(bytes.begin(), bytes.end());
}

// A whole file is 4096 copies of one letter; anything else is torn.
bool WriteWhole(const std::string& path, char letter) {
  return ReplaceFile(path, path + ".tmp", [letter](SaveFile& stream) {
    const std::string text(4096, letter);
    stream.WriteBytes(text.data(), text.size());
    return true;
  });
}

bool IsWhole(const std::string& text) {
  return text.size() == 4096 && text.find_first_not_of(text[0]) == std::string::npos;
}

// The names in a folder, sorted.
std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ReplaceFileTest, TwoProcessesSavingAtOnceEachPutAWholeFileInPlace) {
  TempFolder folder;
  const std::string path = folder / "players.save";
  ASSERT_TRUE(WriteWhole(path, 'a'));
  constexpr int kSaves = 150;
  pid_t writers[2] = {};
  for (int w = 0; w < 2; ++w) {
    writers[w] = fork();
    ASSERT_GE(writers[w], 0);
    if (writers[w] == 0) {
      bool all = true;
      for (int i = 0; i < kSaves; ++i) all = WriteWhole(path, w == 0 ? 'b' : 'c') && all;
      _exit(all ? 0 : 1);
    }
  }
  int torn = 0;
  int reads = 0;
  for (int w = 0; w < 2; ++w) {
    for (;;) {
      int status = 0;
      const pid_t done = waitpid(writers[w], &status, WNOHANG);
      if (done == writers[w]) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "every save answered true";
        break;
      }
      ++reads;
      if (!IsWhole(Text(path))) ++torn;
    }
  }
  EXPECT_EQ(torn, 0) << "of " << reads << " reads";
  EXPECT_TRUE(IsWhole(Text(path)));
  int left = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    left += entry.path().filename() != "players.save";
  }
  EXPECT_EQ(left, 0) << "no temporary file stays behind";
}

TEST(ReplaceFileTest, ALinkWhereTheTemporaryFileUsedToGoIsNeverWrittenThrough) {
  TempFolder folder;
  const std::string path = folder / "players.save";
  const std::string victim = folder / "elsewhere";
  WriteText(victim, "keep me");
  std::filesystem::create_symlink(victim, path + ".tmp");
  ASSERT_TRUE(WriteWhole(path, 'a'));
  EXPECT_EQ(Text(victim), "keep me");
  EXPECT_TRUE(IsWhole(Text(path)));
  EXPECT_TRUE(std::filesystem::is_symlink(path + ".tmp")) << "what is not ours is left alone";
}

TEST(ReplaceFileTest, ASaveRemovesLeftoversNobodyHolds) {
  TempFolder folder;
  const std::string path = folder / "config.xml";
  WriteText(path + ".tmp", "an older program's interrupted save");
  WriteText(path + ".tmp.AbC123", "an interrupted save");
  WriteText(path + ".tmp.InUse1", "a save in progress in another copy");
  WriteText(folder / "config.xml.tmpfile", "not a temporary file of ours");
  const int held = open((path + ".tmp.InUse1").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(held, 0);
  ASSERT_EQ(flock(held, LOCK_EX), 0);

  ASSERT_TRUE(WriteWhole(path, 'x'));
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp.AbC123"));
  EXPECT_TRUE(std::filesystem::exists(path + ".tmp.InUse1"));
  EXPECT_TRUE(std::filesystem::exists(folder / "config.xml.tmpfile"));
  close(held);
}

// --- names that are not a regular file ---

// Every kind under a save name is tested through the game's saves
// (hub_startup_test.cpp); here what those do not show: the name to move to
// is never one that is taken, and a file saved through a link keeps its
// permissions and leaves no temporary file beside it.
TEST(ReplaceFileTest, WhatIsMovedAsideTakesAFreeNameAndALinkedFileKeepsItsMode) {
  TempFolder folder;
  TempFolder elsewhere;
  const std::string path = folder / "players.save";
  const test_support::NameKind& dir = test_support::kNameKinds[0];
  ASSERT_TRUE(dir.make(path, elsewhere.Path()));
  std::filesystem::create_directory(path + kSetAsideEnding + "1");
  ASSERT_TRUE(WriteWhole(path, 'a'));
  EXPECT_TRUE(std::filesystem::is_empty(path + kSetAsideEnding + "1")) << "what was there stays";
  EXPECT_TRUE(dir.kept(path + kSetAsideEnding + "2", elsewhere.Path()));
  EXPECT_TRUE(IsWhole(Text(path)));

  const std::string linked = folder / "game.xml";
  const test_support::NameKind& link = test_support::kNameKinds[6];
  ASSERT_TRUE(link.leads_to_file);
  ASSERT_TRUE(link.make(linked, elsewhere.Path()));
  ASSERT_TRUE(WriteWhole(linked, 'b'));
  EXPECT_TRUE(link.kept(linked, elsewhere.Path())) << "the link stays";
  const std::string target = elsewhere / "linked.save";
  EXPECT_TRUE(IsWhole(Text(target)));
  struct stat info {};
  ASSERT_EQ(stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
  EXPECT_EQ(Entries(elsewhere.Path()), std::vector<std::string>{"linked.save"})
      << "no temporary file";
}

}  // namespace
}  // namespace ORB
