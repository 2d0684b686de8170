// Replacing a file through a temporary file of its own: two processes saving
// at once, a symbolic link where an older save put its temporary file, and
// the leftovers of interrupted saves.
#include "engine/foundation/replace_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

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

}  // namespace
}  // namespace ORB
